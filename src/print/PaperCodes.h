#pragma once
// The paper size and orientation codes of the printer settings, as
// "Insatu" "PaperSize" and "Orientation" store them (9 = A4; 1 portrait,
// 2 landscape), and the paper names the print dialog shows for them.

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <optional>

namespace tavelin
{

constexpr int DefaultPaperCode = 9; // A4
constexpr int UserPaperCode = 256;  // a size no code stands for

// The paper of a code; nothing for a code no paper is known for.
std::optional<QPageSize> KnownPaperForCode(int code);
// As above, A4 for an unknown code (what start-up applies).
QPageSize PaperSizeForCode(int code);
// The name the print dialog shows: codes 1 to 41 have one, others "etc.".
QString PaperNameForCode(int code);
// The code of a paper: `previousCode` when it stands for the same size (the
// codes of equal sizes are kept apart that way), else the first code of
// that size, else UserPaperCode.
int PaperCodeForSize(const QPageSize& size, int previousCode = 0);

// 2 is landscape; 1 and every other value portrait.
QPageLayout::Orientation OrientationForCode(int code);
int CodeForOrientation(QPageLayout::Orientation orientation);

} // namespace tavelin
