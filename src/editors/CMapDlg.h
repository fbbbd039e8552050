#pragma once
// Dialog 311 "背景地図の設定": sets or replaces the background map picture
// and ties it to the earth by its four edges, from which the ground width
// and height follow. The values live in MapSettingsValues; the dialog shows
// and edits them and hands them back on OK.

#include "editors/MapSettingsValues.h"
#include "geo/GroundSizeEntry.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavelin
{

class ImageFileChooser;

// The manual ground-size entry as the dialog calls it (ManualGroundSize in
// the program; tests put a script in its place).
using ManualGroundSizeEntry =
    std::function<std::optional<GroundSizeEntry>(float northLat, float westLon, QWidget* parent)>;

class CMapDlg : public QDialog
{
    Q_OBJECT
public:
    static const QString ImageTitle;
    static const QString ImageFilter;

    CMapDlg(MapSettingsValues values, ImageFileChooser& chooser, QWidget* parent = nullptr,
            ManualGroundSizeEntry manualEntry = {});

    // After OK: the values to write back.
    const MapSettingsValues& values() const { return m_values; }

    // The preview frame (1008); the picture is drawn inside its one-pixel
    // border.
    QFrame* preview() const { return m_preview; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choosePicture();
    void setViewMode(int mode);
    void readEdges();
    void recomputeHeight();
    void recomputeWidth();
    void showEdges();
    void showExtents();
    void showMapControls();
    bool offerManualEntry();

    MapSettingsValues m_values;
    ImageFileChooser& m_chooser;
    ManualGroundSizeEntry m_manualEntry;

    QFrame* m_preview = nullptr;        // 1008
    QLabel* m_notSet = nullptr;         // 1000
    QPushButton* m_setMap = nullptr;    // 1001
    QPushButton* m_changeMap = nullptr; // 1002
    QLineEdit* m_north = nullptr;       // 1007
    QLineEdit* m_south = nullptr;       // 1010
    QLineEdit* m_west = nullptr;        // 1009
    QLineEdit* m_east = nullptr;        // 1011
    QLabel* m_width = nullptr;          // 1012
    QLabel* m_height = nullptr;         // 1004
    // Indexed by view mode.
    std::array<QPushButton*, 5> m_viewButtons{}; // 1005, 1006, 1014, 1018, 1017
    std::array<QRadioButton*, 5> m_viewRadios{}; // 1016, 1015, 1019, 1020, 1013
    QButtonGroup* m_radioGroup = nullptr;
};

} // namespace tavelin
