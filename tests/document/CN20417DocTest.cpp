#include "DocumentFixtures.h"

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "document/Cabinet.h"
#include "document/CN20417Doc.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <deque>
#include <gtest/gtest.h>

namespace tavelin {
namespace {

class ScriptedChooser : public DocumentFileChooser {
public:
    std::deque<QString> paths;
    QStringList filters;
    QString chooseOpenPath(QObject*, const QString& filter) override { return next(filter); }
    QString chooseSavePath(QObject*, const QString&, const QString& filter) override { return next(filter); }

private:
    QString next(const QString& filter)
    {
        filters << filter;
        if (paths.empty())
            return {};
        QString p = paths.front();
        paths.pop_front();
        return p;
    }
};

class CN20417DocTest : public ::testing::Test {
protected:
    test::TempDir tmp;
    test::TempDir docs;
    QByteArray savedTmp = qgetenv("TMPDIR");
    RouteModel model;
    ScriptedChooser chooser;
    CN20417Doc doc{model, chooser};

    void SetUp() override
    {
        test::ResetSettings();
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        model.Allocate();
    }
    void TearDown() override { qputenv("TMPDIR", savedTmp); }

    // A saved document with a map, at docs/<name>.
    QString SavedDocument(const QString& name)
    {
        RouteModel other;
        test::FillSampleModel(other);
        ScriptedChooser c;
        CN20417Doc d(other, c);
        c.paths.push_back(docs.file(name));
        EXPECT_TRUE(d.OnFileSaveAs());
        return docs.file(name);
    }
    QString Settings(const QString& section, const QString& value)
    {
        return settings::GetString(section, value, {});
    }
};

TEST_F(CN20417DocTest, NewDocumentAndTitle)
{
    ASSERT_TRUE(doc.StartUp({}));
    EXPECT_EQ(doc.windowTitle(), QStringLiteral("無題 - Tavelin"));
    EXPECT_EQ(model.layerCount, 1);
    EXPECT_FALSE(doc.CanSave()); // no background map
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_TRUE(chooser.filters.isEmpty());
}

TEST_F(CN20417DocTest, SaveAsAddsTheExtensionAndJoinsTheRecentList)
{
    test::FillSampleModel(model);
    chooser.paths.push_back(docs.file(QStringLiteral("route")));
    QString title;
    QObject::connect(&doc, &CN20417Doc::titleChanged, [&](const QString& t) { title = t; });
    ASSERT_TRUE(doc.OnFileSaveAs());
    EXPECT_EQ(chooser.filters, QStringList{QStringLiteral("TavelinFiles (*.tvn)")});
    EXPECT_EQ(doc.pathName(), docs.file(QStringLiteral("route.tvn")));
    EXPECT_EQ(title, QStringLiteral("route.tvn - Tavelin"));
    EXPECT_TRUE(QFile::exists(docs.file(QStringLiteral("route.tvn"))));
    EXPECT_EQ(doc.RecentFiles(), QStringList{docs.file(QStringLiteral("route.tvn"))});
    EXPECT_EQ(Settings(QStringLiteral("Last"), QStringLiteral("FilePath")), docs.file(QStringLiteral("route.tvn")));

    // Save writes to the same path without asking.
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(chooser.filters.size(), 1);
}

TEST_F(CN20417DocTest, SaveChangesQuestion)
{
    ASSERT_TRUE(doc.StartUp({}));
    const QString path = SavedDocument(QStringLiteral("other.tvn"));
    doc.SetModifiedFlag();
    ScriptedMessages messages;

    messages.queueAnswer(IDCANCEL);
    EXPECT_FALSE(doc.OnFileNew());
    ASSERT_EQ(messages.ids(), std::vector<int>{61442});
    EXPECT_EQ(messages.records[0].style, MessageStyle::YesNoCancel);
    EXPECT_TRUE(messages.records[0].text.contains(QStringLiteral("無題")));
    EXPECT_TRUE(doc.isModified());

    messages.queueAnswer(IDNO);
    chooser.paths.push_back(path);
    EXPECT_TRUE(doc.OnFileOpen());
    EXPECT_EQ(doc.pathName(), path);
    EXPECT_EQ(model.layerCount, 2);

    // Yes saves first, even while the map commands are disabled.
    model.mapPicture.reset();
    model.header.hasMap = 0;
    doc.SetModifiedFlag();
    messages.queueAnswer(IDYES);
    EXPECT_TRUE(doc.OnFileNew());
    EXPECT_EQ(doc.pathName(), QString());
    EXPECT_EQ(model.layerCount, 1);
}

TEST_F(CN20417DocTest, RefusedOpenLeavesAnUntitledDocument)
{
    const QString good = SavedDocument(QStringLiteral("good.tvn"));
    ASSERT_TRUE(doc.OpenDocumentFile(good));
    // A broken file saved under the name of a recent document.
    const QString broken = docs.file(QStringLiteral("broken.tvn"));
    ASSERT_TRUE(test::WriteFile(broken, "garbage"));
    ScriptedMessages messages;
    EXPECT_FALSE(doc.OpenDocumentFile(broken));
    EXPECT_EQ(messages.ids(), std::vector<int>{30036});
    EXPECT_EQ(doc.pathName(), good); // unpacking failed: nothing changed
    EXPECT_EQ(model.layerCount, 2);

    QByteArray data = test::DataFileBytes(model);
    data[0] = 'X';
    ASSERT_TRUE(test::WriteFile(tmp.file(QStringLiteral("bad.tvn")), data));
    const QString bad = docs.file(QStringLiteral("bad.tvn"));
    ASSERT_TRUE(PackDocument(tmp.file(QStringLiteral("bad.tvn")), QStringLiteral("bad.tvn"), bad));
    messages.clear();
    EXPECT_FALSE(doc.OpenDocumentFile(bad));
    EXPECT_EQ(messages.ids(), std::vector<int>{30019});
    // The model was emptied, so the document no longer stands for good.tvn.
    EXPECT_EQ(doc.pathName(), QString());
    EXPECT_EQ(model.layerCount, 1);
    EXPECT_EQ(doc.RecentFiles(), QStringList{good});
}

TEST_F(CN20417DocTest, RecentListKeepsTenMostRecentFirst)
{
    const QString first = SavedDocument(QStringLiteral("d0.tvn"));
    for (int i = 1; i < 12; ++i)
        SavedDocument(QStringLiteral("d%1.tvn").arg(i));
    EXPECT_EQ(doc.RecentFiles().size(), 10);
    EXPECT_EQ(doc.RecentFiles().first(), docs.file(QStringLiteral("d11.tvn")));
    ASSERT_TRUE(doc.OpenDocumentFile(docs.file(QStringLiteral("d5.tvn"))));
    const QStringList files = doc.RecentFiles();
    EXPECT_EQ(files.first(), docs.file(QStringLiteral("d5.tvn")));
    EXPECT_EQ(files.count(docs.file(QStringLiteral("d5.tvn"))), 1);
    EXPECT_FALSE(files.contains(first));

    // An entry that no longer opens leaves the list.
    ASSERT_TRUE(QFile::remove(docs.file(QStringLiteral("d11.tvn"))));
    ScriptedMessages messages;
    EXPECT_FALSE(doc.OpenRecentFile(1));
    EXPECT_EQ(messages.ids(), std::vector<int>{30077});
    EXPECT_FALSE(doc.RecentFiles().contains(docs.file(QStringLiteral("d11.tvn"))));
}

TEST_F(CN20417DocTest, StartUpDocument)
{
    const QString recent = SavedDocument(QStringLiteral("recent.tvn"));
    const QString argument = SavedDocument(QStringLiteral("argument.tvn"));
    SavedDocument(QStringLiteral("recent.tvn")); // most recent again
    const QString kanSet = QStringLiteral("KanSet"), firstOpen = QStringLiteral("FirstOpen");
    const struct {
        int firstOpen;
        QString argument;
        bool clearList;
        QString expected;
    } cases[] = {
        {0, {}, false, {}},
        {1, {}, false, recent},
        {1, argument, false, argument},
        {1, {}, true, {}},
    };
    for (const auto& c : cases) {
        settings::WriteInt(kanSet, firstOpen, c.firstOpen);
        if (c.clearList)
            for (int i = 1; i <= 10; ++i)
                settings::WriteString(QStringLiteral("Recent File List"), QStringLiteral("File%1").arg(i), {});
        RouteModel m;
        m.Allocate();
        ScriptedChooser ch;
        CN20417Doc d(m, ch);
        ASSERT_TRUE(d.StartUp(c.argument));
        EXPECT_EQ(d.pathName(), c.expected);
        EXPECT_EQ(m.layerCount, c.expected.isEmpty() ? 1 : 2);
    }
}

} // namespace
} // namespace tavelin
