#include "mapview/CUnderBar.h"

#include "mapview/MapZoom.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QToolButton>

namespace tavelin
{
namespace
{

constexpr int BarHeight = 24;

// The bar's small pictures: a magnifier with minus or plus, and the fit frame.
QIcon BarIcon(CUnderBar::Control kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(40, 40, 90), 1.5));
    if (kind == CUnderBar::Fit) {
        p.drawRect(QRectF(2.5, 3.5, 11, 9));
        p.drawLine(QPointF(5, 8), QPointF(11, 8));
        p.drawLine(QPointF(5, 8), QPointF(6.5, 6.5));
        p.drawLine(QPointF(5, 8), QPointF(6.5, 9.5));
        p.drawLine(QPointF(11, 8), QPointF(9.5, 6.5));
        p.drawLine(QPointF(11, 8), QPointF(9.5, 9.5));
    } else {
        p.drawEllipse(QRectF(2, 2, 9, 9));
        p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
        p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
        if (kind == CUnderBar::ZoomIn)
            p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
    }
    return QIcon(pixmap);
}

QToolButton* MakeButton(QWidget* parent, CUnderBar::Control kind, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::number(int(kind)));
    button->setIcon(BarIcon(kind));
    button->setAutoRaise(kind != CUnderBar::Fit);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedHeight(BarHeight - 2);
    return button;
}

} // namespace

CUnderBar::CUnderBar(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setAttribute(Qt::WA_StyledBackground, true);
    setFocusPolicy(Qt::NoFocus);

    m_zoomOut = MakeButton(this, ZoomOut, QStringLiteral("ズームダウンします"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QString::number(int(Slider)));
    m_slider->setRange(0, MaxZoomStep);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_slider->setPageStep(1);
    m_slider->setValue(1);
    m_slider->setFixedWidth(120);
    m_slider->setFocusPolicy(Qt::NoFocus);
    m_slider->setToolTip(QStringLiteral("マップエリアの縮尺率を変更します"));
    m_zoomIn = MakeButton(this, ZoomIn, QStringLiteral("ズームアップします"));
    m_percent = new QLabel(QStringLiteral("100%"), this);
    m_percent->setObjectName(QString::number(int(Percent)));
    m_percent->setAlignment(Qt::AlignCenter);
    m_percent->setMinimumWidth(48);
    m_percent->setToolTip(
        QStringLiteral("現在の縮尺率を表示しています\nＷクリックすると100%にします"));
    m_percent->installEventFilter(this);
    m_fit = MakeButton(this, Fit, QStringLiteral("画面に合せて表示します"));
    m_fit->setCheckable(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(4);
    layout->addWidget(m_zoomOut);
    layout->addWidget(m_slider);
    layout->addWidget(m_zoomIn);
    layout->addWidget(m_percent);
    layout->addWidget(m_fit);
    layout->addStretch(1);
    setFixedHeight(BarHeight);

    connect(m_zoomOut, &QToolButton::clicked, this, &CUnderBar::zoomOutClicked);
    connect(m_zoomIn, &QToolButton::clicked, this, &CUnderBar::zoomInClicked);
    connect(m_fit, &QToolButton::clicked, this, &CUnderBar::fitToggled);
    // A drag reports when it lets go; a click on the groove or a key at once.
    connect(m_slider, &QSlider::sliderReleased, this,
            [this] { Q_EMIT sliderChosen(m_slider->value()); });
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        if (!m_syncing && !m_slider->isSliderDown())
            Q_EMIT sliderChosen(value);
    });
}

int CUnderBar::sliderPosition() const
{
    return m_slider->value();
}

void CUnderBar::setSliderPosition(int position)
{
    m_syncing = true;
    m_slider->setValue(position);
    m_syncing = false;
}

void CUnderBar::UpdateZoomText(float zoom)
{
    m_percent->setText(ZoomText(zoom));
}

void CUnderBar::SyncSlider(float zoom)
{
    setSliderPosition(StepForZoom(zoom));
    UpdateZoomText(zoom);
}

bool CUnderBar::fitChecked() const
{
    return m_fit->isChecked();
}
void CUnderBar::setFitChecked(bool checked)
{
    m_fit->setChecked(checked);
}
QString CUnderBar::zoomText() const
{
    return m_percent->text();
}

void CUnderBar::setZoomControlsActive(bool active)
{
    m_zoomOut->setEnabled(active);
    m_slider->setEnabled(active);
    m_zoomIn->setEnabled(active);
    m_fit->setEnabled(active);
}

int CUnderBar::barHeight() const
{
    return BarHeight;
}

QWidget* CUnderBar::control(Control id) const
{
    switch (id) {
    case ZoomOut:
        return m_zoomOut;
    case Slider:
        return m_slider;
    case ZoomIn:
        return m_zoomIn;
    case Percent:
        return m_percent;
    case Fit:
        return m_fit;
    }
    return nullptr;
}

bool CUnderBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_percent && event->type() == QEvent::MouseButtonDblClick) {
        Q_EMIT percentDoubleClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavelin
