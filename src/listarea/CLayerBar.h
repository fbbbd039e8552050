#pragma once
// The layer tab bar along the bottom of the list area: owner-drawn tabs in
// one row, one per layer in tab order, coloured by the layer's visibility,
// with the full name as tooltip, and the "tab" and "tip" menus. The work is
// LayerOperations'; the bar draws, hit-tests and asks for names.
//
// Menu items whose dialogs are wired in from elsewhere (the layer list, the
// common tab settings, the layer files, the layer properties) show disabled
// until SetHandler installs their work.

#include "listarea/ContextMenu.h"
#include "listarea/LayerMenuCommands.h"
#include "listarea/TabAppearance.h"

#include <QPoint>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace tavelin
{

class LayerOperations;
class LayerTabs;
class TipWindow;

class CLayerBar : public QWidget
{
    Q_OBJECT
public:
    CLayerBar(LayerOperations& operations, QWidget* parent = nullptr);
    // Writes the appearance back to the settings.
    ~CLayerBar() override;

    const TabAppearance& appearance() const { return m_appearance; }
    // Re-captions every tab when the caption length changed; repaints.
    void SetAppearance(const TabAppearance& appearance);

    int tabHeight() const { return m_tabHeight; }
    // The tab of the last right click, mouse move or click (-1 none) and
    // the screen point of the last right click on a tab.
    int menuTab() const { return m_menuTab; }
    QPoint menuPoint() const { return m_menuPoint; }

    // The menu commands' work; an empty function uninstalls it.
    void SetHandler(int commandId, std::function<void()> handler);
    bool HasHandler(int commandId) const;
    // As choosing the item would: rules first, then the handler. True when
    // it ran.
    bool Execute(int commandId);
    bool IsEnabled(int commandId) const;

    // Tests look at the menus through this; unset, the menu opens.
    MenuRunner menuRunner;
    // The name dialog; unset, AskName.
    std::function<std::optional<QString>(const QString& name, QPoint screenPoint, QWidget* owner)>
        askName;

    TipWindow* tip() const { return m_tip; }
    // The tab's rectangle in the bar (empty when scrolled out of sight) and
    // the tab under a point (-1 none).
    QRect TabRect(int position);
    int TabAt(const QPoint& point);
    int firstShownTab() const { return m_first; }
    // True while the tabs do not fit and the scroll arrows show.
    bool overflowing();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void InstallBuiltInHandlers();
    void TabsChanged();
    void EnsureLayout();
    int ShownWidth();
    QRect ArrowRect(int direction);
    void ScrollTabs(int by);
    void ShowTip(const QPoint& local, const QPoint& global);
    void OpenMenu(std::span<const LayerMenuItem> items, const QPoint& globalPos);
    TabMenuState MenuState() const;
    void NewLayer(bool after);
    void Rename();

    LayerOperations& m_ops;
    LayerTabs& m_tabs;
    TabAppearance m_appearance;
    TipWindow* m_tip = nullptr;
    std::map<int, std::function<void()>> m_handlers;
    int m_tabHeight = 0;
    int m_menuTab = -1;
    QPoint m_menuPoint;
    int m_tipTab = -1;
    // Tab geometry along the strip, rebuilt when the tabs change.
    bool m_dirty = true;
    std::vector<int> m_left;
    std::vector<int> m_width;
    int m_stripWidth = 0;
    int m_first = 0;
    int m_shownSelection = -2;
};

} // namespace tavelin
