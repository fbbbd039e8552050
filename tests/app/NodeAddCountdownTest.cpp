#include "mapview/NodeAddCountdown.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tavelin;

namespace
{

struct Shown {
    int imageIndex;
    const char* caption;
};

void Ticks(NodeAddCountdown& countdown, int n)
{
    for (int i = 0; i < n; ++i)
        countdown.Tick();
}

} // namespace

TEST(NodeAddCountdown, CountsDownInFiveSecondStepsAndEndsTheModeAtSixtySeconds)
{
    NodeAddCountdown countdown;
    EXPECT_FALSE(countdown.isActive());
    EXPECT_EQ(countdown.caption(), QStringLiteral("60秒"));

    QSignalSpy active(&countdown, &NodeAddCountdown::activeChanged);
    countdown.SetActive(true);
    EXPECT_TRUE(countdown.isActive());
    EXPECT_TRUE(countdown.timerRunning());
    EXPECT_EQ(countdown.tickCount(), 0);

    const Shown expected[] = {{1, "55秒"}, {2, "50秒"},  {3, "45秒"}, {4, "40秒"},
                              {5, "35秒"}, {6, "30秒"},  {7, "25秒"}, {8, "20秒"},
                              {9, "15秒"}, {10, "10秒"}, {11, "5秒"}};
    for (const Shown& step : expected) {
        countdown.Tick();
        EXPECT_EQ(countdown.imageIndex(), step.imageIndex);
        EXPECT_EQ(countdown.caption(), QString::fromUtf8(step.caption));
        EXPECT_TRUE(countdown.isActive());
    }
    countdown.Tick(); // the twelfth: 60 seconds without a node
    EXPECT_FALSE(countdown.isActive());
    EXPECT_FALSE(countdown.timerRunning());
    EXPECT_EQ(countdown.imageIndex(), 0);
    EXPECT_EQ(countdown.caption(), QStringLiteral("60秒"));
    ASSERT_EQ(active.count(), 2);
    EXPECT_FALSE(active.at(1).at(0).toBool());
}

TEST(NodeAddCountdown, RestartAtTwentySecondsGivesAnotherFullMinuteWithoutLeavingTheMode)
{
    NodeAddCountdown countdown;
    countdown.SetActive(true);
    Ticks(countdown, 4);
    EXPECT_EQ(countdown.caption(), QStringLiteral("40秒"));
    countdown.Restart();
    EXPECT_TRUE(countdown.isActive());
    EXPECT_TRUE(countdown.timerRunning());
    EXPECT_EQ(countdown.imageIndex(), 0);
    EXPECT_EQ(countdown.caption(), QStringLiteral("60秒"));
    Ticks(countdown, 11);
    EXPECT_TRUE(countdown.isActive());
    EXPECT_EQ(countdown.caption(), QStringLiteral("5秒"));
    countdown.Tick();
    EXPECT_FALSE(countdown.isActive());
}

TEST(NodeAddCountdown, TurningOffResetsTheDisplayAndLateTicksDoNotCount)
{
    NodeAddCountdown countdown;
    countdown.SetActive(true);
    Ticks(countdown, 7);
    countdown.SetActive(false);
    EXPECT_FALSE(countdown.timerRunning());
    EXPECT_EQ(countdown.imageIndex(), 0);
    EXPECT_EQ(countdown.caption(), QStringLiteral("60秒"));
    countdown.Tick();
    EXPECT_EQ(countdown.tickCount(), 0);
    EXPECT_EQ(countdown.caption(), QStringLiteral("60秒"));
    // On again starts from the full minute.
    countdown.SetActive(true);
    countdown.Tick();
    EXPECT_EQ(countdown.caption(), QStringLiteral("55秒"));
}

TEST(NodeAddCountdown, TheFiveSecondTimerDrivesTheTicks)
{
    NodeAddCountdown countdown;
    countdown.SetActive(true);
    auto* timer = countdown.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), NodeAddCountdown::PeriodMs);
    EXPECT_EQ(NodeAddCountdown::PeriodMs, 5000);
    // A short period stands in for the five seconds.
    timer->setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !countdown.isActive(); }, 5000));
    EXPECT_EQ(countdown.caption(), QStringLiteral("60秒"));
}
