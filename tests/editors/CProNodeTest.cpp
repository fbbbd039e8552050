// The node properties dialog driven offscreen: the start node's way to the
// layer properties, the check box, the shortcut buttons, OK's checks with
// the focus they leave, and what EditNodeProperties writes back.

#include "editors/CProNode.h"

#include "MapDlgFixtures.h"
#include "PropertyFixtures.h"
#include "editors/EditNodeProperties.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

template <class T> T* Child(QWidget* dialog, const char* name)
{
    T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// On the button's left end, where a check box has its box and text.
void Click(QWidget* dialog, const char* name)
{
    QAbstractButton* button = Child<QAbstractButton>(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void Set(QWidget* dialog, const char* prefix, QDate date, QTime time)
{
    Child<QDateEdit>(dialog, (std::string(prefix) + "Date").c_str())->setDate(date);
    Child<QTimeEdit>(dialog, (std::string(prefix) + "Time").c_str())->setTime(time);
}

PickerDateTime Get(QWidget* dialog, const char* prefix)
{
    return {Child<QDateEdit>(dialog, (std::string(prefix) + "Date").c_str())->date(),
            Child<QTimeEdit>(dialog, (std::string(prefix) + "Time").c_str())->time()};
}

struct RecordingHooks {
    PropertyHooks hooks()
    {
        PropertyHooks h;
        h.refreshNow = [this] { calls << QStringLiteral("refresh"); };
        h.markModified = [this] { calls << QStringLiteral("modified"); };
        h.refreshNodeList = [this] { calls << QStringLiteral("node list"); };
        return h;
    }
    QStringList calls;
};

// Layer 0 based at 2014-12-31 10:00:00: the start leaving 10:30, a node
// 11:00 - 11:30, an untimed one with a stray departure, and one more.
class NodeDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpModel(model);
        AddTestLayer(model, "本線", 2014, 12, 31, 10, 0, 0);
        start = AddTestNode(model, 0, 0, 0, 0, 1800);
        timed = AddTestNode(model, 0, 100, 0, 3600, 5400);
        untimed = AddTestNode(model, 0, 200, 0, 0, 7000);
        last = AddTestNode(model, 0, 300, 0, 0, 0);
    }

    std::unique_ptr<CProNode> open(int node)
    {
        auto dialog = std::make_unique<CProNode>(NodeTimesValues::FromModel(model, node));
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    RouteModel model;
    int start = 0, timed = 0, untimed = 0, last = 0;
};

} // namespace

TEST_F(NodeDialog, TheStartNodeOffersTheLayerPropertiesInstead)
{
    ScriptedMessages messages;
    RecordingHooks recorder;
    messages.queueAnswer(IDNO);
    EXPECT_FALSE(EditNodeProperties(model, start, nullptr, recorder.hooks()));
    EXPECT_EQ(messages.ids(), std::vector<int>{30017});

    messages.clear();
    bool layerDialog = false;
    WhenModal("tavelin::CProLayer", [&layerDialog](QWidget* dlg) {
        layerDialog = true;
        Click(dlg, "cancel");
    });
    EXPECT_FALSE(EditNodeProperties(model, start, nullptr, recorder.hooks()));
    EXPECT_EQ(messages.ids(), std::vector<int>{30017});
    EXPECT_TRUE(layerDialog);
    EXPECT_TRUE(recorder.calls.isEmpty());
    EXPECT_FALSE(EditNodeProperties(model, model.nodeCount, nullptr, recorder.hooks()));
}

TEST_F(NodeDialog, ANodeWithoutArrivalOpensWithTheBoxClearAndThePickersOff)
{
    auto dlg = open(untimed);
    EXPECT_EQ(Child<QLabel>(dlg.get(), "previousSet")->text(),
              QStringLiteral("2014.12.31 11:30:00"));
    QCheckBox* box = Child<QCheckBox>(dlg.get(), "timed");
    EXPECT_FALSE(box->isChecked());
    for (const char* name : {"arrivalDate", "arrivalTime", "departureDate", "departureTime"})
        EXPECT_FALSE(Child<QWidget>(dlg.get(), name)->isEnabled()) << name;
    Click(dlg.get(), "timed");
    for (const char* name : {"arrivalDate", "arrivalTime", "departureDate", "departureTime"})
        EXPECT_TRUE(Child<QWidget>(dlg.get(), name)->isEnabled()) << name;

    auto shown = open(timed);
    EXPECT_TRUE(Child<QCheckBox>(shown.get(), "timed")->isChecked());
    EXPECT_EQ(Get(shown.get(), "arrival"), (PickerDateTime{QDate(2014, 12, 31), QTime(11, 0, 0)}));
    EXPECT_EQ(Get(shown.get(), "departure"),
              (PickerDateTime{QDate(2014, 12, 31), QTime(11, 30, 0)}));
    EXPECT_EQ(Child<QLabel>(shown.get(), "previousSet")->text(),
              QStringLiteral("2014.12.31 10:30:00"));
}

TEST_F(NodeDialog, AnArrivalAtPIsTakenAndOneSecondEarlierRefused)
{
    ScriptedMessages messages;
    auto dlg = open(last);
    Click(dlg.get(), "timed");
    // P comes from the untimed node's departure too: 10:00 + 7000 s.
    EXPECT_EQ(Child<QLabel>(dlg.get(), "previousSet")->text(),
              QStringLiteral("2014.12.31 11:56:40"));
    Click(dlg.get(), "samePrevious");
    EXPECT_EQ(Get(dlg.get(), "arrival"), (PickerDateTime{QDate(2014, 12, 31), QTime(11, 56, 40)}));
    Child<QTimeEdit>(dlg.get(), "arrivalTime")->setTime(QTime(11, 56, 39));
    Click(dlg.get(), "sameArrival");
    Click(dlg.get(), "ok");
    EXPECT_EQ(messages.ids(), std::vector<int>{30016});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(Child<QDateEdit>(dlg.get(), "arrivalDate")->hasFocus());

    messages.clear();
    Click(dlg.get(), "samePrevious");
    Click(dlg.get(), "sameArrival");
    Click(dlg.get(), "ok");
    EXPECT_TRUE(messages.ids().empty());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->arrival(), 7000);
    EXPECT_EQ(dlg->departure(), 7000);
}

TEST_F(NodeDialog, ADepartureAtTheArrivalIsTakenAndOneSecondEarlierRefused)
{
    ScriptedMessages messages;
    auto dlg = open(timed);
    Set(dlg.get(), "arrival", QDate(2014, 12, 31), QTime(12, 0, 0));
    Set(dlg.get(), "departure", QDate(2014, 12, 31), QTime(11, 59, 59));
    Click(dlg.get(), "ok");
    EXPECT_EQ(messages.ids(), std::vector<int>{30024});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(Child<QDateEdit>(dlg.get(), "arrivalDate")->hasFocus());

    messages.clear();
    Child<QTimeEdit>(dlg.get(), "departureTime")->setTime(QTime(12, 0, 0));
    Click(dlg.get(), "ok");
    EXPECT_TRUE(messages.ids().empty());
    EXPECT_EQ(dlg->arrival(), 7200);
    EXPECT_EQ(dlg->departure(), 7200);
}

TEST_F(NodeDialog, OutOfRangeAndAtTheBaseKeepTheDialogOpenOnTheOffendingPicker)
{
    ScriptedMessages messages;
    auto dlg = open(timed);
    Set(dlg.get(), "departure", QDate(2083, 1, 20), QTime(0, 0, 0));
    Click(dlg.get(), "ok");
    EXPECT_EQ(messages.ids(), std::vector<int>{30006});
    EXPECT_TRUE(Child<QDateEdit>(dlg.get(), "departureDate")->hasFocus());

    // With no departure before it, an arrival at the base would read as
    // "no time".
    model.nodes[start].departure = 0;
    messages.clear();
    auto atBase = open(timed);
    Set(atBase.get(), "arrival", QDate(2014, 12, 31), QTime(10, 0, 0));
    Click(atBase.get(), "sameArrival");
    Click(atBase.get(), "ok");
    EXPECT_EQ(messages.ids(), std::vector<int>{31300});
    EXPECT_TRUE(atBase->isVisible());
}

TEST_F(NodeDialog, TheNextDayButtonCrossesTheYear)
{
    auto dlg = open(timed);
    Set(dlg.get(), "arrival", QDate(2014, 12, 31), QTime(23, 30, 0));
    Click(dlg.get(), "nextDay");
    EXPECT_EQ(Get(dlg.get(), "departure"), (PickerDateTime{QDate(2015, 1, 1), QTime(23, 30, 0)}));
}

TEST_F(NodeDialog, OkWritesChangedTimesAndLeavesUnchangedOnesAlone)
{
    ScriptedMessages messages;
    RecordingHooks recorder;
    WhenModal("tavelin::CProNode", [](QWidget* dlg) { Click(dlg, "ok"); });
    EXPECT_FALSE(EditNodeProperties(model, timed, nullptr, recorder.hooks()));
    EXPECT_TRUE(recorder.calls.isEmpty());
    EXPECT_EQ(model.nodes[timed].arrival, 3600);

    WhenModal("tavelin::CProNode", [](QWidget* dlg) {
        Set(dlg, "arrival", QDate(2014, 12, 31), QTime(11, 15, 0));
        Click(dlg, "ok");
    });
    EXPECT_TRUE(EditNodeProperties(model, timed, nullptr, recorder.hooks()));
    EXPECT_EQ(model.nodes[timed].arrival, 4500);
    EXPECT_EQ(model.nodes[timed].departure, 5400);
    EXPECT_EQ(recorder.calls, (QStringList{"refresh", "modified", "node list"}));

    // Clearing the box stores no times at all.
    recorder.calls.clear();
    WhenModal("tavelin::CProNode", [](QWidget* dlg) {
        Click(dlg, "timed");
        Click(dlg, "ok");
    });
    EXPECT_TRUE(EditNodeProperties(model, timed, nullptr, recorder.hooks()));
    EXPECT_EQ(model.nodes[timed].arrival, 0);
    EXPECT_EQ(model.nodes[timed].departure, 0);

    recorder.calls.clear();
    WhenModal("tavelin::CProNode", [](QWidget* dlg) {
        Click(dlg, "timed");
        Set(dlg, "arrival", QDate(2015, 1, 1), QTime(9, 0, 0));
        Click(dlg, "sameArrival");
        Click(dlg, "cancel");
    });
    EXPECT_FALSE(EditNodeProperties(model, timed, nullptr, recorder.hooks()));
    EXPECT_EQ(model.nodes[timed].arrival, 0);
    EXPECT_TRUE(recorder.calls.isEmpty());
    EXPECT_TRUE(messages.ids().empty());
}
