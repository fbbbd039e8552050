// The slip's text dialog, image settings and preview, driven as a user does.

#include "MapDlgFixtures.h"
#include "editors/CImageDlg.h"
#include "editors/CPreviewDlg.h"
#include "editors/CTextDlg.h"
#include "editors/SlipImageSettings.h"
#include "image/PictureIo.h"
#include "mapview/MapGeometry.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

// A 1000 x 800 map holding one image slip.
struct ImageSlipModel {
    ImageSlipModel(QSize slip, QSize picture, std::int32_t key = -1)
    {
        model.Allocate();
        model.Clear();
        model.header.zoom = 1.0f;
        model.header.hasMap = 1;
        model.header.mapWidth = 1000;
        model.header.mapHeight = 800;
        model.slipCount = 1;
        SlipRec& s = model.slips[0];
        std::memset(&s, 0, sizeof s);
        s.left = 100;
        s.top = 100;
        s.right = 100 + slip.width();
        s.bottom = 100 + slip.height();
        s.hasImage = 1;
        s.imageTransparentColour = key;
        QImage image(picture, QImage::Format_RGB32);
        image.fill(QColor(20, 120, 220));
        const QByteArray bytes = Encoded(image, key == -1 ? "JPEG" : "BMP");
        (*model.slipPictures)[0] = std::make_shared<Picture>(bytes);
        s.imageSize = int(bytes.size());
    }
    QSize slipSize() const
    {
        const SlipRec& s = model.slips[0];
        return {s.right - s.left, s.bottom - s.top};
    }
    RouteModel model;
};

QPushButton* Button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

QString Label(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

class SlipDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetSettings(); }
    ScriptedMessages messages;
};

} // namespace

TEST_F(SlipDialogsTest, CounterShowsTheTextsBytes)
{
    struct Case {
        QString text;
        QString counter;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("[0000]")},
        {QStringLiteral("駅前広"), QStringLiteral("[0006]")},
        {QStringLiteral("hello world!"), QStringLiteral("[0012]")},
        {QStringLiteral("a\nb"), QStringLiteral("[0004]")}, // a line break is CR LF
        {QString(1234, u'x'), QStringLiteral("[1234]")},
    };
    CTextDlg dialog(QByteArray("start"));
    auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("text"));
    EXPECT_EQ(Label(&dialog, "counter"), QStringLiteral("[0005]"));
    for (const Case& c : cases) {
        edit->setPlainText(c.text);
        EXPECT_EQ(Label(&dialog, "counter"), c.counter) << c.text.left(10).toStdString();
    }
}

TEST_F(SlipDialogsTest, OkChecksTheTextAndStaysOpenOnARefusal)
{
    struct Case {
        QString text;
        int message; // 0: accepted
    };
    const Case cases[] = {
        {QString(), 30007},
        {QString(1001, u'a'), 30008},
        {QString(500, QChar(0x99C5)) + u'a', 30008}, // 1001 bytes of two-byte characters
        {QStringLiteral("絵文字😀"), 31400},
        {QString(1000, u'a'), 0},
        {QStringLiteral("一行目\n二行目"), 0},
    };
    for (const Case& c : cases) {
        messages.clear();
        CTextDlg dialog{QByteArray()};
        dialog.show();
        auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("text"));
        edit->setPlainText(c.text);
        QTest::mouseClick(Button(&dialog, "ok"), Qt::LeftButton);
        if (c.message) {
            EXPECT_EQ(messages.ids(), std::vector<int>{c.message});
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.result(), 0);
        } else {
            EXPECT_TRUE(messages.records.empty());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            QString crlf = c.text;
            crlf.replace(u'\n', QStringLiteral("\r\n"));
            EXPECT_EQ(dialog.text(), cp932::Encode(crlf).value());
        }
    }
}

TEST_F(SlipDialogsTest, ImageSettingsShowTheSizesAndAdjustTheSlip)
{
    struct Case {
        const char* button;
        QSize slip, picture;
        QSize slipAfter, pictureAfter;
    };
    const Case cases[] = {
        {"fitSlipWidth", {150, 100}, {400, 300}, {133, 100}, {400, 300}},
        {"matchPictureSize", {150, 100}, {400, 300}, {400, 300}, {400, 300}},
        {"reducePicture", {150, 100}, {400, 300}, {150, 100}, {133, 100}},
        {"matchPictureSize", {150, 100}, {1000, 20}, {800, 30}, {1000, 20}},
        {"matchPictureSize", {150, 100}, {20, 10}, {50, 30}, {20, 10}},
    };
    for (const Case& c : cases) {
        ImageSlipModel m(c.slip, c.picture);
        std::vector<QRect> redrawn;
        int modified = 0;
        SlipDialogHooks hooks;
        hooks.scrollPosition = [] { return QPoint(10, 20); };
        hooks.redrawArea = [&](const QRect& r) { redrawn.push_back(r); };
        hooks.markModified = [&] { ++modified; };
        CImageDlg dialog(m.model, 0, hooks);
        EXPECT_EQ(Label(&dialog, "slipSize"), SlipSizeText(c.slip));
        EXPECT_EQ(Label(&dialog, "pictureSize"), SlipSizeText(c.picture));
        const QRect oldArea = ToQRect(SlipScreenRect(m.model, 0, true));

        QTest::mouseClick(Button(&dialog, c.button), Qt::LeftButton);
        EXPECT_EQ(m.slipSize(), c.slipAfter) << c.button;
        EXPECT_EQ(PictureSize((*m.model.slipPictures)[0]), c.pictureAfter) << c.button;
        EXPECT_EQ(m.model.slips[0].imageSize, (*m.model.slipPictures)[0]->byteSize());
        EXPECT_EQ(m.model.slips[0].left, 100);
        EXPECT_EQ(m.model.slips[0].top, 100);
        EXPECT_EQ(Label(&dialog, c.picture == c.pictureAfter ? "slipSize" : "pictureSize"),
                  SlipSizeText(c.picture == c.pictureAfter ? c.slipAfter : c.pictureAfter));
        // The old and the new area, grown by 5, in client coordinates.
        ASSERT_EQ(redrawn.size(), 1u);
        const QRect expected = oldArea.united(ToQRect(SlipScreenRect(m.model, 0, true)))
                                   .adjusted(-5, -5, 5, 5)
                                   .translated(-10, -20);
        EXPECT_EQ(redrawn[0], expected);
        EXPECT_EQ(modified, 1);
        EXPECT_TRUE(messages.records.empty());
    }
}

TEST_F(SlipDialogsTest, ReducingIsOfferedOnlyForAPictureTallerThanTheSlip)
{
    for (const int pictureHeight : {99, 100, 101}) {
        ImageSlipModel m({150, 100}, {300, pictureHeight});
        CImageDlg dialog(m.model, 0, {});
        EXPECT_EQ(Button(&dialog, "reducePicture")->isEnabled(), pictureHeight > 100);
    }
    // A picture that does not decode has no proportions to adjust to.
    ImageSlipModel broken({150, 100}, {300, 200});
    (*broken.model.slipPictures)[0] = std::make_shared<Picture>(QByteArray("junk"));
    CImageDlg dialog(broken.model, 0, {});
    for (const char* name : {"reducePicture", "fitSlipWidth", "matchPictureSize"})
        EXPECT_FALSE(Button(&dialog, name)->isEnabled()) << name;
}

TEST_F(SlipDialogsTest, ReducingAKeyedPictureAsksWhetherToKeepItsTransparency)
{
    struct Case {
        int answer;
        bool reduced;
        std::int32_t keyAfter;
        const char* signature;
    };
    const Case cases[] = {
        {IDCANCEL, false, 0x00FF00, "BM"},
        {IDYES, true, 0x00FF00, "BM"},
        {IDNO, true, -1, "\xFF\xD8"},
    };
    for (const Case& c : cases) {
        ImageSlipModel m({150, 100}, {400, 300}, 0x00FF00);
        CImageDlg dialog(m.model, 0, {});
        messages.clear();
        messages.queueAnswer(c.answer);
        QTest::mouseClick(Button(&dialog, "reducePicture"), Qt::LeftButton);
        EXPECT_EQ(messages.ids(), std::vector<int>{30058});
        EXPECT_EQ(messages.records[0].style, MessageStyle::YesNoCancel);
        const PicturePtr& picture = (*m.model.slipPictures)[0];
        EXPECT_EQ(PictureSize(picture), c.reduced ? QSize(133, 100) : QSize(400, 300));
        EXPECT_TRUE(picture->bytes().startsWith(c.signature)) << c.answer;
        EXPECT_EQ(m.model.slips[0].imageTransparentColour, c.keyAfter);
    }
}

TEST_F(SlipDialogsTest, APictureThatCannotBeReducedStaysAsItWas)
{
    ImageSlipModel m({150, 100}, {400, 300});
    const PicturePtr before = (*m.model.slipPictures)[0];
    const int size = m.model.slips[0].imageSize;
    EXPECT_FALSE(ReduceSlipPicture(m.model, 0, QSize(133, 100), false, QString()));
    EXPECT_EQ(messages.ids(), std::vector<int>{30001});
    EXPECT_EQ((*m.model.slipPictures)[0], before);
    EXPECT_EQ(m.model.slips[0].imageSize, size);
}

TEST_F(SlipDialogsTest, PreviewFitsThePictureToTheResizedWindow)
{
    ImageSlipModel m({150, 100}, {300, 200});
    CPreviewDlg dialog(m.model, 0);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("プレビュー"));
    for (const QSize size : {QSize(300, 200), QSize(600, 400)}) {
        dialog.resize(size);
        QApplication::processEvents();
        EXPECT_EQ(dialog.frame()->geometry(), QRect(QPoint(0, 0), dialog.size()));
        const QImage shot = dialog.frame()->grab().toImage();
        // Fitted at the slip's 3:2, the picture fills the frame.
        const QColor centre = shot.pixelColor(shot.width() / 2, shot.height() / 2);
        const QColor corner = shot.pixelColor(shot.width() - 3, shot.height() - 3);
        EXPECT_NEAR(centre.blue(), 220, 8) << size.width();
        EXPECT_NEAR(corner.blue(), 220, 8) << size.width();
    }
}
