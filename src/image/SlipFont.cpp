#include "image/SlipFont.h"

#include <QPaintDevice>
#include <QStringList>
#include <algorithm>

namespace tavelin
{

QFont CreateSlipFont(const QString& face, bool bold, int pointSize, int logicalDpiY)
{
    QFont font; // the application's font as the base description
    font.setFamilies(QStringList{face.isEmpty() ? QStringLiteral("Meiryo UI") : face});
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    // Character height in whole pixels, as the negative height of the
    // platform's font description meant; Qt needs at least one pixel.
    font.setPixelSize(std::max(1, pointSize * logicalDpiY / 72));
    return font;
}

QFont CreateSlipFont(const QString& face, bool bold, int pointSize, const QPaintDevice& device)
{
    return CreateSlipFont(face, bold, pointSize, device.logicalDpiY());
}

} // namespace tavelin
