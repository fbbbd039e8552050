#include "geo/OleDate.h"

#include <cmath>

namespace tavelin
{
namespace
{

constexpr std::int64_t SecondsPerDay = 86400;
// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t EpochOffsetDays = -25569;
// 9999-12-31 and 0100-01-01 as OLE day numbers.
constexpr double MaxOleDay = 2958465.0;
constexpr double MinOleDay = -657434.0;

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t yy = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

} // namespace

double OleDateFromParts(int year, int month, int day, int hour, int minute, int second,
                        std::int32_t* status)
{
    const bool valid = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
                       day <= DaysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 &&
                       minute <= 59 && second >= 0 && second <= 59;
    if (status)
        *status = valid ? DateTimeValid : DateTimeInvalid;
    if (!valid)
        return 0.0;
    const std::int64_t days = DaysFromCivil(year, month, day) - EpochOffsetDays;
    const double fraction = (hour * 3600 + minute * 60 + second) / double(SecondsPerDay);
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

std::int64_t OleDateToSeconds(double date)
{
    const double dayPart = std::trunc(date);
    const double fraction = std::fabs(date - dayPart);
    return static_cast<std::int64_t>(dayPart) * SecondsPerDay +
           static_cast<std::int64_t>(std::llround(fraction * SecondsPerDay));
}

double OleDateFromSeconds(std::int64_t seconds)
{
    std::int64_t days = seconds / SecondsPerDay;
    std::int64_t rest = seconds % SecondsPerDay;
    if (rest < 0) {
        rest += SecondsPerDay;
        --days;
    }
    const double fraction = rest / double(SecondsPerDay);
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

bool OleDateTime::isValid() const
{
    return status == DateTimeValid && std::isfinite(date) && std::fabs(date) <= MaxOleDateDays;
}

double OleDateToPosition(double date)
{
    if (date >= 0.0)
        return date;
    const double dayPart = std::trunc(date);
    return dayPart + std::fabs(date - dayPart);
}

double OleDateFromPosition(double position)
{
    if (position >= 0.0)
        return position;
    const double dayPart = std::floor(position);
    const double fraction = position - dayPart;
    return fraction == 0.0 ? dayPart : dayPart - fraction;
}

OleDateTime AddSeconds(OleDateTime date, std::int64_t seconds)
{
    if (date.isNull())
        return date;
    if (!date.isValid())
        return {0.0, DateTimeInvalid};
    const double position = OleDateToPosition(date.date) + double(seconds) / SecondsPerDay;
    const OleDateTime result{OleDateFromPosition(position), DateTimeValid};
    return result.isValid() ? result : OleDateTime{0.0, DateTimeInvalid};
}

std::optional<std::int64_t> RoundToWholeSeconds(double seconds)
{
    if (!std::isfinite(seconds) || std::fabs(seconds) > 9.0e18)
        return std::nullopt;
    return static_cast<std::int64_t>(std::trunc(seconds + (seconds < 0 ? -0.5 : 0.5)));
}

std::int64_t DiffSeconds(double later, double earlier)
{
    return RoundToWholeSeconds((OleDateToPosition(later) - OleDateToPosition(earlier)) * SecondsPerDay)
        .value_or(0);
}

int CompareOleDates(double a, double b)
{
    const double pa = OleDateToPosition(a);
    const double pb = OleDateToPosition(b);
    return pa < pb ? -1 : (pa > pb ? 1 : 0);
}

bool OleDateToParts(double date, DateTimeParts& parts)
{
    if (!std::isfinite(date) || date > MaxOleDay + 1.0 || date < MinOleDay - 1.0)
        return false;
    const std::int64_t seconds = OleDateToSeconds(date);
    std::int64_t days = seconds / SecondsPerDay;
    std::int64_t rest = seconds % SecondsPerDay;
    if (rest < 0) {
        rest += SecondsPerDay;
        --days;
    }
    const std::int64_t unixDays = days + EpochOffsetDays;
    CivilFromDays(unixDays, parts.year, parts.month, parts.day);
    if (parts.year < 100 || parts.year > 9999)
        return false;
    parts.hour = static_cast<int>(rest / 3600);
    parts.minute = static_cast<int>(rest / 60 % 60);
    parts.second = static_cast<int>(rest % 60);
    // 1970-01-01 was a Thursday.
    parts.dayOfWeek = static_cast<int>(((unixDays % 7) + 7 + 4) % 7);
    parts.dayOfYear = static_cast<int>(unixDays - DaysFromCivil(parts.year, 1, 1) + 1);
    return true;
}

} // namespace tavelin
