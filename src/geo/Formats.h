#pragma once
// Display formats of dates, time spans, distances and speeds, chosen by the
// codes the user picks in the node list's header menu. A code outside its
// range behaves as code 1.

#include "geo/OleDate.h"

#include <QString>
#include <cstdint>

namespace tavelin
{

constexpr int DateFormatCount = 8;
constexpr int DurationFormatCount = 7;
constexpr int DistanceFormatCount = 5;

// Codes 1-8: "%Y.%m.%d %H:%M:%S" down to "%H:%M". A null date gives the
// empty text, an invalid one or one beyond the OLE range "Invalid DateTime".
QString FormatDateTime(OleDateTime date, int code);
QString FormatDateTime(double date, int code);

// The span in days. Codes 1-4: seconds, minutes, hours "%.2f", days "%.2f";
// 5-7: "%H:%M:%S", "%H:%M" and "d %H:%M" of the hours within the day. The
// span is first rounded to the second, half away from zero.
QString FormatDuration(double spanDays, int code);
QString FormatDurationSeconds(std::int64_t seconds, int code);

// Metres (or metres per hour). Codes 1-5: "%ld", whole km, km "%.1f",
// "%.2f", "%.3f".
QString FormatDistance(std::int64_t metres, int code);

} // namespace tavelin
