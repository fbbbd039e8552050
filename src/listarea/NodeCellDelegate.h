#pragma once
// Paints the node list's cells: the date columns of node rows in the colour
// column's colour whether selected or not, the others in the window or
// highlight colour, the texts aligned with 5 px insets. Column 0 is left to
// the platform's own painting.

#include <QColor>
#include <QStyledItemDelegate>

namespace tavelin
{

class NodeListModel;

class NodeCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int Inset = 5;

    // The colours are the ones the palette holds now, as the system's.
    NodeCellDelegate(const NodeListModel& rows, const QPalette& palette, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const NodeListModel& m_rows;
    QColor m_text, m_window, m_highlightText, m_highlight;
};

} // namespace tavelin
