#pragma once
// The main window: the ribbon above, the client area split into the list
// area and the map area (in the order "Last" "Area" gives), and the handlers
// of the commands that belong to the application as a whole. Commands of
// later parts are wired in through SetHandler; until then they stay
// disabled, as a command without a handler is.

#include "platform/Areas.h"
#include "app/CommandTable.h"
#include "mapview/NodeAddCountdown.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QSplitter;

namespace tavelin
{

class CN20417Doc;
class RibbonBar;

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    // With placeholder panes.
    explicit CMainFrame(QWidget* parent = nullptr);
    // The frame takes the panes' widgets into its splitter (and so owns them).
    CMainFrame(MapArea* map, ListArea* list, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The window title: the first field of the document template (string 128).
    static QString TemplateTitle();

    // Ties the file commands, the title and the save question to the
    // document, and the document's map questions to the map area.
    void SetDocument(CN20417Doc* document);
    CN20417Doc* document() const { return m_document; }

    MapArea* mapArea() const { return m_map; }
    ListArea* listArea() const { return m_list; }
    QSplitter* splitter() const { return m_splitter; }
    RibbonBar* ribbon() const { return m_ribbon; }
    NodeAddCountdown& nodeAddCountdown() { return m_countdown; }

    QAction* action(int commandId) const;
    // Wires a command to its handler; an empty function unwires it.
    void SetHandler(int commandId, std::function<void()> handler);
    bool HasHandler(int commandId) const;
    // Runs a command as the ribbon and the accelerators do: the rules are
    // evaluated first, and a disabled command does nothing. True when it ran.
    bool Execute(int commandId);
    // Evaluates every enable and check rule now.
    void UpdateCommands();
    CommandState CurrentState() const;

    // The navigation dialog slot: the factory makes the dialog (owned by the
    // frame); ShowNavigationAtStartUp opens it when "Navi" "Visible" is 1.
    std::function<QWidget*(QWidget* owner)> createNavigationDialog;
    QWidget* navigationDialog() const { return m_navigation; }
    void ShowNavigationAtStartUp();

    // The pie-clock image ID_TOKEI shows at `index`.
    const QIcon& countdownImage(int index) const { return m_clockImages.at(index); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateClientArea();
    void InstallBuiltInHandlers();
    void RunCommand(int commandId);
    void ScheduleUpdate();
    void PlaceFloatingBars();
    void StoreColumnWidth();
    bool TranslateAccelerator(QEvent* event);

    void OnAreaChange();
    void OnNavigation();
    void OnDisplayIcons();
    void OnCountdownDisplay(int imageIndex, const QString& caption);

    MapArea* m_map = nullptr;
    ListArea* m_list = nullptr;
    QSplitter* m_splitter = nullptr;
    RibbonBar* m_ribbon = nullptr;
    CN20417Doc* m_document = nullptr;
    NodeAddCountdown m_countdown;
    std::map<int, QAction*> m_actions;
    std::map<int, std::function<void()>> m_handlers;
    std::vector<QIcon> m_clockImages;
    QAction* m_tokei = nullptr; // the countdown element, kept for its updates
    QPointer<QWidget> m_navigation;
    bool m_updatePending = false;
    bool m_columnWidthApplied = false;
    bool m_columnWidthStored = false;
};

} // namespace tavelin
