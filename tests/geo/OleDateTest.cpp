#include "geo/OleDate.h"

#include <gtest/gtest.h>

using namespace tavelin;

TEST(OleDate, PartsRoundTripAroundTheEpoch)
{
    struct Case {
        int y, mo, d, h, mi, s;
        double ole;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 0, 0, 0.0},
        {1899, 12, 29, 6, 0, 0, -1.25},
        {1900, 1, 1, 12, 0, 0, 2.5},
        {2000, 1, 1, 0, 0, 0, 36526.0},
    };
    for (const Case& c : cases) {
        std::int32_t status = -1;
        EXPECT_DOUBLE_EQ(OleDateFromParts(c.y, c.mo, c.d, c.h, c.mi, c.s, &status), c.ole);
        EXPECT_EQ(status, DateTimeValid);
        DateTimeParts p;
        ASSERT_TRUE(OleDateToParts(c.ole, p));
        EXPECT_EQ(std::tie(p.year, p.month, p.day, p.hour, p.minute, p.second),
                  std::tie(c.y, c.mo, c.d, c.h, c.mi, c.s));
    }
}

TEST(OleDate, InvalidPartsAreFlagged)
{
    std::int32_t status = 0;
    OleDateFromParts(2001, 2, 29, 0, 0, 0, &status);
    EXPECT_EQ(status, DateTimeInvalid);
}

TEST(OleDate, AddingSecondsWorksAcrossTheEpoch)
{
    struct Case {
        double date;
        std::int64_t seconds;
        double result;
    };
    const Case cases[] = {
        {0.0, 21600, 0.25},
        {0.25, -43200, -1.75}, // 1899-12-29 18:00
        {-1.25, 86400, 0.25},  // 1899-12-29 06:00 + 1 day
        {-1.25, 43200, -1.75}, // 1899-12-29 18:00
        {36526.0, -1, 36525.0 + 86399.0 / 86400.0},
        {36526.0, 7200, 36526.0 + 2.0 / 24.0},
    };
    for (const Case& c : cases) {
        const OleDateTime r = AddSeconds(OleDateTime{c.date}, c.seconds);
        EXPECT_EQ(r.status, DateTimeValid);
        EXPECT_NEAR(r.date, c.result, 1e-9) << c.date << " + " << c.seconds;
    }
    EXPECT_TRUE(AddSeconds(OleDateTime{0.0, DateTimeNull}, 60).isNull());
    EXPECT_EQ(AddSeconds(OleDateTime{1.0, DateTimeInvalid}, 60).status, DateTimeInvalid);
    EXPECT_EQ(AddSeconds(OleDateTime{3615896.0}, 3 * 86400).status, DateTimeInvalid);
}

TEST(OleDate, DifferencesRoundHalfAwayAndOrderFollowsTime)
{
    // 1899-12-29 06:00 (-1.25) lies before 1899-12-29 18:00 (-1.75) although
    // the number is larger.
    EXPECT_EQ(CompareOleDates(-1.25, -1.75), -1);
    EXPECT_EQ(CompareOleDates(-1.75, -1.25), 1);
    EXPECT_EQ(CompareOleDates(-0.25, 0.25), 0); // both 1899-12-30 06:00
    EXPECT_EQ(CompareOleDates(-1.75, 0.0), -1);
    EXPECT_EQ(CompareOleDates(36526.5, 36526.25), 1);

    EXPECT_EQ(DiffSeconds(-1.75, -1.25), 43200);
    EXPECT_EQ(DiffSeconds(0.25, -1.75), 43200);
    EXPECT_EQ(DiffSeconds(36526.0 + 1.5 / 86400, 36526.0), 2);
    EXPECT_EQ(DiffSeconds(36526.0, 36526.0 + 1.5 / 86400), -2);
    EXPECT_EQ(DiffSeconds(36526.0 + 1.4 / 86400, 36526.0), 1);
}
