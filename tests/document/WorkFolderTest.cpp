#include "platform/Messages.h"
#include "document/WorkFolder.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavelin {
namespace {

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}

class WorkFolderTest : public ::testing::Test {
protected:
    test::TempDir root;
    QByteArray savedTmp = qgetenv("TMPDIR");
    QString expected;
    void SetUp() override
    {
        qputenv("TMPDIR", QFile::encodeName(root.path()));
        expected = QDir::cleanPath(root.path()) + QStringLiteral("/Tavelin");
    }
    void TearDown() override { qputenv("TMPDIR", savedTmp); }
};

TEST_F(WorkFolderTest, CreatedPrivateAndReused)
{
    ScriptedMessages messages;
    EXPECT_EQ(WorkFolder(), expected);
    EXPECT_EQ(ModeOf(expected), 0700u);
    EXPECT_EQ(WorkFolder(), expected);
    EXPECT_EQ(WorkFolder(QStringLiteral("sub")), expected + QStringLiteral("/sub"));
    EXPECT_EQ(ModeOf(expected + QStringLiteral("/sub")), 0700u);
    EXPECT_TRUE(messages.records.empty());
    EXPECT_NE(QDir::currentPath(), expected);
}

TEST_F(WorkFolderTest, OurOpenFolderIsTightened)
{
    ASSERT_EQ(::mkdir(QFile::encodeName(expected).constData(), 0777), 0);
    ::chmod(QFile::encodeName(expected).constData(), 0777);
    EXPECT_EQ(WorkFolder(), expected);
    EXPECT_EQ(ModeOf(expected), 0700u);
}

TEST_F(WorkFolderTest, ForeignOrOddFoldersAreRefused)
{
    const QByteArray native = QFile::encodeName(expected);
    struct Case {
        const char* name;
        std::function<bool()> plant;
    };
    const Case cases[] = {
        {"a plain file", [&] { return QFile(expected).open(QIODevice::WriteOnly); }},
        {"a symbolic link to a folder",
         [&] { return ::symlink(QFile::encodeName(root.path()).constData(), native.constData()) == 0; }},
        {"a folder of another user",
         [&] {
             // Needs root to give a folder away.
             return ::geteuid() == 0 && ::mkdir(native.constData(), 0777) == 0
                    && ::chown(native.constData(), 65534, 65534) == 0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(expected);
        ::rmdir(native.constData());
        if (!c.plant())
            continue;
        ScriptedMessages messages;
        EXPECT_EQ(WorkFolder(), QString());
        EXPECT_EQ(messages.ids(), std::vector<int>{30002});
    }
    QFile::remove(expected);
    ::rmdir(native.constData());
}

} // namespace
} // namespace tavelin
