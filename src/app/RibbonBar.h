#pragma once
// Our ribbon: the application button, the quick access bar and the one
// category "ホーム" with its four panels of large buttons. Every button
// shows a command's QAction, so enabling, checking and captions follow the
// command table. The category can be minimised to its tab row.

#include <QWidget>
#include <functional>
#include <map>

class QAction;
#include <QFrame>
class QHBoxLayout;
class QLabel;
class QMenu;
class QToolButton;

namespace tavelin
{

class RibbonAppMenu;

class RibbonBar : public QWidget
{
    Q_OBJECT
public:
    static QString CategoryCaption() { return QStringLiteral("ホーム  ( WClick , Ctrl+F1 )"); }

    RibbonBar(std::function<QAction*(int)> actionFor, QWidget* parent = nullptr);

    bool isMinimized() const { return m_minimized; }
    void SetMinimized(bool minimized);
    void ToggleMinimized() { SetMinimized(!m_minimized); }

    // The button of a command on the panels or the quick access bar.
    QToolButton* button(int commandId) const;
    QToolButton* applicationButton() const { return m_appButton; }
    RibbonAppMenu* applicationMenu() const { return m_appMenu; }
    QLabel* categoryTab() const { return m_categoryTab; }
    QWidget* panelArea() const { return m_panels; }
    QMenu* alignMenu() const { return m_alignMenu; }
    QStringList panelCaptions() const;
    void ShowApplicationMenu();

Q_SIGNALS:
    // A menu of the ribbon is about to open: time to evaluate the rules.
    void menuAboutToShow();
    void minimizedChanged(bool minimized);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHBoxLayout* AddPanel(const QString& caption);
    QToolButton* AddLargeButton(QHBoxLayout* panel, int commandId,
                                const QString& twoLineCaption = {});
    QToolButton* AddQuickAccessButton(QHBoxLayout* bar, int commandId);

    std::function<QAction*(int)> m_actionFor;
    std::map<int, QToolButton*> m_buttons;
    QToolButton* m_appButton = nullptr;
    RibbonAppMenu* m_appMenu = nullptr;
    QLabel* m_categoryTab = nullptr;
    QFrame* m_panels = nullptr;
    QHBoxLayout* m_panelRow = nullptr;
    QMenu* m_alignMenu = nullptr;
    bool m_minimized = false;
};

} // namespace tavelin
