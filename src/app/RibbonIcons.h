#pragma once
// The pictures of the ribbon, drawn by our own code: one icon per command,
// the application button and the twelve pie-clock images of the countdown.

#include <QIcon>
#include <QImage>

namespace tavelin
{

// A 32 x 32 icon (with a 16 x 16 form) for a command; a plain square for a
// command without a picture of its own.
QIcon RibbonIcon(int commandId);

// The application button's round picture.
QIcon ApplicationButtonIcon();

constexpr int PieClockImageCount = 12;
// Image `index` (0..11) of the countdown: a pie filling up clockwise by one
// twelfth per index, green for 0-3, yellow for 4-7, red for 8-11.
QImage PieClockImage(int index);
QColor PieClockColour(int index);

} // namespace tavelin
