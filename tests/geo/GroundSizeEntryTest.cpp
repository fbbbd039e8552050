#include "geo/GroundSizeEntry.h"

#include "platform/Messages.h"

#include <gtest/gtest.h>

using namespace tavelin;

TEST(GroundSizeEntry, StartsWithTwentyMetresAndRoundsTheCornerToFloat)
{
    const GroundSizeEntry entry(35.0f, 135.0f);
    EXPECT_EQ(entry.heightMetres(), 20);
    EXPECT_EQ(entry.widthMetres(), 20);
    EXPECT_EQ(entry.northWestText(), "35.000000, 135.000000");
    // 35 - 20/111183 and 135 + 20/91091, each rounded to a float: the float
    // step near 135 shows in the sixth decimal (exactly: 135.000220).
    EXPECT_EQ(entry.southEastText(), "34.999821, 135.000214");
}

TEST(GroundSizeEntry, RecomputeReadsLeadingDigits)
{
    GroundSizeEntry entry(35.0f, 135.0f);
    struct Case {
        const char* height;
        const char* width;
        int h, w;
    };
    const Case cases[] = {
        {"111183", "91091", 111183, 91091},
        {"", "", 0, 0},
        {"12ab", "x9", 12, 0},
    };
    for (const Case& c : cases) {
        entry.recompute(c.height, c.width);
        EXPECT_EQ(entry.heightMetres(), c.h);
        EXPECT_EQ(entry.widthMetres(), c.w);
    }
    entry.recompute("111183", "91091");
    EXPECT_FLOAT_EQ(entry.southLat(), 34.0f);
    EXPECT_FLOAT_EQ(entry.eastLon(), 136.0f);
}

TEST(GroundSizeEntry, AcceptNeedsBothValues)
{
    ScriptedMessages messages;
    GroundSizeEntry entry(35.0f, 135.0f);
    struct Case {
        const char* height;
        const char* width;
        bool accepted;
    };
    const Case cases[] = {
        {"0", "0", false}, {"100", "", false}, {"", "100", false}, {"100", "200", true}};
    for (const Case& c : cases) {
        messages.clear();
        EXPECT_EQ(entry.accept(c.height, c.width, nullptr), c.accepted)
            << c.height << "/" << c.width;
        if (c.accepted) {
            EXPECT_TRUE(messages.records.empty());
        } else {
            ASSERT_EQ(messages.ids(), std::vector<int>{30047});
            EXPECT_EQ(messages.records[0].style, MessageStyle::Error);
        }
    }
    EXPECT_EQ(entry.heightMetres(), 100);
    EXPECT_EQ(entry.widthMetres(), 200);
}
