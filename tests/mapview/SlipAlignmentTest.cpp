// The eleven alignment commands over the selected slips.

#include "mapview/SlipAlignment.h"
#include "SlipFixture.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

SlipBox Rect(const SlipRec& s)
{
    return {s.left, s.top, s.right, s.bottom};
}

std::vector<SlipBox> Rects(const RouteModel& m)
{
    std::vector<SlipBox> r;
    for (int i = 0; i < m.slipCount; ++i)
        r.push_back(Rect(m.slips[i]));
    return r;
}

struct AlignRun {
    std::vector<SlipBox> before; // as the snapshot saw them
    int refreshes = 0;
    int modified = 0;
};

AlignRun Align(SlipScene& scene, int primary, SlipAlignment command)
{
    AlignRun run;
    AlignmentHooks hooks;
    hooks.takeSlipSnapshot = [&] { run.before = Rects(scene.model()); };
    hooks.refreshNow = [&] { ++run.refreshes; };
    hooks.markModified = [&] { ++run.modified; };
    AlignSlips(scene.model(), primary, command, hooks);
    return run;
}

} // namespace

TEST(SlipAlignmentCommands, EdgesFollowThePrimarySlip)
{
    struct Case {
        SlipAlignment command;
        std::vector<SlipBox> expected;
    };
    // Primary is slip 1; slip 3 is not selected and never moves.
    const std::vector<SlipBox> start{
        {10, 20, 60, 50}, {100, 200, 250, 300}, {300, 400, 320, 500}, {0, 0, 5, 5}};
    const Case cases[] = {
        {SlipAlignment::Left, {{100, 20, 150, 50}, start[1], {100, 400, 120, 500}, start[3]}},
        {SlipAlignment::Right, {{200, 20, 250, 50}, start[1], {230, 400, 250, 500}, start[3]}},
        {SlipAlignment::Top, {{10, 200, 60, 230}, start[1], {300, 200, 320, 300}, start[3]}},
        {SlipAlignment::Bottom, {{10, 270, 60, 300}, start[1], {300, 200, 320, 300}, start[3]}},
        {SlipAlignment::SameWidth, {{10, 20, 160, 50}, start[1], {300, 400, 450, 500}, start[3]}},
        {SlipAlignment::SameHeight, {{10, 20, 60, 120}, start[1], {300, 400, 320, 500}, start[3]}},
        {SlipAlignment::SameSize, {{10, 20, 160, 120}, start[1], {300, 400, 450, 500}, start[3]}},
    };
    for (const Case& c : cases) {
        SlipScene scene;
        for (std::size_t i = 0; i < start.size(); ++i)
            scene.slip(start[i].left, start[i].top, start[i].right, start[i].bottom, i < 3);
        const AlignRun run = Align(scene, 1, c.command);
        EXPECT_EQ(Rects(scene.model()), c.expected) << int(c.command);
        EXPECT_EQ(run.before, start) << "snapshot taken before the change";
        EXPECT_EQ(run.refreshes, 1);
        EXPECT_EQ(run.modified, 1);
    }
}

TEST(SlipAlignmentCommands, CentringMovesTheGroupOntoTheWholeMap)
{
    SlipScene scene; // 1000 x 800
    scene.slip(10, 10, 60, 40, true);
    scene.slip(100, 61, 150, 101, true);
    Align(scene, 0, SlipAlignment::CentreHorizontal);
    // Box 10..150: d = (1000 + 10 - 150) / 2 - 10 = 420.
    EXPECT_EQ(Rect(scene.model().slips[0]), (SlipBox{430, 10, 480, 40}));
    EXPECT_EQ(Rect(scene.model().slips[1]), (SlipBox{520, 61, 570, 101}));
    Align(scene, 0, SlipAlignment::CentreVertical);
    // Box 10..101: d = (800 + 10 - 101) / 2 - 10 = 344 (truncated).
    EXPECT_EQ(Rect(scene.model().slips[0]), (SlipBox{430, 354, 480, 384}));

    SlipScene single;
    single.slip(0, 0, 100, 50, true);
    Align(single, 0, SlipAlignment::CentreHorizontal);
    Align(single, 0, SlipAlignment::CentreVertical);
    EXPECT_EQ(Rect(single.model().slips[0]), (SlipBox{450, 375, 550, 425}));
}

TEST(SlipAlignmentCommands, SpacingSharesTheFreeSpaceBetweenFirstAndLast)
{
    SlipScene scene;
    scene.slip(0, 100, 40, 150, true);  // top 100, height 50
    scene.slip(50, 0, 90, 20, true);    // top 0, height 20
    scene.slip(100, 10, 140, 30, true); // top 10, height 20
    Align(scene, 0, SlipAlignment::SpaceVertical);
    // The middle one: 20 + (150 - 90) / 2 = 50; the first and the last stay.
    EXPECT_EQ(Rect(scene.model().slips[2]), (SlipBox{100, 50, 140, 70}));
    EXPECT_EQ(Rect(scene.model().slips[1]), (SlipBox{50, 0, 90, 20}));
    EXPECT_EQ(Rect(scene.model().slips[0]), (SlipBox{0, 100, 40, 150}));
}

TEST(SlipAlignmentCommands, EqualStartsKeepTheirOrderInTheArray)
{
    SlipScene scene;
    scene.slip(0, 0, 10, 10, true);    // left 0, width 10: first
    scene.slip(0, 50, 20, 60, true);   // left 0, width 20: second, moves
    scene.slip(100, 0, 110, 10, true); // last
    Align(scene, 2, SlipAlignment::SpaceHorizontal);
    // gap = (100 + 10 - 40 - 0) / 2 = 35; second starts at 0 + 10 + 35.
    EXPECT_EQ(Rect(scene.model().slips[1]), (SlipBox{45, 50, 65, 60}));
    EXPECT_EQ(Rect(scene.model().slips[0]), (SlipBox{0, 0, 10, 10}));
}

TEST(SlipAlignmentCommands, SpacingFewerThanThreeMovesNothing)
{
    SlipScene scene;
    scene.slip(0, 0, 10, 10, true);
    scene.slip(300, 300, 310, 310, true);
    const AlignRun run = Align(scene, 0, SlipAlignment::SpaceVertical);
    EXPECT_EQ(Rect(scene.model().slips[1]), (SlipBox{300, 300, 310, 310}));
    EXPECT_EQ(run.refreshes, 1);
    EXPECT_EQ(run.modified, 0);
}

TEST(SlipAlignmentCommands, MatchedSizesStayInsideTheMap)
{
    SlipScene scene;                      // 1000 x 800
    scene.slip(100, 100, 400, 200, true); // primary 300 x 100
    scene.slip(900, 10, 950, 40, true);   // near the right edge
    scene.slip(0, 0, 10, 10, true);
    Align(scene, 0, SlipAlignment::SameSize);
    EXPECT_EQ(Rect(scene.model().slips[1]), (SlipBox{700, 10, 1000, 110}));

    // A primary wider than the map (as a damaged file may hold): the copy is
    // shrunk onto the map's top-left corner with its proportions.
    SlipScene wide;
    wide.slip(0, 0, 3000, 100, true);
    wide.slip(50, 50, 60, 60, true);
    Align(wide, 0, SlipAlignment::SameSize);
    EXPECT_EQ(Rect(wide.model().slips[1]), (SlipBox{0, 0, 1000, 33}));
}

TEST(SlipAlignmentCommands, WithoutAPrimarySlipNothingHappens)
{
    SlipScene scene;
    scene.slip(0, 0, 10, 10, true);
    scene.slip(50, 50, 60, 60, true);
    bool snapshot = false;
    AlignmentHooks hooks;
    hooks.takeSlipSnapshot = [&] { snapshot = true; };
    EXPECT_FALSE(AlignSlips(scene.model(), -1, SlipAlignment::Left, hooks));
    EXPECT_FALSE(snapshot);
    EXPECT_EQ(Rect(scene.model().slips[1]), (SlipBox{50, 50, 60, 60}));
}
