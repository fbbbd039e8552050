#include "DocumentFixtures.h"

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "document/Cabinet.h"
#include "document/DocumentFile.h"
#include "document/ShoriTask.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cstring>
#include <gtest/gtest.h>

namespace tavelin {
namespace {

using test::DataFileBytes;
using test::ReadFile;
using test::WriteFile;

class DocumentFileTest : public ::testing::Test {
protected:
    test::TempDir tmp;  // stands in for the user's temporary folder
    test::TempDir docs; // where the documents live
    QByteArray savedTmp = qgetenv("TMPDIR");
    RouteModel model;
    QString work;

    void SetUp() override
    {
        test::ResetSettings();
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        work = QDir::cleanPath(tmp.path()) + QStringLiteral("/Tavelin");
        test::FillSampleModel(model);
    }
    void TearDown() override
    {
        qputenv("TMPDIR", savedTmp);
        SetShoriRunner({});
    }
    QStringList WorkFiles() const { return QDir(work).entryList(QDir::Files | QDir::Hidden); }
    QStringList DocFiles() const { return QDir(docs.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(DocumentFileTest, SaveThenOpenKeepsEverything)
{
    const QByteArray expected = DataFileBytes(model);
    model.nodes[0].selected = 1;
    model.slips[1].selected = 1;
    const QString path = docs.file(QStringLiteral("route.tvn"));
    ScriptedMessages messages;
    ASSERT_TRUE(SaveDocument(path, model));
    EXPECT_EQ(model.nodes[0].selected, 0);
    EXPECT_TRUE(WorkFiles().isEmpty());
    EXPECT_EQ(settings::GetString(QStringLiteral("Last"), QStringLiteral("FilePath"), {}), path);
    EXPECT_EQ(CabinetMemberNames(path), QStringList{QStringLiteral("route.tvn")});

    RouteModel back;
    back.Allocate();
    ASSERT_EQ(OpenDocument(path, back), OpenResult::Opened);
    EXPECT_TRUE(messages.records.empty());
    EXPECT_EQ(DataFileBytes(back), expected);
    EXPECT_TRUE(WorkFiles().isEmpty());

    // Upper-case extension; a member named after an earlier file name.
    ASSERT_TRUE(QFile::rename(path, docs.file(QStringLiteral("b.TVN"))));
    ASSERT_EQ(OpenDocument(docs.file(QStringLiteral("b.TVN")), back), OpenResult::Opened);
    EXPECT_EQ(dataFileName, QStringLiteral("route.tvn"));
    EXPECT_EQ(DataFileBytes(back), expected);
    EXPECT_TRUE(WorkFiles().isEmpty());
}

TEST_F(DocumentFileTest, OpenFailuresAndTheirMessages)
{
    const QString zip = docs.file(QStringLiteral("route.zip"));
    ASSERT_TRUE(WriteFile(zip, "PK"));
    QDir().mkpath(docs.file(QStringLiteral("folder.tvn")));
    const QString junk = docs.file(QStringLiteral("junk.tvn"));
    ASSERT_TRUE(WriteFile(junk, "not a cabinet"));

    const struct {
        QString path;
        std::vector<int> ids;
        QString prefix;
    } cases[] = {
        {zip, {}, {}},
        {docs.file(QStringLiteral("missing.tvn")), {30077}, docs.file(QStringLiteral("missing.tvn")) + QLatin1Char('\n')},
        {docs.file(QStringLiteral("folder.tvn")), {30066}, {}},
        {junk, {30036}, QStringLiteral("[File Copy]\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ScriptedMessages messages;
        EXPECT_EQ(OpenDocument(c.path, model), OpenResult::NotOpened);
        EXPECT_EQ(messages.ids(), c.ids);
        if (!messages.records.empty())
            EXPECT_EQ(messages.records[0].prefix, c.prefix);
        EXPECT_EQ(model.layerCount, 2); // the open document is untouched
    }
}

TEST_F(DocumentFileTest, RefusedDataFileEmptiesTheModel)
{
    QByteArray bytes = DataFileBytes(model);
    bytes.replace(3, 3, "003");
    const QString data = tmp.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(WriteFile(data, bytes));
    const QString path = docs.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(PackDocument(data, QStringLiteral("route.tvn"), path));
    ScriptedMessages messages;
    EXPECT_EQ(OpenDocument(path, model), OpenResult::Refused);
    EXPECT_EQ(messages.ids(), std::vector<int>{30020});
    EXPECT_EQ(model.layerCount, 0);
    EXPECT_EQ(model.mapPicture, nullptr);
    EXPECT_TRUE(WorkFiles().isEmpty());
}

TEST_F(DocumentFileTest, DocumentPackedByGcabOpens)
{
    if (QStandardPaths::findExecutable(QStringLiteral("gcab")).isEmpty())
        GTEST_SKIP() << "gcab is not installed";
    const QByteArray bytes = DataFileBytes(model);
    ASSERT_TRUE(WriteFile(tmp.file(QStringLiteral("made.tvn")), bytes));
    QProcess gcab;
    gcab.setWorkingDirectory(tmp.path());
    gcab.start(QStringLiteral("gcab"), {QStringLiteral("-c"), QStringLiteral("-z"), docs.file(QStringLiteral("made.tvn")),
                                        QStringLiteral("made.tvn")});
    ASSERT_TRUE(gcab.waitForFinished(30000));
    ASSERT_EQ(gcab.exitCode(), 0);
    RouteModel back;
    back.Allocate();
    ASSERT_EQ(OpenDocument(docs.file(QStringLiteral("made.tvn")), back), OpenResult::Opened);
    EXPECT_EQ(DataFileBytes(back), bytes);
}

TEST_F(DocumentFileTest, BackupIsMadeAndReplaced)
{
    const QString path = docs.file(QStringLiteral("route.tvn"));
    const QString backup = docs.file(QStringLiteral("route(back).TVN"));
    ASSERT_TRUE(SaveDocument(path, model));
    EXPECT_FALSE(QFile::exists(backup)); // nothing to keep the first time
    const QByteArray firstCabinet = ReadFile(path);

    model.nodes[1].x = 777;
    ASSERT_TRUE(SaveDocument(path, model));
    EXPECT_EQ(ReadFile(backup), firstCabinet);
    const QByteArray secondCabinet = ReadFile(path);

    model.nodes[1].x = 778;
    ASSERT_TRUE(SaveDocument(path, model));
    EXPECT_EQ(ReadFile(backup), secondCabinet);
    EXPECT_EQ(DocFiles(), (QStringList{QStringLiteral("route(back).TVN"), QStringLiteral("route.tvn")}));
    EXPECT_TRUE(WorkFiles().isEmpty());

    EXPECT_EQ(BackupPath(QStringLiteral("/a.b/route")), QString());
    EXPECT_EQ(BackupPath(QStringLiteral("/a.b/x.y.tvn")), QStringLiteral("/a.b/x.y(back).TVN"));
}

TEST_F(DocumentFileTest, NoBackupWhenTheSettingIsOff)
{
    settings::WriteInt(QStringLiteral("KanSet"), QStringLiteral("MakeBackup"), 0);
    const QString path = docs.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(SaveDocument(path, model));
    ASSERT_TRUE(SaveDocument(path, model));
    EXPECT_EQ(DocFiles(), QStringList{QStringLiteral("route.tvn")});
}

TEST_F(DocumentFileTest, FailedBackupKeepsTheDocument)
{
    // A document without "." in its name has no backup name.
    const QString path = docs.file(QStringLiteral("route"));
    ASSERT_TRUE(WriteFile(path, "previous"));
    ScriptedMessages messages;
    EXPECT_FALSE(SaveDocument(path, model));
    EXPECT_EQ(messages.ids(), std::vector<int>{30091});
    EXPECT_EQ(ReadFile(path), QByteArray("previous"));
    // The data file is left in the working folder in this one case.
    EXPECT_EQ(WorkFiles(), QStringList{QStringLiteral("route")});
}

TEST_F(DocumentFileTest, FailedPackKeepsThePreviousDocument)
{
    const QString path = docs.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(SaveDocument(path, model));
    const QByteArray previous = ReadFile(path);
    SetShoriRunner([](ShoriTask& task) {
        if (task.mode == ShoriTask::Pack) {
            // As a pack that fails half-way: the source is gone.
            task.packSource += QStringLiteral(".gone");
        }
        return PerformShoriTask(task);
    });
    model.nodes[0].x = 4242;
    ScriptedMessages messages;
    EXPECT_FALSE(SaveDocument(path, model));
    EXPECT_EQ(messages.ids(), std::vector<int>{30035});
    EXPECT_EQ(ReadFile(path), previous);
    EXPECT_TRUE(QFile::exists(docs.file(QStringLiteral("route(back).TVN"))));
    EXPECT_TRUE(WorkFiles().isEmpty());
    EXPECT_EQ(DocFiles().size(), 2); // no temporary file left beside it
}

TEST_F(DocumentFileTest, FailedWriteKeepsTheDocument)
{
    const QString path = docs.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(WriteFile(path, "previous"));
    model.layerCount = -1; // the writer refuses a model it cannot write
    ScriptedMessages messages;
    EXPECT_FALSE(SaveDocument(path, model));
    ASSERT_EQ(messages.ids(), std::vector<int>{30018});
    EXPECT_EQ(messages.records[0].prefix, QDir::toNativeSeparators(work + QStringLiteral("/route.tvn")) + QLatin1Char('\n'));
    EXPECT_EQ(ReadFile(path), QByteArray("previous"));
    EXPECT_TRUE(WorkFiles().isEmpty());
}

TEST_F(DocumentFileTest, WorkingFolderUnavailable)
{
    ASSERT_TRUE(WriteFile(work, "a file where the folder belongs"));
    ScriptedMessages messages;
    EXPECT_FALSE(SaveDocument(docs.file(QStringLiteral("route.tvn")), model));
    EXPECT_EQ(messages.ids(), std::vector<int>{30002});
    EXPECT_TRUE(DocFiles().isEmpty());
}

TEST_F(DocumentFileTest, DataFileThatCannotBeCreated)
{
    // A folder where the data file would go.
    ASSERT_TRUE(QDir().mkpath(work + QStringLiteral("/route.tvn")));
    ScriptedMessages messages;
    EXPECT_FALSE(SaveDocument(docs.file(QStringLiteral("route.tvn")), model));
    ASSERT_EQ(messages.ids(), std::vector<int>{30026});
    EXPECT_EQ(messages.records[0].prefix, QDir::toNativeSeparators(work + QStringLiteral("/route.tvn")) + QLatin1Char('\n'));
    EXPECT_TRUE(DocFiles().isEmpty());
}

TEST_F(DocumentFileTest, TwoMembersLastIsReadAndNoneIsLeft)
{
    if (QStandardPaths::findExecutable(QStringLiteral("gcab")).isEmpty())
        GTEST_SKIP() << "gcab is not installed";
    const QByteArray bytes = DataFileBytes(model);
    ASSERT_TRUE(WriteFile(tmp.file(QStringLiteral("first.tvn")), "not a data file"));
    ASSERT_TRUE(WriteFile(tmp.file(QStringLiteral("second.tvn")), bytes));
    QProcess gcab;
    gcab.start(QStringLiteral("gcab"), {QStringLiteral("-c"), QStringLiteral("-n"), QStringLiteral("-z"),
                                        docs.file(QStringLiteral("two.tvn")), tmp.file(QStringLiteral("first.tvn")),
                                        tmp.file(QStringLiteral("second.tvn"))});
    ASSERT_TRUE(gcab.waitForFinished(30000));
    ASSERT_EQ(gcab.exitCode(), 0);
    RouteModel back;
    back.Allocate();
    ASSERT_EQ(OpenDocument(docs.file(QStringLiteral("two.tvn")), back), OpenResult::Opened);
    EXPECT_EQ(DataFileBytes(back), bytes);
    EXPECT_TRUE(WorkFiles().isEmpty());
}

} // namespace
} // namespace tavelin
