#include "editors/CKyoriDlg.h"

#include "platform/Messages.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace tavelin;

namespace
{

struct Dialog {
    Dialog() : dlg(35.0f, 135.0f)
    {
        height = dlg.findChild<QLineEdit*>("height");
        width = dlg.findChild<QLineEdit*>("width");
        southEast = dlg.findChild<QLabel*>("southEast");
        ok = dlg.findChild<QPushButton*>("ok");
        cancel = dlg.findChild<QPushButton*>("cancel");
        dlg.show();
    }

    // Types into an edit as the user would, then leaves it.
    void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &out);
    }

    CKyoriDlg dlg;
    QLineEdit* height;
    QLineEdit* width;
    QLabel* southEast;
    QPushButton* ok;
    QPushButton* cancel;
};

} // namespace

TEST(CKyoriDlg, ShowsTheCornersAndRecomputesWhenAnEditLosesFocus)
{
    Dialog d;
    ASSERT_TRUE(d.height && d.width && d.southEast && d.ok && d.cancel);
    EXPECT_EQ(d.dlg.windowTitle(), "地図のタテ・ヨコの距離セット");
    EXPECT_EQ(d.dlg.findChild<QLabel*>("northWest")->text(), "35.000000, 135.000000");
    EXPECT_EQ(d.height->text(), "20");
    EXPECT_EQ(d.width->text(), "20");
    EXPECT_EQ(d.southEast->text(), "34.999821, 135.000214");
    EXPECT_EQ(d.ok->text(), "保存して終了(&S)");
    EXPECT_EQ(d.cancel->text(), "中止(&C)");

    d.type(d.height, "111183");
    EXPECT_EQ(d.southEast->text(), "34.000000, 135.000214");
    d.type(d.width, "9a1b091"); // digits only
    EXPECT_EQ(d.width->text(), "91091");
    EXPECT_EQ(d.southEast->text(), "34.000000, 136.000000");
}

TEST(CKyoriDlg, OkNeedsBothDistancesAndCancelKeepsNothing)
{
    ScriptedMessages messages;
    {
        Dialog d;
        d.type(d.width, "");
        QTest::mouseClick(d.ok, Qt::LeftButton);
        EXPECT_EQ(messages.ids(), std::vector<int>{30047});
        EXPECT_TRUE(d.dlg.isVisible());
        EXPECT_EQ(d.dlg.result(), QDialog::Rejected);

        messages.clear();
        d.type(d.height, "5000");
        d.width->setText("4000"); // OK reads the edits again without a focus change
        QTest::mouseClick(d.ok, Qt::LeftButton);
        EXPECT_TRUE(messages.records.empty());
        EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
        EXPECT_EQ(d.dlg.values().heightMetres(), 5000);
        EXPECT_EQ(d.dlg.values().widthMetres(), 4000);
        EXPECT_FLOAT_EQ(d.dlg.values().southLat(), float(35.0 - 5000 / 111183.0));
        EXPECT_FLOAT_EQ(d.dlg.values().eastLon(), float(135.0 + 4000 / 91091.0));
    }
    {
        Dialog d;
        QTest::mouseClick(d.cancel, Qt::LeftButton);
        EXPECT_EQ(d.dlg.result(), QDialog::Rejected);
        EXPECT_TRUE(messages.records.empty());
    }
}

TEST(CKyoriDlg, ManualGroundSizeReturnsTheValuesOnlyOnOk)
{
    auto press = [](const char* button) {
        QTimer::singleShot(0, [button] {
            auto* dlg = qobject_cast<CKyoriDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            QTest::mouseClick(dlg->findChild<QPushButton*>(button), Qt::LeftButton);
        });
    };
    press("ok");
    const auto values = ManualGroundSize(35.0f, 135.0f);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->heightMetres(), 20);
    EXPECT_EQ(values->widthMetres(), 20);
    press("cancel");
    EXPECT_FALSE(ManualGroundSize(35.0f, 135.0f).has_value());
}
