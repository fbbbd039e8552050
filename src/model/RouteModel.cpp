#include "model/RouteModel.h"

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "geo/OleDate.h"
#include "image/LayerIcon.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace tavelin {
namespace {

constexpr int MsgOutOfMemory = 30001;
constexpr int MsgTooManyLayers = 30009;
constexpr int MsgAddLayerFailed = 30010;
constexpr int MsgTooManyNodes = 30055;
constexpr int MsgTooManySlips = 30062;

DocHeader NewDocumentHeader()
{
    DocHeader h{};
    h.zoom = 1.0f;
    return h;
}

// The point in map-area coordinates divided by the zoom, truncated toward
// zero as the records store whole map pixels.
QPoint ToMapPixels(QPoint point, float zoom)
{
    if (!(zoom > 0.0f))
        zoom = 1.0f;
    return {static_cast<int>(static_cast<float>(point.x()) / zoom),
            static_cast<int>(static_cast<float>(point.y()) / zoom)};
}

int DecimalField(const QString& text, int from, int length)
{
    // A decimal conversion that stops at the first non-digit, as the
    // 14-digit date-time texts were always read.
    const QByteArray part = text.mid(from, length).toLatin1();
    return std::atoi(part.constData());
}

void FillSlipStyle(SlipStyle& style, std::int32_t transparentColour)
{
    const QString sub = QStringLiteral("SUB");
    style.textColour = static_cast<std::int32_t>(settings::GetColour(sub, QStringLiteral("refText")));
    style.fontBold = static_cast<std::uint32_t>(settings::GetInt(sub, QStringLiteral("FontBold")));
    style.fontSize = static_cast<std::int16_t>(settings::GetInt(sub, QStringLiteral("FontSize")));
    QByteArray face = cp932::Encode(settings::GetString(sub, QStringLiteral("FontName")))
                          .value_or(QByteArrayLiteral("Meiryo UI"));
    cp932::CopyToField(style.fontName, FontNameBytes, face);
    style.alignH = static_cast<std::int16_t>(settings::GetInt(sub, QStringLiteral("AlineH")));
    style.margin = static_cast<std::int16_t>(settings::GetInt(sub, QStringLiteral("Yohaku")));
    style.wrap = static_cast<std::uint32_t>(settings::GetInt(sub, QStringLiteral("Wrap")));
    style.backColour = static_cast<std::int32_t>(settings::GetColour(sub, QStringLiteral("refMen")));
    style.squareCorners = static_cast<std::uint32_t>(settings::GetInt(sub, QStringLiteral("Round")));
    // A keyed picture would show its border through the transparent area.
    style.borderWidth = transparentColour != -1
        ? 0
        : static_cast<std::int16_t>(settings::GetInt(sub, QStringLiteral("Futosa")));
    style.borderColour = static_cast<std::int32_t>(settings::GetColour(sub, QStringLiteral("refWaku")));
}

} // namespace

bool RouteModel::Allocate()
{
    const auto release = [this] {
        layers.reset();
        nodes.reset();
        slips.reset();
        iconPictures.reset();
        slipPictures.reset();
        iconBitmaps.reset();
    };
    release();
    mapPicture.reset();
    layerCount = nodeCount = slipCount = 0;
    try {
        layers.reset(new LayerRec[LayerSlots]());
        nodes.reset(new NodeRec[NodeSlots]());
        slips.reset(new SlipRec[SlipSlots]());
        iconPictures = std::make_unique<std::array<PicturePtr, LayerSlots>>();
        slipPictures = std::make_unique<std::array<PicturePtr, SlipSlots>>();
        iconBitmaps = std::make_unique<std::array<QImage, LayerSlots>>();
    } catch (const std::bad_alloc&) {
        release();
        return false;
    }
    return true;
}

void RouteModel::Clear()
{
    header = NewDocumentHeader();
    layerCount = nodeCount = slipCount = 0;
    mapPicture.reset();
    if (iconPictures)
        iconPictures->fill(nullptr);
    if (slipPictures)
        slipPictures->fill(nullptr);
    if (iconBitmaps)
        iconBitmaps->fill(QImage());
}

bool RouteModel::ResetForNewDocument()
{
    if (!isAllocated() && !Allocate()) {
        ShowMessage(MsgOutOfMemory);
        return false;
    }
    Clear();
    return AddLayer(0, QStringLiteral("20000101000000"), QStringLiteral("レイヤー1"));
}

bool RouteModel::AddLayer(int tabPosition, const QString& baseDateTime14, const QString& name)
{
    if (layerCount >= MaxLayers) {
        ShowMessage(MsgTooManyLayers);
        return false;
    }
    const std::optional<QByteArray> encodedName = cp932::Encode(name);
    const PicturePtr icon = LoadDefaultIcon();
    if (!encodedName || !icon) {
        ShowMessage(MsgAddLayerFailed);
        return false;
    }

    const int index = layerCount;
    LayerRec& layer = layers[index];
    std::memset(&layer, 0, sizeof layer);
    layer.visible = 1;
    layer.baseTime = OleDateFromParts(DecimalField(baseDateTime14, 0, 4), DecimalField(baseDateTime14, 4, 2),
                                      DecimalField(baseDateTime14, 6, 2), DecimalField(baseDateTime14, 8, 2),
                                      DecimalField(baseDateTime14, 10, 2), DecimalField(baseDateTime14, 12, 2),
                                      &layer.baseTimeStatus);
    cp932::CopyToField(layer.name, LayerNameBytes, *encodedName);

    const QString section = QStringLiteral("LAYER");
    layer.arcWidth = static_cast<std::int16_t>(settings::GetInt(section, QStringLiteral("Futosa")));
    layer.arcColour = settings::GetColour(section, QStringLiteral("ArcCol"));
    layer.anchorWidth = static_cast<std::uint16_t>(settings::GetInt(section, QStringLiteral("Anchor")));
    layer.anchorColour = settings::GetColour(section, QStringLiteral("AnchorCol"));
    layer.iconSize = static_cast<std::uint16_t>(settings::GetInt(section, QStringLiteral("IconW")));
    layer.iconPos = 0; // centred on the node point

    (*iconPictures)[index] = icon;
    layer.iconImageSize = static_cast<std::uint32_t>(icon->byteSize());
    layer.iconTransparentColour = 0xFFFFFF;
    layer.hasIcon = 1;
    (*iconBitmaps)[index] = BuildLayerIcon(*icon, layer);
    if ((*iconBitmaps)[index].isNull())
        ShowMessage(MsgOutOfMemory); // the layer keeps its picture
    layer.tabIndex = tabPosition;

    header.currentLayer = static_cast<std::uint16_t>(index);
    ++layerCount;
    return true;
}

int RouteModel::AppendNode(QPoint point, float zoom)
{
    if (nodeCount >= MaxNodes) {
        ShowMessage(MsgTooManyNodes);
        return -1;
    }
    const int index = nodeCount;
    NodeRec& node = nodes[index];
    std::memset(&node, 0, sizeof node);
    const QPoint p = ToMapPixels(point, zoom);
    node.layer = header.currentLayer;
    node.noteSlip = -1;
    node.x = p.x();
    node.y = p.y();
    ++nodeCount;
    return index;
}

int RouteModel::AddSlip(QPoint centre, float zoom, const QByteArray& textCp932, const SlipImageData& image)
{
    if (slipCount >= MaxSlips) {
        ShowMessage(MsgTooManySlips);
        return -1;
    }
    const QString kanSet = QStringLiteral("KanSet");
    const int height = settings::GetInt(kanSet, QStringLiteral("SlipH"));
    int width = settings::GetInt(kanSet, QStringLiteral("SlipW"));
    if (image.picture) {
        const QSize size = image.picture->image().size();
        if (size.width() > 0 && size.height() > 0)
            width = static_cast<int>(height * (static_cast<double>(size.width()) / size.height()));
    }

    const QPoint c = ToMapPixels(centre, zoom);
    const SlipBox box = FitSlipIntoMap({c.x() - width / 2, c.y() - height / 2, c.x() + width / 2, c.y() + height / 2},
                                       header.mapWidth, header.mapHeight);

    const int index = slipCount;
    SlipRec& slip = slips[index];
    std::memset(&slip, 0, sizeof slip);
    slip.left = box.left;
    slip.top = box.top;
    slip.right = box.right;
    slip.bottom = box.bottom;
    slip.selected = 1;
    slip.hasImage = image.picture ? 1 : 0;
    slip.imageSize = image.picture ? static_cast<std::int32_t>(image.picture->byteSize()) : 0;
    (*slipPictures)[index] = image.picture;
    slip.imageTransparentColour = image.picture ? image.transparentColour : -1;
    cp932::CopyToField(slip.text, SlipTextBytes, textCp932);
    slip.titlePos = static_cast<std::uint16_t>(settings::GetInt(QStringLiteral("SUB"), QStringLiteral("TitlePos")));
    FillSlipStyle(slip.style, slip.imageTransparentColour);
    ++slipCount;
    return index;
}

void RouteModel::RemoveSlip(int index)
{
    if (index < 0 || index >= slipCount)
        return;
    for (int i = index; i + 1 < slipCount; ++i) {
        slips[i] = slips[i + 1];
        (*slipPictures)[i] = (*slipPictures)[i + 1];
    }
    (*slipPictures)[slipCount - 1].reset();
    --slipCount;
    for (int n = 0; n < nodeCount; ++n) {
        std::int32_t& note = nodes[n].noteSlip;
        if (note == index)
            note = -1;
        else if (note > index)
            --note;
    }
}

void RouteModel::ClearSelectionMarks()
{
    for (int i = 0; i < nodeCount; ++i)
        nodes[i].selected = 0;
    for (int i = 0; i < slipCount; ++i)
        slips[i].selected = 0;
}

int RouteModel::FindLayerByTab(int tabPosition) const
{
    for (int i = 0; i < layerCount; ++i)
        if (layers[i].tabIndex == tabPosition)
            return i;
    return 0;
}

SlipBox FitSlipIntoMap(SlipBox r, int mapWidth, int mapHeight)
{
    const int W = mapWidth;
    const int H = mapHeight;
    if (W <= 0 || H <= 0)
        return r; // no map yet: nothing to fit into
    const int w = r.width();
    const int h = r.height();
    // Single-precision quotients and truncated products decide the pixels.
    if (w > W && h > H) {
        const float g = std::min(static_cast<float>(W) / static_cast<float>(w),
                                 static_cast<float>(H) / static_cast<float>(h));
        r = {0, 0, static_cast<int>(static_cast<float>(w) * g), static_cast<int>(static_cast<float>(h) * g)};
    } else if (w > W) {
        const float f = static_cast<float>(W) / static_cast<float>(w);
        r = {0, 0, W, static_cast<int>(f * static_cast<float>(h))};
    } else if (h > H) {
        const float f = static_cast<float>(H) / static_cast<float>(h);
        r = {0, 0, static_cast<int>(f * static_cast<float>(w)), H};
    }
    // Every test looks at the rectangle before any of these moves.
    const SlipBox s = r;
    int dx = 0, dy = 0;
    if (s.left < 0)
        dx += -s.left;
    if (s.right > W)
        dx -= s.right - W;
    if (s.top < 0)
        dy += -s.top;
    if (s.bottom > H)
        dy -= s.bottom - H;
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
    return r;
}

} // namespace tavelin
