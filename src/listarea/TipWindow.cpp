#include "listarea/TipWindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace tavelin
{

TipWindow::TipWindow(QWidget* owner) : QLabel(owner, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
{
    setObjectName(QStringLiteral("TipWindow"));
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetColours(QColor(255, 255, 225), Qt::black);
    SetMargin(2);
}

void TipWindow::SetColours(const QColor& back, const QColor& text)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}

void TipWindow::SetMargin(int pixels)
{
    setContentsMargins(pixels, pixels, pixels, pixels);
}

void TipWindow::SetMaximumTipWidth(int pixels)
{
    // The texts break their own lines; longer ones are cut at the width.
    setMaximumWidth(pixels);
}

void TipWindow::ShowAt(const QPoint& globalPos, const QString& text)
{
    setText(text);
    adjustSize();
    QPoint at = globalPos + QPoint(2, 20);
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::min(at.x(), area.right() - width()));
        if (at.y() + height() > area.bottom())
            at.setY(globalPos.y() - height() - 4);
    }
    move(at);
    show();
    raise();
}

} // namespace tavelin
