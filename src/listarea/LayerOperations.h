#pragma once
// Everything the layer tabs and the node list do to the layers, without a
// window: building the tabs, switching, creating, exchanging, renaming,
// hiding and deleting layers, and starting, splitting and merging routes at
// a node. The tab positions of the layers stay 0 … layerCount - 1 after
// every operation, and a refused operation leaves model and tabs as they
// were.

#include "listarea/ListAreaHooks.h"

#include <QString>
#include <functional>
#include <vector>

class QObject;

namespace tavelin
{

struct RouteModel;
class LayerTabs;

// Node indices of a layer in route (storage) order.
std::vector<int> LayerNodeIndices(const RouteModel& model, int layer);

class LayerOperations
{
public:
    static constexpr int MinCaptionLength = 4;
    static constexpr int MaxCaptionLength = 50;
    static constexpr const char* NewLayerBase = "20000101000000";

    LayerOperations(RouteModel& model, LayerTabs& tabs);

    ListAreaHooks hooks;
    // The node list rebuilds itself from the model, or empties itself (no
    // rows at all, as right after a new layer was created from the tabs).
    std::function<void()> refreshNodeList;
    std::function<void()> emptyNodeList;
    // Owner of the messages.
    QObject* owner = nullptr;

    RouteModel& model() { return m_model; }
    const RouteModel& model() const { return m_model; }
    LayerTabs& tabs() { return m_tabs; }

    // Bytes of a layer name a tab shows (clamped to 4 … 50).
    int captionLength() const { return m_captionLength; }
    // Re-captions every tab when the length changes.
    void SetCaptionLength(int bytes);
    QString CaptionOf(int layer) const;
    // Stores the name (cut to 100 bytes) into the layer; its tab caption.
    QString Caption(int layer, const QString& name);

    // The current layer, -1 when the document has none.
    int currentLayer() const;
    int currentTab() const;
    // The layer whose tab is at the position, -1 for none.
    int LayerAtTab(int position) const;

    // One tab per layer, the current layer's selected. Tab positions that
    // are not 0 … layerCount - 1 (a damaged file) are renumbered in their
    // order first.
    void BuildTabs();
    // Selects the current layer's tab when another is selected.
    void SyncSelectedTab();

    // A click on the tab: its layer becomes current. False when it already
    // was (or there is no such tab).
    bool ClickTab(int position);

    // 30009 when the layers are full; true when another layer fits.
    bool CheckLayerCapacity() const;
    // Adds a layer at the tab position (the others move on), makes it
    // current and selects its tab; the new layer's index, or -1 when it
    // could not be added (the reason shown, nothing changed). No refresh.
    int InsertLayer(int position, const QString& name,
                    const QString& baseDateTime14 = NewLayerBase);
    // The tab commands "before"/"after": InsertLayer, then the list empties.
    bool NewLayerAtTab(int position, const QString& name);

    // Exchanges the tab with the one before (-1) or after (+1) it.
    bool ExchangeTabs(int position, int direction);
    bool RenameLayer(int position, const QString& name);
    // Asks 30053 after the caption; then removes the layer and its nodes.
    bool DeleteLayerCommand(int position);
    // Removes the tab and the layer record, leaving its nodes to the
    // caller; the removed layer's index or -1 (30005).
    int DeleteLayer(int position);

    void ToggleCurrentVisible();
    void HideAllButCurrent();
    void ShowAllLayers();
    // A double click on the tab row: the current layer's nodes, when shown.
    void SelectCurrentLayerNodes(bool onlyWhenVisible);

    // The node list's three commands on the row (0 = the first node row).
    bool NewLayerFromNode(int row);
    bool SplitLayerAfterNode(int row);
    bool MergeIntoPreviousLayer();

private:
    void SetCurrent(int layer);
    void RemoveLayerRecord(int index);
    void RollBackInsert(int layer, int position, int previousCurrent);
    void Finish(bool rebuildList);
    void Repaint();

    RouteModel& m_model;
    LayerTabs& m_tabs;
    int m_captionLength = 10;
};

} // namespace tavelin
