#include "listarea/NodeListModel.h"

#include <algorithm>

namespace tavelin
{

void NodeListModel::SetRows(const std::vector<RouteRow>& rows, const ColumnSettings& settings)
{
    beginResetModel();
    // Cleared, not released: the next rebuild fills the same memory.
    m_text.clear();
    m_starts.assign(1, 0);
    m_nodes.clear();
    m_starts.reserve(rows.size() * RouteColumnCount + 1);
    m_nodes.reserve(rows.size());
    for (const RouteRow& row : rows)
        Append(FormatRouteRow(row, settings), row.nodeIndex);
    m_blankRow = true;
    endResetModel();
}

void NodeListModel::Append(const RouteRowTexts& texts, int node)
{
    for (const QString& t : texts) {
        const auto* p = reinterpret_cast<const char16_t*>(t.utf16());
        m_text.insert(m_text.end(), p, p + t.size());
        m_starts.push_back(std::uint32_t(m_text.size()));
    }
    m_nodes.push_back(node);
}

void NodeListModel::Clear()
{
    beginResetModel();
    m_text.clear();
    m_starts.assign(1, 0);
    m_nodes.clear();
    m_blankRow = false;
    endResetModel();
}

int NodeListModel::nodeAt(int row) const
{
    return isNodeRow(row) ? m_nodes[std::size_t(row)] : -1;
}

int NodeListModel::rowOfNode(int node) const
{
    if (node < 0)
        return -1;
    // Rows follow the storage order, so the indices ascend.
    const auto it = std::lower_bound(m_nodes.begin(), m_nodes.end(), node);
    return it != m_nodes.end() && *it == node ? int(it - m_nodes.begin()) : -1;
}

QStringView NodeListModel::textView(int row, int column) const
{
    if (!isNodeRow(row) || column < 0 || column >= RouteColumnCount)
        return {};
    const std::size_t cell = std::size_t(row) * RouteColumnCount + std::size_t(column);
    const std::uint32_t from = m_starts[cell];
    return QStringView(m_text.data() + from, qsizetype(m_starts[cell + 1] - from));
}

void NodeListModel::SetColumnColour(const QColor& colour)
{
    if (colour == m_columnColour)
        return;
    m_columnColour = colour;
    if (nodeRowCount() > 0)
        Q_EMIT dataChanged(index(0, int(RouteColumn::Arrival)),
                           index(nodeRowCount() - 1, int(RouteColumn::Departure)),
                           {Qt::BackgroundRole});
}

bool NodeListModel::IsColourColumn(int column)
{
    return column == int(RouteColumn::Arrival) || column == int(RouteColumn::Departure);
}

Qt::Alignment NodeListModel::CellAlignment(int column)
{
    if (column >= int(RouteColumn::PointDistance) && column <= int(RouteColumn::Speed))
        return Qt::AlignRight | Qt::AlignVCenter;
    if (column == int(RouteColumn::Note))
        return Qt::AlignLeft | Qt::AlignVCenter;
    return Qt::AlignCenter;
}

int NodeListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return nodeRowCount() + (m_blankRow ? 1 : 0);
}

int NodeListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RouteColumnCount;
}

QVariant NodeListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int(CellAlignment(index.column()));
    case Qt::BackgroundRole:
        if (isNodeRow(index.row()) && IsColourColumn(index.column()))
            return m_columnColour;
        return {};
    default:
        return {};
    }
}

QVariant NodeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= RouteColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_titles[std::size_t(section)];
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags NodeListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace tavelin
