// The whole path a user takes: start the editor, set a background map
// through the ribbon, see it in the map area, save, reopen, save an image.
#include "MapDlgFixtures.h"
#include "app/CMainFrame.h"
#include "app/CN20417App.h"
#include "app/CommandTable.h"
#include "platform/Messages.h"
#include "app/Wiring.h"
#include "document/CN20417Doc.h"
#include "document/DocumentFile.h"
#include "editors/ImageFileChooser.h"
#include "mapview/CN20417View.h"
#include "mapview/SaveMapImage.h"
#include "print/PrintChoosers.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace {

struct Chooser : DocumentFileChooser, ImageFileChooser, MapImagePathChooser, PdfPathChooser {
    QString open, save, image, jpeg, pdf, proposedPdf;
    QString chooseOpenPath(QObject*, const QString&) override { return open; }
    QString chooseSavePath(QObject*, const QString&, const QString&) override { return save; }
    QString chooseImageFile(QWidget*, const QString&, const QString&) override { return image; }
    QString chooseMapImagePath(QObject*, const QString&) override { return jpeg; }
    QString choosePdfPath(QWidget*, const QString& proposed) override
    {
        proposedPdf = proposed;
        return pdf;
    }
};

// Forwards to the test's chooser, which outlives the application.
struct DocChooser : DocumentFileChooser {
    explicit DocChooser(Chooser& c) : c(c) {}
    QString chooseOpenPath(QObject* o, const QString& f) override { return c.chooseOpenPath(o, f); }
    QString chooseSavePath(QObject* o, const QString& s, const QString& f) override
    {
        return c.chooseSavePath(o, s, f);
    }
    Chooser& c;
};

QByteArray JpegBytes(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(30, 160, 60));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

} // namespace

TEST(Wiring, MapSetThroughTheRibbonIsShownSavedAndReopened)
{
    ResetSettings();
    TempDir dir;
    ScriptedMessages messages;
    Chooser chooser;
    const QByteArray jpeg = JpegBytes(320, 240);
    chooser.image = dir.file(QStringLiteral("map.jpg"));
    ASSERT_TRUE(WriteFile(chooser.image, jpeg));

    CN20417App app(QStringLiteral("tavelin-wiring-test"));
    app.SetFileChooser(std::make_unique<DocChooser>(chooser));
    WireApplication(app, {&chooser, &chooser, nullptr, &chooser});
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = *app.mainFrame();
    auto* view = dynamic_cast<CN20417View*>(frame.mapArea());
    ASSERT_NE(view, nullptr);
    frame.UpdateCommands();
    EXPECT_FALSE(frame.action(ID_FILE_SAVE)->isEnabled());
    EXPECT_FALSE(frame.action(ID_SAVE_IMAGE)->isEnabled());
    EXPECT_TRUE(frame.action(ID_MAP_SETTEI)->isEnabled());

    WhenModal("tavelin::CMapDlg", [](QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("setMap")), Qt::LeftButton);
        TypeAndLeave(dialog->findChild<QLineEdit*>(QStringLiteral("northLat")), QStringLiteral("35.70"));
        TypeAndLeave(dialog->findChild<QLineEdit*>(QStringLiteral("southLat")), QStringLiteral("35.60"));
        TypeAndLeave(dialog->findChild<QLineEdit*>(QStringLiteral("westLon")), QStringLiteral("139.60"));
        TypeAndLeave(dialog->findChild<QLineEdit*>(QStringLiteral("eastLon")), QStringLiteral("139.80"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    });
    EXPECT_TRUE(frame.Execute(ID_MAP_SETTEI));
    EXPECT_TRUE(messages.records.empty()) << messages.records.front().id;

    const DocHeader& h = app.model().header;
    EXPECT_EQ(h.hasMap, 1);
    EXPECT_EQ(h.mapWidth, 320);
    EXPECT_EQ(h.mapHeight, 240);
    EXPECT_GT(h.mapWidthMetres, 0);
    EXPECT_GT(h.mapHeightMetres, 0);
    EXPECT_TRUE(view->HasBackground());
    EXPECT_TRUE(app.document()->isModified());
    frame.UpdateCommands();
    for (int id : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_SAVE_IMAGE, ID_ADD_NODE})
        EXPECT_TRUE(frame.action(id)->isEnabled()) << id;

    chooser.save = dir.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(app.document()->OnFileSaveAs());
    EXPECT_FALSE(app.document()->isModified());

    RouteModel reopened;
    ASSERT_TRUE(reopened.Allocate());
    ASSERT_EQ(OpenDocument(chooser.save, reopened), OpenResult::Opened);
    EXPECT_EQ(reopened.mapPicture->bytes(), jpeg);
    EXPECT_FLOAT_EQ(reopened.header.northLat, 35.70f);
    EXPECT_FLOAT_EQ(reopened.header.eastLon, 139.80f);
    EXPECT_EQ(reopened.header.mapWidthMetres, h.mapWidthMetres);
    EXPECT_EQ(reopened.header.mapHeightMetres, h.mapHeightMetres);

    chooser.jpeg = dir.file(QStringLiteral("route.jpeg"));
    EXPECT_TRUE(frame.Execute(ID_SAVE_IMAGE));
    EXPECT_EQ(messages.ids().back(), 30038);
    EXPECT_EQ(QImage(chooser.jpeg).size(), QSize(320, 240));

    // Printing, here to a PDF: the map fits on one page.
    EXPECT_TRUE(frame.action(ID_INSATU)->isEnabled());
    chooser.pdf = dir.file(QStringLiteral("printed.pdf"));
    WhenModal("tavelin::CInsatuDlg", [](QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("print")), Qt::LeftButton);
    });
    EXPECT_TRUE(frame.Execute(ID_INSATU));
    EXPECT_EQ(chooser.proposedPdf, QStringLiteral("route.pdf"));
    QFile printed(chooser.pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray pdf = printed.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
}

TEST(Wiring, AlignmentCommandsFollowThePrimarySlipOfTheView)
{
    ResetSettings();
    ScriptedMessages messages;
    Chooser chooser;
    CN20417App app(QStringLiteral("tavelin-wiring-align-test"));
    app.SetFileChooser(std::make_unique<DocChooser>(chooser));
    WireApplication(app, {&chooser, &chooser});
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = *app.mainFrame();
    auto* view = dynamic_cast<CN20417View*>(frame.mapArea());
    ASSERT_NE(view, nullptr);

    RouteModel& model = app.model();
    model.header.mapWidth = 1000;
    model.header.mapHeight = 800;
    const int lefts[] = {50, 200, 400};
    for (int i = 0; i < 3; ++i) {
        SlipRec& s = model.slips[i];
        std::memset(&s, 0, sizeof s);
        s.left = lefts[i];
        s.right = lefts[i] + 100;
        s.top = 100 * i;
        s.bottom = 100 * i + 50;
        s.selected = i < 2 ? 1 : 0;
    }
    model.slipCount = 3;

    frame.UpdateCommands();
    EXPECT_FALSE(frame.action(ID_TO_LEFT2)->isEnabled()); // no primary slip yet
    EXPECT_FALSE(frame.Execute(ID_TO_LEFT2));

    view->setPrimarySlip(1);
    frame.UpdateCommands();
    for (int id : {ID_TO_LEFT2, ID_TO_RIGHT, ID_TO_TOP, ID_TO_BOTTOM2, ID_TO_V_CEN, ID_TO_H_CEN2,
                   ID_TO_V_KIN2, ID_TO_H_KIN, ID_SAME_W, ID_SAME_H, ID_SAME_WH})
        EXPECT_TRUE(frame.action(id)->isEnabled()) << id;
    ASSERT_TRUE(frame.Execute(ID_TO_LEFT2));
    EXPECT_EQ(model.slips[0].left, 200);
    EXPECT_EQ(model.slips[0].right, 300);
    EXPECT_EQ(model.slips[2].left, 400); // not selected
    EXPECT_TRUE(app.document()->isModified());
    EXPECT_TRUE(messages.records.empty());
}
