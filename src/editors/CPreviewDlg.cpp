#include "editors/CPreviewDlg.h"

#include "image/PictureDrawing.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace tavelin
{
namespace
{

class PreviewFrame : public QFrame
{
public:
    PreviewFrame(const RouteModel& model, int slip, QWidget* parent)
        : QFrame(parent), m_model(model), m_slip(slip)
    {
        setObjectName(QStringLiteral("preview"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        const SlipRec& s = m_model.slips[m_slip];
        const PicturePtr& picture = (*m_model.slipPictures)[std::size_t(m_slip)];
        if (!s.hasImage || !picture)
            return;
        DrawPicture(painter, picture.get(), rect(), QSize(s.right - s.left, s.bottom - s.top), 0, 0,
                    int(PictureMode::Fit), s.imageTransparentColour);
    }

private:
    const RouteModel& m_model;
    int m_slip;
};

} // namespace

CPreviewDlg::CPreviewDlg(const RouteModel& model, int slip, QWidget* parent)
    : QDialog(parent), m_model(model), m_slip(slip)
{
    setWindowTitle(QStringLiteral("プレビュー"));
    setObjectName(QStringLiteral("CPreviewDlg"));
    setWindowIcon(QApplication::windowIcon());
    setSizeGripEnabled(true);
    setMinimumSize(80, 60);
    m_frame = new PreviewFrame(model, slip, this);
    const SlipRec& s = model.slips[slip];
    // Opens at the slip's size, within reason.
    resize(std::clamp(s.right - s.left, 240, 1000), std::clamp(s.bottom - s.top, 180, 750));
    m_frame->setGeometry(rect());
}

void CPreviewDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_frame->setGeometry(QRect(QPoint(0, 0), event->size()));
    update();
}

void ShowSlipPreview(const RouteModel& model, int slip, QWidget* parent)
{
    if (slip < 0 || slip >= model.slipCount || !model.slips[slip].hasImage)
        return;
    CPreviewDlg dialog(model, slip, parent);
    dialog.exec();
}

} // namespace tavelin
