#pragma once
// What the slip operations need of the map view. The view owns the
// selection, the undo snapshots and the in-place editor; the operations
// reach them only through this interface, so they run without a window.

#include <QPoint>
#include <QRect>
#include <QString>

class QObject;

namespace tavelin
{

// Commands that go to the in-place editor while it is open.
enum class EditorCommand { Copy, Cut, Paste };

class SlipViewHost
{
public:
    virtual ~SlipViewHost() = default;

    // Owner of the message boxes.
    virtual QObject* messageOwner() { return nullptr; }

    // The map area's one redraw request.
    virtual void RefreshNow() = 0;
    // The document's modified flag.
    virtual void MarkModified() = 0;

    // The slip undo snapshot: taken before slip rectangles change, discarded
    // by deleting and by pasting copied slips.
    virtual void TakeSlipSnapshot() = 0;
    virtual void DiscardSlipSnapshot() = 0;

    virtual int primarySlip() const = 0;
    virtual void setPrimarySlip(int slip) = 0;
    // Clears every selection mark and both primaries, then repaints.
    virtual void ClearSelection() = 0;

    // The top-most shown slip whose rectangle holds the zoomed-map point, or -1.
    virtual int SlipAt(QPoint zoomedMap) const = 0;
    // The part of the zoomed map the window shows (client rectangle shifted
    // by the scroll position).
    virtual QRect visibleArea() const = 0;

    // The node's layer becomes the current one and its row is highlighted.
    virtual void FollowNode(int node) = 0;
    // The node list's note column of `node` shows `note`.
    virtual void SetNoteCell(int node, const QString& note) = 0;

    // True when an in-place editor is open and took the command.
    virtual bool PassToInPlaceEditor(EditorCommand) { return false; }
};

} // namespace tavelin
