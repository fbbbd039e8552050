#pragma once
// The layer tab bar's menus as data: the "tab" menu with its items,
// pictures and enable rules, and the "tip" menu of the bar itself.

#include <span>

namespace tavelin
{

enum LayerBarCommand : int {
    ID_LAYER_REPEAT_IMPORT = 317,       // このレイヤーの後に繰り返しインポート
    ID_LAYER_PROPERTIES = 32773,        // プロパティ
    ID_LAYER_RENAME = 32775,            // 名前の変更
    ID_LAYER_NEW_BEFORE = 32778,        // このレイヤーの前に作成
    ID_LAYER_DELETE = 32781,            // 削除
    ID_LAYER_NEW_AFTER = 32783,         // このレイヤーの後に作成
    ID_LAYER_SWAP_PREVIOUS = 32784,     // この前のレイヤーと位置交換
    ID_LAYER_SWAP_NEXT = 32786,         // この後のレイヤーと位置交換
    ID_LAYER_LIST = 32796,              // レイヤー一覧
    ID_LAYER_SHOW_HIDE = 32798,         // 表示/非表示
    ID_LAYER_SELECT_NODES = 32801,      // 全ノードを選択
    ID_LAYER_COMMON_PROPERTIES = 32859, // レイヤーの共通プロパティ
    ID_LAYER_IMPORT_BEFORE = 32871,     // このレイヤーの前にインポート
    ID_LAYER_IMPORT_AFTER = 32872,      // このレイヤーの後にインポート
    ID_LAYER_EXPORT = 32873,            // このレイヤーをエクスポート
    ID_LAYER_HIDE_OTHERS = 32877,       // このレイヤー以外を非表示
    ID_LAYER_SHOW_ALL = 32878,          // すべて表示
    ID_LAYER_EXPORT_ALL = 32884,        // 全レイヤーをエクスポート
};

struct LayerMenuItem {
    int id; // 0: a separator
    const char* text;
    int picture; // the small picture beside the item, 0 none
};
// Sub-menu "tab" in its order.
std::span<const LayerMenuItem> TabMenuItems();
// Sub-menu "tip": the layer list and the common tab settings.
std::span<const LayerMenuItem> TipMenuItems();

// What the "tab" menu's rules look at.
struct TabMenuState {
    int menuTab = -1; // the tab right-clicked
    int tabCount = 0;
    bool hasMap = false;
    bool currentVisible = false;
};
// Enabled by the rules alone (an item also needs its handler).
bool TabMenuItemEnabled(int id, const TabMenuState& state);
bool TabMenuItemChecked(int id, const TabMenuState& state);

} // namespace tavelin
