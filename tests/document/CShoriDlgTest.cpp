#include "DocumentFixtures.h"

#include "app/Messages.h"
#include "document/CShoriDlg.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tavelin {
namespace {

TEST(CShoriDlg, RunsItsTaskModallyAndReturnsTheResult)
{
    InstallShoriDialog();
    test::TempDir dir;
    ASSERT_TRUE(test::WriteFile(dir.file(QStringLiteral("data.tvn")), "payload"));

    ShoriTask pack;
    pack.mode = ShoriTask::Pack;
    pack.packSource = dir.file(QStringLiteral("data.tvn"));
    pack.packName = QStringLiteral("route.tvn");
    pack.packFolder = dir.path() + QLatin1Char('/');
    EXPECT_TRUE(RunShori(pack));

    QDir().mkpath(dir.file(QStringLiteral("work")));
    ShoriTask unpack;
    unpack.unpackDestination = dir.file(QStringLiteral("work/"));
    unpack.unpackName = QStringLiteral("route.tvn");
    unpack.unpackFolder = dir.path() + QLatin1Char('/');
    EXPECT_TRUE(RunShori(unpack));
    EXPECT_EQ(unpack.extracted, QStringList{QStringLiteral("route.tvn")});
    EXPECT_EQ(test::ReadFile(dir.file(QStringLiteral("work/route.tvn"))), QByteArray("payload"));

    ScriptedMessages messages;
    unpack.unpackName = QStringLiteral("missing.tvn");
    EXPECT_FALSE(RunShori(unpack));
    EXPECT_EQ(messages.ids(), std::vector<int>{30036});
    SetShoriRunner({});
}

} // namespace
} // namespace tavelin
