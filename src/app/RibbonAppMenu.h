#pragma once
// The application button's menu: the file commands down the left, the
// recent documents on the right, About and Exit along the bottom.

#include <QFrame>
#include <QStringList>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class QVBoxLayout;

namespace tavelin
{

class RibbonAppMenu : public QFrame
{
    Q_OBJECT
public:
    RibbonAppMenu(const std::function<QAction*(int)>& actionFor, QWidget* parent);

    void SetRecentFiles(const QStringList& paths);
    // Shows the menu below `anchor`, its entries taking the actions' state.
    void Popup(QWidget* anchor);

    QToolButton* entry(int commandId) const;
    QMenu* settingsMenu() const { return m_settingsMenu; }
    const std::vector<QToolButton*>& recentEntries() const { return m_recent; }

Q_SIGNALS:
    void aboutToShow();
    void recentFileChosen(int index);

private:
    QToolButton* AddEntry(QVBoxLayout* column, QAction* action, bool large);
    void SyncEntries();

    struct Entry {
        QToolButton* button;
        QAction* action;
    };
    std::vector<Entry> m_entries;
    std::vector<QToolButton*> m_recent;
    QVBoxLayout* m_recentColumn = nullptr;
    QMenu* m_settingsMenu = nullptr;
};

} // namespace tavelin
