#include "editors/CImageDlg.h"

#include "document/WorkFolder.h"
#include "editors/SlipImageSettings.h"
#include "image/PictureIo.h"
#include "mapview/MapGeometry.h"
#include "platform/Messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavelin
{
namespace
{

constexpr int MsgKeepTransparency = 30058;
constexpr int RedrawMargin = 5;

QLabel* Note(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(false);
    return label;
}

} // namespace

CImageDlg::CImageDlg(RouteModel& model, int slip, SlipDialogHooks hooks, QWidget* parent)
    : QDialog(parent), m_model(model), m_slip(slip), m_hooks(std::move(hooks))
{
    setWindowTitle(QStringLiteral("イメージ設定"));
    setObjectName(QStringLiteral("CImageDlg"));

    m_picture = PictureSize((*m_model.slipPictures)[std::size_t(slip)]);

    m_slipSize = new QLabel(SlipSizeText(slipSize()), this);
    m_slipSize->setObjectName(QStringLiteral("slipSize"));
    m_pictureSize = new QLabel(SlipSizeText(m_picture), this);
    m_pictureSize->setObjectName(QStringLiteral("pictureSize"));

    m_reduce = new QPushButton(
        QStringLiteral("イメージの大きさを現在の付箋の高さに合せて調整する(&A)"), this);
    m_reduce->setObjectName(QStringLiteral("reducePicture"));
    m_fitWidth =
        new QPushButton(QStringLiteral("付箋の幅をイメージの比率に合せて調整する(&B)"), this);
    m_fitWidth->setObjectName(QStringLiteral("fitSlipWidth"));
    m_match =
        new QPushButton(QStringLiteral("付箋の大きさをイメージの大きさと同じにする(&C)"), this);
    m_match->setObjectName(QStringLiteral("matchPictureSize"));
    auto* close = new QPushButton(QStringLiteral("閉じる(&X)"), this);
    close->setObjectName(QStringLiteral("close"));
    for (QPushButton* b : {m_reduce, m_fitWidth, m_match, close})
        b->setAutoDefault(false);

    // The picture can only be reduced; a picture that did not decode has no
    // proportions to adjust to.
    const bool usable = !m_picture.isEmpty();
    m_reduce->setEnabled(CanReducePicture(slipSize(), m_picture));
    m_fitWidth->setEnabled(usable);
    m_match->setEnabled(usable);

    connect(m_reduce, &QPushButton::clicked, this, &CImageDlg::reducePicture);
    connect(m_fitWidth, &QPushButton::clicked, this, &CImageDlg::fitSlipWidth);
    connect(m_match, &QPushButton::clicked, this, &CImageDlg::matchPictureSize);
    connect(close, &QPushButton::clicked, this, &CImageDlg::accept);

    auto* sizes = new QGridLayout;
    sizes->addWidget(new QLabel(QStringLiteral("幅　×　高さ"), this), 0, 1);
    sizes->addWidget(new QLabel(QStringLiteral("1 付箋の大きさ："), this), 1, 0);
    sizes->addWidget(m_slipSize, 1, 1);
    sizes->addWidget(new QLabel(QStringLiteral("2 イメージの大きさ (メモリ内)："), this), 2, 0);
    sizes->addWidget(m_pictureSize, 2, 1);
    sizes->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sizes);
    layout->addSpacing(6);
    layout->addWidget(m_reduce);
    layout->addWidget(Note(QStringLiteral("○ 保存するファイル容量を小さくすることができます。\n"
                                          "● 付箋サイズを大きくすると画質が悪くなります。"),
                           this));
    layout->addSpacing(6);
    layout->addWidget(m_fitWidth);
    layout->addWidget(m_match);
    layout->addWidget(
        Note(QStringLiteral("※ イメージの縦横比に合せて付箋の大きさを調整します。"), this));
    layout->addWidget(
        Note(QStringLiteral("※ 付箋の大きさの制限：　幅 100～800　高さ 50～600"), this));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);
}

QSize CImageDlg::slipSize() const
{
    const SlipRec& s = m_model.slips[m_slip];
    return {s.right - s.left, s.bottom - s.top};
}

void CImageDlg::redraw(const SlipBox& before)
{
    const QPoint scroll = m_hooks.scrollPosition ? m_hooks.scrollPosition() : QPoint();
    const QRect area = ToQRect(SlipScreenRect(m_model, m_slip, true))
                           .united(ToQRect(before))
                           .adjusted(-RedrawMargin, -RedrawMargin, RedrawMargin, RedrawMargin)
                           .translated(-scroll);
    if (m_hooks.redrawArea)
        m_hooks.redrawArea(area);
    if (m_hooks.markModified)
        m_hooks.markModified();
}

void CImageDlg::reducePicture()
{
    const SlipRec& s = m_model.slips[m_slip];
    const QSize size = ReducedPictureSize(m_picture, slipSize().height());
    bool keep = false;
    if (s.imageTransparentColour != -1) {
        const int answer = ShowMessage(MsgKeepTransparency, this, {}, MessageStyle::YesNoCancel);
        if (answer == IDCANCEL)
            return;
        keep = answer == IDYES;
    }
    const SlipBox area = SlipScreenRect(m_model, m_slip, true);
    if (!ReduceSlipPicture(m_model, m_slip, size, keep, WorkFolder()))
        return; // 30001 shown; the slip keeps its picture
    m_pictureSize->setText(SlipSizeText(size));
    redraw(area);
}

void CImageDlg::resizeSlip(QSize size)
{
    m_slipSize->setText(SlipSizeText(size));
    const SlipBox before = SlipScreenRect(m_model, m_slip, true);
    ResizeSlipFromTopLeft(m_model, m_slip, size);
    redraw(before);
}

void CImageDlg::fitSlipWidth()
{
    const int height = slipSize().height();
    resizeSlip({FittedSlipWidth(m_picture, height), height});
}

void CImageDlg::matchPictureSize()
{
    resizeSlip(SlipSizeForPicture(m_picture));
}

void ShowImageSettings(RouteModel& model, int slip, const SlipDialogHooks& hooks, QWidget* parent)
{
    if (slip < 0 || slip >= model.slipCount || !model.slips[slip].hasImage)
        return;
    CImageDlg dialog(model, slip, hooks, parent);
    dialog.exec();
}

} // namespace tavelin
