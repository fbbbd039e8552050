#pragma once
// Stand-ins for the two panes until the real list area and map area are
// wired in: empty white panes that report no rows, no map and no undo.

#include "platform/Areas.h"

#include <QWidget>

namespace tavelin
{

class PlaceholderListArea : public QWidget, public ListArea
{
    Q_OBJECT
public:
    explicit PlaceholderListArea(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }
    void RefreshNodeList() override {}
    bool HasRows() const override { return false; }
    void PlaceFloatingBars() override {}
};

class PlaceholderMapArea : public QWidget, public MapArea
{
    Q_OBJECT
public:
    explicit PlaceholderMapArea(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }
    void InitialUpdate() override {}
    void RefreshNow() override { update(); }
    bool HasBackground() const override { return false; }
    void StoreScrollPosition() override {}
    bool IconsShown() const override { return m_iconsShown; }
    void SetIconsShown(bool shown) override { m_iconsShown = shown; }
    void PlaceFloatingBars() override {}

private:
    bool m_iconsShown = true;
};

} // namespace tavelin
