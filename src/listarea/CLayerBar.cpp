#include "listarea/CLayerBar.h"

#include "editors/CRenameDlg.h"
#include "image/PictureDrawing.h"
#include "listarea/LayerMenuIcons.h"
#include "listarea/LayerOperations.h"
#include "listarea/LayerTabs.h"
#include "listarea/TipWindow.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace tavelin
{
namespace
{

constexpr int TextInset = 4; // caption from the tab's left edge
constexpr int TabGap = 2;    // between button tabs
constexpr int ArrowWidth = 16;
constexpr int TopBorder = 2; // the bar's top border line and its gap

} // namespace

CLayerBar::CLayerBar(LayerOperations& operations, QWidget* parent)
    : QWidget(parent), m_ops(operations), m_tabs(operations.tabs()),
      m_appearance(TabAppearance::Read())
{
    setObjectName(QStringLiteral("CLayerBar"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_ops.SetCaptionLength(m_appearance.captionLength);
    m_tip = new TipWindow(this);
    m_tabHeight = fontMetrics().height() + 8;
    setFixedHeight(m_tabHeight + TopBorder);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&m_tabs, &LayerTabs::changed, this, &CLayerBar::TabsChanged);
    InstallBuiltInHandlers();
}

CLayerBar::~CLayerBar()
{
    m_appearance.captionLength = m_ops.captionLength();
    m_appearance.Write();
}

void CLayerBar::SetAppearance(const TabAppearance& appearance)
{
    m_appearance = appearance;
    m_ops.SetCaptionLength(appearance.captionLength);
    m_appearance.captionLength = m_ops.captionLength();
    m_dirty = true;
    update();
}

void CLayerBar::InstallBuiltInHandlers()
{
    m_handlers[ID_LAYER_NEW_BEFORE] = [this] { NewLayer(false); };
    m_handlers[ID_LAYER_NEW_AFTER] = [this] { NewLayer(true); };
    m_handlers[ID_LAYER_SWAP_PREVIOUS] = [this] { m_ops.ExchangeTabs(m_menuTab, -1); };
    m_handlers[ID_LAYER_SWAP_NEXT] = [this] { m_ops.ExchangeTabs(m_menuTab, +1); };
    m_handlers[ID_LAYER_DELETE] = [this] { m_ops.DeleteLayerCommand(m_menuTab); };
    m_handlers[ID_LAYER_RENAME] = [this] { Rename(); };
    m_handlers[ID_LAYER_SELECT_NODES] = [this] { m_ops.SelectCurrentLayerNodes(false); };
    m_handlers[ID_LAYER_SHOW_HIDE] = [this] { m_ops.ToggleCurrentVisible(); };
    m_handlers[ID_LAYER_HIDE_OTHERS] = [this] { m_ops.HideAllButCurrent(); };
    m_handlers[ID_LAYER_SHOW_ALL] = [this] { m_ops.ShowAllLayers(); };
}

void CLayerBar::SetHandler(int commandId, std::function<void()> handler)
{
    if (handler)
        m_handlers[commandId] = std::move(handler);
    else
        m_handlers.erase(commandId);
}

bool CLayerBar::HasHandler(int commandId) const
{
    return m_handlers.count(commandId) != 0;
}

TabMenuState CLayerBar::MenuState() const
{
    const RouteModel& model = m_ops.model();
    const int current = m_ops.currentLayer();
    TabMenuState s;
    s.menuTab = m_menuTab;
    s.tabCount = m_tabs.count();
    s.hasMap = model.header.hasMap != 0;
    s.currentVisible = current >= 0 && model.layers[current].visible != 0;
    return s;
}

bool CLayerBar::IsEnabled(int commandId) const
{
    return HasHandler(commandId) && TabMenuItemEnabled(commandId, MenuState());
}

bool CLayerBar::Execute(int commandId)
{
    if (!IsEnabled(commandId))
        return false;
    // Copied: the handler may replace itself while it runs.
    const std::function<void()> handler = m_handlers.at(commandId);
    handler();
    return true;
}

void CLayerBar::NewLayer(bool after)
{
    const int position = m_menuTab + (after ? 1 : 0);
    if (!m_ops.CheckLayerCapacity())
        return;
    const auto name =
        askName ? askName(QString(), m_menuPoint, this) : AskName(QString(), m_menuPoint, this);
    if (!name)
        return;
    m_ops.NewLayerAtTab(position, *name);
}

void CLayerBar::Rename()
{
    const int layer = m_ops.LayerAtTab(m_menuTab);
    if (layer < 0)
        return;
    const QString old = cp932::DecodeField(m_ops.model().layers[layer].name, LayerNameBytes + 1);
    const auto name = askName ? askName(old, m_menuPoint, this) : AskName(old, m_menuPoint, this);
    if (name)
        m_ops.RenameLayer(m_menuTab, *name);
}

void CLayerBar::TabsChanged()
{
    // Geometry is rebuilt at the next paint or hit test: a re-caption of
    // every tab must not measure the whole row once per tab.
    m_dirty = true;
    update();
}

void CLayerBar::EnsureLayout()
{
    if (m_dirty) {
        m_dirty = false;
        const QFontMetrics metrics = fontMetrics();
        const int count = m_tabs.count();
        m_left.resize(std::size_t(count));
        m_width.resize(std::size_t(count));
        int x = 0;
        for (int p = 0; p < count; ++p) {
            const int w = std::max(metrics.horizontalAdvance(m_tabs.caption(p)) + 2 * TextInset,
                                   2 * TextInset + 8);
            m_left[std::size_t(p)] = x;
            m_width[std::size_t(p)] = w;
            x += w + TabGap;
        }
        m_stripWidth = std::max(0, x - TabGap);
        m_first = std::clamp(m_first, 0, std::max(0, count - 1));
    }
    // The selected tab is brought into sight when the selection changes.
    const int selected = m_tabs.selected();
    if (selected != m_shownSelection) {
        m_shownSelection = selected;
        if (selected >= 0 && selected < m_tabs.count()) {
            const int shown = ShownWidth();
            if (selected < m_first)
                m_first = selected;
            while (m_first < selected && m_left[std::size_t(selected)] +
                                                 m_width[std::size_t(selected)] -
                                                 m_left[std::size_t(m_first)] >
                                             shown)
                ++m_first;
        }
    }
}

bool CLayerBar::overflowing()
{
    EnsureLayout();
    return m_stripWidth > width();
}

int CLayerBar::ShownWidth()
{
    return m_stripWidth > width() ? std::max(0, width() - 2 * ArrowWidth) : width();
}

QRect CLayerBar::ArrowRect(int direction)
{
    const int x = width() - (direction < 0 ? 2 : 1) * ArrowWidth;
    return QRect(x, TopBorder, ArrowWidth, m_tabHeight);
}

QRect CLayerBar::TabRect(int position)
{
    EnsureLayout();
    if (position < m_first || position >= m_tabs.count())
        return {};
    const int x = m_left[std::size_t(position)] - m_left[std::size_t(m_first)];
    if (x >= ShownWidth())
        return {};
    return QRect(x, TopBorder, m_width[std::size_t(position)], m_tabHeight);
}

int CLayerBar::TabAt(const QPoint& point)
{
    EnsureLayout();
    if (point.y() < TopBorder || point.x() < 0 || point.x() >= ShownWidth() ||
        m_first >= m_tabs.count())
        return -1;
    const int x = point.x() + m_left[std::size_t(m_first)];
    // The last tab starting at or before x.
    const auto it = std::upper_bound(m_left.begin() + m_first, m_left.end(), x);
    if (it == m_left.begin() + m_first)
        return -1;
    const int p = int(it - m_left.begin()) - 1;
    return x < m_left[std::size_t(p)] + m_width[std::size_t(p)] ? p : -1;
}

void CLayerBar::ScrollTabs(int by)
{
    EnsureLayout();
    const int count = m_tabs.count();
    if (count == 0)
        return;
    int first = std::clamp(m_first + by, 0, count - 1);
    // Never past the point where the last tab is fully in sight.
    while (first > 0 && m_stripWidth - m_left[std::size_t(first - 1)] <= ShownWidth())
        --first;
    if (by > 0 && m_stripWidth - m_left[std::size_t(m_first)] <= ShownWidth())
        first = m_first;
    if (first != m_first) {
        m_first = first;
        update();
    }
}

void CLayerBar::paintEvent(QPaintEvent*)
{
    EnsureLayout();
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 0, width() - 1, 0);

    const RouteModel& model = m_ops.model();
    const int shown = ShownWidth();
    p.setClipRect(QRect(0, 0, shown, height()));
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    for (int pos = m_first; pos < m_tabs.count(); ++pos) {
        const QRect r = TabRect(pos);
        if (r.isEmpty())
            break;
        const int layer = m_ops.LayerAtTab(pos);
        const bool visible = layer >= 0 && model.layers[layer].visible != 0;
        const QColor back =
            FromColorRef(visible ? m_appearance.visibleBack : m_appearance.hiddenBack);
        const QColor text =
            FromColorRef(visible ? m_appearance.visibleText : m_appearance.hiddenText);
        p.fillRect(r, back);
        // Button tabs: the selected one is pressed in.
        const bool selected = pos == m_tabs.selected();
        p.setPen(selected ? dark : light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(selected ? light : dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(text);
        const QRect textRect =
            r.adjusted(TextInset, 0, 0, 0).translated(selected ? 1 : 0, selected ? 1 : 0);
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   m_tabs.caption(pos));
    }
    p.setClipping(false);
    if (m_stripWidth > width()) {
        for (int direction : {-1, 1}) {
            const QRect a = ArrowRect(direction);
            p.fillRect(a, palette().button());
            p.setPen(dark);
            p.drawRect(a.adjusted(0, 0, -1, -1));
            const QPoint c = a.center();
            const QPolygon triangle =
                direction < 0 ? QPolygon({c + QPoint(-3, 0), c + QPoint(2, -4), c + QPoint(2, 4)})
                              : QPolygon({c + QPoint(3, 0), c + QPoint(-2, -4), c + QPoint(-2, 4)});
            p.setBrush(palette().color(QPalette::ButtonText));
            p.drawPolygon(triangle);
            p.setBrush(Qt::NoBrush);
        }
    }
}

void CLayerBar::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    m_tip->Close();
    if (overflowing() && event->button() == Qt::LeftButton) {
        if (ArrowRect(-1).contains(pos)) {
            ScrollTabs(-1);
            return;
        }
        if (ArrowRect(1).contains(pos)) {
            ScrollTabs(1);
            return;
        }
    }
    const int tab = TabAt(pos);
    if (event->button() == Qt::LeftButton) {
        m_menuTab = tab;
        if (tab >= 0)
            m_ops.ClickTab(tab);
        return;
    }
    if (event->button() != Qt::RightButton)
        return;
    const QPoint global = event->globalPosition().toPoint();
    if (tab < 0) {
        // Off the tabs: the bar's own menu, a little above the pointer.
        m_menuTab = -1;
        OpenMenu(TipMenuItems(), global - QPoint(0, 40));
        return;
    }
    m_menuTab = tab;
    m_ops.ClickTab(tab);
    m_menuPoint = global;
    OpenMenu(TabMenuItems(), global);
}

void CLayerBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (overflowing() && (ArrowRect(-1).contains(pos) || ArrowRect(1).contains(pos))) {
        ScrollTabs(ArrowRect(-1).contains(pos) ? -1 : 1);
        return;
    }
    m_ops.SelectCurrentLayerNodes(true);
}

void CLayerBar::mouseMoveEvent(QMouseEvent* event)
{
    const int tab = TabAt(event->position().toPoint());
    m_menuTab = tab;
    if (tab != m_tipTab)
        m_tip->Close();
}

void CLayerBar::leaveEvent(QEvent* event)
{
    m_tip->Close();
    m_tipTab = -1;
    QWidget::leaveEvent(event);
}

void CLayerBar::wheelEvent(QWheelEvent* event)
{
    const int delta =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta != 0)
        ScrollTabs(delta > 0 ? -1 : 1);
    event->accept();
}

void CLayerBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_shownSelection = -2; // bring the selected tab into sight again
}

bool CLayerBar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        ShowTip(help->pos(), help->globalPos());
        return true;
    }
    return QWidget::event(event);
}

void CLayerBar::ShowTip(const QPoint& local, const QPoint& global)
{
    const int tab = TabAt(local);
    const int layer = m_ops.LayerAtTab(tab);
    if (layer < 0) {
        m_tip->Close();
        m_tipTab = -1;
        return;
    }
    if (tab != m_tipTab)
        m_tip->Close();
    m_tip->SetMargin(m_appearance.tipMargin);
    m_tip->SetColours(FromColorRef(m_appearance.tipBack), FromColorRef(m_appearance.tipText));
    m_tip->ShowAt(global, cp932::DecodeField(m_ops.model().layers[layer].name, LayerNameBytes + 1));
    m_tipTab = tab;
}

void CLayerBar::OpenMenu(std::span<const LayerMenuItem> items, const QPoint& globalPos)
{
    const TabMenuState state = MenuState();
    QMenu menu(this);
    for (const LayerMenuItem& item : items) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(LayerMenuIcon(item.picture), QString::fromUtf8(item.text));
        action->setData(item.id);
        action->setEnabled(HasHandler(item.id) && TabMenuItemEnabled(item.id, state));
        if (item.id == ID_LAYER_SHOW_HIDE) {
            action->setCheckable(true);
            action->setChecked(TabMenuItemChecked(item.id, state));
        }
    }
    QAction* chosen = RunMenu(menuRunner, menu, globalPos);
    if (chosen && chosen->isEnabled())
        Execute(chosen->data().toInt());
}

QSize CLayerBar::sizeHint() const
{
    return QSize(200, m_tabHeight + TopBorder);
}

QSize CLayerBar::minimumSizeHint() const
{
    return QSize(2 * ArrowWidth + 8, m_tabHeight + TopBorder);
}

} // namespace tavelin
