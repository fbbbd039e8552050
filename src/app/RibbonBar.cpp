#include "app/RibbonBar.h"

#include "app/CommandTable.h"
#include "app/RibbonAppMenu.h"
#include "app/RibbonIcons.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace tavelin
{
namespace
{

const char* const Style = R"(
#RibbonBar { background: #2b2f36; }
#RibbonTabRow { background: #2b2f36; }
#RibbonCategoryTab { color: #10151c; background: #dfe5ee; border: 1px solid #8993a4;
  border-bottom: none; border-top-left-radius: 4px; border-top-right-radius: 4px; padding: 3px 12px; }
#RibbonPanels { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e9eef6, stop:1 #cfd7e3);
  border-top: 1px solid #8993a4; border-bottom: 1px solid #6b7384; }
#RibbonPanel { border: 1px solid #aab3c2; border-radius: 3px; background: rgba(255,255,255,60); }
#RibbonPanelCaption { color: #2c3544; background: #c3ccda; padding: 1px 6px; }
#RibbonPanels QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 2px 4px; }
#RibbonPanels QToolButton:hover { border-color: #d9a93c; background: #fde7a6; }
#RibbonPanels QToolButton:checked { border-color: #c28a2a; background: #fbc96a; }
#RibbonPanels QToolButton:disabled { color: #8a909a; }
#QuickAccess QToolButton { border: 1px solid transparent; border-radius: 2px; }
#QuickAccess QToolButton:hover { border-color: #d9a93c; background: #fde7a6; }
#RibbonAppButton { border: none; }
)";

} // namespace

RibbonBar::RibbonBar(std::function<QAction*(int)> actionFor, QWidget* parent)
    : QWidget(parent), m_actionFor(std::move(actionFor))
{
    setObjectName(QStringLiteral("RibbonBar"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromUtf8(Style));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // The tab row: application button, quick access bar, the category tab.
    auto* tabRow = new QWidget(this);
    tabRow->setObjectName(QStringLiteral("RibbonTabRow"));
    tabRow->setAttribute(Qt::WA_StyledBackground);
    auto* tabs = new QHBoxLayout(tabRow);
    tabs->setContentsMargins(4, 2, 4, 0);
    tabs->setSpacing(6);
    outer->addWidget(tabRow);

    m_appButton = new QToolButton(tabRow);
    m_appButton->setObjectName(QStringLiteral("RibbonAppButton"));
    m_appButton->setIcon(ApplicationButtonIcon());
    m_appButton->setIconSize(QSize(30, 30));
    m_appButton->setAutoRaise(true);
    // Key tip "F": Alt+F opens the menu.
    m_appButton->setShortcut(QKeySequence(QStringLiteral("Alt+F")));
    m_appButton->setToolTip(QStringLiteral("F"));
    tabs->addWidget(m_appButton, 0, Qt::AlignBottom);
    m_appMenu = new RibbonAppMenu(m_actionFor, this);
    connect(m_appMenu, &RibbonAppMenu::aboutToShow, this, &RibbonBar::menuAboutToShow);
    connect(m_appButton, &QToolButton::clicked, this, &RibbonBar::ShowApplicationMenu);

    auto* quick = new QWidget(tabRow);
    quick->setObjectName(QStringLiteral("QuickAccess"));
    auto* quickRow = new QHBoxLayout(quick);
    quickRow->setContentsMargins(0, 0, 0, 0);
    quickRow->setSpacing(1);
    for (int id : {ID_UNDO, ID_SHOW_MENU, ID_HELP_DSP})
        AddQuickAccessButton(quickRow, id);
    tabs->addWidget(quick, 0, Qt::AlignVCenter);

    m_categoryTab = new QLabel(CategoryCaption(), tabRow);
    m_categoryTab->setObjectName(QStringLiteral("RibbonCategoryTab"));
    m_categoryTab->installEventFilter(this);
    tabs->addWidget(m_categoryTab, 0, Qt::AlignBottom);
    tabs->addStretch();

    m_panels = new QFrame(this);
    m_panels->setObjectName(QStringLiteral("RibbonPanels"));
    m_panelRow = new QHBoxLayout(m_panels);
    m_panelRow->setContentsMargins(4, 3, 4, 3);
    m_panelRow->setSpacing(4);
    outer->addWidget(m_panels);

    QHBoxLayout* view = AddPanel(QStringLiteral("表示"));
    AddLargeButton(view, ID_FIRST);
    AddLargeButton(view, ID_AREA_CHANGE, QStringLiteral("エリア\n交換"));

    QHBoxLayout* list = AddPanel(QStringLiteral("リストエリア"));
    AddLargeButton(list, ID_COL_COLOR, QStringLiteral("列色\n変更"));
    AddLargeButton(list, ID_EXCEL_OUT, QStringLiteral("Excel\n出力"));

    QHBoxLayout* map = AddPanel(QStringLiteral("マップエリア"));
    AddLargeButton(map, ID_MAP_SETTEI, QStringLiteral("背景地図\nの設定"));
    AddLargeButton(map, ID_DSP_ICON, QStringLiteral("アイコン\n表示"));
    AddLargeButton(map, ID_ADD_NODE, QStringLiteral("ノード\n追加"));
    AddLargeButton(map, ID_TOKEI);

    QHBoxLayout* position = AddPanel(QStringLiteral("位置とサイズ"));
    QToolButton* align = AddLargeButton(position, ID_SEIRETU_BTN);
    m_alignMenu = new QMenu(align);
    m_alignMenu->setObjectName(QStringLiteral("SeiretuMenu"));
    for (const CommandDef& c : AllCommands())
        if (c.enable == EnableRule::HasPrimarySlip)
            m_alignMenu->addAction(m_actionFor(c.id));
    m_alignMenu->setToolTipsVisible(true);
    connect(m_alignMenu, &QMenu::aboutToShow, this, &RibbonBar::menuAboutToShow);
    align->setMenu(m_alignMenu);
    align->setPopupMode(QToolButton::InstantPopup);
    m_panelRow->addStretch();
}

QHBoxLayout* RibbonBar::AddPanel(const QString& caption)
{
    auto* panel = new QFrame(m_panels);
    panel->setObjectName(QStringLiteral("RibbonPanel"));
    panel->setProperty("caption", caption);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(1, 2, 1, 1);
    column->setSpacing(2);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    column->addLayout(buttons, 1);
    auto* label = new QLabel(caption, panel);
    label->setObjectName(QStringLiteral("RibbonPanelCaption"));
    label->setAlignment(Qt::AlignCenter);
    column->addWidget(label);
    m_panelRow->addWidget(panel);
    return buttons;
}

QToolButton* RibbonBar::AddLargeButton(QHBoxLayout* panel, int commandId,
                                       const QString& twoLineCaption)
{
    QAction* action = m_actionFor(commandId);
    // A large button breaks its caption at the blank onto two lines; the
    // command's own text stays as it is for menus and tests.
    if (!twoLineCaption.isEmpty())
        action->setIconText(twoLineCaption);
    auto* button = new QToolButton(panel->parentWidget());
    button->setObjectName(action->objectName());
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setMinimumWidth(52);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    if (commandId == ID_SEIRETU_BTN) {
        // A drop-down: the button only opens its menu.
        button->setText(action->text());
        button->setIcon(action->icon());
        button->setToolTip(action->toolTip());
    } else {
        button->setDefaultAction(action);
    }
    panel->addWidget(button);
    m_buttons[commandId] = button;
    return button;
}

QToolButton* RibbonBar::AddQuickAccessButton(QHBoxLayout* bar, int commandId)
{
    auto* button = new QToolButton(bar->parentWidget());
    button->setDefaultAction(m_actionFor(commandId));
    button->setObjectName(m_actionFor(commandId)->objectName());
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(16, 16));
    bar->addWidget(button);
    m_buttons[commandId] = button;
    return button;
}

QToolButton* RibbonBar::button(int commandId) const
{
    const auto it = m_buttons.find(commandId);
    return it == m_buttons.end() ? nullptr : it->second;
}

QStringList RibbonBar::panelCaptions() const
{
    QStringList captions;
    for (QObject* child : m_panels->children())
        if (child->objectName() == QLatin1String("RibbonPanel"))
            captions << child->property("caption").toString();
    return captions;
}

void RibbonBar::ShowApplicationMenu()
{
    m_appMenu->Popup(m_appButton);
}

void RibbonBar::SetMinimized(bool minimized)
{
    if (minimized == m_minimized)
        return;
    m_minimized = minimized;
    m_panels->setVisible(!minimized);
    Q_EMIT minimizedChanged(minimized);
}

bool RibbonBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_categoryTab && event->type() == QEvent::MouseButtonDblClick) {
        ToggleMinimized();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavelin
