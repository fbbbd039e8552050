#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tavelin;

TEST(AboutBox, ShowsTheHistoryNewestFirstAndClosesOnConfirm)
{
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("バージョン情報"));
    auto* history = dialog.findChild<QPlainTextEdit*>(QStringLiteral("history"));
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isReadOnly());
    const QStringList lines = history->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_TRUE(lines.first().contains(QStringLiteral("1.0")));
    EXPECT_TRUE(lines.last().contains(QStringLiteral("0.1")));

    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("確認(&Y)"));
    dialog.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(MainFrame, TitleComesFromTheDocumentTemplate)
{
    CMainFrame frame;
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tavelin"));
}
