// The background map settings dialog driven offscreen: what it shows for a
// new document and for a set map, OK's checks and the manual ground size,
// choosing a picture, and the preview's view modes.

#include "editors/CMapDlg.h"

#include "MapDlgFixtures.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

// A map of Osaka bay with everything set.
MapSettingsValues WithMap()
{
    MapSettingsValues v;
    v.currentPicture = PngPicture(CornerImage(700, 800));
    v.mapWidth = 700;
    v.mapHeight = 800;
    v.northLat = 35.0f;
    v.southLat = 34.5f;
    v.westLon = 135.0f;
    v.eastLon = 135.5f;
    v.widthMetres = 45694;
    v.heightMetres = 1234567;
    return v;
}

struct Dialog {
    explicit Dialog(MapSettingsValues values, ManualGroundSizeEntry manual = {})
        : dlg(std::move(values), chooser, nullptr, std::move(manual))
    {
        dlg.show();
    }
    template <class T> T* child(const char* name) const
    {
        T* widget = dlg.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }
    QString label(const char* name) const { return child<QLabel>(name)->text(); }
    void click(const char* name) const
    {
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
    }
    bool visible(const char* name) const { return child<QWidget>(name)->isVisible(); }
    QImage preview() const { return dlg.preview()->grab().toImage(); }

    ScriptedChooser chooser;
    CMapDlg dlg;
};

} // namespace

TEST(CMapDlg, NewDocumentShowsNotSetAndRefusesEdgesOfZero)
{
    ScriptedMessages messages;
    Dialog d{MapSettingsValues{}};
    EXPECT_EQ(d.dlg.windowTitle(), "背景地図の設定");
    EXPECT_TRUE(d.visible("notSet"));
    EXPECT_EQ(d.label("notSet"), "地図はまだセットされていません。");
    EXPECT_TRUE(d.visible("setMap"));
    EXPECT_EQ(d.child<QPushButton>("setMap")->text(), "地図のセット(&N)");
    EXPECT_FALSE(d.visible("changeMap"));
    EXPECT_FALSE(d.visible("viewButton0"));
    for (const char* edge : {"northLat", "southLat", "westLon", "eastLon"})
        EXPECT_EQ(d.edit(edge)->text(), "0.000000") << edge;
    EXPECT_EQ(d.label("widthMetres"), "0");
    EXPECT_EQ(d.label("heightMetres"), "0");

    d.click("ok");
    EXPECT_EQ(messages.ids(), std::vector<int>{30042});
    EXPECT_EQ(messages.records.at(0).style, MessageStyle::Error);
    EXPECT_TRUE(d.dlg.isVisible());
    EXPECT_EQ(d.dlg.result(), QDialog::Rejected);
}

TEST(CMapDlg, WithAMapShowsChangeButtonViewButtonsAndGroupedExtents)
{
    Dialog d{WithMap()};
    EXPECT_FALSE(d.visible("notSet"));
    EXPECT_FALSE(d.visible("setMap"));
    EXPECT_TRUE(d.visible("changeMap"));
    EXPECT_EQ(d.child<QPushButton>("changeMap")->text(), "地図の変更(&U)");
    EXPECT_EQ(d.edit("northLat")->text(), "35.000000");
    EXPECT_EQ(d.edit("southLat")->text(), "34.500000");
    EXPECT_EQ(d.edit("westLon")->text(), "135.000000");
    EXPECT_EQ(d.edit("eastLon")->text(), "135.500000");
    EXPECT_EQ(d.label("widthMetres"), "45,694");
    EXPECT_EQ(d.label("heightMetres"), "1,234,567");
    EXPECT_EQ(d.child<QPushButton>("ok")->text(), "保存終了(&S)");
    EXPECT_EQ(d.child<QPushButton>("cancel")->text(), "中止(&C)");

    const struct {
        const char* button;
        const char* tooltip;
    } views[] = {
        {"viewButton0", "サイズ調整して地図全体を表示します。"},
        {"viewButton1", "地図の北西角を実寸で表示します。"},
        {"viewButton2", "地図の南東角を実寸で表示します。"},
        {"viewButton3", "地図の北東角を実寸で表示します。"},
        {"viewButton4", "地図の南西角を実寸で表示します。"},
    };
    for (const auto& v : views) {
        auto* button = d.child<QPushButton>(v.button);
        EXPECT_TRUE(button->isVisible()) << v.button;
        EXPECT_FALSE(button->icon().isNull()) << v.button;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(v.tooltip)) << v.button;
    }
    // Left to right: south-west, north-west, whole, south-east, north-east.
    std::vector<int> order;
    for (int mode : {4, 1, 0, 2, 3})
        order.push_back(
            d.child<QPushButton>(qPrintable(QStringLiteral("viewButton%1").arg(mode)))->x());
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_TRUE(d.child<QRadioButton>("viewRadio0")->isChecked());
    EXPECT_EQ(d.dlg.values().viewMode, MapViewMode::Whole);
}

TEST(CMapDlg, WestLongitudeOfZeroIsRefusedAndOtherTroublesFollowInOrder)
{
    ScriptedMessages messages;
    {
        Dialog d{WithMap()};
        TypeAndLeave(d.edit("westLon"), "0.000000");
        d.click("ok");
        EXPECT_EQ(messages.ids(), std::vector<int>{30042});
        EXPECT_TRUE(d.dlg.isVisible());
        EXPECT_EQ(d.edit("westLon")->text(), "0.000000"); // kept as entered
    }
    messages.clear();
    {
        MapSettingsValues noPicture = WithMap();
        noPicture.currentPicture.reset();
        Dialog d{noPicture};
        d.click("ok");
        EXPECT_EQ(messages.ids(), std::vector<int>{30046});
        EXPECT_EQ(messages.records.at(0).style, MessageStyle::Error);
        EXPECT_TRUE(d.dlg.isVisible());
    }
    messages.clear();
    {
        Dialog d{WithMap()};
        d.click("ok");
        EXPECT_TRUE(messages.ids().empty());
        EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
        EXPECT_EQ(d.dlg.values().heightMetres, 1234567); // extents as shown
    }
}

TEST(CMapDlg, EqualLatitudesGiveNoHeightAndOkOffersTheManualEntry)
{
    ScriptedMessages messages;
    std::vector<std::pair<float, float>> asked;
    Dialog d{WithMap(), [&](float north, float west, QWidget*) {
                 asked.emplace_back(north, west);
                 GroundSizeEntry entry(north, west);
                 entry.recompute(QStringLiteral("20"), QStringLiteral("20"));
                 return std::optional<GroundSizeEntry>(entry);
             }};
    TypeAndLeave(d.edit("southLat"), "35.0");
    EXPECT_EQ(d.label("heightMetres"), "0");
    EXPECT_EQ(d.label("widthMetres"), "45,694"); // a latitude leaves the width alone

    messages.queueAnswer(IDNO);
    d.click("ok");
    EXPECT_EQ(messages.ids(), std::vector<int>{30045});
    EXPECT_EQ(messages.records.at(0).style, MessageStyle::YesNo);
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(d.dlg.isVisible());
    EXPECT_EQ(d.label("heightMetres"), "0");

    messages.clear();
    d.click("ok"); // Yes
    EXPECT_EQ(messages.ids(), std::vector<int>{30045});
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_pair(35.0f, 135.0f));
    EXPECT_EQ(d.edit("northLat")->text(), "35.000000");
    EXPECT_EQ(d.edit("southLat")->text(), "34.999821");
    EXPECT_EQ(d.edit("westLon")->text(), "135.000000");
    EXPECT_EQ(d.edit("eastLon")->text(), "135.000214");
    EXPECT_EQ(d.label("heightMetres"), "20");
    EXPECT_EQ(d.label("widthMetres"), "20");
    EXPECT_TRUE(d.dlg.isVisible()); // the user confirms the values taken over

    messages.clear();
    d.click("ok");
    EXPECT_TRUE(messages.ids().empty());
    EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
    EXPECT_EQ(d.dlg.values().southLat, d.edit("southLat")->text().toFloat());
    EXPECT_EQ(d.dlg.values().heightMetres, 20);
    EXPECT_EQ(d.dlg.values().widthMetres, 20);
}

TEST(CMapDlg, ManualEntryRunsTheGroundSizeDialogAndItsCancelKeepsTheValues)
{
    ScriptedMessages messages;
    MapSettingsValues narrow = WithMap();
    narrow.southLat = narrow.northLat;
    narrow.heightMetres = 0;
    Dialog d{narrow};

    WhenModal("tavelin::CKyoriDlg", [](QWidget* manual) { manual->close(); });
    d.click("ok");
    EXPECT_EQ(messages.ids(), std::vector<int>{30045});
    EXPECT_EQ(d.edit("southLat")->text(), "35.000000");
    EXPECT_EQ(d.label("heightMetres"), "0");

    WhenModal("tavelin::CKyoriDlg", [](QWidget* manual) {
        manual->findChild<QLineEdit*>("height")->setText(QStringLiteral("111183"));
        manual->findChild<QLineEdit*>("width")->setText(QStringLiteral("91091"));
        QTest::mouseClick(manual->findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    d.click("ok");
    EXPECT_EQ(d.edit("southLat")->text(), "34.000000");
    EXPECT_EQ(d.edit("eastLon")->text(), "136.000000");
    EXPECT_EQ(d.label("heightMetres"), "111,183");
    EXPECT_EQ(d.label("widthMetres"), "91,091");
    EXPECT_TRUE(d.dlg.isVisible());
}

TEST(CMapDlg, EnterInAnEdgeEditCountsTheTypedEdge)
{
    // Enter closes without the edit losing the focus; the ground height of
    // the old edges must not be stored with the new ones.
    ScriptedMessages messages;
    messages.queueAnswer(IDNO);
    Dialog d{WithMap()};
    QLineEdit* south = d.edit("southLat");
    south->setFocus();
    south->selectAll();
    QTest::keyClicks(south, QStringLiteral("35"));
    QTest::keyClick(south, Qt::Key_Return);
    EXPECT_EQ(messages.ids(), std::vector<int>{30045});
    EXPECT_EQ(d.label("heightMetres"), "0");
    EXPECT_TRUE(d.dlg.isVisible());
}

TEST(CMapDlg, ChoosingAMapShowsTheChangeButtonAndKeepsTheGeographicValues)
{
    ScriptedMessages messages;
    TempDir files;
    const QString png = files.file("bay.png");
    const QString jpeg = files.file("bay.jpg");
    ASSERT_TRUE(CornerImage(320, 240).save(png, "PNG"));
    ASSERT_TRUE(CornerImage(160, 90).save(jpeg, "JPG"));

    MapSettingsValues values = WithMap();
    values.currentPicture.reset();
    Dialog d{values};
    d.chooser.paths = {png};
    d.click("setMap");
    EXPECT_EQ(d.chooser.title, "イメージファイルを指定");
    EXPECT_EQ(d.chooser.filter,
              "イメージファイル(jpeg, gif, bmp, png, tiff) "
              "|*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.tif;*.tiff|JPEGファイル(*.jpeg)|*.jpg;*.jpeg|"
              "GIFファイル(*.gif)|*.gif|ビットマップファイル(*.bmp)|*.bmp|PNGファイル(*.png)|*.png|"
              "TIFFファイル(*.tiff)|*.tif;*.tiff||");
    EXPECT_TRUE(messages.ids().empty());
    EXPECT_FALSE(d.visible("notSet"));
    EXPECT_FALSE(d.visible("setMap"));
    EXPECT_TRUE(d.visible("changeMap"));
    EXPECT_TRUE(d.visible("viewButton3"));
    EXPECT_TRUE(d.visible("viewRadio3"));
    ASSERT_TRUE(d.dlg.values().newPicture);
    EXPECT_TRUE(d.dlg.values().newPicture->bytes().startsWith("\xFF\xD8")); // maps are JPEG
    EXPECT_EQ(d.dlg.values().mapWidth, 320);
    EXPECT_EQ(d.dlg.values().mapHeight, 240);
    EXPECT_TRUE(d.dlg.values().mapChosen);

    d.chooser.paths = {jpeg};
    d.click("changeMap");
    QFile file(jpeg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(d.dlg.values().newPicture->bytes(), file.readAll()); // taken as it is
    EXPECT_EQ(d.dlg.values().newByteSize, file.size());
    EXPECT_EQ(d.dlg.values().mapWidth, 160);
    EXPECT_EQ(d.dlg.values().mapHeight, 90);

    // The six geographic values stay as they are in the edits.
    EXPECT_EQ(d.edit("northLat")->text(), "35.000000");
    EXPECT_EQ(d.edit("southLat")->text(), "34.500000");
    EXPECT_EQ(d.edit("westLon")->text(), "135.000000");
    EXPECT_EQ(d.edit("eastLon")->text(), "135.500000");
    EXPECT_EQ(d.label("widthMetres"), "45,694");
    EXPECT_EQ(d.label("heightMetres"), "1,234,567");
}

TEST(CMapDlg, AFileThatCannotBeAMapChangesNothing)
{
    TempDir files;
    const QString text = files.file("notes.txt");
    const QString broken = files.file("broken.jpg");
    const QString brokenPng = files.file("broken.png");
    ASSERT_TRUE(WriteFile(text, "hello"));
    ASSERT_TRUE(WriteFile(broken, "\xFF\xD8 not really"));
    ASSERT_TRUE(WriteFile(brokenPng, "\x89PNG nothing more"));
    const struct {
        QString path;
        std::vector<int> ids;
        QString prefix;
    } cases[] = {
        {QString(), {}, {}}, // the chooser was cancelled
        {text, {30056}, {}},
        {broken, {30026}, broken + "\n"},
        {brokenPng, {30026}, brokenPng + "\n"},
    };
    for (const auto& c : cases) {
        ScriptedMessages messages;
        const MapSettingsValues before = WithMap();
        Dialog d{before};
        d.chooser.paths = {c.path};
        d.click("changeMap");
        EXPECT_EQ(d.chooser.calls, 1);
        EXPECT_EQ(messages.ids(), c.ids) << c.path.toStdString();
        if (!c.ids.empty())
            EXPECT_EQ(messages.records.at(0).prefix, c.prefix);
        EXPECT_FALSE(d.dlg.values().newPicture);
        EXPECT_FALSE(d.dlg.values().mapChosen);
        EXPECT_EQ(d.dlg.values().mapWidth, 700);
        EXPECT_EQ(d.dlg.values().currentPicture, before.currentPicture);
    }
}

TEST(CMapDlg, PreviewShowsTheNamedCornerAtActualSize)
{
    Dialog d{WithMap()}; // 700 x 800, larger than the preview
    const QRect r = d.dlg.preview()->contentsRect();
    ASSERT_LT(r.width(), 700);
    ASSERT_LT(r.height(), 800);

    const struct {
        const char* button;
        const char* radio;
        MapViewMode mode;
        QPoint corner; // in the preview
        QPoint inward; // one step towards the middle
        QRgb colour;
    } cases[] = {
        {"viewButton1", "viewRadio1", MapViewMode::NorthWest, r.topLeft(), {1, 1}, NorthWestColour},
        {"viewButton2",
         "viewRadio2",
         MapViewMode::SouthEast,
         r.bottomRight(),
         {-1, -1},
         SouthEastColour},
        {"viewButton3",
         "viewRadio3",
         MapViewMode::NorthEast,
         r.topRight(),
         {-1, 1},
         NorthEastColour},
        {"viewButton4",
         "viewRadio4",
         MapViewMode::SouthWest,
         r.bottomLeft(),
         {1, -1},
         SouthWestColour},
    };
    for (const auto& c : cases) {
        d.click(c.button);
        EXPECT_EQ(d.dlg.values().viewMode, c.mode) << c.button;
        EXPECT_TRUE(d.child<QRadioButton>(c.radio)->isChecked()) << c.radio;
        const QImage shown = d.preview();
        EXPECT_EQ(shown.pixel(c.corner), c.colour) << c.button;
        EXPECT_EQ(shown.pixel(c.corner + c.inward), GroundColour) << c.button;
        EXPECT_EQ(shown.pixel(c.corner - c.inward), qRgb(0, 0, 0)) << c.button; // the frame
    }

    // A radio button sets its mode as well.
    QTest::mouseClick(d.child<QRadioButton>("viewRadio2"), Qt::LeftButton);
    EXPECT_EQ(d.dlg.values().viewMode, MapViewMode::SouthEast);

    // The whole map fits the frame keeping its proportions: 700 x 800 is
    // narrower than the frame, so a band is left on either side.
    d.click("viewButton0");
    EXPECT_TRUE(d.child<QRadioButton>("viewRadio0")->isChecked());
    EXPECT_FALSE(d.child<QRadioButton>("viewRadio2")->isChecked());
    const QImage whole = d.preview();
    EXPECT_EQ(whole.pixel(r.center()), GroundColour);
    EXPECT_EQ(whole.pixel(r.center().x(), r.top()), GroundColour);
    EXPECT_EQ(whole.pixel(r.center().x(), r.bottom()), GroundColour);
    EXPECT_NE(whole.pixel(r.left(), r.center().y()), GroundColour);
    EXPECT_NE(whole.pixel(r.right(), r.center().y()), GroundColour);
}

TEST(CMapDlg, WithoutAPictureThePreviewDrawsNothing)
{
    Dialog empty{MapSettingsValues{}};
    const QImage shown = empty.preview();
    const QRect r = empty.dlg.preview()->contentsRect();
    EXPECT_EQ(shown.pixel(r.center()), shown.pixel(r.topLeft() + QPoint(2, 2)));
    EXPECT_NE(shown.pixel(r.center()), GroundColour);
}

TEST(CMapDlg, ImageFilterBecomesQtNameFilters)
{
    EXPECT_EQ(QtNameFilters(CMapDlg::ImageFilter),
              "イメージファイル(jpeg, gif, bmp, png, tiff) (*.jpg *.jpeg *.gif *.bmp *.png *.tif "
              "*.tiff);;JPEGファイル(*.jpeg) (*.jpg *.jpeg);;GIFファイル(*.gif) (*.gif);;"
              "ビットマップファイル(*.bmp) (*.bmp);;PNGファイル(*.png) (*.png);;"
              "TIFFファイル(*.tiff) (*.tif *.tiff)");
    EXPECT_EQ(QtNameFilters(QString()), QString());
}
