#include "PrintFixtures.h"

#include <QPainter>
#include <QPdfDocument>
#include <QPdfDocumentRenderOptions>
#include <cstdlib>

namespace tavelin::test
{

QRgb PageColour(int page)
{
    static const QRgb colours[] = {qRgb(220, 40, 40),  qRgb(40, 160, 40),  qRgb(40, 40, 220),
                                   qRgb(230, 200, 30), qRgb(160, 40, 160), qRgb(30, 180, 180),
                                   qRgb(120, 80, 20),  qRgb(250, 140, 180)};
    return colours[(page - 1) % 8];
}

QImage PagedMap(QSize tile, int columns, int rows, QSize cut)
{
    QImage map(tile.width() * columns - cut.width(), tile.height() * rows - cut.height(),
               QImage::Format_RGB32);
    QPainter p(&map);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            p.fillRect(QRect(QPoint(c * tile.width(), r * tile.height()), tile),
                       QColor(PageColour(r * columns + c + 1)));
    return map;
}

QImage RenderPdfPage(QPdfDocument& doc, int page, int dpi, const QRect& clip)
{
    const QSizeF points = doc.pagePointSize(page);
    const QSize full(qRound(points.width() * dpi / 72.0), qRound(points.height() * dpi / 72.0));
    QPdfDocumentRenderOptions options;
    options.setScaledSize(full);
    if (!clip.isEmpty())
        options.setScaledClipRect(clip);
    const QImage rendered = doc.render(page, clip.isEmpty() ? full : clip.size(), options);
    QImage paper(rendered.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter p(&paper);
    p.drawImage(0, 0, rendered);
    return paper;
}

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace tavelin::test
