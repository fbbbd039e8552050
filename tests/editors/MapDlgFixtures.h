#pragma once
// What the map settings tests share: a scripted file chooser, map pictures
// with known corners, and driving a modal dialog from inside its loop.

#include "editors/ImageFileChooser.h"
#include "model/Picture.h"

#include <QImage>
#include <QStringList>
#include <functional>

class QLineEdit;
class QWidget;

namespace tavelin::test
{

class ScriptedChooser : public ImageFileChooser
{
public:
    QString chooseImageFile(QWidget* owner, const QString& title, const QString& filter) override;

    QStringList paths; // answered in turn; empty text (cancel) when used up
    QString title;
    QString filter;
    int calls = 0;
};

// A picture of width x height whose four corner pixels have colours of
// their own (CornerColours) over a grey ground.
QImage CornerImage(int width, int height);
constexpr QRgb NorthWestColour = 0xFFFF0000;
constexpr QRgb NorthEastColour = 0xFF00FF00;
constexpr QRgb SouthWestColour = 0xFF0000FF;
constexpr QRgb SouthEastColour = 0xFFFFFF00;
constexpr QRgb GroundColour = 0xFF808080;

// The image's PNG bytes as a picture (decodes exactly).
PicturePtr PngPicture(const QImage& image);

bool WriteFile(const QString& path, const QByteArray& bytes);

// Types into an edit as the user would, then leaves it.
void TypeAndLeave(QLineEdit* edit, const QString& text);

// Runs `action` on the modal dialog of class `className` as soon as it is
// shown (from inside its event loop).
void WhenModal(const char* className, std::function<void(QWidget*)> action);

} // namespace tavelin::test
