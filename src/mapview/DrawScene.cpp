#include "mapview/DrawScene.h"

#include "platform/Settings.h"
#include "image/PictureDrawing.h"
#include "image/SlipFont.h"
#include "mapview/MapGeometry.h"
#include "platform/Cp932.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tavelin
{
namespace
{

// Selection marks: 2 x 2 checkerboards, navy for the primary selection,
// magenta for the others.
const QBrush& SelectionBrush(bool primary)
{
    static const QBrush primaryBrush = [] {
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.fill(qRgb(255, 255, 255));
        tile.setPixel(0, 0, qRgb(0, 0, 128));
        tile.setPixel(1, 1, qRgb(0, 0, 128));
        return QBrush(tile);
    }();
    static const QBrush otherBrush = [] {
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.fill(qRgb(255, 255, 255));
        tile.setPixel(0, 0, qRgb(255, 0, 255));
        tile.setPixel(1, 1, qRgb(255, 0, 255));
        return QBrush(tile);
    }();
    return primary ? primaryBrush : otherBrush;
}

// The preview button of image slips: an 11 x 11 plus mark in a frame. White
// is left out when it is drawn.
const QImage& PreviewButton()
{
    static const QImage button = [] {
        QImage image(11, 11, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const QRgb frame = qRgb(64, 64, 64);
        const QRgb fill = qRgb(240, 240, 240);
        const QRgb mark = qRgb(0, 0, 160);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 11; ++x) {
                const bool edge = x == 0 || y == 0 || x == 10 || y == 10;
                const bool plus = (x == 5 && y >= 2 && y <= 8) || (y == 5 && x >= 2 && x <= 8);
                image.setPixel(x, y, edge ? frame : plus ? mark : fill);
            }
        return image;
    }();
    return button;
}

// The platform's Rectangle: the outline on the first and last pixel rows
// and columns of the half-open box, the inside filled.
void DrawBox(QPainter& painter, const SlipBox& b)
{
    if (b.right <= b.left || b.bottom <= b.top)
        return;
    painter.drawRect(QRect(b.left, b.top, b.right - b.left - 1, b.bottom - b.top - 1));
}

SlipBox Grown(const SlipBox& b, int by)
{
    return {b.left - by, b.top - by, b.right + by, b.bottom + by};
}

bool Meets(const QRect& visible, int left, int top, int right, int bottom)
{
    return left < visible.x() + visible.width() && right > visible.x() &&
           top < visible.y() + visible.height() && bottom > visible.y();
}

bool Meets(const QRect& visible, const SlipBox& b)
{
    return Meets(visible, b.left, b.top, b.right, b.bottom);
}

QPen LinePen(std::uint32_t colour, int width)
{
    // The platform's solid pens of width above 1 are round at ends and
    // joins, which also makes a polyline split into runs look the same.
    return QPen(FromColorRef(colour), std::max(0, width), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

bool LayerShown(const RouteModel& model, int layer)
{
    return layer >= 0 && layer < model.layerCount && model.layers[layer].visible != 0;
}

void DrawBackground(QPainter& painter, const RouteModel& model, const QImage& background,
                    const QRect& visible)
{
    const QRect m = ZoomedMapRect(model.header);
    const QRect shown = m.intersected(visible);
    if (shown.isEmpty() || background.isNull())
        return;
    if (m.size() == background.size()) {
        painter.drawImage(shown.topLeft(), background, shown);
        return;
    }
    // Only the visible part is stretched; the clip keeps the sampling of
    // the whole stretch, so the pixels are those of a full drawing.
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setClipRect(shown);
    painter.drawImage(m, background);
    painter.restore();
}

void DrawArcs(QPainter& painter, const RouteModel& model, const QRect& visible)
{
    // One pass sorts the nodes into their layers, keeping array order.
    std::vector<std::vector<QPoint>> routes(std::size_t(std::max(0, model.layerCount)));
    for (int i = 0; i < model.nodeCount; ++i) {
        const int layer = model.nodes[i].layer;
        if (LayerShown(model, layer))
            routes[std::size_t(layer)].push_back(NodeZoomedPosition(model, i));
    }
    for (int layer = 0; layer < model.layerCount; ++layer) {
        const std::vector<QPoint>& points = routes[std::size_t(layer)];
        if (points.size() < 2)
            continue;
        const LayerRec& rec = model.layers[layer];
        painter.setPen(LinePen(rec.arcColour, rec.arcWidth));
        const int reach = std::max(1, int(rec.arcWidth)) / 2 + 2;
        const QRect near = visible.adjusted(-reach, -reach, reach, reach);
        // Runs of consecutive segments that touch the visible area.
        std::size_t runStart = 0;
        bool inRun = false;
        for (std::size_t i = 1; i <= points.size(); ++i) {
            bool meets = false;
            if (i < points.size()) {
                const QPoint a = points[i - 1], b = points[i];
                meets = Meets(near, std::min(a.x(), b.x()), std::min(a.y(), b.y()),
                              std::max(a.x(), b.x()) + 1, std::max(a.y(), b.y()) + 1);
            }
            if (meets && !inRun) {
                runStart = i - 1;
                inRun = true;
            } else if (!meets && inRun) {
                painter.drawPolyline(points.data() + runStart, int(i - runStart));
                inRun = false;
            }
        }
    }
}

void DrawAnchors(QPainter& painter, const RouteModel& model, const QRect& visible)
{
    for (int i = 0; i < model.nodeCount; ++i) {
        const NodeRec& node = model.nodes[i];
        if (node.noteSlip < 0 || node.noteSlip >= model.slipCount || !LayerShown(model, node.layer))
            continue;
        const LayerRec& layer = model.layers[node.layer];
        const QPoint from = SlipZoomedCentre(model, node.noteSlip);
        const QPoint to = NodeZoomedPosition(model, i);
        const int reach = std::max(1, int(layer.anchorWidth)) / 2 + 2;
        if (!Meets(visible.adjusted(-reach, -reach, reach, reach), std::min(from.x(), to.x()),
                   std::min(from.y(), to.y()), std::max(from.x(), to.x()) + 1,
                   std::max(from.y(), to.y()) + 1))
            continue;
        painter.setPen(LinePen(layer.anchorColour, layer.anchorWidth));
        painter.drawLine(from, to);
    }
}

void DrawNodes(QPainter& painter, const RouteModel& model, const SceneState& state,
               SceneCache& cache, const QRect& visible)
{
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < model.nodeCount; ++i) {
        const NodeRec& node = model.nodes[i];
        if (!LayerShown(model, node.layer))
            continue;
        const SlipBox r = NodeIconRect(model, i);
        if (!Meets(visible, Grown(r, 4)))
            continue;
        if (node.selected)
            painter.fillRect(ToQRect(Grown(r, 4)), SelectionBrush(i == state.primaryNode));
        const LayerRec& layer = model.layers[node.layer];
        if (state.iconsShown && layer.hasIcon && r.right > r.left) {
            const QImage& icon = cache.iconFor(model, node.layer);
            if (!icon.isNull())
                painter.drawImage(QPoint(r.left, r.top), icon);
        }
    }
}

// The text of a slip as drawn: CP932 decoded, line ends as single breaks.
QString SlipText(const SlipRec& slip)
{
    QString text = cp932::DecodeField(slip.text, SlipTextBytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Qt::Alignment Horizontal(int alignH)
{
    switch (alignH) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

void DrawSlipImage(QPainter& painter, const RouteModel& model, int index, const SlipBox& r,
                   bool previewButton)
{
    const SlipRec& slip = model.slips[index];
    const PicturePtr& picture = (*model.slipPictures)[std::size_t(index)];
    if (!picture || !picture->isDecodable() || r.right <= r.left || r.bottom <= r.top)
        return;
    const QRect target = ToQRect(r);
    // Keyed pictures pick pixels, others scale smoothly; the frame lies just
    // outside the slip and the preview button inside, so their order is free.
    DrawPicture(painter, picture.get(), target, target.size(), slip.style.borderWidth != 0 ? 1 : 0,
                std::uint32_t(slip.style.borderColour), int(PictureMode::Fit), slip.imageTransparentColour);
    if (previewButton)
        painter.drawImage(QPoint(r.right - 11, r.bottom - 11), PreviewButton());
}

void DrawSlip(QPainter& painter, const RouteModel& model, int index, const SceneState& state,
              bool previewButton)
{
    const SlipRec& slip = model.slips[index];
    const SlipStyle& style = slip.style;
    const QFont font = CreateSlipFont(cp932::DecodeField(style.fontName, FontNameBytes),
                                      style.fontBold != 0, style.fontSize, *painter.device());
    const QFontMetrics metrics(font, painter.device());
    const int lineHeight = metrics.height();
    const SlipBox r = SlipScreenRect(model, index, false);

    if (slip.selected) {
        const bool primary = index == state.primarySlip;
        painter.setPen(Qt::NoPen);
        painter.fillRect(ToQRect(Grown(r, 4)), SelectionBrush(primary));
        painter.setPen(QPen(QColor(128, 128, 128), 0));
        painter.setBrush(primary ? QColor(100, 100, 180) : QColor(255, 255, 255));
        const SlipBox g = Grown(r, 2);
        for (const QPoint corner : {QPoint(g.left, g.top), QPoint(g.right, g.top),
                                    QPoint(g.right, g.bottom), QPoint(g.left, g.bottom)})
            DrawBox(painter, {corner.x() - 3, corner.y() - 3, corner.x() + 3, corner.y() + 3});
    }

    if (style.borderWidth != 0) {
        // The border is one pixel whatever the width says; 0 means none at all.
        painter.setPen(QPen(FromColorRef(std::uint32_t(style.borderColour)), 0));
        painter.setBrush(FromColorRef(std::uint32_t(style.backColour)));
        if (style.squareCorners || r.right - r.left < 2 || r.bottom - r.top < 2) {
            DrawBox(painter, r);
        } else {
            painter.drawRoundedRect(
                QRectF(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1), 2.5, 2.5);
        }
    }

    const bool imageSlip = slip.hasImage && (*model.slipPictures)[std::size_t(index)];
    QRect t;
    int flags = int(Horizontal(style.alignH)) | Qt::AlignTop;
    QString text = SlipText(slip);
    if (imageSlip) {
        DrawSlipImage(painter, model, index, r, previewButton);
        if (slip.titlePos == 1)
            t = QRect(QPoint(r.left, r.top - style.margin - lineHeight),
                      QPoint(r.right - 1, r.top - style.margin - 1));
        else if (slip.titlePos == 2)
            t = QRect(QPoint(r.left, r.bottom + style.margin),
                      QPoint(r.right - 1, r.bottom + style.margin + lineHeight - 1));
        else
            return;
        // A line too long for the title ends with an ellipsis.
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = metrics.elidedText(line, Qt::ElideRight, std::max(0, t.width()));
        text = lines.join(QLatin1Char('\n'));
    } else {
        t = QRect(QPoint(r.left + style.margin, r.top + style.margin),
                  QPoint(r.right - style.margin - 1, r.bottom - style.margin - 1));
        if (style.wrap)
            flags |= Qt::TextWordWrap;
    }
    if (text.isEmpty() || t.width() <= 0 || t.height() <= 0)
        return;
    painter.setFont(font);
    painter.setPen(FromColorRef(std::uint32_t(style.textColour)));
    painter.drawText(t, flags, text);
}

void DrawEditorFrame(QPainter& painter, const RouteModel& model, const QRect& editor)
{
    const SlipBox e{editor.left() - 3, editor.top() - 3, editor.left() + editor.width() + 3,
                    editor.top() + editor.height() + 3};
    const int width = std::max(1, static_cast<int>(UsableZoom(model.header.zoom)));
    QPen dotted(QColor(0, 0, 123), width, Qt::DotLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    DrawBox(painter, e);
    painter.setPen(QPen(QColor(123, 123, 123), 0));
    painter.setBrush(QColor(0, 0, 123));
    const int midX = (e.left + e.right) / 2, midY = (e.top + e.bottom) / 2;
    auto circle = [&](int x, int y, int radius) {
        painter.drawEllipse(QRect(x - radius, y - radius, 2 * radius - 1, 2 * radius - 1));
    };
    circle(e.left, e.top, 5);
    circle(e.right, e.top, 5);
    circle(e.right, e.bottom, 5);
    circle(e.left, e.bottom, 5);
    circle(midX, e.top, 4);
    circle(e.right, midY, 4);
    circle(midX, e.bottom, 4);
    circle(e.left, midY, 4);
}

// A generous bound of everything a slip draws, for skipping slips far
// from the painted area: selection marks, handles, frame and title strip.
SlipBox SlipReach(const RouteModel& model, int index)
{
    const SlipRec& slip = model.slips[index];
    SlipBox b = Grown(SlipScreenRect(model, index, false), 8);
    const int margin = std::abs(int(slip.style.margin));
    if (slip.hasImage) {
        const int strip = margin + 4 * std::max(8, int(slip.style.fontSize)) + 16;
        b.top -= strip;
        b.bottom += strip;
    } else {
        b = Grown(b, margin);
    }
    return b;
}

} // namespace

const QImage& SceneCache::iconFor(const RouteModel& model, int layer)
{
    static const QImage none;
    if (!model.iconBitmaps || layer < 0 || layer >= LayerSlots)
        return none;
    if (m_icons.size() <= std::size_t(layer))
        m_icons.resize(std::size_t(layer) + 1);
    const QImage& cell = (*model.iconBitmaps)[std::size_t(layer)];
    const LayerRec& rec = model.layers[layer];
    Entry& entry = m_icons[std::size_t(layer)];
    if (cell.isNull()) {
        entry = Entry{};
        return none;
    }
    if (entry.sourceKey == cell.cacheKey() && entry.size == rec.iconSize &&
        entry.key == rec.iconTransparentColour)
        return entry.image;
    entry.sourceKey = cell.cacheKey();
    entry.size = rec.iconSize;
    entry.key = rec.iconTransparentColour;
    const int s = rec.iconSize;
    if (s <= 0) {
        entry.image = QImage();
    } else if (rec.iconTransparentColour == 0xFFFFFFFFu) {
        // Opaque icons are stretched smoothly.
        entry.image = cell.convertToFormat(QImage::Format_RGB32)
                          .scaled(s, s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        // Keyed icons are stretched by picking pixels, then the key left out.
        entry.image = KeyedCopy(cell.scaled(s, s, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                                rec.iconTransparentColour);
    }
    return entry.image;
}

void DrawScene(QPainter& painter, const RouteModel& model, const SceneState& state)
{
    const QRect whole = ZoomedMapRect(model.header);
    const QRect visible = state.visible.isEmpty() ? whole : state.visible;
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (!state.background || state.background->isNull()) {
        painter.fillRect(visible, Qt::white);
        return;
    }
    DrawBackground(painter, model, *state.background, visible);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);

    if (model.nodeCount > 0) {
        DrawArcs(painter, model, visible);
        DrawAnchors(painter, model, visible);
        SceneCache localCache;
        DrawNodes(painter, model, state, state.cache ? *state.cache : localCache, visible);
    }

    if (model.slipCount > 0) {
        // The first node in array order that notes each slip decides
        // whether a hidden layer hides it.
        std::vector<int> firstNoter(std::size_t(model.slipCount), -1);
        for (int i = 0; i < model.nodeCount; ++i) {
            const int s = model.nodes[i].noteSlip;
            if (s >= 0 && s < model.slipCount && firstNoter[std::size_t(s)] < 0)
                firstNoter[std::size_t(s)] = i;
        }
        const bool previewButton =
            settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("PicZoom")) == 1;
        for (int i = 0; i < model.slipCount; ++i) {
            if (i == state.editingSlip) {
                DrawEditorFrame(painter, model, state.editorRect);
                continue;
            }
            const int noter = firstNoter[std::size_t(i)];
            if (noter >= 0 && !LayerShown(model, model.nodes[noter].layer))
                continue;
            if (!Meets(visible, SlipReach(model, i)))
                continue;
            painter.save();
            DrawSlip(painter, model, i, state, previewButton);
            painter.restore();
        }
    }
}

void SetImageDpi(QImage& image, int dotsPerInch)
{
    const int dpm = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
}

BackgroundResult BuildBackground(const RouteModel& model, QImage& buffer, int dotsPerInch)
{
    buffer = QImage();
    const DocHeader& h = model.header;
    if (!h.hasMap || !model.mapPicture || h.mapWidth <= 0 || h.mapHeight <= 0)
        return BackgroundResult::NoMap;
    const QImage& picture = model.mapPicture->image();
    QImage image;
    if (!picture.isNull() && picture.size() == QSize(h.mapWidth, h.mapHeight) &&
        !picture.hasAlphaChannel()) {
        // Already the map's size: no second full-size buffer to draw into.
        image = picture.convertToFormat(QImage::Format_RGB32);
    } else {
        image = QImage(h.mapWidth, h.mapHeight, QImage::Format_RGB32);
        if (image.isNull())
            return BackgroundResult::NoMemory;
        if (picture.isNull())
            return BackgroundResult::NotRendered;
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(QRect(0, 0, h.mapWidth, h.mapHeight), picture);
    }
    if (image.isNull())
        return BackgroundResult::NoMemory;
    SetImageDpi(image, dotsPerInch);
    buffer = std::move(image);
    return BackgroundResult::Built;
}

QImage RenderWholeMap(RouteModel& model, SceneState state, int dotsPerInch)
{
    const int width = std::max(0, model.header.mapWidth),
              height = std::max(0, model.header.mapHeight);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    SetImageDpi(image, dotsPerInch);
    const float previousZoom = model.header.zoom;
    model.header.zoom = 1.0f;
    state.visible = QRect(0, 0, width, height);
    {
        QPainter painter(&image);
        DrawScene(painter, model, state);
    }
    model.header.zoom = previousZoom;
    return image;
}

} // namespace tavelin
