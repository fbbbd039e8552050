#include "listarea/NodeListModel.h"

#include <algorithm>

namespace tavelin
{

void NodeListModel::SetRows(std::vector<RouteRowTexts> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_nodes.resize(m_rows.size());
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        bool ok = false;
        const int node = m_rows[r][int(RouteColumn::NodeIndex)].toInt(&ok);
        m_nodes[r] = ok ? node : -1;
    }
    m_blankRow = true;
    endResetModel();
}

void NodeListModel::Clear()
{
    beginResetModel();
    m_rows.clear();
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

const RouteRowTexts& NodeListModel::texts(int row) const
{
    return isNodeRow(row) ? m_rows[std::size_t(row)] : m_blank;
}

QString NodeListModel::text(int row, int column) const
{
    if (column < 0 || column >= RouteColumnCount)
        return {};
    return texts(row)[std::size_t(column)];
}

void NodeListModel::SetColumnColour(const QColor& colour)
{
    if (colour == m_columnColour)
        return;
    m_columnColour = colour;
    if (!m_rows.empty())
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
        return QVariant::fromValue(CellAlignment(index.column()));
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
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags NodeListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace tavelin
