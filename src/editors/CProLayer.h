#pragma once
// Dialog 315 "レイヤーのプロパティ": the base date-time, name, arc and
// anchor widths and colours, node size, icon picture, position and
// transparent colour of one layer, with a live preview. The values live in
// LayerPropertiesValues; OK checks the name, asks how node times follow a
// moved base and checks them, and keeps the dialog open on any problem.

#include "editors/LayerPropertiesValues.h"

#include <QDialog>
#include <array>

class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QToolButton;

namespace tavelin
{

class BuddySpinEdit;
class ColourPaletteButton;
class ImageFileChooser;

class CProLayer : public QDialog
{
    Q_OBJECT
public:
    // `defaultIconPath` is where the defaults button writes the icon.
    // `timesOwner` owns the 30033 question (the main window).
    CProLayer(LayerPropertiesValues values, ImageFileChooser& chooser, QString defaultIconPath,
              QWidget* parent = nullptr, QWidget* timesOwner = nullptr);

    // After OK: what to write back, and how the node times follow the base.
    const LayerPropertiesValues& values() const { return m_values; }
    NodeTimeTreatment treatment() const { return m_treatment; }

    QFrame* preview() const { return m_preview; }

    void accept() override;

private:
    void nameChanged(const QString& text);
    void chooseBuiltInIcon(int resourceId);
    void chooseIconFile();
    void setIconPosition(int position);
    void storeDefaults();
    void takeSpinPositions(LayerPropertiesValues& values) const;
    void iconLoaded();

    LayerPropertiesValues m_values;
    ImageFileChooser& m_chooser;
    QString m_defaultIconPath;
    QWidget* m_timesOwner = nullptr;
    NodeTimeTreatment m_treatment = NodeTimeTreatment::MoveWithBase;
    bool m_baseEdited = false;

    QDateEdit* m_date = nullptr;                        // 1006
    QTimeEdit* m_time = nullptr;                        // 1007
    QLineEdit* m_name = nullptr;                        // 1000
    QLabel* m_counter = nullptr;                        // 1020
    BuddySpinEdit* m_arcWidth = nullptr;                // 1030 + 1036
    BuddySpinEdit* m_anchorWidth = nullptr;             // 1032 + 1038
    BuddySpinEdit* m_iconSize = nullptr;                // 1031 + 1037
    ColourPaletteButton* m_arcColour = nullptr;         // 1035
    ColourPaletteButton* m_anchorColour = nullptr;      // 1039
    ColourPaletteButton* m_transparentColour = nullptr; // 1040
    QFrame* m_preview = nullptr;                        // 1008
};

} // namespace tavelin
