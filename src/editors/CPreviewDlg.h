#pragma once
// Dialog 331 "プレビュー": an image slip's picture in a resizable window,
// fitted to it at the slip's proportions.

#include "model/RouteModel.h"

#include <QDialog>

class QFrame;

namespace tavelin
{

class CPreviewDlg : public QDialog
{
    Q_OBJECT
public:
    CPreviewDlg(const RouteModel& model, int slip, QWidget* parent = nullptr);

    // The frame 1008, which always fills the client area.
    QFrame* frame() const { return m_frame; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    const RouteModel& m_model;
    int m_slip;
    QFrame* m_frame = nullptr;
};

// Runs the preview of image slip `slip` modally.
void ShowSlipPreview(const RouteModel& model, int slip, QWidget* parent);

} // namespace tavelin
