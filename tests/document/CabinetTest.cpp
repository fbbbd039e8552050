#include "DocumentFixtures.h"

#include "platform/Messages.h"
#include "document/Cabinet.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tavelin {
namespace {

using test::ReadFile;
using test::WriteFile;

QStringList AllFiles(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

// Runs a command-line tool; skips the test when it is not installed.
#define RUN_OR_SKIP(program, args, output)                                                        \
    do {                                                                                           \
        if (QStandardPaths::findExecutable(program).isEmpty())                                     \
            GTEST_SKIP() << program " is not installed";                                          \
        QProcess p;                                                                                \
        p.start(QStringLiteral(program), args);                                                    \
        ASSERT_TRUE(p.waitForFinished(30000));                                                     \
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();                     \
        output = QString::fromUtf8(p.readAllStandardOutput());                                     \
    } while (0)

class CabinetTest : public ::testing::Test {
protected:
    test::TempDir dir;
    QString source = dir.file(QStringLiteral("source.bin"));
    QByteArray payload;
    void SetUp() override
    {
        payload = test::EncodedImage(64, 64, "BMP", 0xFF102030).repeated(3) + QByteArray(5000, 'z');
        ASSERT_TRUE(WriteFile(source, payload));
        QDir().mkpath(dir.file(QStringLiteral("out")));
    }
};

TEST_F(CabinetTest, PackThenUnpackKeepsBytesTimeAndName)
{
    const QDateTime when(QDate(2024, 5, 6), QTime(7, 8, 10));
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    const QString cab = dir.file(QStringLiteral("route.tvn"));
    ScriptedMessages messages;
    ASSERT_TRUE(PackDocument(source, QStringLiteral("route.tvn"), cab));
    EXPECT_EQ(CabinetMemberNames(cab), QStringList{QStringLiteral("route.tvn")});

    QStringList extracted;
    dataFileName.clear();
    ASSERT_TRUE(UnpackDocument(cab, dir.file(QStringLiteral("out")), &extracted));
    EXPECT_TRUE(messages.records.empty());
    EXPECT_EQ(dataFileName, QStringLiteral("route.tvn"));
    EXPECT_EQ(extracted, QStringList{QStringLiteral("route.tvn")});
    const QString out = dir.file(QStringLiteral("out/route.tvn"));
    EXPECT_EQ(ReadFile(out), payload);
    EXPECT_EQ(QFileInfo(out).lastModified(), when);
}

TEST_F(CabinetTest, IndependentToolsAgree)
{
    const QString cab = dir.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(PackDocument(source, QStringLiteral("route.tvn"), cab));
    QString listing;
    RUN_OR_SKIP("cabextract", (QStringList{QStringLiteral("-l"), cab}), listing);
    // One member, named like the document.
    int members = 0;
    for (const QString& line : listing.split(QLatin1Char('\n')))
        if (line.contains(QLatin1String(" | ")) && !line.contains(QLatin1String("File size")))
            ++members;
    EXPECT_EQ(members, 1) << listing.toStdString();
    EXPECT_TRUE(listing.contains(QLatin1String("| route.tvn"))) << listing.toStdString();

    // A cabinet made by gcab (MSZIP) unpacks.
    QString ignored;
    const QString other = dir.file(QStringLiteral("other.cab"));
    const QString member = dir.file(QStringLiteral("a.tvn"));
    ASSERT_TRUE(WriteFile(member, payload));
    RUN_OR_SKIP("gcab", (QStringList{QStringLiteral("-c"), QStringLiteral("-n"), QStringLiteral("-z"), other, member}),
                ignored);
    ASSERT_TRUE(UnpackDocument(other, dir.file(QStringLiteral("out"))));
    EXPECT_EQ(dataFileName, QStringLiteral("a.tvn"));
    EXPECT_EQ(ReadFile(dir.file(QStringLiteral("out/a.tvn"))), payload);
}

TEST_F(CabinetTest, TwoMembersTheLastIsTheDataFile)
{
    const QString first = dir.file(QStringLiteral("first.tvn"));
    const QString second = dir.file(QStringLiteral("second.tvn"));
    ASSERT_TRUE(WriteFile(first, "one"));
    ASSERT_TRUE(WriteFile(second, "two"));
    const QString cab = dir.file(QStringLiteral("two.cab"));
    QString ignored;
    RUN_OR_SKIP("gcab", (QStringList{QStringLiteral("-c"), QStringLiteral("-n"), QStringLiteral("-z"), cab, first, second}),
                ignored);
    QStringList extracted;
    ASSERT_TRUE(UnpackDocument(cab, dir.file(QStringLiteral("out")), &extracted));
    EXPECT_EQ(extracted.size(), 2);
    EXPECT_EQ(dataFileName, QStringLiteral("second.tvn"));
    EXPECT_EQ(ReadFile(dir.file(QStringLiteral("out/first.tvn"))), QByteArray("one"));
}

TEST(MemberNames, SafeAndClimbing)
{
    const struct {
        const char* name;
        bool safe;
    } cases[] = {
        {"route.tvn", true},    {"sub\\route.tvn", true}, {"sub/route.tvn", true}, {"a..b.tvn", true},
        {"", false},            {"..\\evil.tvn", false},  {"../evil.tvn", false},  {"a\\..\\..\\e", false},
        {"/tmp/evil", false},   {"\\evil.tvn", false},    {"C:evil.tvn", false},   {"c:\\x\\evil", false},
        {"sub\\..", false},     {".", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSafeMemberName(QString::fromUtf8(c.name)), c.safe) << c.name;
}

TEST_F(CabinetTest, ClimbingMemberIsRefusedAndNothingIsWritten)
{
    // The member name sits uncovered in the cabinet's file table, so a
    // cabinet made with a harmless name is renamed in place.
    const QString cab = dir.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(PackDocument(source, QStringLiteral("abcdefghijkl.tvn"), cab));
    const QByteArray good = ReadFile(cab);
    ASSERT_TRUE(good.contains("abcdefghijkl.tvn"));
    const char* bad[] = {"..\\evilxxx.tvn", "../../evil.tvn", "/tmp/evilx.tvn", "\\evilxxxxx.tvn",
                         "C:\\evilxxx.tvn", "s\\..\\..\\e.tvn"};
    for (const char* name : bad) {
        SCOPED_TRACE(name);
        QByteArray patched = good;
        const QByteArray replacement = QByteArray(name).leftJustified(16, 'x', true);
        patched.replace(patched.indexOf("abcdefghijkl.tvn"), 16, replacement);
        const QString damaged = dir.file(QStringLiteral("damaged.tvn"));
        ASSERT_TRUE(WriteFile(damaged, patched));
        const QString out = dir.file(QStringLiteral("out/inner"));
        QDir().mkpath(out);
        const QStringList before = AllFiles(dir.path());
        ScriptedMessages messages;
        EXPECT_FALSE(UnpackDocument(damaged, out));
        ASSERT_EQ(messages.records.size(), 1u);
        EXPECT_EQ(messages.records[0].id, 30036);
        EXPECT_EQ(messages.records[0].prefix, QStringLiteral("[File Copy]\n"));
        EXPECT_EQ(AllFiles(dir.path()), before);
    }
}

TEST_F(CabinetTest, MemberInASubFolderIsExtractedThere)
{
    const QString cab = dir.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(PackDocument(source, QStringLiteral("abcdefgh.tvn"), cab));
    QByteArray bytes = ReadFile(cab);
    bytes.replace(bytes.indexOf("abcdefgh.tvn"), 12, "sub\\efgh.tvn");
    ASSERT_TRUE(WriteFile(cab, bytes));
    ASSERT_TRUE(UnpackDocument(cab, dir.file(QStringLiteral("out"))));
    EXPECT_EQ(dataFileName, QStringLiteral("sub/efgh.tvn"));
    EXPECT_EQ(ReadFile(dir.file(QStringLiteral("out/sub/efgh.tvn"))), payload);
}

TEST_F(CabinetTest, ReadOnlyMemberIsExtractedReadOnly)
{
    const QString cab = dir.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(PackDocument(source, QStringLiteral("route.tvn"), cab));
    // The attribute word sits just before the member name in the file table.
    QByteArray bytes = ReadFile(cab);
    const qsizetype at = bytes.indexOf("route.tvn") - 2;
    EXPECT_EQ(bytes[at], '\x20'); // archive
    bytes[at] = '\x21';
    ASSERT_TRUE(WriteFile(cab, bytes));
    ASSERT_TRUE(UnpackDocument(cab, dir.file(QStringLiteral("out"))));
    EXPECT_FALSE(QFile::permissions(dir.file(QStringLiteral("out/route.tvn"))) & QFileDevice::WriteOwner);
    // A second extraction replaces the read-only copy.
    EXPECT_TRUE(UnpackDocument(cab, dir.file(QStringLiteral("out"))));
    EXPECT_EQ(ReadFile(dir.file(QStringLiteral("out/route.tvn"))), payload);
}

TEST_F(CabinetTest, FailuresShowTheirMessageAndKeepTheTarget)
{
    const QString cab = dir.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(WriteFile(cab, "previous document"));
    ScriptedMessages messages;
    EXPECT_FALSE(PackDocument(dir.file(QStringLiteral("missing.bin")), QStringLiteral("route.tvn"), cab));
    ASSERT_EQ(messages.ids(), std::vector<int>{30035});
    EXPECT_EQ(messages.records[0].style, MessageStyle::Information);
    EXPECT_EQ(ReadFile(cab), QByteArray("previous document"));
    EXPECT_EQ(AllFiles(dir.path()), (QStringList{QStringLiteral("route.tvn"), QStringLiteral("source.bin")}));

    messages.clear();
    EXPECT_FALSE(PackDocument(source, QStringLiteral("x.tvn"), dir.file(QStringLiteral("no/such/folder/x.tvn"))));
    EXPECT_EQ(messages.ids(), std::vector<int>{30035});

    messages.clear();
    EXPECT_FALSE(UnpackDocument(dir.file(QStringLiteral("source.bin")), dir.file(QStringLiteral("out"))));
    ASSERT_EQ(messages.ids(), std::vector<int>{30036});
    EXPECT_EQ(messages.records[0].prefix, QStringLiteral("[File Copy]\n"));
}

} // namespace
} // namespace tavelin

namespace tavelin {
namespace {

TEST(CabinetNames, JapaneseMemberNameSurvives)
{
    test::TempDir dir;
    const QString source = dir.file(QStringLiteral("s.bin"));
    ASSERT_TRUE(WriteFile(source, "data"));
    const QString name = QStringLiteral("ルート.tvn");
    const QString cab = dir.file(name);
    ASSERT_TRUE(PackDocument(source, name, cab));
    EXPECT_EQ(CabinetMemberNames(cab), QStringList{name});
    QDir().mkpath(dir.file(QStringLiteral("out")));
    ASSERT_TRUE(UnpackDocument(cab, dir.file(QStringLiteral("out"))));
    EXPECT_EQ(dataFileName, name);
    EXPECT_EQ(ReadFile(dir.file(QStringLiteral("out/")) + name), QByteArray("data"));
    QString listing;
    RUN_OR_SKIP("cabextract", (QStringList{QStringLiteral("-l"), cab}), listing);
    EXPECT_TRUE(listing.contains(name)) << listing.toStdString();
}

} // namespace
} // namespace tavelin
