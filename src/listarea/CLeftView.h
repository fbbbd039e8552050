#pragma once
// The list area: the node list of the current layer (a table view over
// NodeListModel, 13 columns and the blank row) with the layer tab bar along
// its bottom edge. It rebuilds itself from the model on RefreshNodeList;
// the layer work is LayerOperations', the widgets only show and ask.
//
// The row menu's node properties and spreadsheet export come from other
// parts of the program: they show disabled until SetHandler installs them;
// clickedNode() tells them the row's node.

#include "listarea/ColumnWidths.h"
#include "listarea/ContextMenu.h"
#include "listarea/LayerOperations.h"
#include "listarea/LayerTabs.h"
#include "listarea/NodeListModel.h"
#include "platform/Areas.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QHelpEvent;

namespace tavelin
{

struct RouteModel;
class CLayerBar;
class NodeTableView;
class TipWindow;

class CLeftView : public QWidget, public ListArea
{
    Q_OBJECT
public:
    static constexpr int MaxHintWidth = 512;

    explicit CLeftView(RouteModel& model, QWidget* parent = nullptr);
    ~CLeftView() override;

    // ListArea
    QWidget* widget() override { return this; }
    void InitialUpdate() override;
    void RefreshNodeList() override;
    bool HasRows() const override;
    void PlaceFloatingBars() override {}
    void FollowNode(int node) override;

    // First display for a document read from a file (one tab per layer and
    // its rows) or a new one (its one tab, no rows).
    void InitialUpdate(bool openedFromFile);
    // Tells InitialUpdate() whether the document has a path.
    void SetDocumentPathQuery(std::function<QString()> query) { m_documentPath = std::move(query); }
    void SetHooks(const ListAreaHooks& hooks) { m_operations.hooks = hooks; }

    void FitColumnWidths();
    // The colour column's colour through the colour chooser (32861 and the
    // ribbon's ID_COL_COLOR).
    void ChooseColumnColour();

    // The row menu's commands; an empty function uninstalls one.
    void SetHandler(int commandId, std::function<void()> handler);
    bool HasHandler(int commandId) const;
    // For the clicked row, as choosing the item would: rules, then the
    // handler. True when it ran.
    bool Execute(int commandId);
    bool IsRowCommandEnabled(int commandId) const;
    // The row of the last right click or double click and its node (-1).
    int clickedRow() const { return m_clickedRow; }
    int clickedNode() const { return m_rows.nodeAt(m_clickedRow); }

    // Tests look at the menus through this; unset, the menu opens.
    MenuRunner menuRunner;

    NodeListModel& listModel() { return m_rows; }
    NodeTableView* table() const { return m_table; }
    CLayerBar* layerBar() const { return m_bar; }
    LayerOperations& layerOperations() { return m_operations; }
    LayerTabs& layerTabs() { return m_tabs; }
    TipWindow* hintTip() const { return m_hint; }
    int tabBarHeight() const { return m_tabBarHeight; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InstallBuiltInHandlers();
    void FitColumnWidths(const ColumnSettings& settings);
    void SelectRow(int row);
    void OpenRowMenu(int row, const QPoint& globalPos);
    void OpenHeaderMenu(const QPoint& globalPos);
    void RunHeaderCommand(int commandId);
    void DoubleClicked(const QModelIndex& index);
    void ShowHint(QHelpEvent* event);

    RouteModel& m_model;
    LayerTabs m_tabs;
    LayerOperations m_operations;
    NodeListModel m_rows;
    NodeTableView* m_table = nullptr;
    CLayerBar* m_bar = nullptr;
    TipWindow* m_hint = nullptr;
    std::unique_ptr<TextWidthMeter> m_meter;
    std::function<QString()> m_documentPath;
    std::map<int, std::function<void()>> m_handlers;
    int m_clickedRow = -1;
    int m_tipRow = -1;
    int m_tipColumn = -1;
    int m_tabBarHeight = 0;
    bool m_colourRead = false;
};

} // namespace tavelin
