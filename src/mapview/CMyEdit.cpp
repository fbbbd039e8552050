#include "mapview/CMyEdit.h"

#include "image/PictureDrawing.h"
#include "image/SlipFont.h"
#include "mapview/EditorGeometry.h"
#include "mapview/MapGeometry.h"
#include "mapview/SlipText.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>

namespace tavelin
{
namespace
{

constexpr int MsgCharactersDropped = 31401;

// The resize outline, drawn over the client above everything else.
class ResizeFeedback : public QWidget
{
public:
    explicit ResizeFeedback(QWidget* client) : QWidget(client)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    // `outline` in client coordinates; the widget covers it grown by `grow`.
    void showOutline(const QRect& outline, int grow)
    {
        m_outline = outline;
        const QRect area =
            outline.adjusted(-grow, -grow, grow, grow).intersected(parentWidget()->rect());
        setGeometry(area);
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect r = m_outline.translated(-pos());
        for (const EditorOutline& o : EditorResizeOutlines) {
            QPen pen{QColor::fromRgb(o.colour)};
            pen.setWidth(o.width);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }

private:
    QRect m_outline;
};

} // namespace

CMyEdit::CMyEdit(RouteModel& model, InPlaceEditorHost& host, QWidget* client)
    : QPlainTextEdit(client), m_model(model), m_host(host), m_client(client)
{
    setObjectName(QStringLiteral("slipEditor"));
    setProperty("controlId", ControlId);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    // Ctrl+Z belongs to the map; the typing has no undo of its own.
    setUndoRedoEnabled(false);
    document()->setDocumentMargin(0);
    hide();
    m_feedback = new ResizeFeedback(client);
    client->installEventFilter(this);
    viewport()->installEventFilter(this);
}

CMyEdit::~CMyEdit()
{
    if (m_client)
        m_client->removeEventFilter(this);
}

void CMyEdit::ApplyStyle()
{
    const SlipRec& s = m_model.slips[m_slip];
    const SlipStyle& st = s.style;
    setFont(CreateSlipFont(cp932::DecodeField(st.fontName, FontNameBytes + 1), st.fontBold != 0,
                           st.fontSize, *this));
    QPalette p = palette();
    p.setColor(QPalette::Text, FromColorRef(std::uint32_t(st.textColour)));
    // -1 shows the map through the editor, as the slip shows it.
    const QColor back =
        st.backColour == -1 ? QColor(Qt::transparent) : FromColorRef(std::uint32_t(st.backColour));
    p.setColor(QPalette::Base, back);
    setPalette(p);
    viewport()->setAutoFillBackground(st.backColour != -1);
    setAutoFillBackground(false);

    QTextOption option = document()->defaultTextOption();
    option.setAlignment(st.alignH == 1   ? Qt::AlignHCenter
                        : st.alignH == 2 ? Qt::AlignRight
                                         : Qt::AlignLeft);
    option.setWrapMode(st.wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    document()->setDefaultTextOption(option);
    // Wrapped slips wrap in the editor too; others scroll sideways.
    setLineWrapMode(st.wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setViewportMargins(0, 0, 0, 0);
}

void CMyEdit::Start(int slip, QPoint pointer)
{
    if (slip < 0 || slip >= m_model.slipCount)
        return;
    m_host.StopHoverAnimation();
    if (isEditing())
        Commit();
    m_slip = slip;
    m_rect = EditorStartRect(m_model, slip);
    m_handle = -1;
    m_host.setEditingSlip(slip, m_rect);
    m_host.RefreshNow();

    ApplyStyle();
    setPlainText(DecodeSlipText(m_model.slips[slip]));
    setGeometry(m_rect.translated(-m_host.scrollPosition()));
    show();
    raise();
    const QPoint local = viewport()->mapFrom(this, pointer - m_rect.topLeft());
    setTextCursor(cursorForPosition(local));
    ensureCursorVisible();
    setFocus(Qt::MouseFocusReason);
    if (QWidget::mouseGrabber() == m_client)
        m_client->releaseMouse();
}

void CMyEdit::Close()
{
    if (m_feedback)
        m_feedback->hide();
    m_handle = -1;
    m_slip = -1;
    m_rect = QRect();
    const bool hadFocus = hasFocus();
    hide();
    if (hadFocus && m_client)
        m_client->setFocus(Qt::OtherFocusReason);
    m_host.setEditingSlip(-1, QRect());
}

bool CMyEdit::Commit()
{
    if (!isEditing())
        return false;
    const int slip = m_slip;
    const QString text = toPlainText();
    Close();
    // An undo while editing may have taken the slip away.
    if (slip >= m_model.slipCount) {
        m_host.TextCommitted(slip, false);
        return false;
    }
    const EncodedSlipText encoded = EncodeSlipText(text);
    const QByteArray stored = cp932::CutToBytes(encoded.bytes, SlipTextBytes);
    SlipRec& record = m_model.slips[slip];
    const bool changed = stored != SlipTextField(record);
    if (changed)
        StoreSlipText(record, stored);
    if (encoded.droppedCharacters)
        ShowMessage(MsgCharactersDropped, this, {}, MessageStyle::Information);
    m_host.TextCommitted(slip, changed);
    return changed;
}

void CMyEdit::Discard()
{
    if (isEditing())
        Close();
}

void CMyEdit::SyncPosition()
{
    if (isEditing())
        setGeometry(m_rect.translated(-m_host.scrollPosition()));
}

int CMyEdit::HandleAt(QPoint zoomedMap) const
{
    return isEditing() ? EditorHandleAt(m_rect, zoomedMap) : -1;
}

void CMyEdit::BeginResize(int handle)
{
    if (!isEditing() || handle < 0 || handle >= EditorHandleCount)
        return;
    m_handle = handle;
    m_newRect = m_rect;
}

void CMyEdit::ShowFeedback()
{
    if (!m_feedback)
        return;
    const float zoom = UsableZoom(m_model.header.zoom);
    static_cast<ResizeFeedback*>(m_feedback.data())
        ->showOutline(m_newRect.translated(-m_host.scrollPosition()),
                      std::max(3, static_cast<int>(zoom * 5)));
}

void CMyEdit::MoveResize(QPoint zoomedMap)
{
    if (!resizing())
        return;
    m_newRect = ResizeEditorRect(m_rect, m_handle, zoomedMap, ZoomedMapRect(m_model.header).size());
    ShowFeedback();
}

void CMyEdit::EndResize()
{
    if (!resizing())
        return;
    if (m_feedback)
        m_feedback->hide();
    m_handle = -1;
    m_rect = m_newRect;
    hide();
    m_host.setEditingSlip(m_slip, m_rect);
    m_host.RefreshNow();
    setGeometry(m_rect.translated(-m_host.scrollPosition()));
    show();
    setFocus(Qt::OtherFocusReason);
}

bool CMyEdit::RunCommand(EditorCommand command)
{
    if (!isEditing())
        return false;
    switch (command) {
    case EditorCommand::Copy:
        copy();
        break;
    case EditorCommand::Cut:
        cut();
        break;
    case EditorCommand::Paste:
        paste();
        break;
    }
    return true;
}

CMyEdit::KeyAction CMyEdit::ActionFor(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers mods =
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int k = key.key();
    if (mods == Qt::ControlModifier) {
        if (k == Qt::Key_C || k == Qt::Key_Insert)
            return KeyAction::Copy;
        if (k == Qt::Key_X)
            return KeyAction::Cut;
        if (k == Qt::Key_V)
            return KeyAction::Paste;
        if (k == Qt::Key_Z)
            return KeyAction::Undo;
    }
    if (mods == Qt::ShiftModifier) {
        if (k == Qt::Key_Delete)
            return KeyAction::Cut;
        if (k == Qt::Key_Insert)
            return KeyAction::Paste;
    }
    if (mods == Qt::AltModifier && k == Qt::Key_Backspace)
        return KeyAction::Undo;
    return KeyAction::None;
}

bool CMyEdit::event(QEvent* e)
{
    // These keys are the editor's own, before any shortcut of the window.
    if (e->type() == QEvent::ShortcutOverride &&
        ActionFor(*static_cast<QKeyEvent*>(e)) != KeyAction::None) {
        e->accept();
        return true;
    }
    return QPlainTextEdit::event(e);
}

void CMyEdit::keyPressEvent(QKeyEvent* e)
{
    switch (ActionFor(*e)) {
    case KeyAction::Copy:
        copy();
        return;
    case KeyAction::Cut:
        cut();
        return;
    case KeyAction::Paste:
        paste();
        return;
    case KeyAction::Undo:
        m_host.Undo();
        return;
    case KeyAction::None:
        break;
    }
    QPlainTextEdit::keyPressEvent(e);
}

QPoint CMyEdit::ToZoomedMap(QObject* watched, QPoint local) const
{
    const QPoint client =
        watched == m_client ? local : static_cast<QWidget*>(watched)->mapTo(m_client, local);
    return client + m_host.scrollPosition();
}

bool CMyEdit::ClientMouse(QObject* watched, QEvent* e)
{
    auto* mouse = static_cast<QMouseEvent*>(e);
    const QPoint p = ToZoomedMap(watched, mouse->position().toPoint());
    const bool onClient = watched == m_client;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mouse->button() != Qt::LeftButton)
            return onClient && e->type() == QEvent::MouseButtonDblClick;
        if (const int handle = HandleAt(p); handle >= 0) {
            BeginResize(handle);
            return true;
        }
        if (!onClient)
            return false; // a click in the text places the caret
        Commit();
        m_host.ClickedOutsideEditor();
        return true;
    case QEvent::MouseMove:
        if (resizing()) {
            MoveResize(p);
            return true;
        }
        if (onClient) {
            m_client->setCursor(EditorHandleCursor(HandleAt(p)));
            return true;
        }
        if (const int handle = HandleAt(p); handle >= 0) {
            viewport()->setCursor(EditorHandleCursor(handle));
        } else {
            viewport()->setCursor(Qt::IBeamCursor);
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (resizing() && mouse->button() == Qt::LeftButton) {
            EndResize();
            return true;
        }
        return onClient;
    default:
        return false;
    }
}

bool CMyEdit::eventFilter(QObject* watched, QEvent* e)
{
    if ((watched == m_client || watched == viewport()) && isEditing()) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return ClientMouse(watched, e);
        default:
            break;
        }
    }
    return QPlainTextEdit::eventFilter(watched, e);
}

} // namespace tavelin
