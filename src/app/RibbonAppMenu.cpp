#include "app/RibbonAppMenu.h"

#include "app/CommandTable.h"
#include "app/RibbonIcons.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tavelin
{

RibbonAppMenu::RibbonAppMenu(const std::function<QAction*(int)>& actionFor, QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("RibbonAppMenu"));
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral(
        "#RibbonAppMenu { background: #f4f6fa; border: 1px solid #5a6780; }"
        "QToolButton { border: none; padding: 3px 8px; text-align: left; }"
        "QToolButton:hover { background: #fde7a6; }"
        "#recentTitle { font-weight: bold; border-bottom: 1px solid #b8c0d0; padding: 4px; }"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    auto* columns = new QHBoxLayout;
    outer->addLayout(columns);

    auto* commands = new QVBoxLayout;
    commands->setSpacing(0);
    for (int id :
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_SAVE_IMAGE, ID_INSATU})
        AddEntry(commands, actionFor(id), true);

    // 設定 opens its own drop-down with the two settings commands.
    QToolButton* settings = AddEntry(commands, actionFor(ID_SETTEI_BTN), true);
    m_settingsMenu = new QMenu(settings);
    m_settingsMenu->setObjectName(QStringLiteral("SetteiMenu"));
    m_settingsMenu->addSection(QStringLiteral("設定"));
    m_settingsMenu->addAction(actionFor(ID_RECENT_KANRI));
    m_settingsMenu->addAction(actionFor(ID_KAN_SET));
    connect(m_settingsMenu, &QMenu::aboutToShow, this, &RibbonAppMenu::aboutToShow);
    connect(m_settingsMenu, &QMenu::triggered, this, &QWidget::hide);
    settings->setMenu(m_settingsMenu);
    settings->setPopupMode(QToolButton::InstantPopup);
    commands->addStretch();
    columns->addLayout(commands);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    columns->addWidget(separator);

    auto* recent = new QVBoxLayout;
    recent->setSpacing(0);
    auto* title = new QLabel(QStringLiteral("最近使ったドキュメント"), this);
    title->setObjectName(QStringLiteral("recentTitle"));
    recent->addWidget(title);
    m_recentColumn = new QVBoxLayout;
    m_recentColumn->setSpacing(0);
    recent->addLayout(m_recentColumn);
    recent->addStretch();
    auto* recentHolder = new QWidget(this);
    recentHolder->setLayout(recent);
    recentHolder->setMinimumWidth(300);
    columns->addWidget(recentHolder, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* bottomColumn = new QVBoxLayout; // AddEntry wants a column
    bottom->addLayout(bottomColumn);
    outer->addLayout(bottom);
    QToolButton* about = AddEntry(bottomColumn, actionFor(ID_APP_ABOUT), false);
    QToolButton* exit = AddEntry(bottomColumn, actionFor(ID_APP_EXIT), false);
    bottomColumn->removeWidget(about);
    bottomColumn->removeWidget(exit);
    bottom->addWidget(about);
    bottom->addWidget(exit);
    for (QToolButton* b : {about, exit})
        b->setStyleSheet(
            QStringLiteral("QToolButton { border: 1px solid #a0a8b8; background: #e8ecf4; }"));
}

QToolButton* RibbonAppMenu::AddEntry(QVBoxLayout* column, QAction* action, bool large)
{
    auto* button = new QToolButton(this);
    button->setObjectName(action->objectName());
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    column->addWidget(button);
    m_entries.push_back({button, action});
    if (action->objectName() != QLatin1String("ID_SETTEI_BTN")) {
        // The menu closes before the command runs, so a dialog the command
        // opens is not fighting the popup for the input.
        connect(button, &QToolButton::clicked, this, [this, action] {
            hide();
            QTimer::singleShot(0, action, [action] { action->trigger(); });
        });
    }
    return button;
}

QToolButton* RibbonAppMenu::entry(int commandId) const
{
    const CommandDef* def = FindCommand(commandId);
    for (const Entry& e : m_entries)
        if (def && e.action->objectName() == QLatin1String(def->name))
            return e.button;
    return nullptr;
}

void RibbonAppMenu::SyncEntries()
{
    for (const Entry& e : m_entries) {
        e.button->setText(e.action->text());
        e.button->setIcon(e.action->icon());
        e.button->setEnabled(e.action->isEnabled());
        e.button->setToolTip(e.action->toolTip());
    }
}

void RibbonAppMenu::SetRecentFiles(const QStringList& paths)
{
    for (QToolButton* b : m_recent)
        delete b;
    m_recent.clear();
    for (int i = 0; i < paths.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // The number is the access key, as in the framework's list.
        button->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(paths[i]).fileName()));
        button->setToolTip(paths[i]);
        connect(button, &QToolButton::clicked, this, [this, i] {
            hide();
            QTimer::singleShot(0, this, [this, i] { Q_EMIT recentFileChosen(i); });
        });
        m_recentColumn->addWidget(button);
        m_recent.push_back(button);
    }
}

void RibbonAppMenu::Popup(QWidget* anchor)
{
    Q_EMIT aboutToShow();
    SyncEntries();
    adjustSize();
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    show();
}

} // namespace tavelin
