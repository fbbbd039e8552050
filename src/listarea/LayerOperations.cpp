#include "listarea/LayerOperations.h"

#include "geo/OleDate.h"
#include "listarea/LayerTabs.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>

namespace tavelin
{
namespace
{

constexpr int MsgDeleteFailed = 30005;
constexpr int MsgBeyondDateRange = 30006;
constexpr int MsgTooManyLayers = 30009;
constexpr int MsgAddLayerFailed = 30010;
constexpr int MsgAskMerge = 30025;
constexpr int MsgNeedsDeparture = 30030;
constexpr int MsgPreviousNotArrived = 30034;
constexpr int MsgPreviousEndsLater = 30037;
constexpr int MsgAskDelete = 30053;
constexpr int MsgTooManyNodes = 30055;

QByteArray NameBytes(const LayerRec& layer)
{
    return QByteArray(layer.name, int(qstrnlen(layer.name, LayerNameBytes + 1)));
}

// The name of a layer that continues another: its name and " (1)".
QString ContinuationName(const LayerRec& layer)
{
    return cp932::Decode(NameBytes(layer)) + QStringLiteral(" (1)");
}

bool FitsOffset(std::int64_t seconds)
{
    return seconds >= std::numeric_limits<std::int32_t>::min() &&
           seconds <= std::numeric_limits<std::int32_t>::max();
}

// Timed nodes carry both times moved by the shift; untimed ones keep their
// offsets. False when a shifted time would not fit in an offset.
bool CanShift(const RouteModel& model, const std::vector<int>& nodes, std::int64_t shift)
{
    for (int i : nodes) {
        const NodeRec& n = model.nodes[i];
        if (n.arrival > 0 && (!FitsOffset(n.arrival + shift) || !FitsOffset(n.departure + shift)))
            return false;
    }
    return true;
}

void Shift(NodeRec& node, std::int64_t shift)
{
    if (node.arrival > 0) {
        node.arrival = std::int32_t(node.arrival + shift);
        node.departure = std::int32_t(node.departure + shift);
    }
}

} // namespace

std::vector<int> LayerNodeIndices(const RouteModel& model, int layer)
{
    std::vector<int> indices;
    if (!model.nodes)
        return indices;
    for (int i = 0; i < model.nodeCount; ++i)
        if (model.nodes[i].layer == layer)
            indices.push_back(i);
    return indices;
}

LayerOperations::LayerOperations(RouteModel& model, LayerTabs& tabs) : m_model(model), m_tabs(tabs)
{
}

void LayerOperations::SetCaptionLength(int bytes)
{
    const int length = std::clamp(bytes, MinCaptionLength, MaxCaptionLength);
    if (length == m_captionLength)
        return;
    m_captionLength = length;
    for (int p = 0; p < m_tabs.count(); ++p)
        m_tabs.SetCaption(p, CaptionOf(LayerAtTab(p)));
}

QString LayerOperations::CaptionOf(int layer) const
{
    if (layer < 0 || layer >= m_model.layerCount)
        return {};
    return cp932::Decode(cp932::FitToBytes(NameBytes(m_model.layers[layer]), m_captionLength));
}

QString LayerOperations::Caption(int layer, const QString& name)
{
    if (layer < 0 || layer >= m_model.layerCount)
        return {};
    if (const std::optional<QByteArray> bytes = cp932::Encode(name))
        cp932::CopyToField(m_model.layers[layer].name, LayerNameBytes, *bytes);
    return CaptionOf(layer);
}

int LayerOperations::currentLayer() const
{
    const int layer = m_model.header.currentLayer;
    return layer < m_model.layerCount ? layer : -1;
}

int LayerOperations::currentTab() const
{
    const int layer = currentLayer();
    return layer < 0 ? -1 : m_model.layers[layer].tabIndex;
}

int LayerOperations::LayerAtTab(int position) const
{
    if (position < 0 || position >= m_model.layerCount)
        return -1;
    for (int i = 0; i < m_model.layerCount; ++i)
        if (m_model.layers[i].tabIndex == position)
            return i;
    return -1;
}

void LayerOperations::BuildTabs()
{
    const int count = std::max(0, m_model.layerCount);
    std::vector<int> byTab(std::size_t(count), -1);
    bool ordered = true;
    for (int i = 0; i < count && ordered; ++i) {
        const int p = m_model.layers[i].tabIndex;
        if (p < 0 || p >= count || byTab[std::size_t(p)] >= 0)
            ordered = false;
        else
            byTab[std::size_t(p)] = i;
    }
    if (!ordered) {
        // Keep the order the positions give, the array order among equals.
        std::iota(byTab.begin(), byTab.end(), 0);
        std::stable_sort(byTab.begin(), byTab.end(), [this](int a, int b) {
            return m_model.layers[a].tabIndex < m_model.layers[b].tabIndex;
        });
        for (int p = 0; p < count; ++p)
            m_model.layers[byTab[std::size_t(p)]].tabIndex = p;
    }
    std::vector<QString> captions;
    captions.reserve(std::size_t(count));
    for (int layer : byTab)
        captions.push_back(CaptionOf(layer));
    m_tabs.Reset(std::move(captions));
    SyncSelectedTab();
}

void LayerOperations::SyncSelectedTab()
{
    const int tab = currentTab();
    if (m_tabs.selected() != tab)
        m_tabs.Select(tab);
}

bool LayerOperations::ClickTab(int position)
{
    const int layer = LayerAtTab(position);
    if (layer < 0 || layer == currentLayer())
        return false;
    SetCurrent(layer);
    SyncSelectedTab();
    if (refreshNodeList)
        refreshNodeList();
    if (hooks.markModified)
        hooks.markModified();
    return true;
}

bool LayerOperations::CheckLayerCapacity() const
{
    if (m_model.layerCount < MaxLayers)
        return true;
    ShowMessage(MsgTooManyLayers, owner);
    return false;
}

int LayerOperations::InsertLayer(int position, const QString& name, const QString& baseDateTime14)
{
    if (!CheckLayerCapacity())
        return -1;
    if (position < 0 || position > m_tabs.count() || m_tabs.count() != m_model.layerCount) {
        ShowMessage(MsgAddLayerFailed, owner);
        return -1;
    }
    const int previousCurrent = m_model.header.currentLayer;
    // The record first: adding it is what can fail, and then nothing else
    // has changed yet.
    if (!m_model.AddLayer(position, baseDateTime14, name))
        return -1;
    const int index = m_model.layerCount - 1;
    if (!m_tabs.Insert(position, CaptionOf(index))) {
        RemoveLayerRecord(index);
        m_model.header.currentLayer = std::uint16_t(previousCurrent);
        ShowMessage(MsgAddLayerFailed, owner);
        return -1;
    }
    for (int i = 0; i < m_model.layerCount; ++i)
        if (i != index && m_model.layers[i].tabIndex >= position)
            ++m_model.layers[i].tabIndex;
    m_tabs.Select(position);
    return index;
}

void LayerOperations::RollBackInsert(int layer, int position, int previousCurrent)
{
    m_tabs.Remove(position);
    RemoveLayerRecord(layer);
    for (int i = 0; i < m_model.layerCount; ++i)
        if (m_model.layers[i].tabIndex > position)
            --m_model.layers[i].tabIndex;
    m_model.header.currentLayer = std::uint16_t(previousCurrent);
    SyncSelectedTab();
}

bool LayerOperations::NewLayerAtTab(int position, const QString& name)
{
    if (InsertLayer(position, name) < 0)
        return false;
    if (hooks.markModified)
        hooks.markModified();
    if (emptyNodeList)
        emptyNodeList();
    Repaint();
    return true;
}

bool LayerOperations::ExchangeTabs(int position, int direction)
{
    const int other = position + (direction < 0 ? -1 : 1);
    const int a = LayerAtTab(position);
    const int b = LayerAtTab(other);
    if (a < 0 || b < 0)
        return false;
    std::swap(m_model.layers[a].tabIndex, m_model.layers[b].tabIndex);
    m_tabs.SetCaption(position, CaptionOf(b));
    m_tabs.SetCaption(other, CaptionOf(a));
    SyncSelectedTab();
    // The tab order is stored with the document.
    if (hooks.markModified)
        hooks.markModified();
    return true;
}

bool LayerOperations::RenameLayer(int position, const QString& name)
{
    const int layer = LayerAtTab(position);
    if (layer < 0 || !cp932::Encode(name))
        return false;
    m_tabs.SetCaption(position, Caption(layer, name));
    if (hooks.markModified)
        hooks.markModified();
    return true;
}

int LayerOperations::DeleteLayer(int position)
{
    const int layer = LayerAtTab(position);
    if (layer < 0 || !m_tabs.Remove(position)) {
        ShowMessage(MsgDeleteFailed, owner);
        return -1;
    }
    if (hooks.discardEditBuffers)
        hooks.discardEditBuffers();
    RemoveLayerRecord(layer);
    for (int i = 0; i < m_model.layerCount; ++i)
        if (m_model.layers[i].tabIndex > position)
            --m_model.layers[i].tabIndex;
    SetCurrent(layer > 0 ? layer - 1 : 0);
    return layer;
}

bool LayerOperations::DeleteLayerCommand(int position)
{
    if (m_model.layerCount <= 1 || LayerAtTab(position) < 0)
        return false;
    const QString prefix = m_tabs.caption(position) + QLatin1Char('\n');
    if (ShowMessage(MsgAskDelete, owner, prefix, MessageStyle::YesNo) != IDYES)
        return false;
    const int removed = DeleteLayer(position);
    if (removed < 0)
        return false;

    const int primary = hooks.primaryNode ? hooks.primaryNode() : -1;
    int newPrimary = -1;
    int kept = 0;
    for (int i = 0; i < m_model.nodeCount; ++i) {
        NodeRec node = m_model.nodes[i];
        if (node.layer == removed)
            continue;
        if (node.layer > removed)
            --node.layer;
        if (i == primary)
            newPrimary = kept;
        m_model.nodes[kept++] = node;
    }
    m_model.nodeCount = kept;
    if (hooks.setPrimaryNode && primary >= 0)
        hooks.setPrimaryNode(newPrimary);
    Finish(true);
    return true;
}

void LayerOperations::RemoveLayerRecord(int index)
{
    if (index < 0 || index >= m_model.layerCount)
        return;
    auto& pictures = *m_model.iconPictures;
    auto& bitmaps = *m_model.iconBitmaps;
    const int last = m_model.layerCount - 1;
    for (int i = index; i < last; ++i) {
        m_model.layers[i] = m_model.layers[i + 1];
        pictures[std::size_t(i)] = std::move(pictures[std::size_t(i + 1)]);
        bitmaps[std::size_t(i)] = std::move(bitmaps[std::size_t(i + 1)]);
    }
    pictures[std::size_t(last)].reset();
    bitmaps[std::size_t(last)] = QImage();
    std::memset(&m_model.layers[last], 0, sizeof(LayerRec));
    --m_model.layerCount;
}

void LayerOperations::ToggleCurrentVisible()
{
    const int layer = currentLayer();
    if (layer < 0)
        return;
    m_model.layers[layer].visible = m_model.layers[layer].visible ? 0 : 1;
    Repaint();
    Finish(false);
}

void LayerOperations::HideAllButCurrent()
{
    const int current = currentLayer();
    for (int i = 0; i < m_model.layerCount; ++i)
        if (i != current)
            m_model.layers[i].visible = 0;
    Repaint();
    Finish(false);
}

void LayerOperations::ShowAllLayers()
{
    for (int i = 0; i < m_model.layerCount; ++i)
        m_model.layers[i].visible = 1;
    Repaint();
    Finish(false);
}

void LayerOperations::SelectCurrentLayerNodes(bool onlyWhenVisible)
{
    const int layer = currentLayer();
    if (layer < 0 || (onlyWhenVisible && m_model.layers[layer].visible == 0))
        return;
    if (hooks.selectLayerNodes)
        hooks.selectLayerNodes(layer);
}

bool LayerOperations::NewLayerFromNode(int row)
{
    if (!CheckLayerCapacity())
        return false;
    const int layer = currentLayer();
    if (layer < 0)
        return false;
    const std::vector<int> nodes = LayerNodeIndices(m_model, layer);
    if (nodes.empty() || row != int(nodes.size()) - 1)
        return false;
    const NodeRec chosen = m_model.nodes[nodes[std::size_t(row)]];
    const LayerRec& from = m_model.layers[layer];
    const OleDateTime base{from.baseTime, from.baseTimeStatus};
    // The departure cell is empty (or "0") for an untimed node, and for
    // every node of a layer without a base date-time.
    if ((row > 0 && chosen.arrival == 0) || base.isNull()) {
        ShowMessage(MsgNeedsDeparture, owner, {}, MessageStyle::Information);
        return false;
    }
    if (m_model.nodeCount >= MaxNodes) {
        ShowMessage(MsgTooManyNodes, owner);
        return false;
    }
    const OleDateTime newBase = AddSeconds(base, chosen.departure);
    const QString name = ContinuationName(from);
    const int position = from.tabIndex + 1;
    const int previousCurrent = layer;

    const int added = InsertLayer(position, name);
    if (added < 0)
        return false;
    // Exactly on the chosen node, so the two routes meet: a position taken
    // through the zoom would lose up to 1 / zoom pixels.
    const QPoint at(chosen.x, chosen.y);
    const int node = hooks.appendNode ? hooks.appendNode(at) : m_model.AppendNode(at, 1.0f);
    if (node < 0) {
        RollBackInsert(added, position, previousCurrent);
        return false;
    }
    m_model.layers[added].baseTime = newBase.date;
    m_model.layers[added].baseTimeStatus = newBase.status;
    Finish(true);
    return true;
}

bool LayerOperations::SplitLayerAfterNode(int row)
{
    if (!CheckLayerCapacity())
        return false;
    const int layer = currentLayer();
    if (layer < 0)
        return false;
    const std::vector<int> nodes = LayerNodeIndices(m_model, layer);
    if (row < 0 || row + 1 >= int(nodes.size()))
        return false; // nothing follows the node
    const std::int64_t d = m_model.nodes[nodes[std::size_t(row)]].departure;
    const std::vector<int> moving(nodes.begin() + row + 1, nodes.end());
    if (!CanShift(m_model, moving, -d)) {
        ShowMessage(MsgBeyondDateRange, owner);
        return false;
    }
    const LayerRec& from = m_model.layers[layer];
    const OleDateTime newBase = AddSeconds(OleDateTime{from.baseTime, from.baseTimeStatus}, d);
    const int added = InsertLayer(from.tabIndex + 1, ContinuationName(from));
    if (added < 0)
        return false;
    for (int i : moving) {
        NodeRec& node = m_model.nodes[i];
        node.layer = std::uint16_t(added);
        Shift(node, -d);
    }
    m_model.layers[added].baseTime = newBase.date;
    m_model.layers[added].baseTimeStatus = newBase.status;
    Finish(true);
    return true;
}

bool LayerOperations::MergeIntoPreviousLayer()
{
    const int current = currentLayer();
    if (current < 0)
        return false;
    if (ShowMessage(MsgAskMerge, owner, {}, MessageStyle::YesNo) != IDYES)
        return false;
    const int tab = m_model.layers[current].tabIndex;
    const int previous = LayerAtTab(tab - 1);
    if (tab <= 0 || previous < 0 || previous == current)
        return false;

    const std::vector<int> previousNodes = LayerNodeIndices(m_model, previous);
    // A previous layer without nodes has no end to join: refused as one
    // whose end has no arrival.
    if (previousNodes.empty() || m_model.nodes[previousNodes.back()].arrival == 0) {
        ShowMessage(MsgPreviousNotArrived, owner);
        return false;
    }
    const NodeRec& end = m_model.nodes[previousNodes.back()];
    // Compared in whole seconds, the same rounding that shifts the times,
    // so an end exactly at this layer's base is accepted.
    const std::int64_t w =
        DiffSeconds(m_model.layers[current].baseTime, m_model.layers[previous].baseTime);
    if (end.departure > w) {
        ShowMessage(MsgPreviousEndsLater, owner);
        return false;
    }
    const std::vector<int> nodes = LayerNodeIndices(m_model, current);
    if (!CanShift(m_model, nodes, w)) {
        ShowMessage(MsgBeyondDateRange, owner);
        return false;
    }
    if (tab >= m_tabs.count()) {
        ShowMessage(MsgDeleteFailed, owner);
        return false;
    }

    for (int i : nodes) {
        NodeRec& node = m_model.nodes[i];
        node.layer = std::uint16_t(previous);
        Shift(node, w);
    }
    const int removed = DeleteLayer(tab);
    for (int i = 0; i < m_model.nodeCount; ++i)
        if (m_model.nodes[i].layer > removed)
            --m_model.nodes[i].layer;
    SetCurrent(previous > removed ? previous - 1 : previous);
    Finish(true);
    return true;
}

void LayerOperations::SetCurrent(int layer)
{
    m_model.header.currentLayer = std::uint16_t(std::max(0, layer));
}

void LayerOperations::Finish(bool rebuildList)
{
    SyncSelectedTab();
    if (hooks.refreshNow)
        hooks.refreshNow();
    if (hooks.markModified)
        hooks.markModified();
    if (rebuildList && refreshNodeList)
        refreshNodeList();
}

void LayerOperations::Repaint()
{
    m_tabs.Repaint();
}

} // namespace tavelin
