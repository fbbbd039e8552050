// The name dialog and the repeat-count dialog, typed into and confirmed
// from inside their own modal loops.
#include "MapDlgFixtures.h"

#include "editors/CNumDlg.h"
#include "editors/CRenameDlg.h"
#include "platform/Messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

QLineEdit* NameEdit(QWidget* dialog)
{
    return dialog->findChild<QLineEdit*>(QStringLiteral("name"));
}

void Retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

TEST(CRenameDlg, NamesOfOneToOneHundredBytesAreAccepted)
{
    struct Case {
        QString text;
        int refusal; // 0 accepted
    };
    const Case cases[] = {
        {QString(100, QLatin1Char('a')), 0},
        {QString(50, QChar(u'あ')), 0},
        {QString(101, QLatin1Char('a')), 30008},
        {QString(49, QChar(u'あ')) + QStringLiteral("abc"), 30008},
        {QString(), 30007},
        {QStringLiteral("地図\U0001F600"), 31200}, // no CP932 for it
    };
    for (const Case& c : cases) {
        ScriptedMessages messages;
        bool stayedOpen = false;
        bool focused = false;
        WhenModal("tavelin::CRenameDlg", [&](QWidget* dialog) {
            QLineEdit* edit = NameEdit(dialog);
            edit->setText(c.text);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ok")),
                              Qt::LeftButton);
            stayedOpen = dialog->isVisible();
            focused = dialog->focusWidget() == edit;
            if (stayedOpen)
                static_cast<QDialog*>(dialog)->reject();
        });
        const std::optional<QString> name = AskName(QStringLiteral("old"), QPoint(100, 400));
        if (c.refusal == 0) {
            EXPECT_EQ(name, c.text);
            EXPECT_TRUE(messages.records.empty());
        } else {
            EXPECT_FALSE(name) << c.text.toStdString();
            EXPECT_TRUE(stayedOpen);
            EXPECT_TRUE(focused);
            EXPECT_EQ(messages.ids(), std::vector<int>{c.refusal}) << c.text.toStdString();
            EXPECT_EQ(messages.records.front().style, MessageStyle::Error);
        }
    }
}

TEST(CRenameDlg, CounterCountsBytesAndTheDialogSitsOnThePoint)
{
    CRenameDlg dialog(QStringLiteral("ab"), QPoint(120, 500));
    auto* counter = dialog.findChild<QLabel*>(QStringLiteral("counter"));
    EXPECT_EQ(counter->text(), QStringLiteral("2/100"));
    // Typed as an input method hands it over: the whole text at once.
    QLineEdit* edit = NameEdit(&dialog);
    edit->selectAll();
    edit->insert(QStringLiteral("あいうえお"));
    EXPECT_EQ(counter->text(), QStringLiteral("10/100"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("名前の入力"));

    dialog.show();
    QApplication::processEvents();
    const QRect frame = dialog.frameGeometry();
    EXPECT_EQ(frame.left(), 120);
    EXPECT_EQ(frame.bottom(), 500);
}

TEST(CNumDlg, ATypedCountIsHandedBackAsTyped)
{
    WhenModal("tavelin::CNumDlg", [](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("count"));
        EXPECT_EQ(edit->text(), QStringLiteral("2"));
        Retype(edit, QStringLiteral("150"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    });
    EXPECT_EQ(AskRepeatCount(), 150);

    WhenModal("tavelin::CNumDlg", [](QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancel")),
                          Qt::LeftButton);
    });
    EXPECT_FALSE(AskRepeatCount());
}

TEST(CNumDlg, TheArrowsStepWithinTwoToNinetyNine)
{
    CNumDlg dialog;
    auto* up = dialog.findChild<QToolButton*>(QStringLiteral("up"));
    auto* down = dialog.findChild<QToolButton*>(QStringLiteral("down"));
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("count"));
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(dialog.count(), 2);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(dialog.count(), 3);
    edit->setText(QStringLiteral("150"));
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(dialog.count(), 99);
    edit->setText(QStringLiteral("7x"));
    EXPECT_EQ(dialog.count(), 7);
}
