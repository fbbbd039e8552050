// The in-place slip editor over a plain client widget: where it opens and
// how it looks, the caret, what a commit stores, its keys and its handles.

#include "mapview/CMyEdit.h"
#include "MapFixture.h"
#include "image/PictureDrawing.h"
#include "image/SlipFont.h"
#include "mapview/SlipText.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

using namespace tavelin;
using namespace tavelin::test;

namespace
{

struct EditorHost : InPlaceEditorHost {
    QPoint scroll;
    int editingSlip = -1;
    QRect editorRect;
    int refreshes = 0, undos = 0, outside = 0;
    std::vector<std::pair<int, bool>> commits;

    QPoint scrollPosition() const override { return scroll; }
    void setEditingSlip(int slip, const QRect& rect) override
    {
        editingSlip = slip;
        editorRect = rect;
    }
    void RefreshNow() override { ++refreshes; }
    void Undo() override { ++undos; }
    void TextCommitted(int slip, bool changed) override { commits.emplace_back(slip, changed); }
    void ClickedOutsideEditor() override { ++outside; }
};

class CMyEditTest : public ::testing::Test
{
protected:
    CMyEditTest() : map(1000, 800)
    {
        client.resize(800, 600);
        client.setMouseTracking(true);
        client.show();
        slip = map.addSlip(100, 100, 250, 200, "abcdef");
        editor = std::make_unique<CMyEdit>(map.model, host, &client);
    }
    void SetUp() override { ResetSettings(); }

    QByteArray stored() const { return SlipTextField(map.model.slips[slip]); }
    // A client point from zoomed-map coordinates.
    QPoint toClient(QPoint zoomed) const { return zoomed - host.scroll; }

    ScriptedMessages messages;
    MapFixture map;
    QWidget client;
    EditorHost host;
    int slip = 0;
    std::unique_ptr<CMyEdit> editor;
};

} // namespace

TEST_F(CMyEditTest, OpensOverTheSlipInItsStyle)
{
    struct Case {
        int alignH;
        unsigned wrap;
        std::int32_t back;
        Qt::Alignment alignment;
    };
    const Case cases[] = {
        {0, 1, 0xFFFFFF, Qt::AlignLeft},
        {1, 0, 0x00FF00, Qt::AlignHCenter},
        {2, 1, -1, Qt::AlignRight},
    };
    host.scroll = QPoint(20, 10);
    for (const Case& c : cases) {
        SlipStyle& st = map.model.slips[slip].style;
        st.alignH = std::int16_t(c.alignH);
        st.wrap = c.wrap;
        st.backColour = c.back;
        st.textColour = 0x0000FF; // red
        st.fontSize = 12;
        st.fontBold = 1;
        editor->Start(slip, QPoint(110, 110));
        EXPECT_EQ(host.editingSlip, slip);
        EXPECT_EQ(host.editorRect, QRect(100, 100, 150, 105)); // bottom 5 lower
        EXPECT_EQ(editor->geometry(), QRect(80, 90, 150, 105));
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->toPlainText(), QStringLiteral("abcdef"));
        EXPECT_EQ(editor->font().pixelSize(),
                  CreateSlipFont(QString(), true, 12, *editor).pixelSize());
        EXPECT_TRUE(editor->font().bold());
        EXPECT_EQ(editor->palette().color(QPalette::Text), QColor(255, 0, 0));
        EXPECT_EQ(editor->document()->defaultTextOption().alignment(), c.alignment);
        EXPECT_EQ(editor->lineWrapMode(),
                  c.wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        if (c.back == -1) {
            EXPECT_EQ(editor->palette().color(QPalette::Base).alpha(), 0);
            EXPECT_FALSE(editor->viewport()->autoFillBackground());
        } else {
            EXPECT_EQ(editor->palette().color(QPalette::Base), FromColorRef(std::uint32_t(c.back)));
            EXPECT_TRUE(editor->viewport()->autoFillBackground());
        }
        editor->Commit();
    }
}

TEST_F(CMyEditTest, CaretStandsAtTheCharacterUnderThePointer)
{
    map.model.slips[slip].style.alignH = 0;
    editor->Start(slip, QPoint(0, 0)); // measure in the editor's own font
    const QFontMetrics metrics(editor->font());
    const int x = 100 + metrics.horizontalAdvance(QStringLiteral("abc")) + 1;
    editor->Commit();
    editor->Start(slip, QPoint(x, 100 + metrics.height() / 2));
    EXPECT_EQ(editor->textCursor().position(), 3);
    EXPECT_TRUE(editor->hasFocus() || !QApplication::focusWindow());
}

TEST_F(CMyEditTest, AClickOutsideStoresTheTextWithRecordLineBreaks)
{
    editor->Start(slip, QPoint(110, 110));
    editor->selectAll();
    QTest::keyClicks(editor.get(), QStringLiteral("ab"));
    QTest::keyClick(editor.get(), Qt::Key_Return);
    QTest::keyClicks(editor.get(), QStringLiteral("cd"));
    QTest::mouseClick(&client, Qt::LeftButton, Qt::NoModifier, QPoint(700, 500));
    EXPECT_EQ(stored(), QByteArray("ab\r\ncd"));
    EXPECT_EQ(host.commits, (std::vector<std::pair<int, bool>>{{slip, true}}));
    EXPECT_EQ(host.outside, 1);
    EXPECT_EQ(host.editingSlip, -1);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->isEditing());
}

TEST_F(CMyEditTest, CommitStoresAtMostThousandBytesOfWholeCharacters)
{
    struct Case {
        QString text;
        QByteArray expected;
        bool changed;
    };
    const Case cases[] = {
        {QString(999, u'a') + QStringLiteral("駅"), QByteArray(999, 'a'), true},
        {QString(1200, u'b'), QByteArray(1000, 'b'), true},
        {QStringLiteral("abcdef"), QByteArray("abcdef"), false},
        {QStringLiteral("駅😀前"), cp932::Encode(QStringLiteral("駅前")).value(), true},
    };
    for (const Case& c : cases) {
        std::strcpy(map.model.slips[slip].text, "abcdef");
        host.commits.clear();
        messages.clear();
        editor->Start(slip, QPoint(110, 110));
        editor->setPlainText(c.text);
        EXPECT_EQ(editor->Commit(), c.changed);
        EXPECT_EQ(stored(), c.expected);
        EXPECT_EQ(host.commits.back().second, c.changed);
        // Characters Shift-JIS lacks are left out, and the user is told.
        EXPECT_EQ(messages.ids().empty(), !c.text.contains(QStringLiteral("😀")));
    }
}

TEST_F(CMyEditTest, UndoKeysGoToTheMapNotToTheTyping)
{
    editor->Start(slip, QPoint(110, 110));
    QTest::keyClicks(editor.get(), QStringLiteral("xy"));
    const QString typed = editor->toPlainText();
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(host.undos, 2);
    EXPECT_EQ(editor->toPlainText(), typed);
    EXPECT_FALSE(editor->document()->isUndoAvailable());
}

TEST_F(CMyEditTest, ClipboardKeysWorkInsideTheEditor)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString textAfter;
        QString clipboardAfter;
    };
    const Case cases[] = {
        {Qt::Key_C, Qt::ControlModifier, QStringLiteral("abcdef"), QStringLiteral("abc")},
        {Qt::Key_Insert, Qt::ControlModifier, QStringLiteral("abcdef"), QStringLiteral("abc")},
        {Qt::Key_X, Qt::ControlModifier, QStringLiteral("def"), QStringLiteral("abc")},
        {Qt::Key_Delete, Qt::ShiftModifier, QStringLiteral("def"), QStringLiteral("abc")},
        {Qt::Key_V, Qt::ControlModifier, QStringLiteral("zzdef"), QStringLiteral("zz")},
        {Qt::Key_Insert, Qt::ShiftModifier, QStringLiteral("zzdef"), QStringLiteral("zz")},
    };
    for (const Case& c : cases) {
        editor->Start(slip, QPoint(110, 110));
        QApplication::clipboard()->setText(QStringLiteral("zz"));
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        QTest::keyClick(editor.get(), c.key, c.modifiers);
        EXPECT_EQ(editor->toPlainText(), c.textAfter) << c.key << " " << int(c.modifiers);
        EXPECT_EQ(QApplication::clipboard()->text(), c.clipboardAfter) << c.key;
        editor->Discard();
    }
    EXPECT_STREQ(map.model.slips[slip].text, "abcdef"); // discarded, never stored
}

TEST_F(CMyEditTest, HandlesResizeTheEditorInsideTheMapButNotTheSlip)
{
    struct Case {
        int handle;
        QPoint handlePoint; // zoomed-map
        QPoint dropAt;
        QRect expected;
    };
    // Editor (100, 100)-(250, 205); handles sit 2 pixels outside it.
    const Case cases[] = {
        {2, {252, 207}, {400, 300}, QRect(QPoint(100, 100), QPoint(399, 299))},
        {4, {175, 98}, {175, 50}, QRect(QPoint(100, 50), QPoint(249, 204))},
        {7, {98, 152}, {400, 152}, QRect(QPoint(240, 100), QPoint(249, 204))}, // 10 wide at least
        {0, {98, 98}, {-50, -80}, QRect(QPoint(0, 0), QPoint(249, 204))},      // stays in the map
        {2, {252, 207}, {1200, 900}, QRect(QPoint(100, 100), QPoint(999, 799))},
    };
    host.scroll = QPoint(30, 40);
    for (const Case& c : cases) {
        editor->Start(slip, QPoint(110, 110));
        EXPECT_EQ(editor->HandleAt(c.handlePoint), c.handle);
        QTest::mousePress(&client, Qt::LeftButton, Qt::NoModifier, toClient(c.handlePoint));
        EXPECT_TRUE(editor->resizing());
        QMouseEvent move(QEvent::MouseMove, QPointF(toClient(c.dropAt)),
                         QPointF(toClient(c.dropAt)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&client, &move);
        EXPECT_EQ(editor->resizeRect(), c.expected);
        QTest::mouseRelease(&client, Qt::LeftButton, Qt::NoModifier, toClient(c.dropAt));
        EXPECT_FALSE(editor->resizing());
        EXPECT_TRUE(editor->isEditing()) << "a resize does not end the editing";
        EXPECT_EQ(editor->editorRect(), c.expected);
        EXPECT_EQ(host.editorRect, c.expected);
        EXPECT_EQ(editor->geometry(), c.expected.translated(-host.scroll));
        const SlipRec& s = map.model.slips[slip];
        EXPECT_EQ(QRect(QPoint(s.left, s.top), QPoint(s.right - 1, s.bottom - 1)),
                  QRect(100, 100, 150, 100));
        editor->Commit();
    }
    EXPECT_EQ(host.outside, 0);
}

TEST_F(CMyEditTest, ASlipUndoneAwayWhileEditingGetsNoText)
{
    editor->Start(slip, QPoint(110, 110));
    editor->setPlainText(QStringLiteral("typed"));
    map.model.slipCount = 0; // the undo of its addition
    EXPECT_FALSE(editor->Commit());
    EXPECT_STREQ(map.model.slips[slip].text, "abcdef");
    EXPECT_FALSE(editor->RunCommand(EditorCommand::Paste));
}
