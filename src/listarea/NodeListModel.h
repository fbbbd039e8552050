#pragma once
// The node list's rows as a table model: the 13 column texts of every node
// of the current layer, then the blank row. Column 12 ("tno") holds the
// node's index in the model's node array; the commands on a row read the
// node from it.

#include "geo/RouteRows.h"

#include <QAbstractTableModel>
#include <QColor>
#include <vector>

namespace tavelin
{

class NodeListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The node rows, then the blank row.
    void SetRows(std::vector<RouteRowTexts> rows);
    // No rows at all, not even the blank one.
    void Clear();

    int nodeRowCount() const { return int(m_rows.size()); }
    bool hasBlankRow() const { return m_blankRow; }
    bool isNodeRow(int row) const { return row >= 0 && row < nodeRowCount(); }
    // The node a row shows (its "tno" text); -1 for the blank row or none.
    int nodeAt(int row) const;
    // The row that shows the node, -1 when none does.
    int rowOfNode(int node) const;
    // The texts of a row; empty texts for the blank row.
    const RouteRowTexts& texts(int row) const;
    QString text(int row, int column) const;

    // The background of the date columns on node rows.
    QColor columnColour() const { return m_columnColour; }
    void SetColumnColour(const QColor& colour);
    static bool IsColourColumn(int column);
    // Right-aligned distance, time and speed columns; the note left; the
    // others centred.
    static Qt::Alignment CellAlignment(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<RouteRowTexts> m_rows;
    std::vector<int> m_nodes; // each row's node index, ascending
    bool m_blankRow = false;
    QColor m_columnColour{210, 210, 255};
    RouteRowTexts m_blank;
    RouteRowTexts m_titles = RouteColumnTitles();
};

} // namespace tavelin
