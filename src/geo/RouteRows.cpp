#include "geo/RouteRows.h"

#include "platform/Settings.h"
#include "geo/Formats.h"
#include "geo/Geodesy.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace tavelin
{
namespace
{

const QString Section = QStringLiteral("ColumnDsp");

struct ColumnDef {
    const char* title; // UTF-8
    const char* showKey;
};

constexpr ColumnDef Columns[RouteColumnCount] = {
    {"No", nullptr},       {"到着日時", nullptr},  {"出発日時", nullptr}, {"点間距離", "Tenkan"},
    {"区間距離", "Kyori"}, {"総距離", "Soukyori"}, {"区間時間", "Jikan"}, {"総時間", "Soujikan"},
    {"時速", "Jisoku"},    {"経度", "Keido"},      {"緯度", "Ido"},       {"記事", "Kiji"},
    {"tno", nullptr},
};

std::optional<QString> NoteOf(const RouteModel& model, const NodeRec& node, int noteLengthBytes)
{
    // A reference past the slips (a damaged file) is treated as no note.
    if (node.noteSlip < 0 || node.noteSlip >= model.slipCount || !model.slips)
        return std::nullopt;
    return NoteColumnText(model.slips[node.noteSlip], noteLengthBytes);
}

// Speed over a section: the quotient is rounded to a 32-bit float before
// it multiplies the distance, which decides the last whole metre per hour.
std::optional<std::int64_t> SectionSpeed(std::int64_t metres, std::int64_t seconds)
{
    // A section of no time has no finite speed.
    if (seconds == 0)
        return std::nullopt;
    const float perHour = static_cast<float>(3600.0 / double(seconds));
    const long double speed = std::trunc(static_cast<long double>(perHour) * metres);
    constexpr long double Limit = 9.0e18L;
    if (!(std::fabs(speed) < Limit))
        return std::nullopt;
    return static_cast<std::int64_t>(speed);
}

// "%f" of a float, as the C library prints it, without its cost: the float
// times 10^6 is exact in long double (24 + 20 significant bits), so rounding
// that product half to even gives the same six decimals.
QString Degrees(float value)
{
    char buffer[64];
    const long double scaled = static_cast<long double>(value) * 1000000.0L;
    if (!(std::fabs(scaled) < 1.0e18L)) {
        const int n = std::snprintf(buffer, sizeof buffer, "%f", double(value));
        return QString::fromLatin1(buffer, n > 0 && n < int(sizeof buffer) ? n : 0);
    }
    const long long micro = std::llrint(scaled); // default rounding: half to even
    const unsigned long long size = micro < 0 ? 0ULL - static_cast<unsigned long long>(micro)
                                              : static_cast<unsigned long long>(micro);
    char* end = buffer + sizeof buffer;
    char* p = end;
    unsigned long long rest = size;
    for (int digit = 0; digit < 6; ++digit) {
        *--p = char('0' + rest % 10);
        rest /= 10;
    }
    *--p = '.';
    do {
        *--p = char('0' + rest % 10);
        rest /= 10;
    } while (rest);
    if (std::signbit(value))
        *--p = '-';
    return QString::fromLatin1(p, end - p);
}

} // namespace

QString NoteColumnText(const SlipRec& slip, int noteLengthBytes)
{
    QByteArray text(slip.text, qstrnlen(slip.text, SlipTextBytes));
    // CR and LF never occur as the trail byte of a CP932 pair, so the bytes
    // can be replaced before decoding.
    text.replace("\r\n", " ");
    return cp932::Decode(cp932::FitToBytes(text, noteLengthBytes));
}

std::vector<RouteRow> ComputeRouteRows(const RouteModel& model, int layer)
{
    return ComputeRouteRows(model, layer, settings::GetInt(Section, QStringLiteral("KijiLen")));
}

std::vector<RouteRow> ComputeRouteRows(const RouteModel& model, int layer, int noteLengthBytes)
{
    std::vector<RouteRow> rows;
    if (!model.nodes || !model.layers || layer < 0 || layer >= model.layerCount)
        return rows;
    const LayerRec& layerRec = model.layers[layer];
    const OleDateTime base{layerRec.baseTime, layerRec.baseTimeStatus};
    const MapScales scales = MetresPerPixel(model.header);

    int layerNodes = 0;
    for (int i = 0; i < model.nodeCount; ++i)
        layerNodes += model.nodes[i].layer == layer;
    rows.reserve(layerNodes);

    std::int64_t section = 0;
    std::int64_t total = 0;
    std::int64_t sectionStart = 0;
    const NodeRec* previous = nullptr;
    for (int i = 0; i < model.nodeCount; ++i) {
        const NodeRec& node = model.nodes[i];
        if (node.layer != layer)
            continue;
        RouteRow row;
        row.number = int(rows.size()) + 1;
        row.nodeIndex = i;
        row.longitude = PixelToLongitude(model.header, node.x);
        row.latitude = PixelToLatitude(model.header, node.y);
        if (!previous) {
            row.departure = base;
            sectionStart = node.departure;
        } else {
            const std::int64_t point =
                NodeDistance(scales.mx, scales.my, node.x, node.y, previous->x, previous->y);
            section += point;
            total += point;
            row.pointDistance = point;
            row.totalDistance = total;
            if (node.arrival != 0) {
                row.arrival = AddSeconds(base, node.arrival);
                row.departure = AddSeconds(base, node.departure);
                row.sectionDistance = section;
                const std::int64_t sectionTime = std::int64_t(node.arrival) - sectionStart;
                row.sectionTime = sectionTime;
                row.totalTime = node.arrival;
                row.speed = SectionSpeed(section, sectionTime);
                section = 0;
                sectionStart = node.departure;
            }
        }
        row.note = NoteOf(model, node, noteLengthBytes);
        previous = &node;
        rows.push_back(std::move(row));
    }
    return rows;
}

QString RouteColumnTitle(int column)
{
    if (column < 0 || column >= RouteColumnCount)
        return {};
    return QString::fromUtf8(Columns[column].title);
}

RouteRowTexts RouteColumnTitles()
{
    RouteRowTexts titles;
    for (int c = 0; c < RouteColumnCount; ++c)
        titles[c] = RouteColumnTitle(c);
    return titles;
}

const char* RouteColumnShowKey(int column)
{
    if (column < 0 || column >= RouteColumnCount)
        return nullptr;
    return Columns[column].showKey;
}

ColumnSettings ColumnSettings::Read()
{
    auto get = [](const char* key) { return settings::GetInt(Section, QLatin1String(key)); };
    ColumnSettings s;
    s.dateFormat = get("DateFormat");
    s.distanceFormat = get("KyoriFormat");
    s.timeFormat = get("TimeFormat");
    s.speedFormat = get("JisokuFormat");
    s.noteLength = get("KijiLen");
    s.showZero = get("DspZero") != 0;
    for (int c = 0; c < RouteColumnCount; ++c) {
        const char* key = Columns[c].showKey;
        s.shown[c] = key ? get(key) != 0 : c != int(RouteColumn::NodeIndex);
    }
    return s;
}

QString ColumnSettings::emptyCell() const
{
    return showZero ? QStringLiteral("0") : QString();
}

RouteRowTexts FormatRouteRow(const RouteRow& row, const ColumnSettings& settings)
{
    const QString empty = settings.emptyCell();
    auto date = [&](const std::optional<OleDateTime>& d) {
        return d ? FormatDateTime(*d, settings.dateFormat) : empty;
    };
    auto distance = [&](const std::optional<std::int64_t>& v, int code) {
        return v ? FormatDistance(*v, code) : empty;
    };
    auto duration = [&](const std::optional<std::int64_t>& v) {
        return v ? FormatDurationSeconds(*v, settings.timeFormat) : empty;
    };
    RouteRowTexts t;
    t[int(RouteColumn::Number)] = QString::number(row.number);
    t[int(RouteColumn::Arrival)] = date(row.arrival);
    t[int(RouteColumn::Departure)] = date(row.departure);
    t[int(RouteColumn::PointDistance)] = distance(row.pointDistance, settings.distanceFormat);
    t[int(RouteColumn::SectionDistance)] = distance(row.sectionDistance, settings.distanceFormat);
    t[int(RouteColumn::TotalDistance)] = distance(row.totalDistance, settings.distanceFormat);
    t[int(RouteColumn::SectionTime)] = duration(row.sectionTime);
    t[int(RouteColumn::TotalTime)] = duration(row.totalTime);
    t[int(RouteColumn::Speed)] = distance(row.speed, settings.speedFormat);
    t[int(RouteColumn::Longitude)] = Degrees(row.longitude);
    t[int(RouteColumn::Latitude)] = Degrees(row.latitude);
    t[int(RouteColumn::Note)] = row.note ? *row.note : empty;
    t[int(RouteColumn::NodeIndex)] = QString::number(row.nodeIndex);
    return t;
}

std::vector<RouteRowTexts> ComputeRouteTexts(const RouteModel& model, int layer)
{
    const ColumnSettings settings = ColumnSettings::Read();
    const std::vector<RouteRow> rows = ComputeRouteRows(model, layer, settings.noteLength);
    std::vector<RouteRowTexts> texts;
    texts.reserve(rows.size());
    for (const RouteRow& row : rows)
        texts.push_back(FormatRouteRow(row, settings));
    return texts;
}

} // namespace tavelin
