// The slip commands on the model: new slips, dropped files, pictures set and
// removed, deleting with the notes renumbered, exchanging, text write-back.

#include "SlipFixture.h"
#include "document/WorkFolder.h"
#include "editors/ImageFileChooser.h"
#include "image/PictureIo.h"
#include "mapview/SlipText.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

QByteArray Sjis(const QString& text)
{
    return cp932::Encode(text).value();
}

SlipBox Rect(const SlipRec& s)
{
    return {s.left, s.top, s.right, s.bottom};
}

class ScriptedImageChooser : public ImageFileChooser
{
public:
    QString chooseImageFile(QWidget*, const QString& t, const QString& f) override
    {
        ++calls;
        title = t;
        filter = f;
        return path;
    }
    QString path, title, filter;
    int calls = 0;
};

class SlipOperationsTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetSettings(); }
    ScriptedMessages messages;
    TempDir dir;
};

} // namespace

TEST_F(SlipOperationsTest, NewTextSlipIsCentredOnTheContextPointAndBecomesPrimary)
{
    SlipScene scene;
    scene.model().header.zoom = 2.0f;
    const int i = scene.operations.NewTextSlip(QPoint(400, 300));
    ASSERT_EQ(i, 0);
    const SlipRec& s = scene.model().slips[0];
    EXPECT_EQ(Rect(s), (SlipBox{125, 100, 275, 200})); // centre (200, 150), 150 x 100
    EXPECT_EQ(SlipTextField(s), Sjis(QStringLiteral("新しい付箋")));
    EXPECT_EQ(s.hasImage, 0);
    EXPECT_EQ(scene.host.primary, 0);
    EXPECT_EQ(scene.host.snapshots, 1);
    EXPECT_EQ(scene.host.modified, 1);
    EXPECT_GE(scene.host.refreshes, 1);
}

TEST_F(SlipOperationsTest, AtTheCapacityNothingIsAddedAndTheUndoSnapshotIsKept)
{
    SlipScene scene;
    scene.model().slipCount = MaxSlips;
    EXPECT_EQ(scene.operations.NewTextSlip(QPoint(100, 100)), -1);
    EXPECT_EQ(messages.ids(), std::vector<int>{30062});
    EXPECT_EQ(scene.model().slipCount, MaxSlips);
    EXPECT_EQ(scene.host.snapshots, 0);
    EXPECT_EQ(scene.host.modified, 0);
}

TEST_F(SlipOperationsTest, DeletingSlipsOneAndThreeRenumbersTheNotes)
{
    SlipScene scene;
    for (int i = 0; i < 5; ++i)
        scene.slip(10 * i, 0, 10 * i + 50, 50, false, QByteArray::number(i).constData());
    scene.select({1, 3});
    (*scene.model().slipPictures)[4] = std::make_shared<Picture>(QByteArray("four"));
    const int a = scene.map.addNode(scene.layer, 1, 1, 3);
    const int b = scene.map.addNode(scene.layer, 2, 2, 4);
    const int c = scene.map.addNode(scene.layer, 3, 3, 0);
    scene.host.primary = 3;
    scene.slip(0, 0, 1, 1); // a sixth, unselected, to keep in order too
    scene.buffer.Replace(scene.model());
    ASSERT_FALSE(scene.buffer.empty());

    messages.queueAnswer(IDNO);
    EXPECT_FALSE(scene.operations.DeleteSelectedSlips());
    EXPECT_EQ(scene.model().slipCount, 6);
    EXPECT_FALSE(scene.buffer.empty());

    messages.queueAnswer(IDYES);
    EXPECT_TRUE(scene.operations.DeleteSelectedSlips());
    EXPECT_EQ(messages.ids(), (std::vector<int>{30067, 30067}));
    const RouteModel& m = scene.model();
    ASSERT_EQ(m.slipCount, 4);
    EXPECT_STREQ(m.slips[0].text, "0");
    EXPECT_STREQ(m.slips[1].text, "2");
    EXPECT_STREQ(m.slips[2].text, "4");
    EXPECT_EQ((*m.slipPictures)[2]->bytes(), QByteArray("four"));
    EXPECT_EQ((*m.slipPictures)[4], nullptr);
    EXPECT_EQ(m.nodes[a].noteSlip, -1);
    EXPECT_EQ(m.nodes[b].noteSlip, 2);
    EXPECT_EQ(m.nodes[c].noteSlip, 0);
    EXPECT_TRUE(scene.buffer.empty());
    EXPECT_EQ(scene.host.discards, 1);
    EXPECT_EQ(scene.host.primary, -1);
    EXPECT_EQ(scene.host.modified, 1);
}

TEST_F(SlipOperationsTest, DeleteWithoutSelectedSlipsAsksNothing)
{
    SlipScene scene;
    scene.slip(0, 0, 50, 50);
    EXPECT_FALSE(scene.operations.DeleteSelectedSlips());
    EXPECT_TRUE(messages.records.empty());
}

TEST_F(SlipOperationsTest, ExchangeSwapsRecordsPicturesAndNotesOfTwoSelectedSlips)
{
    SlipScene scene;
    scene.slip(0, 0, 50, 50, false, "a");
    scene.slip(100, 0, 150, 50, true, "b");
    scene.slip(200, 0, 250, 50, false, "c");
    scene.slip(300, 0, 350, 50, true, "d");
    (*scene.model().slipPictures)[1] = std::make_shared<Picture>(QByteArray("pb"));
    const int nb = scene.map.addNode(scene.layer, 1, 1, 1);
    const int nd = scene.map.addNode(scene.layer, 2, 2, 3);
    scene.host.primary = 1;

    EXPECT_TRUE(scene.operations.SwapSlips());
    const RouteModel& m = scene.model();
    EXPECT_STREQ(m.slips[1].text, "d");
    EXPECT_STREQ(m.slips[3].text, "b");
    EXPECT_EQ(Rect(m.slips[3]), (SlipBox{100, 0, 150, 50})); // positions travel with the records
    EXPECT_EQ((*m.slipPictures)[3]->bytes(), QByteArray("pb"));
    EXPECT_EQ((*m.slipPictures)[1], nullptr);
    EXPECT_EQ(m.nodes[nb].noteSlip, 3);
    EXPECT_EQ(m.nodes[nd].noteSlip, 1);
    EXPECT_EQ(scene.host.primary, 3);
    EXPECT_EQ(scene.host.modified, 1);

    scene.select({0});
    EXPECT_FALSE(scene.operations.SwapSlips()); // three selected
    EXPECT_STREQ(m.slips[0].text, "a");
}

TEST_F(SlipOperationsTest, DropsThatAreRefused)
{
    struct Case {
        const char* name;
        bool hasMap;
        QStringList files;
        std::vector<int> messages;
    };
    const QString jpeg = dir.file(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(WriteJpeg(jpeg, 60, 30));
    const QString webp = dir.file(QStringLiteral("photo.webp"));
    ASSERT_TRUE(WriteJpeg(webp, 60, 30));
    const Case cases[] = {
        {"no map", false, {jpeg}, {30052}},
        {"two files", true, {jpeg, jpeg}, {30015}},
        {"unknown kind", true, {webp}, {30056}},
    };
    for (const Case& c : cases) {
        SlipScene scene;
        if (!c.hasMap)
            scene.model().header.hasMap = 0;
        messages.clear();
        EXPECT_FALSE(scene.operations.DropFiles(c.files, QPoint(200, 200))) << c.name;
        EXPECT_EQ(messages.ids(), c.messages) << c.name;
        EXPECT_EQ(scene.model().slipCount, 0) << c.name;
    }
}

TEST_F(SlipOperationsTest, DroppedWidePictureIsStoredAtImageWidth)
{
    SlipScene scene;
    const QString file = dir.file(QStringLiteral("wide.jpg"));
    ASSERT_TRUE(WriteJpeg(file, 600, 300));
    EXPECT_TRUE(scene.operations.DropFiles(QStringList{file}, QPoint(400, 300)));
    ASSERT_EQ(scene.model().slipCount, 1);
    const SlipRec& s = scene.model().slips[0];
    const PicturePtr& picture = (*scene.model().slipPictures)[0];
    EXPECT_EQ(PictureSize(picture), QSize(500, 250));
    EXPECT_EQ(s.imageSize, picture->byteSize());
    EXPECT_EQ(Rect(s), (SlipBox{300, 250, 500, 350})); // 100 high at the picture's proportions
    EXPECT_EQ(s.hasImage, 1);
    EXPECT_EQ(scene.host.primary, 0);
    // The copy in the working folder is what was loaded.
    EXPECT_TRUE(QFile::exists(QDir(WorkFolderPath()).filePath(QStringLiteral("tmp.jpeg"))));
}

TEST_F(SlipOperationsTest, DropOnATextSlipAsksAndKeepsItsSizeOrAddsANewSlip)
{
    const QString file = dir.file(QStringLiteral("wide.jpg"));
    ASSERT_TRUE(WriteJpeg(file, 600, 300));
    for (const bool yes : {true, false}) {
        SlipScene scene;
        scene.slip(100, 100, 250, 200, false, "note");
        messages.clear();
        messages.queueAnswer(yes ? IDYES : IDNO);
        EXPECT_TRUE(scene.operations.DropFiles(QStringList{file}, QPoint(150, 150)));
        EXPECT_EQ(messages.ids(), std::vector<int>{30061});
        const RouteModel& m = scene.model();
        EXPECT_EQ(Rect(m.slips[0]), (SlipBox{100, 100, 250, 200}));
        if (yes) {
            EXPECT_EQ(m.slipCount, 1);
            EXPECT_EQ(m.slips[0].hasImage, 1);
            // Set on an existing slip, the picture keeps its full width.
            EXPECT_EQ(PictureSize((*m.slipPictures)[0]), QSize(600, 300));
            EXPECT_EQ(m.slips[0].imageSize, (*m.slipPictures)[0]->byteSize());
        } else {
            ASSERT_EQ(m.slipCount, 2);
            EXPECT_EQ(m.slips[0].hasImage, 0);
            EXPECT_EQ(PictureSize((*m.slipPictures)[1]), QSize(500, 250));
        }
        EXPECT_EQ(scene.host.modified, 1);
    }
}

TEST_F(SlipOperationsTest, DropOnAnImageSlipAsksToChangeItsPicture)
{
    SlipScene scene;
    const int s = scene.slip(100, 100, 250, 200);
    scene.map.makeImageSlip(s, 0xFF00FF00, 0, 2);
    const QString file = dir.file(QStringLiteral("new.jpg"));
    ASSERT_TRUE(WriteJpeg(file, 80, 40));
    EXPECT_TRUE(scene.operations.DropFiles(QStringList{file}, QPoint(120, 120)));
    EXPECT_EQ(messages.ids(), std::vector<int>{30054});
    EXPECT_EQ(PictureSize((*scene.model().slipPictures)[0]), QSize(80, 40));
}

TEST_F(SlipOperationsTest, DropThatCannotBeCopiedIntoTheWorkingFolderAddsNothing)
{
    SlipScene scene;
    const QString file = dir.file(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(WriteJpeg(file, 60, 30));
    // A folder where the copy must go: neither removed nor overwritten.
    const QString blocked = QDir(WorkFolderPath()).filePath(QStringLiteral("tmp.jpeg"));
    QFile::remove(blocked);
    ASSERT_TRUE(QDir().mkpath(blocked));
    EXPECT_FALSE(scene.operations.DropFiles(QStringList{file}, QPoint(100, 100)));
    QDir(blocked).removeRecursively();
    EXPECT_EQ(messages.ids(), std::vector<int>{30018});
    EXPECT_EQ(scene.model().slipCount, 0);
}

TEST_F(SlipOperationsTest, DropOfTheWorkingFoldersOwnCopyKeepsTheFile)
{
    SlipScene scene;
    const QString copy = QDir(WorkFolder()).filePath(QStringLiteral("tmp.jpeg"));
    ASSERT_TRUE(WriteJpeg(copy, 60, 30));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(copy), QUrl(QStringLiteral("https://example.org/a.jpg"))});
    EXPECT_EQ(SlipOperations::DroppedFiles(data), QStringList{copy});
    EXPECT_TRUE(scene.operations.DropFiles(data, QPoint(100, 100)));
    EXPECT_EQ(scene.model().slipCount, 1);
    EXPECT_TRUE(QFile::exists(copy));
}

TEST_F(SlipOperationsTest, AFileThatDoesNotDecodeIsReported)
{
    SlipScene scene;
    const QString file = dir.file(QStringLiteral("broken.jpg"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    EXPECT_EQ(
        scene.operations.CreateImageSlipFromFile(file, QStringLiteral("jpeg"), QPoint(50, 50)), -1);
    ASSERT_EQ(messages.ids(), std::vector<int>{30026});
    EXPECT_EQ(messages.records[0].prefix, file + u'\n');
    EXPECT_EQ(scene.model().slipCount, 0);
    EXPECT_EQ(scene.host.snapshots, 0);
}

TEST_F(SlipOperationsTest, ImageSetThroughTheChooser)
{
    SlipScene scene;
    scene.slip(100, 100, 250, 200);
    ScriptedImageChooser chooser;

    // Nowhere near a slip: no dialog.
    EXPECT_EQ(scene.operations.SetSlipImage(QPoint(600, 600), chooser, nullptr),
              SlipOperations::SetImage::NoSlip);
    EXPECT_EQ(chooser.calls, 0);

    // Cancelled.
    EXPECT_EQ(scene.operations.SetSlipImage(QPoint(120, 120), chooser, nullptr),
              SlipOperations::SetImage::Stopped);
    EXPECT_EQ(chooser.title, QStringLiteral("イメージファイルを指定"));
    EXPECT_TRUE(
        chooser.filter.startsWith(QStringLiteral("イメージファイル(jpeg, gif, bmp, png, tiff)")));
    EXPECT_EQ(scene.model().slips[0].hasImage, 0);

    chooser.path = dir.file(QStringLiteral("big.jpg"));
    ASSERT_TRUE(WriteJpeg(chooser.path, 700, 100));
    EXPECT_EQ(scene.operations.SetSlipImage(QPoint(120, 120), chooser, nullptr),
              SlipOperations::SetImage::Set);
    EXPECT_TRUE(messages.records.empty()); // no question without a drop
    EXPECT_EQ(PictureSize((*scene.model().slipPictures)[0]), QSize(700, 100));
    EXPECT_EQ(Rect(scene.model().slips[0]), (SlipBox{100, 100, 250, 200}));
    EXPECT_EQ(scene.host.modified, 1);
}

TEST_F(SlipOperationsTest, RemovingThePictureLeavesATextSlip)
{
    SlipScene scene;
    const int s = scene.slip(100, 100, 250, 200, true);
    scene.map.makeImageSlip(s, 0xFF00FF00, 0, 2);
    scene.host.primary = -1;
    EXPECT_FALSE(scene.operations.RemoveSlipImage());
    scene.host.primary = s;
    EXPECT_TRUE(scene.operations.RemoveSlipImage());
    EXPECT_EQ(scene.model().slips[s].hasImage, 0);
    EXPECT_EQ((*scene.model().slipPictures)[0], nullptr);
    EXPECT_EQ(scene.host.modified, 1);
    EXPECT_FALSE(scene.operations.RemoveSlipImage()); // a text slip now
    EXPECT_TRUE(messages.records.empty());
}

TEST_F(SlipOperationsTest, NewTextGoesToEverySelectedSlipAndTheirNoteColumns)
{
    SlipScene scene;
    scene.slip(0, 0, 50, 50, true, "old");
    scene.slip(100, 0, 150, 50, false, "other");
    scene.slip(200, 0, 250, 50, true, "old");
    const int node = scene.map.addNode(scene.layer, 5, 5, 2);
    settings::WriteInt(QStringLiteral("ColumnDsp"), QStringLiteral("KijiLen"), 10);

    scene.operations.ApplySlipText(Sjis(QStringLiteral("駅前\r\nの広場です")));
    const RouteModel& m = scene.model();
    EXPECT_EQ(SlipTextField(m.slips[0]), Sjis(QStringLiteral("駅前\r\nの広場です")));
    EXPECT_EQ(SlipTextField(m.slips[2]), Sjis(QStringLiteral("駅前\r\nの広場です")));
    EXPECT_STREQ(m.slips[1].text, "other");
    EXPECT_EQ(scene.host.followed, std::vector<int>{node});
    EXPECT_EQ(scene.host.notes[node], QStringLiteral("駅前 の広…")); // 10 bytes and "…"
    EXPECT_EQ(scene.host.modified, 1);

    scene.operations.ApplySlipText(Sjis(QStringLiteral("駅前\r\nの広場です")));
    EXPECT_EQ(scene.host.modified, 1); // the same text again changes nothing
}
