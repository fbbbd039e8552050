#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "platform/Messages.h"
#include "app/PlaceholderAreas.h"
#include "app/RibbonAppMenu.h"
#include "app/RibbonBar.h"
#include "app/RibbonIcons.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "document/CN20417Doc.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QSplitter>
#include <QTimer>

namespace tavelin
{
namespace
{

constexpr int MsgAskAreaChange = 30021;
constexpr int MsgAreaChanged = 30022;
constexpr int MsgAskExcelOut = 30031;

const QString Last = QStringLiteral("Last");
const QString Navi = QStringLiteral("Navi");
const QString Visible = QStringLiteral("Visible");

// Accelerator table 367, plus the ribbon's own Ctrl+F1 its category
// caption promises.
struct Accelerator {
    int key;
    Qt::KeyboardModifiers modifiers;
    int command;
};
constexpr Accelerator Accelerators[] = {
    {Qt::Key_F11, Qt::NoModifier, ID_SHOW_MENU},
    {Qt::Key_F1, Qt::NoModifier, ID_HELP_DSP},
    {Qt::Key_Z, Qt::ControlModifier, ID_UNDO},
    {Qt::Key_F1, Qt::ControlModifier, ID_SHOW_MENU},
};

bool IsAlignment(int id)
{
    const CommandDef* def = FindCommand(id);
    return def && def->enable == EnableRule::HasPrimarySlip;
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : CMainFrame(new PlaceholderMapArea, new PlaceholderListArea, parent)
{
}

CMainFrame::CMainFrame(MapArea* map, ListArea* list, QWidget* parent)
    : QMainWindow(parent), m_map(map ? map : new PlaceholderMapArea),
      m_list(list ? list : new PlaceholderListArea)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(TemplateTitle());
    resize(1200, 800);

    for (int i = 0; i < PieClockImageCount; ++i)
        m_clockImages.emplace_back(QPixmap::fromImage(PieClockImage(i)));
    CreateActions();
    InstallBuiltInHandlers();

    m_ribbon = new RibbonBar([this](int id) { return action(id); }, this);
    setMenuWidget(m_ribbon);
    connect(m_ribbon, &RibbonBar::menuAboutToShow, this, &CMainFrame::UpdateCommands);
    // Made once: the document may be set more than once.
    connect(m_ribbon->applicationMenu(), &RibbonAppMenu::recentFileChosen, this, [this](int index) {
        if (m_document) {
            m_document->OpenRecentFile(index);
            UpdateCommands();
        }
    });
    m_tokei = action(ID_TOKEI);

    CreateClientArea();

    connect(&m_countdown, &NodeAddCountdown::displayChanged, this, &CMainFrame::OnCountdownDisplay);
    connect(&m_countdown, &NodeAddCountdown::activeChanged, this, &CMainFrame::UpdateCommands);

    // The accelerators are looked at before any widget sees the key, and
    // every click or key in the window re-evaluates the rules afterwards,
    // as the idle-time update of a framework would.
    qApp->installEventFilter(this);
    UpdateCommands();
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    if (m_columnWidthApplied && !m_columnWidthStored)
        StoreColumnWidth();
}

QString CMainFrame::TemplateTitle()
{
    return LoadString(128).section(u'\n', 0, 0);
}

void CMainFrame::CreateActions()
{
    for (const CommandDef& def : AllCommands()) {
        auto* a = new QAction(CommandLabel(def), this);
        a->setObjectName(QString::fromLatin1(def.name));
        a->setData(def.id);
        a->setIcon(RibbonIcon(def.id));
        const QString description = CommandDescription(def);
        a->setToolTip(description.isEmpty() ? a->iconText() : description);
        a->setStatusTip(description);
        a->setCheckable(def.check != CheckRule::None);
        const int id = def.id;
        connect(a, &QAction::triggered, this, [this, id] {
            RunCommand(id);
            UpdateCommands();
        });
        m_actions[id] = a;
    }
    action(ID_TOKEI)->setIcon(m_clockImages.front());
}

void CMainFrame::CreateClientArea()
{
    // Column 0 keeps its width when the window is resized; column 1 takes
    // the rest, as a static splitter does.
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("MainSplitter"));
    m_splitter->setChildrenCollapsible(false);
    const bool exchanged = settings::GetInt(Last, QStringLiteral("Area")) == 1;
    QWidget* first = exchanged ? m_map->widget() : m_list->widget();
    QWidget* second = exchanged ? m_list->widget() : m_map->widget();
    first->setMinimumSize(1, 1);
    second->setMinimumSize(1, 1);
    m_splitter->addWidget(first);
    m_splitter->addWidget(second);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_columnWidthApplied)
        return;
    m_columnWidthApplied = true;
    const int width = settings::GetInt(Last, QStringLiteral("cxCur"));
    const int total = m_splitter->width() - m_splitter->handleWidth();
    m_splitter->setSizes({width, std::max(total - width, 100)});
}

void CMainFrame::InstallBuiltInHandlers()
{
    m_handlers[ID_SETTEI_BTN] = [] {}; // drop-downs: the button only opens its menu
    m_handlers[ID_SEIRETU_BTN] = [] {};
    m_handlers[ID_APP_ABOUT] = [this] {
        CAboutDlg dialog(this);
        dialog.exec();
    };
    m_handlers[ID_APP_EXIT] = [this] { close(); };
    m_handlers[ID_UNDO] = [this] { m_map->Undo(); };
    m_handlers[ID_SHOW_MENU] = [this] { m_ribbon->ToggleMinimized(); };
    m_handlers[ID_FIRST] = [this] { OnNavigation(); };
    m_handlers[ID_NAVI_TOGGLE] = [this] { OnNavigation(); };
    m_handlers[ID_AREA_CHANGE] = [this] { OnAreaChange(); };
    m_handlers[ID_DSP_ICON] = [this] { OnDisplayIcons(); };
    m_handlers[ID_ADD_NODE] = [this] { m_countdown.Toggle(); };
    m_handlers[ID_TOKEI] = [this] { m_countdown.Restart(); };
}

void CMainFrame::SetDocument(CN20417Doc* document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    if (!document) {
        for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS})
            m_handlers.erase(id);
        setWindowTitle(TemplateTitle());
        UpdateCommands();
        return;
    }
    document->owner = this;
    document->hasBackground = [this] { return m_map->HasBackground(); };
    document->storeScrollPosition = [this] { m_map->StoreScrollPosition(); };
    m_handlers[ID_FILE_NEW] = [document] { document->OnFileNew(); };
    m_handlers[ID_FILE_OPEN] = [document] { document->OnFileOpen(); };
    m_handlers[ID_FILE_SAVE] = [document] { document->OnFileSave(); };
    m_handlers[ID_FILE_SAVE_AS] = [document] { document->OnFileSaveAs(); };

    connect(document, &CN20417Doc::titleChanged, this, &QWidget::setWindowTitle);
    connect(document, &CN20417Doc::documentChanged, this, [this] {
        // Every initial update of the map area ends the node-adding mode.
        m_countdown.SetActive(false);
        m_map->InitialUpdate();
        m_list->InitialUpdate();
        UpdateCommands();
    });
    connect(document, &CN20417Doc::recentFilesChanged, this,
            [this] { m_ribbon->applicationMenu()->SetRecentFiles(m_document->RecentFiles()); });
    m_ribbon->applicationMenu()->SetRecentFiles(document->RecentFiles());
    setWindowTitle(document->windowTitle());
    UpdateCommands();
}

QAction* CMainFrame::action(int commandId) const
{
    const auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::SetHandler(int commandId, std::function<void()> handler)
{
    if (handler)
        m_handlers[commandId] = std::move(handler);
    else
        m_handlers.erase(commandId);
    UpdateCommands();
}

bool CMainFrame::HasHandler(int commandId) const
{
    return m_handlers.count(commandId) != 0;
}

CommandState CMainFrame::CurrentState() const
{
    CommandState s;
    s.hasBackground = m_map->HasBackground();
    s.canUndo = m_map->CanUndo();
    s.listHasRows = m_list->HasRows();
    s.hasPrimarySlip = m_map->HasPrimarySlip();
    s.naviVisible = settings::GetInt(Navi, Visible) == 1;
    s.iconsShown = m_map->IconsShown();
    s.nodeAddMode = m_countdown.isActive();
    return s;
}

void CMainFrame::UpdateCommands()
{
    const CommandState state = CurrentState();
    for (const CommandDef& def : AllCommands()) {
        QAction* a = action(def.id);
        a->setEnabled(HasHandler(def.id) && IsEnabled(def, state));
        if (a->isCheckable())
            a->setChecked(IsChecked(def, state));
    }
}

void CMainFrame::ScheduleUpdate()
{
    if (m_updatePending)
        return;
    m_updatePending = true;
    QTimer::singleShot(0, this, [this] {
        m_updatePending = false;
        UpdateCommands();
    });
}

bool CMainFrame::Execute(int commandId)
{
    QAction* a = action(commandId);
    if (!a)
        return false;
    UpdateCommands();
    if (!a->isEnabled())
        return false;
    a->trigger();
    return true;
}

void CMainFrame::RunCommand(int commandId)
{
    const auto it = m_handlers.find(commandId);
    if (it == m_handlers.end())
        return;
    // Copied: a handler may replace itself (or the document) while it runs.
    const std::function<void()> handler = it->second;
    if (IsAlignment(commandId) && !m_map->HasPrimarySlip())
        return;
    if (commandId == ID_EXCEL_OUT &&
        ShowMessage(MsgAskExcelOut, m_list->widget(), {}, MessageStyle::YesNo) != IDYES)
        return;
    handler();
}

void CMainFrame::OnAreaChange()
{
    if (ShowMessage(MsgAskAreaChange, this, {}, MessageStyle::YesNo) != IDYES)
        return;
    // Anything but 1 reads as the usual order, so the exchange flips a stray
    // stored value into a working one instead of computing 1 - value.
    const bool exchanged = settings::GetInt(Last, QStringLiteral("Area")) == 1;
    settings::WriteInt(Last, QStringLiteral("Area"), exchanged ? 0 : 1);
    ShowMessage(MsgAreaChanged, this, {}, MessageStyle::Information);
}

void CMainFrame::OnNavigation()
{
    bool shown = false;
    if (m_navigation) {
        m_navigation->activateWindow();
        shown = !m_navigation->isVisible();
        m_navigation->setVisible(shown);
    } else if (createNavigationDialog) {
        m_navigation = createNavigationDialog(this);
        shown = m_navigation != nullptr;
        if (shown)
            m_navigation->show();
    } else {
        // No dialog to show yet: the setting still answers the command.
        shown = settings::GetInt(Navi, Visible) != 1;
    }
    settings::WriteInt(Navi, Visible, shown ? 1 : 0);
}

void CMainFrame::ShowNavigationAtStartUp()
{
    if (settings::GetInt(Navi, Visible) != 1 || !createNavigationDialog)
        return;
    if (!m_navigation)
        m_navigation = createNavigationDialog(this);
    if (!m_navigation)
        return;
    m_navigation->show();
    m_navigation->raise();
    m_navigation->activateWindow();
}

void CMainFrame::OnDisplayIcons()
{
    m_map->SetIconsShown(!m_map->IconsShown());
    m_map->RefreshNow();
}

void CMainFrame::OnCountdownDisplay(int imageIndex, const QString& caption)
{
    m_tokei->setIcon(m_clockImages.at(std::clamp(imageIndex, 0, PieClockImageCount - 1)));
    m_tokei->setText(caption);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_document && !m_document->CanCloseFrame()) {
        event->ignore();
        return;
    }
    StoreColumnWidth();
    QMainWindow::closeEvent(event);
}

void CMainFrame::StoreColumnWidth()
{
    const QList<int> sizes = m_splitter->sizes();
    if (sizes.isEmpty())
        return;
    settings::WriteInt(Last, QStringLiteral("cxCur"), sizes.front());
    m_columnWidthStored = true;
}

void CMainFrame::PlaceFloatingBars()
{
    m_list->PlaceFloatingBars();
    m_map->PlaceFloatingBars();
}

void CMainFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    PlaceFloatingBars();
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    PlaceFloatingBars();
}

bool CMainFrame::TranslateAccelerator(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    for (const Accelerator& a : Accelerators) {
        if (key->key() == a.key && modifiers == a.modifiers) {
            // A disabled command's key is swallowed too, not passed on.
            Execute(a.command);
            return true;
        }
    }
    return false;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonRelease ||
        type == QEvent::KeyRelease) {
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
            if (type == QEvent::KeyPress && TranslateAccelerator(event))
                return true;
            if (type != QEvent::KeyPress)
                ScheduleUpdate();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tavelin
