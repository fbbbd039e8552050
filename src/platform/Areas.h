#pragma once
// What the main frame needs of its two panes. The map area (CN20417View) and
// the list area (CLeftView) implement these; the frame holds them through
// these interfaces so it can be built and tested before the panes exist.

#include <QImage>

class QWidget;

namespace tavelin {

class MapArea {
public:
    virtual ~MapArea() = default;
    virtual QWidget* widget() = 0;

    // A new or opened document is in the model: take zoom, scroll sizes and
    // position from the header and reset the view state.
    virtual void InitialUpdate() = 0;
    // The map area's one redraw request.
    virtual void RefreshNow() = 0;
    // True while the rendered background map exists (Save, Print, … enable).
    virtual bool HasBackground() const = 0;
    // Before saving: the current scroll position into the header.
    virtual void StoreScrollPosition() = 0;
    // The icon display flag (ID_DSP_ICON).
    virtual bool IconsShown() const = 0;
    virtual void SetIconsShown(bool shown) = 0;
    // Keeps the floating zoom bar at the bottom edge after the frame moved.
    virtual void PlaceFloatingBars() = 0;
    // True while an undo snapshot exists (ID_UNDO); Undo() restores it.
    virtual bool CanUndo() const { return false; }
    virtual void Undo() {}
    // True while a primary slip exists (the alignment commands).
    virtual bool HasPrimarySlip() const { return false; }
};

class ListArea {
public:
    virtual ~ListArea() = default;
    virtual QWidget* widget() = 0;
    // Rebuilds the node list of the current layer from the model.
    virtual void RefreshNodeList() = 0;
    // A new or opened document is in the model: tabs and rows start over.
    virtual void InitialUpdate() { RefreshNodeList(); }
    virtual bool HasRows() const = 0;
    // Keeps the floating layer tab bar at the bottom edge.
    virtual void PlaceFloatingBars() = 0;
    virtual void FollowNode(int node) {}
};

} // namespace tavelin
