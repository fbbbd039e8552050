#include "geo/Formats.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tavelin
{
namespace
{

constexpr std::int64_t SecondsPerDay = 86400;

// printf-style formatting in the C locale, for the "%.Nf" codes.
QString Printf(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return QString::fromLatin1(buffer);
}

QString TwoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

void PutTwoDigits(char*& out, int value)
{
    *out++ = char('0' + value / 10 % 10);
    *out++ = char('0' + value % 10);
}

// Our own expansion of the few strftime fields the date codes use, so the
// texts do not depend on the C library's locale.
QString Expand(const char* pattern, const DateTimeParts& parts)
{
    char buffer[64];
    char* out = buffer;
    for (const char* p = pattern; *p; ++p) {
        if (*p != '%' || !p[1]) {
            *out++ = *p;
            continue;
        }
        switch (*++p) {
        case 'Y':
            out += std::snprintf(out, 8, "%d", parts.year);
            break;
        case 'm':
            PutTwoDigits(out, parts.month);
            break;
        case 'd':
            PutTwoDigits(out, parts.day);
            break;
        case 'H':
            PutTwoDigits(out, parts.hour);
            break;
        case 'M':
            PutTwoDigits(out, parts.minute);
            break;
        case 'S':
            PutTwoDigits(out, parts.second);
            break;
        default:
            *out++ = '%';
            *out++ = *p;
            break;
        }
    }
    return QString::fromLatin1(buffer, out - buffer);
}

int CodeOrFirst(int code, int count)
{
    return code >= 1 && code <= count ? code : 1;
}

} // namespace

QString FormatDateTime(OleDateTime date, int code)
{
    static constexpr const char* Patterns[DateFormatCount] = {
        "%Y.%m.%d %H:%M:%S", "%Y.%m.%d %H:%M", "%m.%d %H:%M:%S", "%m.%d %H:%M",
        "%d %H:%M:%S",       "%d %H:%M",       "%H:%M:%S",       "%H:%M",
    };
    if (date.isNull())
        return {};
    DateTimeParts parts;
    if (!date.isValid() || !OleDateToParts(date.date, parts))
        return QStringLiteral("Invalid DateTime");
    return Expand(Patterns[CodeOrFirst(code, DateFormatCount) - 1], parts);
}

QString FormatDateTime(double date, int code)
{
    return FormatDateTime(OleDateTime{date}, code);
}

QString FormatDuration(double spanDays, int code)
{
    // Half a second rounds away from zero: 86399.6 s is a whole day.
    const std::optional<std::int64_t> seconds = RoundToWholeSeconds(spanDays * SecondsPerDay);
    return seconds ? FormatDurationSeconds(*seconds, code) : QString();
}

QString FormatDurationSeconds(std::int64_t seconds, int code)
{
    code = CodeOrFirst(code, DurationFormatCount);
    switch (code) {
    case 2:
        return QString::number(seconds / 60);
    case 3:
        return Printf("%.2f", seconds / 3600.0);
    case 4:
        return Printf("%.2f", seconds / 86400.0);
    case 5:
    case 6:
    case 7: {
        // A negative span (an arrival set before the departure that opened
        // the section) shows its size behind a minus sign.
        const bool negative = seconds < 0;
        const std::int64_t size = negative ? -seconds : seconds;
        const int withinDay = static_cast<int>(size % SecondsPerDay);
        QString text =
            TwoDigits(withinDay / 3600) + QLatin1Char(':') + TwoDigits(withinDay / 60 % 60);
        if (code == 5)
            text += QLatin1Char(':') + TwoDigits(withinDay % 60);
        if (code == 7)
            text = QString::number(size / SecondsPerDay) + QLatin1Char(' ') + text;
        return negative ? QLatin1Char('-') + text : text;
    }
    default:
        return QString::number(seconds);
    }
}

QString FormatDistance(std::int64_t metres, int code)
{
    switch (CodeOrFirst(code, DistanceFormatCount)) {
    case 2:
        return QString::number(metres / 1000);
    case 3:
        return Printf("%.1f", metres / 1000.0);
    case 4:
        return Printf("%.2f", metres / 1000.0);
    case 5:
        return Printf("%.3f", metres / 1000.0);
    default:
        return QString::number(metres);
    }
}

} // namespace tavelin
