#include "mapview/CN20417View.h"

#include "platform/Messages.h"
#include "mapview/CUnderBar.h"
#include "mapview/MapGeometry.h"
#include "mapview/MapZoom.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace tavelin
{
namespace
{

constexpr int MsgOutOfMemory = 30001;
CN20417View* g_view = nullptr;

QSize ScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize();
    return size.isValid() ? size : QSize(1920, 1080);
}

} // namespace

CN20417View::CN20417View(RouteModel& model, QWidget* parent)
    : QAbstractScrollArea(parent), m_model(model)
{
    g_view = this;
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent, true);
    viewport()->setAttribute(Qt::WA_NoSystemBackground, true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // Buffers made once, at screen size; a paint never allocates them.
    const QSize screen = ScreenSize();
    m_saveBuffer = QImage(screen, QImage::Format_RGB32);
    m_scene = QImage(screen, QImage::Format_RGB32);
    if (m_saveBuffer.isNull() || m_scene.isNull()) {
        m_resourcesOk = false;
        ShowMessage(MsgOutOfMemory, this);
    }
    SetImageDpi(m_scene, logicalDpiY());
    m_model.layerCount = m_model.nodeCount = m_model.slipCount = 0;
    m_iconsShown = true;
}

CN20417View::~CN20417View()
{
    if (g_view == this)
        g_view = nullptr;
}

CN20417View* CN20417View::instance()
{
    return g_view;
}

int CN20417View::zoomBarHeight() const
{
    return m_bar ? m_bar->barHeight() : 0;
}

QPoint CN20417View::scrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

SceneState CN20417View::sceneState() const
{
    SceneState state;
    state.background = m_background.isNull() ? nullptr : &m_background;
    state.iconsShown = m_iconsShown;
    state.primaryNode = m_primaryNode;
    state.primarySlip = m_primarySlip;
    state.editingSlip = m_editingSlip;
    state.editorRect = m_editorRect;
    state.cache = &m_cache;
    return state;
}

void CN20417View::InitialUpdate()
{
    InitialUpdate(m_documentPath && !m_documentPath().isEmpty());
}

void CN20417View::InitialUpdate(bool openedFromFile)
{
    if (!m_bar) {
        m_bar = new CUnderBar(this);
        connect(m_bar, &CUnderBar::zoomOutClicked, this, &CN20417View::OnZoomOut);
        connect(m_bar, &CUnderBar::zoomInClicked, this, &CN20417View::OnZoomIn);
        connect(m_bar, &CUnderBar::sliderChosen, this, &CN20417View::OnSliderChosen);
        connect(m_bar, &CUnderBar::fitToggled, this, &CN20417View::OnFitToggled);
        connect(m_bar, &CUnderBar::percentDoubleClicked, this,
                &CN20417View::OnPercentDoubleClicked);
    }
    DocHeader& h = m_model.header;
    // A stored zoom nothing can be divided by reads as 100 %.
    h.zoom = UsableZoom(h.zoom);
    if (openedFromFile) {
        SetScrollSizes(
            QSize(ZoomCoord(h.mapWidth, h.zoom), ZoomCoord(h.mapHeight, h.zoom) + zoomBarHeight()));
        ScrollTo(QPoint(h.scrollX, h.scrollY));
        BuildBackgroundBuffer(); // drawn by the one refresh below
    } else {
        m_background = QImage();
        if (!m_model.ResetForNewDocument())
            return;
        SetScrollSizes(QSize(100, 100));
        ScrollTo(QPoint(0, 0));
    }
    m_bar->SyncSlider(h.zoom);
    m_bar->setFitChecked(h.fitToWindow != 0);
    m_bar->setSavedZoom(1.0f);
    PlaceZoomBar();
    ResetViewState();
    UpdateBarState();
    RefreshNow();
}

void CN20417View::ResetViewState()
{
    m_primaryNode = -1;
    m_primarySlip = -1;
    m_editingSlip = -1;
    m_editorRect = QRect();
    m_eraseOnce = false;
}

bool CN20417View::RebuildBackground()
{
    const bool built = BuildBackgroundBuffer();
    UpdateBarState();
    RefreshNow();
    return built;
}

bool CN20417View::BuildBackgroundBuffer()
{
    m_background = QImage();
    const BackgroundResult result = BuildBackground(m_model, m_background, logicalDpiY());
    if (result == BackgroundResult::NoMemory)
        ShowMessage(MsgOutOfMemory, this, QStringLiteral("背景地図描画用"));
    return result == BackgroundResult::Built;
}

void CN20417View::RefreshNow()
{
    viewport()->repaint();
}

void CN20417View::SetIconsShown(bool shown)
{
    m_iconsShown = shown;
    RefreshNow();
}

void CN20417View::StoreScrollPosition()
{
    const QPoint p = scrollPosition();
    m_model.header.scrollX = p.x();
    m_model.header.scrollY = p.y();
}

void CN20417View::setEditingSlip(int slip, const QRect& editorRect)
{
    m_editingSlip = slip;
    m_editorRect = editorRect;
    UpdateBarState();
}

void CN20417View::SetScrollSizes(QSize total)
{
    m_scrollSize = QSize(std::max(0, total.width()), std::max(0, total.height()));
    UpdateScrollBars();
    // Qt shows or hides the scroll bars in a queued call; run it now, so that
    // centring right after a zoom change sees the client size it will have.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CN20417View::UpdateScrollBars()
{
    const QSize client = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, m_scrollSize.width() - client.width()));
    v->setRange(0, std::max(0, m_scrollSize.height() - client.height()));
    h->setPageStep(std::max(1, client.width()));
    v->setPageStep(std::max(1, client.height()));
    h->setSingleStep(std::max(1, m_scrollSize.width() / 100));
    v->setSingleStep(std::max(1, m_scrollSize.height() / 100));
}

void CN20417View::ScrollTo(QPoint position)
{
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

void CN20417View::CenterOn(int x, int y)
{
    const QSize client = viewport()->size();
    if (client.width() >= m_scrollSize.width() && client.height() >= m_scrollSize.height())
        return;
    ScrollTo(CenterOnScroll(QPoint(x, y), client, horizontalScrollBar()->maximum() > 0,
                            verticalScrollBar()->maximum() > 0));
}

void CN20417View::ClearSelection()
{
    m_model.ClearSelectionMarks();
    m_primaryNode = -1;
    m_primarySlip = -1;
}

void CN20417View::ShowNodeCentred(int node)
{
    if (node < 0 || node >= m_model.nodeCount)
        return;
    const QPoint p = NodeZoomedPosition(m_model, node);
    CenterOn(p.x(), p.y());
    ClearSelection();
    m_primaryNode = node;
    m_model.nodes[node].selected = 1;
    RefreshNow();
}

void CN20417View::PlaceZoomBar()
{
    if (!m_bar)
        return;
    // The bar is a child of the view laid over the viewport's bottom strip,
    // so it follows the view wherever the main window goes.
    const QRect client = viewport()->geometry();
    const int height = m_bar->barHeight();
    m_bar->setGeometry(client.left(), client.bottom() + 1 - height, client.width(), height);
    m_bar->raise();
    m_bar->show();
}

void CN20417View::SetZoom(float zoom, bool useSavedCentre)
{
    const DocHeader& h = m_model.header;
    ZoomView view;
    view.zoom = h.zoom;
    view.fit = h.fitToWindow != 0;
    view.scroll = scrollPosition();
    view.client = viewport()->size();
    view.barHeight = zoomBarHeight();
    view.mapWidth = h.mapWidth;
    view.mapHeight = h.mapHeight;
    view.savedCentre = m_savedCentre;
    const std::optional<ZoomChange> change = ComputeSetZoom(view, zoom, useSavedCentre);
    if (!change)
        return;
    CancelRubberBand();
    m_savedCentre = change->savedCentre;
    m_model.header.zoom = change->zoom;
    SetScrollSizes(change->scrollSize);
    m_eraseOnce = true;
    RefreshNow();
    CenterOn(change->centreOn.x(), change->centreOn.y());
    if (m_bar)
        m_bar->UpdateZoomText(m_model.header.zoom);
    ClearFeedback();
    Q_EMIT zoomChanged(m_model.header.zoom);
}

bool CN20417View::ZoomCommandsAllowed() const
{
    return m_model.header.hasMap != 0 && m_editingSlip < 0;
}

void CN20417View::UpdateBarState()
{
    if (m_bar)
        m_bar->setZoomControlsActive(ZoomCommandsAllowed());
}

void CN20417View::ApplyZoomRequest(float zoom, bool useSavedCentre, bool leaveFit, int slider)
{
    if (leaveFit) {
        m_model.header.fitToWindow = 0;
        m_bar->setFitChecked(false);
    }
    SetZoom(zoom, useSavedCentre);
    m_bar->setSliderPosition(slider);
}

void CN20417View::OnZoomOut()
{
    if (!ZoomCommandsAllowed())
        return;
    if (const auto r = ZoomOutRequest(m_bar->sliderPosition(), m_model.header.fitToWindow != 0))
        ApplyZoomRequest(r->zoom, r->useSavedCentre, r->leaveFit, r->slider);
}

void CN20417View::OnZoomIn()
{
    if (!ZoomCommandsAllowed())
        return;
    if (const auto r = ZoomInRequest(m_bar->sliderPosition(), m_model.header.fitToWindow != 0))
        ApplyZoomRequest(r->zoom, r->useSavedCentre, r->leaveFit, r->slider);
}

void CN20417View::OnSliderChosen(int position)
{
    if (!ZoomCommandsAllowed()) {
        m_bar->SyncSlider(m_model.header.zoom);
        return;
    }
    const ZoomRequest r = SliderRequest(position, m_model.header.fitToWindow != 0);
    ApplyZoomRequest(r.zoom, r.useSavedCentre, r.leaveFit, r.slider);
}

void CN20417View::OnFitToggled(bool checked)
{
    if (!ZoomCommandsAllowed()) {
        m_bar->setFitChecked(m_model.header.fitToWindow != 0);
        return;
    }
    m_model.header.fitToWindow = checked ? 1 : 0;
    if (checked) {
        m_bar->setSavedZoom(m_model.header.zoom);
        SetZoom(FitEntryZoom, false);
    } else {
        SetZoom(m_bar->savedZoom(), true);
    }
}

void CN20417View::OnPercentDoubleClicked()
{
    const ZoomRequest r = HundredPercentRequest(m_model.header.fitToWindow != 0);
    ApplyZoomRequest(r.zoom, r.useSavedCentre, r.leaveFit, r.slider);
}

void CN20417View::paintEvent(QPaintEvent*)
{
    QPainter out(viewport());
    const QSize client = viewport()->size();
    if (m_eraseOnce)
        out.fillRect(QRect(QPoint(0, 0), client), Qt::white);
    if (!m_resourcesOk) {
        out.fillRect(QRect(QPoint(0, 0), client), Qt::white);
        return;
    }
    // A window larger than the screen (several monitors) grows the buffer.
    if (m_scene.width() < client.width() || m_scene.height() < client.height()) {
        QImage grown(std::max(m_scene.width(), client.width()),
                     std::max(m_scene.height(), client.height()), QImage::Format_RGB32);
        if (!grown.isNull()) {
            m_scene = std::move(grown);
            SetImageDpi(m_scene, logicalDpiY());
        }
    }
    const QPoint scroll = scrollPosition();
    const QRect shown(scroll, client.boundedTo(m_scene.size()));
    {
        QPainter scene(&m_scene);
        scene.translate(-scroll);
        SceneState state = sceneState();
        state.visible = shown;
        DrawScene(scene, m_model, state);
    }
    out.drawImage(QPoint(0, 0), m_scene, QRect(QPoint(0, 0), shown.size()));
    // White beyond the zoomed map, when the window is larger.
    const QRect m = ZoomedMapRect(m_model.header).translated(-scroll);
    const int right = std::max(0, m.left() + m.width());
    const int bottom = std::max(0, m.top() + m.height());
    if (right < client.width())
        out.fillRect(QRect(right, 0, client.width() - right, client.height()), Qt::white);
    if (bottom < client.height())
        out.fillRect(QRect(0, bottom, client.width(), client.height() - bottom), Qt::white);
    m_eraseOnce = false;
}

bool CN20417View::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        const bool handled = QAbstractScrollArea::viewportEvent(event);
        ViewportResized();
        return handled;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CN20417View::ViewportResized()
{
    UpdateScrollBars();
    const QSize client = viewport()->size();
    DocHeader& h = m_model.header;
    if (h.fitToWindow) {
        h.zoom = FitZoom(client, zoomBarHeight(), h.mapWidth, h.mapHeight, h.zoom);
        if (m_bar)
            m_bar->UpdateZoomText(h.zoom);
    }
    if (client != m_lastResize)
        PlaceZoomBar();
    m_lastResize = client;
}

void CN20417View::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CN20417View::wheelEvent(QWheelEvent* event)
{
    StopHoverAnimation();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const Qt::MouseButtons buttons = event->buttons();
    WheelKeys keys;
    keys.ctrl = mods.testFlag(Qt::ControlModifier);
    keys.shift = mods.testFlag(Qt::ShiftModifier);
    keys.leftButton = buttons.testFlag(Qt::LeftButton);
    keys.rightButton = buttons.testFlag(Qt::RightButton);
    keys.middleButton = buttons.testFlag(Qt::MiddleButton);
    const int delta =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    // Read as the message's unsigned delta word: 0x5000 and above is down.
    const bool towardUser = static_cast<quint16>(static_cast<qint16>(delta)) >= 0x5000;
    const WheelAction action =
        DecideWheel(keys, towardUser, m_bar ? m_bar->sliderPosition() : 1,
                    m_model.header.fitToWindow != 0, verticalScrollBar()->maximum() > 0);
    switch (action.kind) {
    case WheelAction::Kind::Zoom:
        SetZoom(ZoomForStep(action.step), false);
        if (m_bar) {
            m_bar->setSliderPosition(action.step);
            m_bar->UpdateZoomText(m_model.header.zoom);
        }
        break;
    case WheelAction::Kind::Scroll: {
        QScrollBar* bar = action.horizontal ? horizontalScrollBar() : verticalScrollBar();
        bar->setValue(bar->value() + action.scrollBy);
        break;
    }
    case WheelAction::Kind::None:
        break;
    }
    if (action.passOn) {
        event->ignore(); // the wheel goes on to the parent
        return;
    }
    // Plain turns also get the default scrolling; with modifier keys the
    // default does nothing, as in the platform's scroll view.
    if (!keys.ctrl && !keys.shift && !buttons)
        QAbstractScrollArea::wheelEvent(event);
    else
        event->accept();
}

bool CN20417View::SaveMapImage(const QString& documentTitle, MapImagePathChooser& chooser)
{
    return SaveMapAsJpeg(m_model, sceneState(), documentTitle, chooser, this, logicalDpiY());
}

} // namespace tavelin
