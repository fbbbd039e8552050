#pragma once
// The file-open chooser for image files, behind an interface so that tests
// script it instead of blocking on a platform dialog.

#include <QString>

class QWidget;

namespace tavelin
{

// The title and the filter of every image-file chooser.
inline QString ImageFileDialogTitle()
{
    return QStringLiteral("イメージファイルを指定");
}
inline QString ImageFileDialogFilter()
{
    return QStringLiteral(
        "イメージファイル(jpeg, gif, bmp, png, tiff) "
        "|*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.tif;*.tiff|JPEGファイル(*.jpeg)|*.jpg;*.jpeg|GIFファイル(*."
        "gif)|*.gif|ビットマップファイル(*.bmp)|*.bmp|PNGファイル(*.png)|*.png|TIFFファイル(*.tiff)|*."
        "tif;*.tiff||");
}

class ImageFileChooser
{
public:
    virtual ~ImageFileChooser() = default;
    // `filter` is in the platform's form "text|patterns|...||". The chosen
    // path, or empty text when the user cancelled.
    virtual QString chooseImageFile(QWidget* owner, const QString& title,
                                    const QString& filter) = 0;
};

// A QFileDialog with the read-only box hidden (Qt has none to show).
class DialogImageFileChooser : public ImageFileChooser
{
public:
    QString chooseImageFile(QWidget* owner, const QString& title, const QString& filter) override;
};

// "text|*.a;*.b|..." -> "text (*.a *.b);;...": the platform's filter pairs as
// Qt's name filters. Qt reads the patterns from the last bracketed part, so
// a text with brackets of its own ("(jpeg, gif, ...)") stays as it is.
QString QtNameFilters(const QString& platformFilter);

} // namespace tavelin
