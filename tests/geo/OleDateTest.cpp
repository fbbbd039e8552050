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
