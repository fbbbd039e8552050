#pragma once
// The in-place slip editor: a multi-line edit laid over one text slip, in
// the slip's font, colours, alignment and wrapping. A left click elsewhere
// on the client widget stores the text (at most 1000 bytes, whole
// characters); the eight handles around it resize the editor (not the slip).
// Ctrl+Z goes to the map's undo, never to the typing.

#include "mapview/SlipViewHost.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QRect>

namespace tavelin
{

struct RouteModel;

// What the editor needs of the widget it stands on (the map view).
class InPlaceEditorHost
{
public:
    virtual ~InPlaceEditorHost() = default;
    // The zoomed-map point shown at the client's top-left.
    virtual QPoint scrollPosition() const = 0;
    // The slip under editing (-1 none) and the editor rectangle in zoomed-map
    // coordinates: the view draws the editor frame in the slip's place and
    // keeps its zoom bar and its slip accelerators off meanwhile.
    virtual void setEditingSlip(int slip, const QRect& editorRect) = 0;
    virtual void RefreshNow() = 0;
    // The map's undo (Ctrl+Z, Alt+Backspace inside the editor).
    virtual void Undo() = 0;
    virtual void StopHoverAnimation() {}
    // After every commit; `changed` when a new text was stored.
    virtual void TextCommitted(int slip, bool changed) = 0;
    // A left click on the client away from the editor ended the editing.
    virtual void ClickedOutsideEditor() = 0;
};

class CMyEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    static constexpr int ControlId = 8900;

    // `client` is the widget the map is drawn in (the view's viewport); the
    // editor is its child and watches its mouse while editing.
    CMyEdit(RouteModel& model, InPlaceEditorHost& host, QWidget* client);
    ~CMyEdit() override;

    // Opens the editor over text slip `slip` with the caret at the character
    // under `pointer` (zoomed-map coordinates). An open editor commits first.
    void Start(int slip, QPoint pointer);
    bool isEditing() const { return m_slip >= 0; }
    int slip() const { return m_slip; }
    QRect editorRect() const { return m_rect; }

    // Stores the text when it changed and closes the editor. True when a new
    // text was stored.
    bool Commit();
    // Closes without storing (the document was replaced).
    void Discard();
    // Follows the client after scrolling.
    void SyncPosition();

    // Handle under a zoomed-map point (0..7) or -1.
    int HandleAt(QPoint zoomedMap) const;
    bool resizing() const { return m_handle >= 0; }
    void BeginResize(int handle);
    void MoveResize(QPoint zoomedMap);
    void EndResize();
    // The rectangle the resize would give (zoomed-map), while resizing.
    QRect resizeRect() const { return m_newRect; }

    // Copy, cut or paste inside the editor; false when not editing.
    bool RunCommand(EditorCommand command);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class KeyAction { None, Copy, Cut, Paste, Undo };
    static KeyAction ActionFor(const QKeyEvent& key);
    void ApplyStyle();
    void Close();
    QPoint ToZoomedMap(QObject* watched, QPoint local) const;
    bool ClientMouse(QObject* watched, QEvent* event);
    void ShowFeedback();

    RouteModel& m_model;
    InPlaceEditorHost& m_host;
    QWidget* m_client;
    int m_slip = -1;
    QRect m_rect; // zoomed-map coordinates
    int m_handle = -1;
    QRect m_newRect; // during a resize
    QPointer<QWidget> m_feedback;
};

} // namespace tavelin
