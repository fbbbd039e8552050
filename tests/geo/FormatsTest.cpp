#include "geo/Formats.h"

#include <gtest/gtest.h>

using namespace tavelin;

namespace
{

double Date(int y, int mo, int d, int h, int mi, int s)
{
    std::int32_t status = DateTimeInvalid;
    const double date = OleDateFromParts(y, mo, d, h, mi, s, &status);
    EXPECT_EQ(status, DateTimeValid);
    return date;
}

} // namespace

TEST(FormatDateTime, EightCodesAndOutOfRangeCodes)
{
    const double date = Date(2001, 2, 3, 23, 58, 59);
    const char* expected[] = {
        "2001.02.03 23:58:59", "2001.02.03 23:58", "02.03 23:58:59", "02.03 23:58",
        "03 23:58:59",         "03 23:58",         "23:58:59",       "23:58",
    };
    for (int code = 1; code <= 8; ++code)
        EXPECT_EQ(FormatDateTime(date, code), QString::fromLatin1(expected[code - 1])) << code;
    EXPECT_EQ(FormatDateTime(date, 0), "2001.02.03 23:58:59");
    EXPECT_EQ(FormatDateTime(date, 9), "2001.02.03 23:58:59");
    // Before the epoch the fraction still counts forward within the day.
    EXPECT_EQ(FormatDateTime(-1.25, 1), "1899.12.29 06:00:00");
    EXPECT_EQ(FormatDateTime(Date(2024, 2, 29, 0, 0, 1), 3), "02.29 00:00:01");
}

TEST(FormatDateTime, NullInvalidAndOutOfRange)
{
    EXPECT_EQ(FormatDateTime(OleDateTime{0.0, DateTimeNull}, 1), "");
    EXPECT_EQ(FormatDateTime(OleDateTime{36526.0, DateTimeInvalid}, 1), "Invalid DateTime");
    EXPECT_EQ(FormatDateTime(3615898.0, 1), "Invalid DateTime");
    EXPECT_EQ(FormatDateTime(-3615898.0, 1), "Invalid DateTime");
    EXPECT_EQ(FormatDateTime(2958466.0, 1), "Invalid DateTime"); // past 9999-12-31
    EXPECT_EQ(FormatDateTime(std::numeric_limits<double>::quiet_NaN(), 1), "Invalid DateTime");
    EXPECT_EQ(FormatDateTime(2958465.5, 1), "9999.12.31 12:00:00");
}

TEST(FormatDistance, FiveCodesForDistancesAndSpeeds)
{
    struct Case {
        std::int64_t value;
        const char* texts[5];
    };
    const Case cases[] = {
        {54321, {"54321", "54", "54.3", "54.32", "54.321"}},
        {5000, {"5000", "5", "5.0", "5.00", "5.000"}},
        {0, {"0", "0", "0.0", "0.00", "0.000"}},
        {999, {"999", "0", "1.0", "1.00", "0.999"}},
        {-1500, {"-1500", "-1", "-1.5", "-1.50", "-1.500"}}, // truncated toward zero
    };
    for (const Case& c : cases)
        for (int code = 1; code <= 5; ++code)
            EXPECT_EQ(FormatDistance(c.value, code), QString::fromLatin1(c.texts[code - 1]))
                << c.value << " code " << code;
    EXPECT_EQ(FormatDistance(54321, 6), "54321");
    EXPECT_EQ(FormatDistance(54321, -1), "54321");
}

TEST(FormatDuration, SevenCodesAfterRoundingToTheSecond)
{
    struct Case {
        double seconds;
        const char* texts[7];
    };
    const Case cases[] = {
        {86399.6, {"86400", "1440", "24.00", "1.00", "00:00:00", "00:00", "1 00:00"}},
        {86399.4, {"86399", "1439", "24.00", "1.00", "23:59:59", "23:59", "0 23:59"}},
        {90000, {"90000", "1500", "25.00", "1.04", "01:00:00", "01:00", "1 01:00"}},
        {7200, {"7200", "120", "2.00", "0.08", "02:00:00", "02:00", "0 02:00"}},
        {0.5, {"1", "0", "0.00", "0.00", "00:00:01", "00:00", "0 00:00"}},
        {0, {"0", "0", "0.00", "0.00", "00:00:00", "00:00", "0 00:00"}},
        {-90000, {"-90000", "-1500", "-25.00", "-1.04", "-01:00:00", "-01:00", "-1 01:00"}},
        {-0.5, {"-1", "0", "-0.00", "-0.00", "-00:00:01", "-00:00", "-0 00:00"}},
    };
    for (const Case& c : cases)
        for (int code = 1; code <= 7; ++code)
            EXPECT_EQ(FormatDuration(c.seconds / 86400.0, code),
                      QString::fromLatin1(c.texts[code - 1]))
                << c.seconds << " s, code " << code;
    EXPECT_EQ(FormatDuration(1.0, 8), "86400");
    EXPECT_EQ(FormatDurationSeconds(86400 * 40 + 3723, 7), "40 01:02");
}
