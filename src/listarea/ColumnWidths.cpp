#include "listarea/ColumnWidths.h"

#include "listarea/NodeListModel.h"

#include <QSet>
#include <algorithm>

namespace tavelin
{
namespace
{

// Kerning and rounding move a text's true width only a little from the sum
// of its characters; every text estimated within this much of the widest
// is measured exactly.
constexpr qreal Slack = 3.0;
// Texts of one pattern (dates, coordinates) often tie; a few of them
// decide the width as well as all would.
constexpr int MaxMeasured = 12;

} // namespace

TextWidthMeter::TextWidthMeter(const QFont& font)
    : m_exact(font), m_advances(font), m_cache(0x10000, -1.0f)
{
}

qreal TextWidthMeter::estimate(const QString& text)
{
    qreal sum = 0;
    for (const QChar c : text) {
        float& advance = m_cache[c.unicode()];
        if (advance < 0)
            advance = c.isSurrogate() ? float(m_advances.averageCharWidth())
                                      : float(m_advances.horizontalAdvance(c));
        sum += advance;
    }
    return sum;
}

ColumnWidthArray ComputeColumnWidths(const NodeListModel& rows,
                                     const std::array<bool, RouteColumnCount>& shown,
                                     TextWidthMeter& meter)
{
    ColumnWidthArray widths{};
    const int count = rows.nodeRowCount();
    std::vector<qreal> estimates(static_cast<std::size_t>(count));
    for (int c = 0; c < RouteColumnCount; ++c) {
        if (c == int(RouteColumn::NodeIndex) || !shown[std::size_t(c)]) {
            widths[std::size_t(c)] = 0;
            continue;
        }
        int widest = meter.width(rows.headerData(c, Qt::Horizontal).toString());
        qreal most = 0;
        for (int r = 0; r < count; ++r) {
            estimates[std::size_t(r)] = meter.estimate(rows.text(r, c));
            most = std::max(most, estimates[std::size_t(r)]);
        }
        QSet<QString> measured;
        for (int r = 0; r < count && measured.size() < MaxMeasured; ++r) {
            if (estimates[std::size_t(r)] < most - Slack)
                continue;
            const QString& text = rows.texts(r)[std::size_t(c)];
            if (measured.contains(text))
                continue;
            measured.insert(text);
            widest = std::max(widest, meter.width(text));
        }
        widths[std::size_t(c)] = widest + ColumnPadding;
    }
    return widths;
}

} // namespace tavelin
