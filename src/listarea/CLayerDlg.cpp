#include "listarea/CLayerDlg.h"

#include "editors/EditLayerProperties.h"
#include "listarea/LayerListModel.h"
#include "model/RouteModel.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QResizeEvent>
#include <QTableView>

namespace tavelin
{

const QString CLayerDlg::Caption = QStringLiteral(
    "レイヤー一覧　※ "
    "リスト切替え=>"
    "「№」列をＷクリック、それ以外をＷクリックするとレイヤープロパティを表示します。");

namespace
{

constexpr int Inset = 5;
constexpr int WidthPadding = 15;
constexpr int InitialWidths[LayerListColumnCount] = {30, 150, 80, 80, 80, 80, 80, 80, 80, 80};

} // namespace

CLayerDlg::CLayerDlg(RouteModel& model, PropertyHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_model(model), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("CLayerDlg"));
    setWindowTitle(Caption);
    setSizeGripEnabled(true);

    m_rows = new LayerListModel(this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setModel(m_rows);
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setStretchLastSection(false);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (int column = 0; column < LayerListColumnCount; ++column)
        m_list->setColumnWidth(column, InitialWidths[column]);
    connect(m_list, &QTableView::doubleClicked, this, &CLayerDlg::doubleClicked);

    resize(900, 420);
    fill();
}

void CLayerDlg::fill()
{
    m_rows->clear();
    m_rows->setRows(ComputeLayerList(m_model));
    fitColumnWidths();
}

void CLayerDlg::fitColumnWidths()
{
    const QFontMetrics cells(m_list->font());
    const QFontMetrics titles(m_list->horizontalHeader()->font());
    const std::vector<LayerListTexts>& rows = m_rows->rows();
    for (int column = 0; column < LayerListColumnCount; ++column) {
        int widest = titles.horizontalAdvance(LayerListTitle(column));
        // Cells of equal length in characters are mostly of equal width
        // (dates, numbers); each distinct text is measured once.
        QString last;
        for (const LayerListTexts& row : rows) {
            const QString& text = row[std::size_t(column)];
            if (text.isEmpty() || text == last)
                continue;
            widest = std::max(widest, cells.horizontalAdvance(text));
            last = text;
        }
        m_list->setColumnWidth(column, widest + WidthPadding);
    }
}

void CLayerDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const QSize client = event->size();
    m_list->setGeometry(0, 0, std::max(0, client.width() - Inset),
                        std::max(0, client.height() - Inset));
}

void CLayerDlg::doubleClicked(const QModelIndex& index)
{
    const int row = index.row();
    if (!index.isValid() || row < 0 || row >= m_model.layerCount)
        return; // the totals row
    if (index.column() == int(LayerListColumn::Number)) {
        m_model.header.currentLayer = std::uint16_t(row);
        if (m_hooks.layerMadeCurrent)
            m_hooks.layerMadeCurrent(row);
        else if (m_hooks.refreshNodeList)
            m_hooks.refreshNodeList();
        return;
    }
    if (EditLayerProperties(m_model, row, this, m_hooks)) {
        fill();
        m_list->selectRow(row);
    }
}

void ShowLayerList(RouteModel& model, QWidget* parent, const PropertyHooks& hooks)
{
    CLayerDlg dialog(model, hooks, parent);
    dialog.exec();
}

} // namespace tavelin
