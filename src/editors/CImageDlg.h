#pragma once
// Dialog 328 "イメージ設定": an image slip's size beside its picture's size,
// and three adjustments between them that act on the model at once (there
// is no cancel): reduce the picture to the slip's height, fit the slip's
// width to the picture's proportions, make the slip as large as the picture.

#include "editors/SlipDialogHooks.h"
#include "model/RouteModel.h"

#include <QDialog>
#include <QSize>

class QLabel;
class QPushButton;

namespace tavelin
{

class CImageDlg : public QDialog
{
    Q_OBJECT
public:
    CImageDlg(RouteModel& model, int slip, SlipDialogHooks hooks, QWidget* parent = nullptr);

    // The picture's size as measured when the dialog opened.
    QSize pictureSize() const { return m_picture; }

    void reducePicture();    // 1003
    void fitSlipWidth();     // 1002
    void matchPictureSize(); // 1001

private:
    QSize slipSize() const;
    void resizeSlip(QSize size);
    void redraw(const SlipBox& before);

    RouteModel& m_model;
    int m_slip;
    SlipDialogHooks m_hooks;
    QSize m_picture;
    QLabel* m_slipSize = nullptr;      // 1021
    QLabel* m_pictureSize = nullptr;   // 1022
    QPushButton* m_reduce = nullptr;   // 1003
    QPushButton* m_fitWidth = nullptr; // 1002
    QPushButton* m_match = nullptr;    // 1001
};

// Runs the image settings of image slip `slip` modally.
void ShowImageSettings(RouteModel& model, int slip, const SlipDialogHooks& hooks, QWidget* parent);

} // namespace tavelin
