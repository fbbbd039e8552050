#pragma once
// The node list's column widths: the widest of a column's title and cell
// texts plus 15 px, 0 for the hidden columns and for "tno".
//
// A layer of 10000 nodes has 130000 cells; measuring each with the font
// would cost more than the whole rebuild may take. Each text is first
// estimated from cached advances of its characters, and only the few texts
// that come close to a column's widest estimate are measured exactly.

#include "geo/RouteRows.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <array>
#include <vector>

namespace tavelin
{

class NodeListModel;

class TextWidthMeter
{
public:
    explicit TextWidthMeter(const QFont& font);
    const QFont& font() const { return m_font; }

    // The pixel width the font gives the text.
    int width(QStringView text) const { return m_exact.horizontalAdvance(text.toString()); }
    // The sum of the characters' own advances.
    qreal estimate(QStringView text);

private:
    QFont m_font;
    QFontMetrics m_exact;
    QFontMetricsF m_advances;
    std::vector<float> m_cache; // per UTF-16 unit; < 0 not yet measured
};

constexpr int ColumnPadding = 15;

using ColumnWidthArray = std::array<int, RouteColumnCount>;

// `shown` as ColumnSettings gives it (the "ColumnDsp" show keys).
ColumnWidthArray ComputeColumnWidths(const NodeListModel& rows,
                                     const std::array<bool, RouteColumnCount>& shown,
                                     TextWidthMeter& meter);

} // namespace tavelin
