#pragma once
// Panes for driving the main frame in tests: every answer the frame asks
// of them is a field, and every call it makes is counted.

#include "platform/Areas.h"

#include <QLineEdit>
#include <QWidget>

namespace tavelin::test
{

class FakeMapArea : public QWidget, public MapArea
{
public:
    FakeMapArea() { setObjectName(QStringLiteral("FakeMap")); }
    QWidget* widget() override { return this; }
    void InitialUpdate() override { ++initialUpdates; }
    void RefreshNow() override { ++refreshes; }
    bool HasBackground() const override { return background; }
    void StoreScrollPosition() override {}
    bool IconsShown() const override { return icons; }
    void SetIconsShown(bool shown) override { icons = shown; }
    void PlaceFloatingBars() override { ++floatingBarPlacements; }
    bool CanUndo() const override { return undo; }
    void Undo() override { ++undos; }
    bool HasPrimarySlip() const override { return primarySlip; }

    bool background = false, undo = false, primarySlip = false, icons = true;
    int initialUpdates = 0, refreshes = 0, floatingBarPlacements = 0, undos = 0;
};

class FakeListArea : public QWidget, public ListArea
{
public:
    FakeListArea() : editor(new QLineEdit(this)) { setObjectName(QStringLiteral("FakeList")); }
    QWidget* widget() override { return this; }
    void RefreshNodeList() override { ++rebuilds; }
    bool HasRows() const override { return rows; }
    void PlaceFloatingBars() override { ++floatingBarPlacements; }

    QLineEdit* editor; // something in the list that can hold the focus
    bool rows = false;
    int rebuilds = 0, floatingBarPlacements = 0;
};

} // namespace tavelin::test
