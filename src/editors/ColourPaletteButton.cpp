#include "editors/ColourPaletteButton.h"

#include "image/PictureDrawing.h"
#include "platform/ColourChooser.h"

#include <QFrame>
#include <QGridLayout>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tavelin
{

namespace
{

constexpr COLORREF Rgb(int r, int g, int b)
{
    return COLORREF(r) | COLORREF(g) << 8 | COLORREF(b) << 16;
}

constexpr std::uint32_t NoColour = 0xFFFFFFFF;

QPixmap Swatch(std::uint32_t colourRef, QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    if (colourRef == NoColour) {
        p.fillRect(pixmap.rect(), Qt::white);
        p.setPen(QPen(Qt::red, 1));
        p.drawLine(0, size.height() - 1, size.width() - 1, 0);
    } else {
        p.fillRect(pixmap.rect(), FromColorRef(colourRef));
    }
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return pixmap;
}

QString RgbText(COLORREF c)
{
    return QStringLiteral("RGB(%1, %2, %3)")
        .arg(c & 0xFF)
        .arg((c >> 8) & 0xFF)
        .arg((c >> 16) & 0xFF);
}

} // namespace

const std::array<COLORREF, 20> ColourPaletteButton::Palette = {
    Rgb(0, 0, 0),   Rgb(64, 64, 64), Rgb(128, 128, 128), Rgb(192, 192, 192), Rgb(255, 255, 255),
    Rgb(128, 0, 0), Rgb(255, 0, 0),  Rgb(255, 128, 0),   Rgb(255, 255, 0),   Rgb(128, 64, 0),
    Rgb(0, 128, 0), Rgb(0, 255, 0),  Rgb(0, 128, 128),   Rgb(0, 255, 255),   Rgb(128, 128, 0),
    Rgb(0, 0, 128), Rgb(0, 0, 255),  Rgb(128, 0, 128),   Rgb(255, 0, 255),   Rgb(255, 128, 192),
};

ColourPaletteButton::ColourPaletteButton(QWidget* parent) : QPushButton(parent)
{
    setMinimumSize(64, 24);
    connect(this, &QPushButton::clicked, this, &ColourPaletteButton::showPalette);
}

void ColourPaletteButton::setColour(std::uint32_t colourRef)
{
    m_colour = colourRef;
    setToolTip(colourRef == NoColour ? QStringLiteral("なし") : RgbText(colourRef));
    update();
}

void ColourPaletteButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int arrow = 9;
    const QRect swatch(content.left() + 2, content.top() + 2, content.width() - arrow - 8,
                       content.height() - 4);
    QPainter p(this);
    if (swatch.width() > 0 && swatch.height() > 0)
        p.drawPixmap(swatch.topLeft(), Swatch(m_colour, swatch.size()));
    // The drop-down mark.
    const int ax = content.right() - arrow, ay = content.center().y() - 2;
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? palette().buttonText() : palette().mid());
    p.drawPolygon(
        QPolygon({QPoint(ax, ay), QPoint(ax + arrow - 1, ay), QPoint(ax + arrow / 2, ay + 4)}));
}

void ColourPaletteButton::showPalette()
{
    closePalette();
    auto* popup = new QFrame(this, Qt::Popup);
    popup->setObjectName(QStringLiteral("palette"));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    for (std::size_t i = 0; i < Palette.size(); ++i) {
        const COLORREF colour = Palette[i];
        auto* swatch = new QToolButton(popup);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(i));
        swatch->setAutoRaise(true);
        swatch->setIconSize(QSize(18, 18));
        swatch->setIcon(QIcon(Swatch(colour, QSize(18, 18))));
        swatch->setToolTip(RgbText(colour));
        swatch->setCheckable(true);
        swatch->setChecked(colour == m_colour);
        connect(swatch, &QToolButton::clicked, this, [this, colour] { choose(colour); });
        grid->addWidget(swatch, int(i) / Columns, int(i) % Columns);
    }
    auto* other = new QPushButton(QStringLiteral("その他の色(&M)..."), popup);
    other->setObjectName(QStringLiteral("otherColours"));
    connect(other, &QPushButton::clicked, this, &ColourPaletteButton::chooseOther);
    auto* layout = new QVBoxLayout(popup);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(grid);
    layout->addWidget(other);
    popup->adjustSize();
    popup->move(mapToGlobal(QPoint(0, height())));
    m_popup = popup;
    popup->show();
}

void ColourPaletteButton::closePalette()
{
    if (m_popup)
        m_popup->close(); // deletes itself
    m_popup = nullptr;
}

void ColourPaletteButton::choose(std::uint32_t colourRef)
{
    closePalette();
    setColour(colourRef);
    Q_EMIT colourChosen(colourRef);
}

void ColourPaletteButton::chooseOther()
{
    closePalette();
    const QColor initial = m_colour == NoColour ? QColor(Qt::white) : FromColorRef(m_colour);
    const std::optional<QColor> chosen = CurrentColourChooser().chooseColour(window(), initial);
    if (!chosen || !chosen->isValid())
        return;
    const QColor c = chosen->toRgb();
    choose(Rgb(c.red(), c.green(), c.blue()));
}

} // namespace tavelin
