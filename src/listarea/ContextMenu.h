#pragma once
// Context menus open through a runner, so tests can look at a menu and
// choose from it without the nested event loop of QMenu::exec.

#include <QMenu>
#include <functional>

namespace tavelin
{

// The chosen action, or null when the menu was dismissed.
using MenuRunner = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;

inline QAction* RunMenu(const MenuRunner& runner, QMenu& menu, const QPoint& globalPos)
{
    return runner ? runner(menu, globalPos) : menu.exec(globalPos);
}

} // namespace tavelin
