#pragma once
// Dialog 321, the layer list: every layer with its base date-time, the last
// node's times, route length, total time, node and slip counts and whether
// it is shown, and a totals row. A double click on "No" makes that layer the
// current one (the dialog stays); elsewhere it opens the layer properties
// and fills the list again after OK. Closed by the caption's close box.

#include "editors/PropertyHooks.h"

#include <QDialog>

class QTableView;

namespace tavelin
{

struct RouteModel;
class LayerListModel;

class CLayerDlg : public QDialog
{
    Q_OBJECT
public:
    static const QString Caption;

    CLayerDlg(RouteModel& model, PropertyHooks hooks, QWidget* parent = nullptr);

    QTableView* list() const { return m_list; }
    LayerListModel* rows() const { return m_rows; }

    // Empties the list and fills it from the model, then fits the widths.
    void fill();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumnWidths();
    void doubleClicked(const QModelIndex& index);

    RouteModel& m_model;
    PropertyHooks m_hooks;
    QTableView* m_list = nullptr; // 1000
    LayerListModel* m_rows = nullptr;
};

// Opens the layer list modally (command 32796 of the tab menus).
void ShowLayerList(RouteModel& model, QWidget* parent, const PropertyHooks& hooks);

} // namespace tavelin
