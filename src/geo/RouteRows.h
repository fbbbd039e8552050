#pragma once
// The derived values of every node of a layer and their column texts, as the
// node list, the Excel export and tavelin-tool show them.
//
// A section runs from the departure at the start or at a timed node to the
// arrival at the next timed node; untimed nodes between add their distance
// to the section but close nothing.

#include "geo/OleDate.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tavelin
{

struct RouteModel;
struct SlipRec;

struct RouteRow {
    int number = 0;    // 1 for the layer's first node
    int nodeIndex = 0; // index in the model's node array
    std::optional<OleDateTime> arrival;
    std::optional<OleDateTime> departure;
    std::optional<std::int64_t> pointDistance;   // metres
    std::optional<std::int64_t> sectionDistance; // metres
    std::optional<std::int64_t> totalDistance;   // metres
    std::optional<std::int64_t> sectionTime;     // seconds
    std::optional<std::int64_t> totalTime;       // seconds
    std::optional<std::int64_t> speed;           // metres per hour
    float longitude = 0.0f;
    float latitude = 0.0f;
    std::optional<QString> note; // already shortened to the note length
};

// A slip's text as the note column shows it: each line break one space,
// shortened to noteLengthBytes (whole characters, "…" appended).
QString NoteColumnText(const SlipRec& slip, int noteLengthBytes);

// One row per node of the layer, in storage order; empty for an unknown
// layer. The first overload reads "ColumnDsp"/"KijiLen" afresh.
std::vector<RouteRow> ComputeRouteRows(const RouteModel& model, int layer);
std::vector<RouteRow> ComputeRouteRows(const RouteModel& model, int layer, int noteLengthBytes);

enum class RouteColumn : int {
    Number,
    Arrival,
    Departure,
    PointDistance,
    SectionDistance,
    TotalDistance,
    SectionTime,
    TotalTime,
    Speed,
    Longitude,
    Latitude,
    Note,
    NodeIndex,
};
constexpr int RouteColumnCount = 13;

using RouteRowTexts = std::array<QString, RouteColumnCount>;

// "No", "到着日時", … "tno".
QString RouteColumnTitle(int column);
RouteRowTexts RouteColumnTitles();
// The "ColumnDsp" key that shows or hides a column; null for the columns
// that are always shown (0-2) and for the node index (never shown).
const char* RouteColumnShowKey(int column);

// Every "ColumnDsp" setting, read in one go at the start of a computation.
struct ColumnSettings {
    int dateFormat = 1;
    int distanceFormat = 1;
    int timeFormat = 1;
    int speedFormat = 1;
    int noteLength = 10;
    bool showZero = true;
    std::array<bool, RouteColumnCount> shown{};

    static ColumnSettings Read();
    // "0" with "DspZero" 1, the empty text with 0.
    QString emptyCell() const;
};

// The 13 texts of a row; every absent value shows the empty-cell text.
RouteRowTexts FormatRouteRow(const RouteRow& row, const ColumnSettings& settings);

// Rows and texts of a layer with one fresh read of the settings.
std::vector<RouteRowTexts> ComputeRouteTexts(const RouteModel& model, int layer);

} // namespace tavelin
