#include "listarea/NodeCellDelegate.h"

#include "listarea/NodeListModel.h"

#include <QPainter>

namespace tavelin
{

NodeCellDelegate::NodeCellDelegate(const NodeListModel& rows, const QPalette& palette,
                                   QObject* parent)
    : QStyledItemDelegate(parent), m_rows(rows),
      m_text(palette.color(QPalette::Active, QPalette::Text)),
      m_window(palette.color(QPalette::Active, QPalette::Base)),
      m_highlightText(palette.color(QPalette::Active, QPalette::HighlightedText)),
      m_highlight(palette.color(QPalette::Active, QPalette::Highlight))
{
}

void NodeCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    if (index.column() == 0) {
        // The selection shows even while the list has no focus.
        QStyleOptionViewItem shown(option);
        shown.state |= QStyle::State_Active;
        shown.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, shown, index);
        return;
    }
    const int column = index.column();
    const bool colourCell = m_rows.isNodeRow(index.row()) && NodeListModel::IsColourColumn(column);
    const QColor back = colourCell ? m_rows.columnColour() : selected ? m_highlight : m_window;
    painter->save();
    painter->fillRect(option.rect, back);
    painter->setPen(selected ? m_highlightText : m_text);
    painter->setFont(option.font);
    const Qt::Alignment alignment = NodeListModel::CellAlignment(column);
    QRect r = option.rect;
    if (alignment & Qt::AlignRight)
        r.adjust(0, 0, -Inset, 0);
    else if (alignment & Qt::AlignLeft)
        r.adjust(Inset, 0, 0, 0);
    painter->setClipRect(option.rect);
    painter->drawText(r, int(alignment) | Qt::TextSingleLine, m_rows.text(index.row(), column));
    painter->restore();
}

} // namespace tavelin
