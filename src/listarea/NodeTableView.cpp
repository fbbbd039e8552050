#include "listarea/NodeTableView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace tavelin
{

NodeTableView::NodeTableView(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("NodeTable"));
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setMouseTracking(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
}

int NodeTableView::rowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

int NodeTableView::rowsPerPage() const
{
    return std::max(1, viewport()->height() / std::max(1, rowHeight()));
}

int NodeTableView::topRow() const
{
    return verticalScrollBar()->value();
}

void NodeTableView::SetTopRow(int row)
{
    verticalScrollBar()->setValue(row);
}

} // namespace tavelin
