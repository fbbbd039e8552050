#include "DocumentFixtures.h"

#include "platform/Messages.h"
#include "document/CShoriDlg.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <gtest/gtest.h>

namespace tavelin {
namespace {

// Counts the processing dialogs shown, so the test proves the work ran in one.
struct ShownDialogs : QObject {
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && dynamic_cast<CShoriDlg*>(watched))
            ++count;
        return false;
    }
};

TEST(CShoriDlg, RunsItsTaskModallyAndReturnsTheResult)
{
    InstallShoriDialog();
    ShownDialogs shown;
    QCoreApplication::instance()->installEventFilter(&shown);
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
    EXPECT_EQ(shown.count, 3);
    QCoreApplication::instance()->removeEventFilter(&shown);
    SetShoriRunner({});
}

} // namespace
} // namespace tavelin
