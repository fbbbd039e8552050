#pragma once
// OLE automation dates: days since 1899-12-30 00:00 as a double, the time of
// day as the fraction. Before the epoch the integer part counts days back
// while the fraction still counts forward within the day (-1.25 is
// 1899-12-29 06:00), so ordering must go through the true position in time.

#include <cstdint>
#include <optional>

namespace tavelin
{

struct DateTimeParts {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
    int dayOfWeek = 0; // 0 Sunday .. 6 Saturday
    int dayOfYear = 0; // 1 .. 366
};

constexpr std::int32_t DateTimeValid = 0;
constexpr std::int32_t DateTimeInvalid = 1;
constexpr std::int32_t DateTimeNull = 2;

// Farthest a date may lie from the epoch, in days, either way.
constexpr double MaxOleDateDays = 3615897.0;

// A date with its status, as a layer's baseTime and baseTimeStatus are kept.
struct OleDateTime {
    double date = 0.0;
    std::int32_t status = DateTimeValid;

    bool isValid() const;
    bool isNull() const { return status == DateTimeNull; }
};

// Builds a date from calendar parts; *status becomes DateTimeValid or
// DateTimeInvalid (out-of-range parts, years outside 100..9999).
double OleDateFromParts(int year, int month, int day, int hour, int minute, int second,
                        std::int32_t* status);

// Splits a date, rounded to the nearest second; false when out of range.
bool OleDateToParts(double date, DateTimeParts& parts);

// Whole seconds from the epoch at the date's true position in time.
std::int64_t OleDateToSeconds(double date);
double OleDateFromSeconds(std::int64_t seconds);

// The date's true position in days from the epoch (-1.25 is -0.75) and back.
double OleDateToPosition(double date);
double OleDateFromPosition(double position);

// date + seconds. A null date stays null; an invalid one, or a result beyond
// the OLE range, is invalid.
OleDateTime AddSeconds(OleDateTime date, std::int64_t seconds);

// Seconds rounded half away from zero to whole seconds; nullopt when not
// finite or beyond what 64 bits hold.
std::optional<std::int64_t> RoundToWholeSeconds(double seconds);

// later - earlier in whole seconds, rounded half away from zero.
std::int64_t DiffSeconds(double later, double earlier);

// -1, 0, 1 by true position in time.
int CompareOleDates(double a, double b);

} // namespace tavelin
