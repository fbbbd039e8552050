#pragma once
// The node list's rows as a table model: the 13 column texts of every node
// of the current layer, then the blank row. Column 12 ("tno") holds the
// node's index in the model's node array; the commands on a row read the
// node from it.
//
// The texts lie end to end in one buffer rather than as 130000 separate
// strings: a rebuild then reuses one block of memory, and measuring the
// columns reads it in order.

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

    // The node rows, formatted as the settings say, then the blank row.
    void SetRows(const std::vector<RouteRow>& rows, const ColumnSettings& settings);
    // No rows at all, not even the blank one.
    void Clear();

    int nodeRowCount() const { return int(m_nodes.size()); }
    bool hasBlankRow() const { return m_blankRow; }
    bool isNodeRow(int row) const { return row >= 0 && row < nodeRowCount(); }
    // The node a row shows (its "tno" text); -1 for the blank row or none.
    int nodeAt(int row) const;
    // The row that shows the node, -1 when none does.
    int rowOfNode(int node) const;
    // A cell's text; empty for the blank row and outside the rows.
    QStringView textView(int row, int column) const;
    QString text(int row, int column) const { return textView(row, column).toString(); }

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
    void Append(const RouteRowTexts& texts, int node);

    std::vector<char16_t> m_text;        // every cell's text, row by row
    std::vector<std::uint32_t> m_starts; // where each cell begins, and the end
    std::vector<int> m_nodes;            // each row's node index, ascending
    bool m_blankRow = false;
    QColor m_columnColour{210, 210, 255};
    RouteRowTexts m_titles = RouteColumnTitles();
};

} // namespace tavelin
