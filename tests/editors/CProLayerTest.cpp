// The layer properties dialog driven offscreen: the base date-time and the
// 30033 question, the width and size edits, the name checks, the colour
// buttons, the icons and their positions, the defaults button, and what
// EditLayerProperties writes back and tells the rest of the program.

#include "editors/CProLayer.h"

#include "MapDlgFixtures.h"
#include "PropertyFixtures.h"
#include "editors/ColourPaletteButton.h"
#include "editors/EditLayerProperties.h"
#include "geo/Formats.h"
#include "geo/RouteRows.h"
#include "image/ImageFixtures.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "support/ScriptedColourChooser.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QToolButton>
#include <QtTest/QTest>
#include <cstring>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

template <class T> T* Child(QWidget* dialog, const QString& name)
{
    T* widget = dialog->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

void Click(QWidget* dialog, const QString& name)
{
    QTest::mouseClick(Child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

void Retype(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Every call the rest of the program receives, in order.
struct RecordingHooks {
    PropertyHooks hooks(ImageFileChooser* chooser = nullptr, QString iconPath = {})
    {
        PropertyHooks h;
        h.refreshNow = [this] { calls << QStringLiteral("refresh"); };
        h.markModified = [this] { calls << QStringLiteral("modified"); };
        h.refreshNodeList = [this] { calls << QStringLiteral("node list"); };
        h.renameTab = [this](int layer) { calls << QStringLiteral("rename %1").arg(layer); };
        h.iconChooser = chooser;
        h.defaultIconPath = std::move(iconPath);
        return h;
    }
    QStringList calls;
};

// Arrival and departure texts of the rows after the start node.
std::vector<std::pair<QString, QString>> ShownTimes(const RouteModel& model)
{
    std::vector<std::pair<QString, QString>> times;
    const std::vector<RouteRowTexts> rows = ComputeRouteTexts(model, 0);
    for (std::size_t i = 1; i < rows.size(); ++i)
        times.emplace_back(rows[i][1], rows[i][2]);
    return times;
}

class LayerDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSettings();
        SetUpModel(model);
        AddTestLayer(model, "本線", 2014, 12, 31, 10, 0, 0);
    }

    // A dialog shown without its own event loop.
    std::unique_ptr<CProLayer> open(LayerPropertiesValues values)
    {
        auto dialog =
            std::make_unique<CProLayer>(std::move(values), chooser, files.file("DefIcon.bmp"));
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    std::unique_ptr<CProLayer> open() { return open(LayerPropertiesValues::FromModel(model, 0)); }

    RouteModel model;
    ScriptedChooser chooser;
    TempDir files;
};

} // namespace

TEST_F(LayerDialog, AOneNodeLayerTakesTheNewBaseWithoutAsking)
{
    ScriptedMessages messages;
    AddTestNode(model, 0, 0, 0, 0, 600);
    RecordingHooks recorder;
    WhenModal("tavelin::CProLayer", [](QWidget* dlg) {
        Child<QTimeEdit>(dlg, "baseTime")->setTime(QTime(11, 0, 0));
        Click(dlg, "ok");
    });
    ASSERT_TRUE(EditLayerProperties(model, 0, nullptr, recorder.hooks()));
    EXPECT_TRUE(messages.ids().empty());
    EXPECT_EQ(FormatDateTime(model.layers[0].baseTime, 1), QStringLiteral("2014.12.31 11:00:00"));
    EXPECT_EQ(model.nodes[0].departure, 600);
    EXPECT_EQ(recorder.calls, (QStringList{"refresh", "modified", "node list"}));
}

TEST_F(LayerDialog, NoToTheQuestionKeepsEveryTimeWhereItWas)
{
    ScriptedMessages messages;
    AddTestNode(model, 0, 0, 0, 0, 1800);
    AddTestNode(model, 0, 100, 0, 7200, 9000);
    AddTestNode(model, 0, 200, 0, 0, 0);
    AddTestNode(model, 0, 300, 0, 10800, 12600);
    const auto before = ShownTimes(model);
    messages.queueAnswer(IDNO);
    RecordingHooks recorder;
    WhenModal("tavelin::CProLayer", [](QWidget* dlg) {
        Child<QTimeEdit>(dlg, "baseTime")->setTime(QTime(11, 0, 0));
        Click(dlg, "ok");
    });
    ASSERT_TRUE(EditLayerProperties(model, 0, nullptr, recorder.hooks()));
    EXPECT_EQ(messages.ids(), std::vector<int>{30033});
    const std::pair<int, int> expected[] = {{0, -1800}, {3600, 5400}, {0, 0}, {7200, 9000}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(model.nodes[i].arrival, expected[i].first) << i;
        EXPECT_EQ(model.nodes[i].departure, expected[i].second) << i;
    }
    EXPECT_EQ(ShownTimes(model), before);
    EXPECT_EQ(recorder.calls, (QStringList{"refresh", "modified", "node list"}));
}

TEST_F(LayerDialog, TimesTheAnswerCannotKeepLeaveTheDialogOpenAndTheModelAlone)
{
    ScriptedMessages messages;
    AddTestNode(model, 0, 0, 0, 0, 600);
    AddTestNode(model, 0, 100, 0, 3600, 3900); // 11:00, the new base
    const LayerRec before = model.layers[0];
    messages.queueAnswer(IDNO);
    RecordingHooks recorder;
    WhenModal("tavelin::CProLayer", [&messages](QWidget* dlg) {
        Child<QTimeEdit>(dlg, "baseTime")->setTime(QTime(11, 0, 0));
        Click(dlg, "ok");
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(messages.ids(), (std::vector<int>{30033, 31301}));
        Click(dlg, "cancel");
    });
    EXPECT_FALSE(EditLayerProperties(model, 0, nullptr, recorder.hooks()));
    EXPECT_EQ(std::memcmp(&model.layers[0], &before, sizeof before), 0);
    EXPECT_EQ(model.nodes[1].arrival, 3600);
    EXPECT_TRUE(recorder.calls.isEmpty());
}

TEST_F(LayerDialog, WidthAndSizeEditsAreClampedAsTheUserTypes)
{
    auto dlg = open(); // arc width 2, anchor 1, node size 20
    QLineEdit* arc = Child<QLineEdit>(dlg.get(), "arcWidth");
    QLineEdit* anchor = Child<QLineEdit>(dlg.get(), "anchorWidth");
    QLineEdit* size = Child<QLineEdit>(dlg.get(), "iconSize");

    Retype(arc, "0");
    EXPECT_EQ(arc->text(), QStringLiteral("0"));
    EXPECT_EQ(dlg->values().arcWidth, 0); // the preview's thinnest pen
    Retype(anchor, "11");
    EXPECT_EQ(anchor->text(), QStringLiteral("10"));
    Retype(size, "70");
    EXPECT_EQ(size->text(), QStringLiteral("64"));
    // "3" may still become "30"; it is raised to 10 only when left.
    Retype(size, "3");
    EXPECT_EQ(size->text(), QStringLiteral("3"));
    arc->setFocus();
    EXPECT_EQ(size->text(), QStringLiteral("10"));

    dlg->accept();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->values().arcWidth, 2); // the spin's last position
    EXPECT_EQ(dlg->values().anchorWidth, 10);
    EXPECT_EQ(dlg->values().iconSize, 10);
}

TEST_F(LayerDialog, TheNameIsCheckedInShiftJisBytes)
{
    ScriptedMessages messages;
    auto dlg = open();
    QLineEdit* name = Child<QLineEdit>(dlg.get(), "name");
    QLabel* counter = Child<QLabel>(dlg.get(), "nameCounter");
    EXPECT_EQ(counter->text(), QStringLiteral("4/100"));

    struct Case {
        QString name;
        int message; // 0: accepted
        QString counter;
    };
    const Case cases[] = {
        {QString(), 30007, QStringLiteral("0/100")},
        {QString(101, QLatin1Char('a')), 30008, QStringLiteral("101/100")},
        {QString(51, QChar(0x99C5)), 30008, QStringLiteral("102/100")},
        {QStringLiteral("絵文字\U0001F600"), 31302, QStringLiteral("7/100")},
        {QString(100, QLatin1Char('a')), 0, QStringLiteral("100/100")},
    };
    for (const Case& c : cases) {
        messages.clear();
        name->setText(c.name);
        EXPECT_EQ(counter->text(), c.counter);
        dlg->accept();
        if (c.message) {
            EXPECT_EQ(messages.ids(), std::vector<int>{c.message});
            EXPECT_TRUE(dlg->isVisible());
        } else {
            EXPECT_TRUE(messages.ids().empty());
            EXPECT_EQ(dlg->result(), QDialog::Accepted);
        }
    }
}

TEST_F(LayerDialog, ColourButtonsOfferThePaletteAndOtherColours)
{
    ScriptedColourChooser colours;
    auto dlg = open();
    auto* arc = Child<ColourPaletteButton>(dlg.get(), "arcColour");
    EXPECT_EQ(arc->colour(), 0x800000u);

    QTest::mouseClick(arc, Qt::LeftButton);
    QFrame* palette = arc->palettePopup();
    ASSERT_NE(palette, nullptr);
    ASSERT_TRUE(palette->isVisible());
    // Red, second row, second column of five.
    QTest::mouseClick(Child<QToolButton>(palette, "swatch6"), Qt::LeftButton);
    EXPECT_EQ(arc->colour(), 0x0000FFu);
    EXPECT_EQ(dlg->values().arcColour, 0x0000FFu);
    EXPECT_EQ(arc->palettePopup(), nullptr);

    auto* anchor = Child<ColourPaletteButton>(dlg.get(), "anchorColour");
    colours.answer(QColor(10, 20, 30));
    QTest::mouseClick(anchor, Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(anchor->palettePopup(), "otherColours"), Qt::LeftButton);
    EXPECT_EQ(dlg->values().anchorColour, 0x1E140Au);
    // Cancelling the chooser keeps the colour.
    colours.answer(std::nullopt);
    QTest::mouseClick(anchor, Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(anchor->palettePopup(), "otherColours"), Qt::LeftButton);
    EXPECT_EQ(dlg->values().anchorColour, 0x1E140Au);
    ASSERT_EQ(colours.initials().size(), 2u);
    EXPECT_EQ(colours.initials()[1], QColor(10, 20, 30));
}

TEST_F(LayerDialog, PositionButtonsTurnThePreviewIconOrDoNothingWithoutAPicture)
{
    auto dlg = open();
    Click(dlg.get(), "position1"); // 右上(&9)
    const QImage preview = dlg->preview()->grab().toImage();
    // The node point is the preview's centre (115, 85); the mirrored icon
    // stands on it with its lower-left corner: blue left, red right.
    EXPECT_EQ(preview.pixel(120, 75), 0xFF0000FFu);
    EXPECT_EQ(preview.pixel(130, 75), 0xFFFF0000u);
    EXPECT_TRUE(dlg->values().iconChanged);

    LayerPropertiesValues bare = LayerPropertiesValues::FromModel(model, 0);
    bare.layerPicture.reset();
    bare.rebuildCell();
    auto plain = open(bare);
    for (int position = 0; position < 5; ++position)
        Click(plain.get(), QStringLiteral("position%1").arg(position));
    EXPECT_EQ(plain->values().iconPos, 0);
    EXPECT_FALSE(plain->values().iconChanged);
}

TEST_F(LayerDialog, ABuiltInIconSetsTheTransparentColourToWhite)
{
    ScriptedMessages messages;
    LayerPropertiesValues values = LayerPropertiesValues::FromModel(model, 0);
    values.transparentColour = 0x0000FF;
    auto dlg = open(values);
    auto* key = Child<ColourPaletteButton>(dlg.get(), "transparentColour");
    EXPECT_EQ(key->colour(), 0x0000FFu);
    Click(dlg.get(), "icon1016");
    EXPECT_EQ(key->colour(), 0xFFFFFFu);
    EXPECT_EQ(dlg->values().transparentColour, 0xFFFFFFu);
    ASSERT_TRUE(dlg->values().newPicture);
    EXPECT_TRUE(messages.ids().empty());
}

TEST_F(LayerDialog, AnIconFileIsLoadedOrItsProblemShown)
{
    ScriptedMessages messages;
    QImage keyed(30, 30, QImage::Format_ARGB32);
    keyed.fill(QColor(0, 200, 0));
    keyed.setPixel(0, 0, qRgba(255, 0, 255, 0));
    ASSERT_TRUE(keyed.save(files.file("icon.png"), "PNG"));
    ASSERT_TRUE(WriteBytes(files.file("broken.png"), "no picture"));
    chooser.paths = {files.file("icon.png"), files.file("photo.webp"), files.file("broken.png")};
    auto dlg = open();

    Click(dlg.get(), "iconFromFile");
    EXPECT_EQ(chooser.title, QStringLiteral("イメージファイルを指定"));
    ASSERT_TRUE(dlg->values().newPicture);
    EXPECT_EQ(dlg->values().newPicture->image().size(), QSize(64, 64));
    // The PNG has no bKGD chunk: its transparent pixels and its key are white.
    EXPECT_EQ(Child<ColourPaletteButton>(dlg.get(), "transparentColour")->colour(), 0xFFFFFFu);
    EXPECT_TRUE(messages.ids().empty());
    const PicturePtr first = dlg->values().newPicture;

    Click(dlg.get(), "iconFromFile");
    EXPECT_EQ(messages.ids(), std::vector<int>{30056});
    messages.clear();
    Click(dlg.get(), "iconFromFile");
    ASSERT_EQ(messages.ids(), std::vector<int>{30026});
    EXPECT_EQ(messages.records[0].prefix, files.file("broken.png") + QLatin1Char('\n'));
    EXPECT_EQ(dlg->values().newPicture, first);
}

TEST_F(LayerDialog, DefaultsWithoutAPictureWriteTheFiveValuesOnly)
{
    ScriptedMessages messages;
    LayerPropertiesValues values = LayerPropertiesValues::FromModel(model, 0);
    values.layerPicture.reset();
    values.rebuildCell();
    auto dlg = open(values);
    Retype(Child<QLineEdit>(dlg.get(), "iconSize"), "33");
    Retype(Child<QLineEdit>(dlg.get(), "arcWidth"), "0"); // the spin stays at 2

    messages.queueAnswer(IDNO);
    Click(dlg.get(), "defaults");
    EXPECT_FALSE(settings::Contains(QStringLiteral("LAYER"), QStringLiteral("IconW")));

    messages.clear();
    messages.queueAnswer(IDYES);
    Click(dlg.get(), "defaults");
    EXPECT_EQ(messages.ids(), (std::vector<int>{30059, 30060}));
    EXPECT_EQ(messages.records[1].style, MessageStyle::Information);
    const QString section = QStringLiteral("LAYER");
    EXPECT_EQ(settings::GetInt(section, QStringLiteral("IconW")), 33);
    EXPECT_EQ(settings::GetInt(section, QStringLiteral("Futosa")), 2);
    EXPECT_EQ(settings::GetInt(section, QStringLiteral("Anchor")), 1);
    EXPECT_EQ(settings::GetString(section, QStringLiteral("ArcCol")), QStringLiteral("8388608"));
    EXPECT_EQ(settings::GetString(section, QStringLiteral("AnchorCol")), QStringLiteral("32768"));
    EXPECT_FALSE(QFile::exists(files.file("DefIcon.bmp")));
}

TEST_F(LayerDialog, DefaultsWriteTheIconOrNameTheFileThatFailed)
{
    ScriptedMessages messages;
    auto dlg = open();
    Click(dlg.get(), "icon1017");
    Click(dlg.get(), "defaults");
    EXPECT_EQ(messages.ids(), (std::vector<int>{30059, 30060}));
    EXPECT_EQ(ReadBytes(files.file("DefIcon.bmp")), dlg->values().newPicture->bytes());

    messages.clear();
    ASSERT_TRUE(WriteBytes(files.file("plain"), "x"));
    CProLayer blocked(LayerPropertiesValues::FromModel(model, 0), chooser,
                      files.file("plain/DefIcon.bmp"));
    blocked.show();
    Click(&blocked, "defaults");
    ASSERT_EQ(messages.ids(), (std::vector<int>{30059, 30026}));
    EXPECT_EQ(messages.records[1].prefix, files.file("plain/DefIcon.bmp") + QLatin1Char('\n'));
    // The registry values written before stay written.
    EXPECT_TRUE(settings::Contains(QStringLiteral("LAYER"), QStringLiteral("IconW")));
}

TEST_F(LayerDialog, OkWritesTheLookAndRenamesTheTab)
{
    ScriptedMessages messages;
    RecordingHooks recorder;
    WhenModal("tavelin::CProLayer", [](QWidget* dlg) {
        Child<QLineEdit>(dlg, "name")->setText(QStringLiteral("快速"));
        Click(dlg, "icon1018");
        Click(dlg, "position3");
        Retype(Child<QLineEdit>(dlg, "iconSize"), "48");
        Click(dlg, "ok");
    });
    ASSERT_TRUE(EditLayerProperties(model, 0, nullptr, recorder.hooks()));
    EXPECT_TRUE(messages.ids().empty());
    const LayerRec& l = model.layers[0];
    EXPECT_EQ(QByteArray(l.name), *cp932::Encode(QStringLiteral("快速")));
    EXPECT_EQ(l.iconPos, 3);
    EXPECT_EQ(l.iconSize, 48);
    EXPECT_EQ(l.iconTransparentColour, 0xFFFFFFu);
    EXPECT_EQ(l.iconImageSize, std::uint32_t((*model.iconPictures)[0]->byteSize()));
    EXPECT_TRUE((*model.iconPictures)[0]->bytes().startsWith("BM"));
    EXPECT_EQ((*model.iconBitmaps)[0].size(), QSize(64, 64));
    // Only the look changed: no node list rebuild.
    EXPECT_EQ(recorder.calls, (QStringList{"rename 0", "refresh", "modified"}));
}

TEST_F(LayerDialog, CancelAndUnknownLayersChangeNothing)
{
    const LayerRec before = model.layers[0];
    const PicturePtr icon = (*model.iconPictures)[0];
    RecordingHooks recorder;
    WhenModal("tavelin::CProLayer", [](QWidget* dlg) {
        Child<QLineEdit>(dlg, "name")->setText(QStringLiteral("別名"));
        Click(dlg, "icon1016");
        Child<QTimeEdit>(dlg, "baseTime")->setTime(QTime(12, 0, 0));
        Click(dlg, "cancel");
    });
    EXPECT_FALSE(EditLayerProperties(model, 0, nullptr, recorder.hooks()));
    EXPECT_EQ(std::memcmp(&model.layers[0], &before, sizeof before), 0);
    EXPECT_EQ((*model.iconPictures)[0], icon);
    EXPECT_FALSE(EditLayerProperties(model, 1, nullptr, recorder.hooks()));
    EXPECT_FALSE(EditLayerProperties(model, -1, nullptr, recorder.hooks()));
    EXPECT_TRUE(recorder.calls.isEmpty());
}
