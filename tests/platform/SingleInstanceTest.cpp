#include "platform/SingleInstance.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tavelin;

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstEnds)
{
    test::TempDir dir;
    auto first = std::make_unique<SingleInstanceLock>(QStringLiteral("tavelin"), dir.path());
    ASSERT_TRUE(first->acquire());
    SingleInstanceLock second(QStringLiteral("tavelin"), dir.path());
    EXPECT_FALSE(second.acquire());
    // Another program name is another lock.
    SingleInstanceLock other(QStringLiteral("other"), dir.path());
    EXPECT_TRUE(other.acquire());
    first.reset();
    EXPECT_TRUE(second.acquire());
}

TEST(SingleInstance, LockLivesBesideTheTestSettings)
{
    EXPECT_EQ(SingleInstanceLock::DefaultLockDirectory(),
              QFileInfo(qEnvironmentVariable("TAVELIN_SETTINGS")).absolutePath());
}
