// tavelin-tool info DOC.tvn: the whole document as JSON, every record field
// under its own name, texts decoded from CP932, pictures as length, hash
// and pixel size.
#include "tools/Commands.h"

#include "document/DocumentFile.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QTextStream>
#include <charconv>
#include <cstdio>
#include <type_traits>

namespace tavelin::tool {
namespace {

QString JsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

// A JSON object written field by field, in record order.
class Object {
public:
    template <typename T> Object& add(const char* name, T value)
    {
        if constexpr (std::is_floating_point_v<T>) {
            // The shortest text that reads back as the same float or double.
            char buffer[64];
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
            raw(name, QString::fromLatin1(buffer, int(r.ptr - buffer)));
        } else {
            raw(name, QString::number(value));
        }
        return *this;
    }
    Object& text(const char* name, const char* field, int capacity)
    {
        return raw(name, JsonString(cp932::DecodeField(field, capacity)));
    }
    Object& raw(const char* name, const QString& json)
    {
        m_fields << QLatin1Char('"') + QLatin1String(name) + QLatin1String("\": ") + json;
        return *this;
    }
    QString json() const { return QLatin1Char('{') + m_fields.join(QLatin1String(", ")) + QLatin1Char('}'); }

private:
    QStringList m_fields;
};

QString List(const QStringList& items, const QString& indent)
{
    if (items.isEmpty())
        return QStringLiteral("[]");
    return QLatin1String("[\n") + indent + QLatin1String("  ") + items.join(QLatin1String(",\n  ") + indent)
           + QLatin1Char('\n') + indent + QLatin1Char(']');
}

QString PictureJson(const PicturePtr& picture)
{
    if (!picture)
        return QStringLiteral("null");
    QByteArray bytes = picture->bytes();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QSize size = reader.size(); // from the header, without decoding
    if (!size.isValid())
        size = QSize(0, 0);
    return Object()
        .add("bytes", picture->byteSize())
        .raw("sha256", JsonString(QString::fromLatin1(
                           QCryptographicHash::hash(picture->bytes(), QCryptographicHash::Sha256).toHex())))
        .add("width", size.width())
        .add("height", size.height())
        .json();
}

QString HeaderJson(const DocHeader& h)
{
    return Object()
        .add("scrollX", h.scrollX)
        .add("scrollY", h.scrollY)
        .add("zoom", h.zoom)
        .add("fitToWindow", h.fitToWindow)
        .add("currentLayer", h.currentLayer)
        .add("hasMap", h.hasMap)
        .add("mapImageSize", h.mapImageSize)
        .add("mapWidth", h.mapWidth)
        .add("mapHeight", h.mapHeight)
        .add("mapWidthMetres", h.mapWidthMetres)
        .add("mapHeightMetres", h.mapHeightMetres)
        .add("westLon", h.westLon)
        .add("eastLon", h.eastLon)
        .add("northLat", h.northLat)
        .add("southLat", h.southLat)
        .json();
}

QString LayerJson(const LayerRec& l)
{
    return Object()
        .add("tabIndex", l.tabIndex)
        .add("visible", l.visible)
        .add("baseTime", l.baseTime)
        .add("baseTimeStatus", l.baseTimeStatus)
        .text("name", l.name, LayerNameBytes + 1)
        .add("arcWidth", l.arcWidth)
        .add("arcColour", l.arcColour)
        .add("anchorWidth", l.anchorWidth)
        .add("anchorColour", l.anchorColour)
        .add("hasIcon", l.hasIcon)
        .add("iconImageSize", l.iconImageSize)
        .add("iconPos", l.iconPos)
        .add("iconSize", l.iconSize)
        .add("iconTransparentColour", l.iconTransparentColour)
        .json();
}

QString NodeJson(const NodeRec& n)
{
    return Object()
        .add("layer", n.layer)
        .add("noteSlip", n.noteSlip)
        .add("x", n.x)
        .add("y", n.y)
        .add("selected", n.selected)
        .add("arrival", n.arrival)
        .add("departure", n.departure)
        .json();
}

QString SlipJson(const SlipRec& s)
{
    const SlipStyle& st = s.style;
    const QString style = Object()
                              .add("textColour", st.textColour)
                              .add("fontBold", st.fontBold)
                              .add("fontSize", st.fontSize)
                              .text("fontName", st.fontName, FontNameBytes + 1)
                              .add("alignH", st.alignH)
                              .add("margin", st.margin)
                              .add("wrap", st.wrap)
                              .add("backColour", st.backColour)
                              .add("squareCorners", st.squareCorners)
                              .add("borderWidth", st.borderWidth)
                              .add("borderColour", st.borderColour)
                              .json();
    return Object()
        .add("left", s.left)
        .add("top", s.top)
        .add("right", s.right)
        .add("bottom", s.bottom)
        .add("selected", s.selected)
        .add("hasImage", s.hasImage)
        .add("imageSize", s.imageSize)
        .text("text", s.text, SlipTextBytes + 1)
        .add("titlePos", s.titlePos)
        .add("imageTransparentColour", s.imageTransparentColour)
        .raw("style", style)
        .json();
}

} // namespace

int CmdInfo(const QStringList& args)
{
    if (args.size() != 1)
        return Usage(QStringLiteral("info DOC.tvn"));
    RouteModel model;
    int version = 0;
    if (!OpenForTool(args[0], model, &version))
        return 1;

    QStringList layers, nodes, slips, icons, slipPictures;
    for (int i = 0; i < model.layerCount; ++i) {
        layers << LayerJson(model.layers[i]);
        icons << PictureJson((*model.iconPictures)[i]);
    }
    for (int i = 0; i < model.nodeCount; ++i)
        nodes << NodeJson(model.nodes[i]);
    for (int i = 0; i < model.slipCount; ++i) {
        slips << SlipJson(model.slips[i]);
        slipPictures << PictureJson((*model.slipPictures)[i]);
    }
    const QString pictures = QLatin1String("{\n    \"map\": ") + PictureJson(model.mapPicture)
                             + QLatin1String(",\n    \"icons\": ") + List(icons, QStringLiteral("    "))
                             + QLatin1String(",\n    \"slips\": ") + List(slipPictures, QStringLiteral("    "))
                             + QLatin1String("\n  }");

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    out << "{\n  \"version\": " << version << ",\n  \"header\": " << HeaderJson(model.header)
        << ",\n  \"layers\": " << List(layers, QStringLiteral("  ")) << ",\n  \"nodes\": "
        << List(nodes, QStringLiteral("  ")) << ",\n  \"slips\": " << List(slips, QStringLiteral("  "))
        << ",\n  \"pictures\": " << pictures << "\n}\n";
    out.flush();
    return 0;
}

} // namespace tavelin::tool
