#pragma once
// The report list of the node list: a table view that lays its rows out on
// request, so the list can scroll back right after a rebuild.

#include <QTableView>

namespace tavelin
{

class NodeTableView : public QTableView
{
    Q_OBJECT
public:
    explicit NodeTableView(QWidget* parent = nullptr);

    // Runs the layout a model reset postponed (scroll ranges included).
    void LayoutNow() { executeDelayedItemsLayout(); }
    int rowHeight() const;
    // Rows wholly in sight.
    int rowsPerPage() const;
    int topRow() const;
    void SetTopRow(int row);
};

} // namespace tavelin
