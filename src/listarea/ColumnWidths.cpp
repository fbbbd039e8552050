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
    : m_font(font), m_exact(font), m_advances(font), m_cache(0x10000, -1.0f)
{
}

qreal TextWidthMeter::estimate(QStringView text)
{
    float sum = 0;
    float* cache = m_cache.data();
    const char16_t* p = text.utf16();
    const char16_t* end = p + text.size();
    for (; p != end; ++p) {
        float advance = cache[*p];
        if (advance < 0) {
            const QChar c(*p);
            advance = c.isSurrogate() ? float(m_advances.averageCharWidth())
                                      : float(m_advances.horizontalAdvance(c));
            cache[*p] = advance;
        }
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
            const qreal e = meter.estimate(rows.textView(r, c));
            estimates[std::size_t(r)] = e;
            most = std::max(most, e);
        }
        QSet<QString> measured;
        for (int r = 0; r < count && measured.size() < MaxMeasured; ++r) {
            if (estimates[std::size_t(r)] < most - Slack)
                continue;
            const QString text = rows.text(r, c);
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
