// The node properties without a window: P, the order checks and the offsets
// the pickers' date-times give.

#include "editors/NodeTimesValues.h"

#include "PropertyFixtures.h"
#include "geo/Formats.h"

#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

PickerDateTime At(int year, int month, int day, int hour, int minute, int second)
{
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

// Layer 0 based at 2014-12-31 10:00:00; layer 1's nodes interleaved.
class NodeTimes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpModel(model);
        AddTestLayer(model, "本線", 2014, 12, 31, 10, 0, 0);
        AddTestLayer(model, "支線", 2014, 12, 31, 10, 0, 0);
        AddTestNode(model, 0, 0, 0, 0, 1800); // start, leaves 10:30
        AddTestNode(model, 1, 0, 0, 0, 0);
        AddTestNode(model, 0, 10, 0, 3600, 5400);  // 11:00 - 11:30
        AddTestNode(model, 1, 10, 0, 9000, 99999); // another layer's departure
        AddTestNode(model, 0, 20, 0, 0, 0);        // untimed
        node = AddTestNode(model, 0, 30, 0, 0, 7000);
    }
    RouteModel model;
    int node = 0;
};

} // namespace

TEST_F(NodeTimes, PositionsCountOnlyTheNodesOfTheSameLayer)
{
    EXPECT_EQ(NodePositionInLayer(model, 0), 0);
    EXPECT_EQ(NodePositionInLayer(model, 1), 0);
    EXPECT_EQ(NodePositionInLayer(model, 3), 1);
    EXPECT_EQ(NodePositionInLayer(model, node), 3);
    EXPECT_EQ(NodePositionInLayer(model, -1), -1);
    EXPECT_EQ(NodePositionInLayer(model, model.nodeCount), -1);
}

TEST_F(NodeTimes, PIsTheLastEarlierDepartureOfTheLayer)
{
    const NodeTimesValues v = NodeTimesValues::FromModel(model, node);
    EXPECT_EQ(v.previousOffset, 5400);
    EXPECT_EQ(FormatDateTime(v.previousSetTime(), 1), QStringLiteral("2014.12.31 11:30:00"));
    EXPECT_EQ(v.arrival, 0);
    EXPECT_EQ(v.departure, 7000);
    // With no earlier departure P is the base itself.
    EXPECT_EQ(FormatDateTime(NodeTimesValues::FromModel(model, 3).previousSetTime(), 1),
              QStringLiteral("2014.12.31 10:00:00"));
}

TEST_F(NodeTimes, OkChecksTheOrderAndGivesOffsets)
{
    struct Case {
        const char* what;
        PickerDateTime arrival, departure;
        NodeTimesProblem problem;
        NodeTimesField focus;
        std::int32_t arrivalOffset, departureOffset;
    };
    using P = NodeTimesProblem;
    using F = NodeTimesField;
    const Case cases[] = {
        {"arrival at P", At(2014, 12, 31, 11, 30, 0), At(2014, 12, 31, 11, 30, 0), P::Ok,
         F::ArrivalDate, 5400, 5400},
        {"a second before P", At(2014, 12, 31, 11, 29, 59), At(2014, 12, 31, 12, 0, 0),
         P::BeforePrevious, F::ArrivalDate, 0, 0},
        {"departure a second early", At(2014, 12, 31, 12, 0, 0), At(2014, 12, 31, 11, 59, 59),
         P::DepartureBeforeArrival, F::ArrivalDate, 0, 0},
        {"next day", At(2014, 12, 31, 23, 30, 0), At(2015, 1, 1, 23, 30, 0), P::Ok, F::ArrivalDate,
         48600, 135000},
        {"arrival beyond 32 bits", At(2083, 1, 20, 0, 0, 0), At(2083, 1, 20, 0, 0, 0),
         P::ArrivalOutOfRange, F::ArrivalDate, 0, 0},
        {"departure beyond 32 bits", At(2015, 1, 1, 0, 0, 0), At(2083, 1, 20, 0, 0, 0),
         P::DepartureOutOfRange, F::DepartureDate, 0, 0},
    };
    const NodeTimesValues v = NodeTimesValues::FromModel(model, node);
    for (const Case& c : cases) {
        const NodeTimesCheck r = v.check(true, c.arrival, c.departure);
        EXPECT_EQ(r.problem, c.problem) << c.what;
        EXPECT_EQ(r.focus, c.focus) << c.what;
        if (c.problem == P::Ok) {
            EXPECT_EQ(r.arrival, c.arrivalOffset) << c.what;
            EXPECT_EQ(r.departure, c.departureOffset) << c.what;
        }
    }
    // The box clear: no times, whatever the pickers hold.
    const NodeTimesCheck cleared = v.check(false, At(2014, 1, 1, 0, 0, 0), At(2013, 1, 1, 0, 0, 0));
    EXPECT_EQ(cleared.problem, P::Ok);
    EXPECT_EQ(cleared.arrival, 0);
    EXPECT_EQ(cleared.departure, 0);
}

TEST_F(NodeTimes, AnArrivalAtTheBaseIsRefusedRatherThanReadAsNoTime)
{
    const NodeTimesValues v = NodeTimesValues::FromModel(model, 3);
    EXPECT_EQ(v.check(true, At(2014, 12, 31, 10, 0, 0), At(2014, 12, 31, 10, 0, 0)).problem,
              NodeTimesProblem::ArrivalAtBase);
    EXPECT_EQ(v.check(true, At(2014, 12, 31, 9, 59, 59), At(2014, 12, 31, 10, 0, 0)).problem,
              NodeTimesProblem::BeforePrevious);
    EXPECT_EQ(v.check(true, At(2014, 12, 31, 10, 0, 1), At(2014, 12, 31, 10, 0, 1)).arrival, 1);
}

TEST_F(NodeTimes, OffsetsRoundHalfASecondAwayFromZero)
{
    model.layers[0].baseTime += 0.5 / 86400.0; // 10:00:00.5
    NodeTimesValues v = NodeTimesValues::FromModel(model, 3);
    const NodeTimesCheck r = v.check(true, At(2014, 12, 31, 10, 0, 2), At(2014, 12, 31, 10, 0, 4));
    ASSERT_EQ(r.problem, NodeTimesProblem::Ok);
    EXPECT_EQ(r.arrival, 2);   // 1.5 s
    EXPECT_EQ(r.departure, 4); // 3.5 s
}

TEST_F(NodeTimes, DatesBeforeTheEpochAreOrderedByTheirTruePosition)
{
    // As raw OLE values 1850-01-01 06:00 (-18262.25) is larger than
    // 12:00 (-18262.5); in time it is earlier.
    model.layers[0].baseTime = OleDate(1850, 1, 1, 0, 0, 0);
    model.nodes[2].departure = 12 * 3600; // P = 1850-01-01 12:00
    const NodeTimesValues v = NodeTimesValues::FromModel(model, node);
    EXPECT_EQ(v.check(true, At(1850, 1, 1, 6, 0, 0), At(1850, 1, 1, 13, 0, 0)).problem,
              NodeTimesProblem::BeforePrevious);
    const NodeTimesCheck r = v.check(true, At(1850, 1, 1, 12, 30, 0), At(1850, 1, 1, 12, 0, 0));
    EXPECT_EQ(r.problem, NodeTimesProblem::DepartureBeforeArrival);
    const NodeTimesCheck ok = v.check(true, At(1850, 1, 1, 12, 30, 0), At(1850, 1, 2, 6, 0, 0));
    ASSERT_EQ(ok.problem, NodeTimesProblem::Ok);
    EXPECT_EQ(ok.arrival, 45000);
    EXPECT_EQ(ok.departure, 108000);
}
