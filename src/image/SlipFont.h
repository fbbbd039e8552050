#pragma once
// The font of a slip's text.

#include <QFont>
#include <QString>

class QPaintDevice;

namespace tavelin
{

// face (or "Meiryo UI" when empty), bold or normal weight, and a pixel size
// of pointSize x the device's vertical logical dots per inch / 72. The size
// is fixed in pixels so slip text keeps its size at every zoom. Where the
// face is not installed, font matching picks a Japanese font for the text.
QFont CreateSlipFont(const QString& face, bool bold, int pointSize, int logicalDpiY);
QFont CreateSlipFont(const QString& face, bool bold, int pointSize, const QPaintDevice& device);

} // namespace tavelin
