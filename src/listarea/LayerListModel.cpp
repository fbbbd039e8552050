#include "listarea/LayerListModel.h"

namespace tavelin
{

void LayerListModel::setRows(std::vector<LayerListTexts> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int LayerListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int LayerListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LayerListColumnCount;
}

Qt::Alignment LayerListModel::ColumnAlignment(int column)
{
    switch (LayerListColumn(column)) {
    case LayerListColumn::Name:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case LayerListColumn::Distance:
    case LayerListColumn::TotalTime:
    case LayerListColumn::NodeCount:
    case LayerListColumn::SlipCount:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignCenter;
    }
}

QVariant LayerListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()) ||
        index.column() >= LayerListColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_rows[std::size_t(index.row())][std::size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ColumnAlignment(index.column()));
    return {};
}

QVariant LayerListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return LayerListTitle(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ColumnAlignment(section));
    return {};
}

} // namespace tavelin
