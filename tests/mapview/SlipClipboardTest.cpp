// The clipboard and the copy buffer: what a paste makes of the clipboard,
// the text cut to 1000 bytes, pictures through the working folder, copies
// pasted 20 pixels off their originals, and copies that keep their pictures.

#include "mapview/SlipClipboard.h"
#include "SlipFixture.h"
#include "image/PictureIo.h"
#include "mapview/SlipText.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>
#include <memory>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

SlipBox Rect(const SlipRec& s)
{
    return {s.left, s.top, s.right, s.bottom};
}

std::unique_ptr<QMimeData> Mime(const QString* text, QSize image = {})
{
    auto data = std::make_unique<QMimeData>();
    if (text)
        data->setText(*text);
    if (!image.isEmpty()) {
        QImage picture(image, QImage::Format_RGB32);
        picture.fill(QColor(200, 60, 40));
        data->setImageData(picture);
    }
    return data;
}

class SlipClipboardTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetSettings(); }
    ScriptedMessages messages;
};

} // namespace

TEST_F(SlipClipboardTest, ClassifiesTheClipboard)
{
    struct Case {
        const char* text; // nullptr: no text
        bool image;
        ClipboardContent expected;
    };
    const Case cases[] = {
        {"[OBJ]", false, ClipboardContent::CopiedSlips},
        {"[OBJ]", true, ClipboardContent::CopiedSlips},
        {"駅", false, ClipboardContent::Text},
        {"[OBJ] ", false, ClipboardContent::Text},
        {"abc", true, ClipboardContent::Text},
        {"\r\n", false, ClipboardContent::Nothing},
        {"\n", true, ClipboardContent::Picture},
        {"", true, ClipboardContent::Picture},
        {nullptr, true, ClipboardContent::Picture},
        {nullptr, false, ClipboardContent::Nothing},
    };
    for (const Case& c : cases) {
        const QString text = c.text ? QString::fromUtf8(c.text) : QString();
        const auto data = Mime(c.text ? &text : nullptr, c.image ? QSize(4, 4) : QSize());
        EXPECT_EQ(ClassifyClipboard(data.get()), c.expected) << (c.text ? c.text : "(none)");
    }
    EXPECT_EQ(ClassifyClipboard(nullptr), ClipboardContent::Nothing);
}

TEST_F(SlipClipboardTest, ClipboardTextIsCutToThousandBytesOnWholeCharacters)
{
    EXPECT_EQ(SlipTextFromClipboard(QString(1200, u'a')).size(), 1000);
    // 999 bytes, then a two-byte character that would end past 1000.
    const QByteArray cut = SlipTextFromClipboard(QString(999, u'a') + QStringLiteral("駅xyz"));
    EXPECT_EQ(cut, QByteArray(999, 'a'));
    EXPECT_EQ(SlipTextFromClipboard(QStringLiteral("一\n二")),
              cp932::Encode(QStringLiteral("一\r\n二")).value());
}

TEST_F(SlipClipboardTest, PastedTextAsksAndMakesATextSlip)
{
    SlipScene scene;
    const QString text = QString(1200, u'b');
    const auto data = Mime(&text);

    messages.queueAnswer(IDNO);
    scene.operations.PasteIntoMap(QPoint(300, 300), data.get());
    EXPECT_EQ(scene.model().slipCount, 0);

    scene.operations.PasteIntoMap(QPoint(300, 300), data.get());
    ASSERT_EQ(messages.ids(), (std::vector<int>{30069, 30069}));
    const ScriptedMessages::Record& asked = messages.records[1];
    EXPECT_EQ(asked.style, MessageStyle::YesNo);
    EXPECT_EQ(asked.prefix, QStringLiteral("『") + QString(1000, u'b') + QStringLiteral("』\n"));
    ASSERT_EQ(scene.model().slipCount, 1);
    EXPECT_EQ(SlipTextField(scene.model().slips[0]), QByteArray(1000, 'b'));
    EXPECT_EQ(Rect(scene.model().slips[0]), (SlipBox{225, 250, 375, 350}));
    EXPECT_EQ(scene.host.primary, 0);
}

TEST_F(SlipClipboardTest, TextWithNothingStorableSaysTheClipboardHasNoText)
{
    SlipScene scene;
    const QString text = QStringLiteral("😀");
    scene.operations.PasteIntoMap(QPoint(300, 300), Mime(&text).get());
    EXPECT_EQ(messages.ids(), std::vector<int>{30068});
    EXPECT_EQ(messages.records[0].style, MessageStyle::Information);
    EXPECT_EQ(scene.model().slipCount, 0);
}

TEST_F(SlipClipboardTest, APasteOutsideTheShownPartLandsInItsCentre)
{
    SlipScene scene;
    scene.host.visible = QRect(400, 200, 400, 300); // centre (599, 349)
    const QString text = QStringLiteral("memo");
    scene.operations.PasteIntoMap(QPoint(10, 10), Mime(&text).get());
    ASSERT_EQ(scene.model().slipCount, 1);
    const SlipRec& s = scene.model().slips[0];
    EXPECT_EQ((s.left + s.right) / 2, 599);
    EXPECT_EQ((s.top + s.bottom) / 2, 349);
}

TEST_F(SlipClipboardTest, PastedPictureBecomesAnImageSlipThroughTheWorkingFolder)
{
    SlipScene scene;
    scene.operations.PasteIntoMap(QPoint(400, 400), Mime(nullptr, QSize(600, 300)).get());
    EXPECT_TRUE(messages.records.empty());
    ASSERT_EQ(scene.model().slipCount, 1);
    const PicturePtr& picture = (*scene.model().slipPictures)[0];
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->bytes().startsWith("\xFF\xD8")); // JPEG
    EXPECT_EQ(PictureSize(picture), QSize(500, 250));
    const QColor centre = picture->image().pixelColor(250, 125);
    EXPECT_NEAR(centre.red(), 200, 6);
    EXPECT_NEAR(centre.green(), 60, 6);
}

TEST_F(SlipClipboardTest, APictureThatCannotBeTakenIsReported)
{
    SlipScene scene;
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("application/x-qt-image"), QByteArray("broken"));
    scene.operations.PasteIntoMap(QPoint(400, 400), data.get());
    ASSERT_EQ(messages.ids(), std::vector<int>{30023});
    EXPECT_EQ(messages.records[0].prefix, QStringLiteral("クリップボードからの取得エラー\n"));
    EXPECT_EQ(scene.model().slipCount, 0);
}

TEST_F(SlipClipboardTest, DuringInPlaceEditingCopyAndPasteGoToTheEditor)
{
    SlipScene scene;
    scene.slip(0, 0, 50, 50, true);
    scene.host.editing = true;
    const QString marker = QStringLiteral("[OBJ]");
    scene.operations.CopySelectedSlips();
    scene.operations.PasteIntoMap(QPoint(10, 10), Mime(&marker).get());
    EXPECT_EQ(scene.host.editorCommands,
              (std::vector<EditorCommand>{EditorCommand::Copy, EditorCommand::Paste}));
    EXPECT_TRUE(scene.buffer.empty());
    EXPECT_EQ(scene.model().slipCount, 1);
}

TEST_F(SlipClipboardTest, TwoPastesAfterOneCopyAreBothOffsetFromTheOriginals)
{
    SlipScene scene;
    scene.slip(100, 100, 250, 200, true, "a");
    scene.slip(300, 300, 350, 350, false, "unselected");
    scene.slip(930, 770, 1080, 870, true, "edge"); // as a damaged file may hold it
    scene.operations.CopySelectedSlips();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("[OBJ]"));
    EXPECT_EQ(scene.buffer.count(), 2);

    const QString marker = QStringLiteral("[OBJ]");
    for (int round = 0; round < 2; ++round) {
        scene.operations.PasteIntoMap(QPoint(10, 10), Mime(&marker).get());
        const int first = 3 + 2 * round;
        const RouteModel& m = scene.model();
        ASSERT_EQ(m.slipCount, first + 2);
        EXPECT_EQ(Rect(m.slips[first]), (SlipBox{120, 120, 270, 220})) << round;
        EXPECT_EQ(Rect(m.slips[first + 1]), (SlipBox{850, 700, 1000, 800})) << round;
        EXPECT_STREQ(m.slips[first].text, "a");
        EXPECT_EQ(scene.host.primary, first);
        for (int i = 0; i < m.slipCount; ++i)
            EXPECT_EQ(m.slips[i].selected, i >= first ? 1 : 0) << i;
    }
    EXPECT_EQ(scene.host.discards, 2);
    EXPECT_EQ(scene.host.modified, 2);
}

TEST_F(SlipClipboardTest, CopyDeletePastePastesNothing)
{
    SlipScene scene;
    scene.slip(100, 100, 250, 200, true);
    scene.operations.CopySelectedSlips();
    scene.operations.DeleteSelectedSlips();
    EXPECT_EQ(scene.operations.PasteSlips(), 0);
    EXPECT_EQ(scene.model().slipCount, 0);
}

TEST_F(SlipClipboardTest, CopiesKeepTheirPictureWhenTheOriginalChangesIt)
{
    SlipScene scene;
    const int s = scene.slip(100, 100, 250, 200, true);
    const QByteArray bytes = JpegBytes(40, 20);
    (*scene.model().slipPictures)[0] = std::make_shared<Picture>(bytes);
    scene.model().slips[s].hasImage = 1;
    scene.operations.CopySelectedSlips();

    scene.host.primary = s;
    ASSERT_TRUE(scene.operations.RemoveSlipImage());
    std::weak_ptr<const Picture> old = (*scene.model().slipPictures)[0];
    EXPECT_TRUE(old.expired()); // the model let go of it

    ASSERT_EQ(scene.operations.PasteSlips(), 1);
    const PicturePtr& pasted = (*scene.model().slipPictures)[1];
    ASSERT_TRUE(pasted);
    EXPECT_EQ(pasted->bytes(), bytes);
    EXPECT_EQ(PictureSize(pasted), QSize(40, 20));
    EXPECT_EQ(scene.model().slips[1].hasImage, 1);
}

TEST_F(SlipClipboardTest, PastingStopsAtTheCapacity)
{
    struct Case {
        int existing;
        int copies;
        int pasted;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {998, 2, 2, {}},      // fills the last places: complete, nothing to say
        {999, 2, 1, {30062}}, // one copy left over
        {1000, 1, 0, {30062}},
    };
    for (const Case& c : cases) {
        SlipScene scene;
        for (int i = 0; i < c.copies; ++i)
            scene.slip(10 * i, 0, 10 * i + 50, 50, true);
        scene.buffer.Replace(scene.model());
        scene.model().ClearSelectionMarks();
        scene.model().slipCount = c.existing;
        messages.clear();
        EXPECT_EQ(scene.operations.PasteSlips(), c.pasted) << c.existing;
        EXPECT_EQ(scene.model().slipCount, c.existing + c.pasted);
        EXPECT_EQ(messages.ids(), c.messages) << c.existing;
    }
}
