#pragma once
// Dialog 338 "地図のタテ・ヨコの距離セット": the manual entry of the map's
// ground height and width when the map is too small for them to be derived
// from its edges. The arithmetic lives in GroundSizeEntry.

#include "geo/GroundSizeEntry.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;

namespace tavelin
{

class CKyoriDlg : public QDialog
{
    Q_OBJECT
public:
    CKyoriDlg(float northLat, float westLon, QWidget* parent = nullptr);

    // Valid after OK: ground height and width, south latitude, east longitude.
    const GroundSizeEntry& values() const { return m_entry; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recompute();

    GroundSizeEntry m_entry;
    QLabel* m_northWest = nullptr; // 1024
    QLineEdit* m_height = nullptr; // 1000
    QLineEdit* m_width = nullptr;  // 1007
    QLabel* m_southEast = nullptr; // 1023
};

// Runs dialog 338 modally from the north-west corner; the values on OK,
// nothing on cancel (the caller keeps its own).
std::optional<GroundSizeEntry> ManualGroundSize(float northLat, float westLon,
                                                QWidget* parent = nullptr);

} // namespace tavelin
