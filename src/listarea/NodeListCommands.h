#pragma once
// The node list's menus as data: the row menu's commands with their enable
// rules, and the header menu's column switches, display formats, note
// lengths and zero display with the settings they store.

#include <QString>
#include <span>

namespace tavelin
{

enum NodeListCommand : int {
    ID_LIST_TO_NEW_LAYER = 32836,    // このノードを起点に新規レイヤー作成
    ID_LIST_SPLIT_LAYER = 32834,     // このノードから別レイヤーに分離
    ID_LIST_MERGE_LAYER = 32868,     // このレイヤーを前のレイヤーに合併
    ID_LIST_COLUMN_COLOUR = 32861,   // カラー列の背景色
    ID_LIST_EXCEL_OUT = 32785,       // このリストをExcelに出力
    ID_LIST_CENTRE_NODE = 32807,     // このノードをビュー中央に表示
    ID_LIST_NODE_PROPERTIES = 32824, // このノードのプロパティ
    ID_LIST_ZERO_HIDDEN = 32838,     // 0 は表示しない
};

struct RowMenuItem {
    int id;
    const char* text;
};
// The row menu ("OnList") in its order; 0 is a separator.
std::span<const RowMenuItem> RowMenuItems();

// Which row-menu items are enabled for row `row` of a list of `rowCount`
// rows (the blank row included) of the layer at tab position `tabIndex`.
struct RowMenuState {
    bool split = false;          // only with a departure, not on the last node
    bool nodeProperties = false; // not on the first row
    bool newLayer = false;       // only on the last node, with two or more
    bool merge = false;          // not on the first tab
    bool enabled(int id) const;
};
RowMenuState RowMenuRules(int rowCount, int row, bool nodeHasDeparture, int tabIndex);

// A show/hide switch of columns 3 to 11.
struct ColumnSwitch {
    int id;
    int column;
};
std::span<const ColumnSwitch> ColumnSwitches();
const ColumnSwitch* FindColumnSwitch(int id);

// One item of a format menu: the code it stores.
struct FormatItem {
    int id;
    const char* text;
    int code;
};
struct FormatMenu {
    const char* title;
    const char* key; // under "ColumnDsp"
    std::span<const FormatItem> items;
};
// Date, distance, time, speed formats and the note length, in menu order.
std::span<const FormatMenu> FormatMenus();
// The menu and item of a command, or nulls.
struct FormatChoice {
    const FormatMenu* menu = nullptr;
    const FormatItem* item = nullptr;
};
FormatChoice FindFormatItem(int id);
// The item that shows checked for a stored code: its own, or the first
// when the code is none of the menu's.
const FormatItem& CheckedItem(const FormatMenu& menu, int storedCode);

} // namespace tavelin
