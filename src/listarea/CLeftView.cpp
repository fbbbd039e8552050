#include "listarea/CLeftView.h"

#include "image/PictureDrawing.h"
#include "listarea/CLayerBar.h"
#include "listarea/NodeCellDelegate.h"
#include "listarea/NodeListCommands.h"
#include "listarea/NodeTableView.h"
#include "listarea/TipWindow.h"
#include "model/RouteModel.h"
#include "platform/ColourChooser.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace tavelin
{
namespace
{

constexpr int HintColourColumn = 30104;
constexpr int HintHeaderMenu = 30105;
constexpr int HintPlainColumn = 30106;
constexpr int InitialColumnWidth = 50;

const QString ColumnDsp = QStringLiteral("ColumnDsp");

std::uint32_t ToColorRef(const QColor& c)
{
    return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}

} // namespace

CLeftView::CLeftView(RouteModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_operations(model, m_tabs)
{
    setObjectName(QStringLiteral("CLeftView"));
    m_operations.owner = this;
    m_operations.refreshNodeList = [this] { RefreshNodeList(); };
    m_operations.emptyNodeList = [this] { m_rows.Clear(); };

    m_table = new NodeTableView(this);
    m_table->setModel(&m_rows);
    m_table->setItemDelegate(new NodeCellDelegate(m_rows, m_table->palette(), m_table));
    for (int c = 0; c < RouteColumnCount; ++c)
        m_table->setColumnWidth(c, InitialColumnWidth);
    m_table->setColumnWidth(int(RouteColumn::NodeIndex), 0);
    m_table->viewport()->installEventFilter(this);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &CLeftView::DoubleClicked);
    connect(m_table->horizontalHeader(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) {
                OpenHeaderMenu(m_table->horizontalHeader()->mapToGlobal(pos));
            });

    m_hint = new TipWindow(this);
    m_hint->setObjectName(QStringLiteral("HintTip"));
    m_hint->SetMaximumTipWidth(MaxHintWidth);

    m_bar = new CLayerBar(m_operations, this);
    m_tabBarHeight = m_bar->tabHeight();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_bar);

    m_meter = std::make_unique<TextWidthMeter>(m_table->font());
    InstallBuiltInHandlers();
}

CLeftView::~CLeftView()
{
    // Children go after the members they show: the bar (which writes its
    // settings as it goes) needs the tabs, the table its rows.
    delete m_bar;
    m_bar = nullptr;
    delete m_table;
    m_table = nullptr;
}

void CLeftView::InstallBuiltInHandlers()
{
    m_handlers[ID_LIST_TO_NEW_LAYER] = [this] { m_operations.NewLayerFromNode(m_clickedRow); };
    m_handlers[ID_LIST_SPLIT_LAYER] = [this] { m_operations.SplitLayerAfterNode(m_clickedRow); };
    m_handlers[ID_LIST_MERGE_LAYER] = [this] { m_operations.MergeIntoPreviousLayer(); };
    m_handlers[ID_LIST_COLUMN_COLOUR] = [this] { ChooseColumnColour(); };
    m_handlers[ID_LIST_CENTRE_NODE] = [this] {
        const int node = clickedNode();
        if (node >= 0 && m_operations.hooks.showNodeCentred)
            m_operations.hooks.showNodeCentred(node);
    };
}

void CLeftView::SetHandler(int commandId, std::function<void()> handler)
{
    if (handler)
        m_handlers[commandId] = std::move(handler);
    else
        m_handlers.erase(commandId);
}

bool CLeftView::HasHandler(int commandId) const
{
    return m_handlers.count(commandId) != 0;
}

bool CLeftView::IsRowCommandEnabled(int commandId) const
{
    if (!HasHandler(commandId))
        return false;
    const int node = clickedNode();
    if (node < 0)
        return false;
    const int layer = m_operations.currentLayer();
    const int tab = layer < 0 ? 0 : m_model.layers[layer].tabIndex;
    const RowMenuState state =
        RowMenuRules(m_rows.rowCount(), m_clickedRow, m_model.nodes[node].departure != 0, tab);
    return state.enabled(commandId);
}

bool CLeftView::Execute(int commandId)
{
    if (!IsRowCommandEnabled(commandId))
        return false;
    const std::function<void()> handler = m_handlers.at(commandId);
    handler();
    return true;
}

void CLeftView::InitialUpdate()
{
    InitialUpdate(m_documentPath ? !m_documentPath().isEmpty() : true);
}

void CLeftView::InitialUpdate(bool openedFromFile)
{
    if (!m_colourRead) {
        m_colourRead = true;
        m_rows.SetColumnColour(
            FromColorRef(settings::GetColour(QStringLiteral("Last"), QStringLiteral("ColColor"))));
    }
    m_hint->Close();
    m_clickedRow = -1;
    m_operations.BuildTabs();
    if (openedFromFile) {
        RefreshNodeList();
    } else {
        m_rows.Clear();
        FitColumnWidths();
    }
    m_operations.SyncSelectedTab();
}

void CLeftView::RefreshNodeList()
{
    m_operations.SyncSelectedTab();
    const int top = m_table->topRow();
    m_clickedRow = -1;
    const ColumnSettings settings = ColumnSettings::Read();
    m_rows.SetRows(ComputeRouteRows(m_model, m_operations.currentLayer(), settings.noteLength),
                   settings);
    const int primary = m_operations.hooks.primaryNode ? m_operations.hooks.primaryNode() : -1;
    SelectRow(m_rows.rowOfNode(primary));
    FitColumnWidths(settings);
    m_table->LayoutNow();
    m_table->SetTopRow(top);
}

bool CLeftView::HasRows() const
{
    return m_rows.rowCount() > 0;
}

void CLeftView::SelectRow(int row)
{
    QItemSelectionModel* selection = m_table->selectionModel();
    if (row < 0 || row >= m_rows.rowCount()) {
        selection->clearSelection();
        return;
    }
    // The selection alone: a current index would scroll the list to it.
    selection->select(m_rows.index(row, 0),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CLeftView::FollowNode(int node)
{
    const int row = m_rows.rowOfNode(node);
    SelectRow(row);
    if (row < 0)
        return;
    m_table->LayoutNow();
    const int top = m_table->topRow();
    const int page = m_table->rowsPerPage();
    if (row < top || row >= top + page)
        m_table->SetTopRow(row - page / 2);
}

void CLeftView::FitColumnWidths()
{
    FitColumnWidths(ColumnSettings::Read());
}

void CLeftView::FitColumnWidths(const ColumnSettings& settings)
{
    if (m_meter->font() != m_table->font())
        m_meter = std::make_unique<TextWidthMeter>(m_table->font());
    const ColumnWidthArray widths = ComputeColumnWidths(m_rows, settings.shown, *m_meter);
    QHeaderView* header = m_table->horizontalHeader();
    for (int c = 0; c < RouteColumnCount; ++c)
        if (header->sectionSize(c) != widths[std::size_t(c)])
            header->resizeSection(c, widths[std::size_t(c)]);
}

void CLeftView::ChooseColumnColour()
{
    const std::optional<QColor> chosen =
        CurrentColourChooser().chooseColour(this, m_rows.columnColour());
    if (!chosen)
        return;
    settings::WriteColour(QStringLiteral("Last"), QStringLiteral("ColColor"), ToColorRef(*chosen));
    m_rows.SetColumnColour(*chosen);
    m_table->viewport()->update();
}

void CLeftView::OpenRowMenu(int row, const QPoint& globalPos)
{
    if (!m_rows.isNodeRow(row))
        return; // the blank row and the space below have no menu
    m_clickedRow = row;
    SelectRow(row);
    QMenu menu(this);
    for (const RowMenuItem& item : RowMenuItems()) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(item.text));
        action->setData(item.id);
        action->setEnabled(IsRowCommandEnabled(item.id));
    }
    QAction* chosen = RunMenu(menuRunner, menu, globalPos);
    if (chosen && chosen->isEnabled())
        Execute(chosen->data().toInt());
}

void CLeftView::OpenHeaderMenu(const QPoint& globalPos)
{
    const ColumnSettings settings = ColumnSettings::Read();
    QMenu menu(this);
    for (const ColumnSwitch& s : ColumnSwitches()) {
        QAction* action = menu.addAction(RouteColumnTitle(s.column));
        action->setData(s.id);
        action->setCheckable(true);
        action->setChecked(settings.shown[std::size_t(s.column)]);
    }
    menu.addSeparator();
    for (const FormatMenu& format : FormatMenus()) {
        QMenu* sub = menu.addMenu(QString::fromUtf8(format.title));
        const int stored = settings::GetInt(ColumnDsp, QLatin1String(format.key));
        const int checked = CheckedItem(format, stored).id;
        for (const FormatItem& item : format.items) {
            QAction* action = sub->addAction(QString::fromUtf8(item.text));
            action->setData(item.id);
            action->setCheckable(true);
            action->setChecked(item.id == checked);
        }
    }
    menu.addSeparator();
    // Checked while the empty cells are truly empty, as the item says.
    QAction* zero = menu.addAction(QStringLiteral("0 は表示しない(&Z)"));
    zero->setData(int(ID_LIST_ZERO_HIDDEN));
    zero->setCheckable(true);
    zero->setChecked(!settings.showZero);

    QAction* chosen = RunMenu(menuRunner, menu, globalPos);
    if (chosen)
        RunHeaderCommand(chosen->data().toInt());
}

void CLeftView::RunHeaderCommand(int commandId)
{
    if (const ColumnSwitch* s = FindColumnSwitch(commandId)) {
        const QLatin1String key(RouteColumnShowKey(s->column));
        settings::WriteInt(ColumnDsp, key, settings::GetInt(ColumnDsp, key) != 0 ? 0 : 1);
        FitColumnWidths(); // the texts stay as they are
        return;
    }
    if (const FormatChoice choice = FindFormatItem(commandId); choice.item) {
        settings::WriteInt(ColumnDsp, QLatin1String(choice.menu->key), choice.item->code);
        RefreshNodeList();
        return;
    }
    if (commandId == ID_LIST_ZERO_HIDDEN) {
        const QString key = QStringLiteral("DspZero");
        settings::WriteInt(ColumnDsp, key, settings::GetInt(ColumnDsp, key) != 0 ? 0 : 1);
        RefreshNodeList();
    }
}

void CLeftView::DoubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || !m_rows.isNodeRow(index.row()))
        return;
    m_clickedRow = index.row();
    // The first node's times are the layer's: the properties decide what
    // they offer, so the double click runs them on every row.
    const int id = NodeListModel::IsColourColumn(index.column()) ? int(ID_LIST_NODE_PROPERTIES)
                                                                 : int(ID_LIST_CENTRE_NODE);
    if (const auto it = m_handlers.find(id); it != m_handlers.end()) {
        const std::function<void()> handler = it->second;
        handler();
    }
}

void CLeftView::ShowHint(QHelpEvent* event)
{
    if (settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("HelpDsp")) == 0) {
        m_hint->Close();
        return;
    }
    const int row = m_table->rowAt(event->pos().y());
    const int column = m_table->columnAt(event->pos().x());
    if (row < 0 || column < 0) {
        m_hint->Close();
        m_tipRow = m_tipColumn = -1;
        return;
    }
    if (row != m_tipRow || column != m_tipColumn)
        m_hint->Close();
    int id = HintHeaderMenu;
    if (row % 2 == 1)
        id = NodeListModel::IsColourColumn(column) ? HintColourColumn : HintPlainColumn;
    m_hint->ShowAt(event->globalPos(), LoadString(id));
    m_tipRow = row;
    m_tipColumn = column;
}

bool CLeftView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table->viewport()) {
        switch (event->type()) {
        case QEvent::ToolTip:
            ShowHint(static_cast<QHelpEvent*>(event));
            return true;
        case QEvent::MouseMove: {
            const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (m_table->rowAt(pos.y()) != m_tipRow || m_table->columnAt(pos.x()) != m_tipColumn)
                m_hint->Close();
            break;
        }
        case QEvent::Leave:
            m_hint->Close();
            m_tipRow = m_tipColumn = -1;
            break;
        case QEvent::ContextMenu: {
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            m_hint->Close();
            OpenRowMenu(m_table->rowAt(menuEvent->pos().y()), menuEvent->globalPos());
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavelin
