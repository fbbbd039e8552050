#include "listarea/LayerMenuCommands.h"

#include <array>

namespace tavelin
{
namespace
{

constexpr std::array TabItems{
    LayerMenuItem{ID_LAYER_NEW_BEFORE, "このレイヤーの前に作成(&F)", 190},
    LayerMenuItem{ID_LAYER_NEW_AFTER, "このレイヤーの後に作成(&N)", 191},
    LayerMenuItem{0, "", 0},
    LayerMenuItem{ID_LAYER_SWAP_PREVIOUS, "この前のレイヤーと位置交換(&M)", 187},
    LayerMenuItem{ID_LAYER_SWAP_NEXT, "この後のレイヤーと位置交換(&A)", 189},
    LayerMenuItem{0, "", 0},
    LayerMenuItem{ID_LAYER_IMPORT_BEFORE, "このレイヤーの前にインポート(&F)", 190},
    LayerMenuItem{ID_LAYER_IMPORT_AFTER, "このレイヤーの後にインポート(&N)", 191},
    LayerMenuItem{ID_LAYER_REPEAT_IMPORT, "このレイヤーの後に繰り返しインポート(&M)", 0},
    LayerMenuItem{ID_LAYER_EXPORT, "このレイヤーをエクスポート(&E)", 0},
    LayerMenuItem{ID_LAYER_EXPORT_ALL, "全レイヤーをエクスポート(&B)", 0},
    LayerMenuItem{0, "", 0},
    LayerMenuItem{ID_LAYER_DELETE, "削除(&D)", 137},
    LayerMenuItem{ID_LAYER_RENAME, "名前の変更(&R)", 1012},
    LayerMenuItem{0, "", 0},
    LayerMenuItem{ID_LAYER_SELECT_NODES, "全ノードを選択(&W)\tWClick", 0},
    LayerMenuItem{ID_LAYER_SHOW_HIDE, "表示/非表示(&S)", 0},
    LayerMenuItem{ID_LAYER_HIDE_OTHERS, "このレイヤー以外を非表示(&H)", 0},
    LayerMenuItem{ID_LAYER_SHOW_ALL, "すべて表示(&Z)", 0},
    LayerMenuItem{0, "", 0},
    LayerMenuItem{ID_LAYER_LIST, "レイヤー一覧(&L)", 0},
    LayerMenuItem{ID_LAYER_COMMON_PROPERTIES, "レイヤーの共通プロパティ(&C)", 0},
    LayerMenuItem{ID_LAYER_PROPERTIES, "プロパティ(&P)", 0},
};

constexpr std::array TipItems{
    LayerMenuItem{ID_LAYER_LIST, "レイヤー一覧(&L)", 0},
    LayerMenuItem{ID_LAYER_COMMON_PROPERTIES, "レイヤーの共通プロパティ(&C)", 0},
};

} // namespace

std::span<const LayerMenuItem> TabMenuItems()
{
    return TabItems;
}

std::span<const LayerMenuItem> TipMenuItems()
{
    return TipItems;
}

bool TabMenuItemEnabled(int id, const TabMenuState& s)
{
    const bool onTab = s.menuTab >= 0 && s.menuTab < s.tabCount;
    switch (id) {
    case ID_LAYER_NEW_BEFORE:
    case ID_LAYER_NEW_AFTER:
    case ID_LAYER_RENAME:
        return onTab;
    case ID_LAYER_SWAP_PREVIOUS:
        return onTab && s.menuTab > 0;
    case ID_LAYER_SWAP_NEXT:
        return onTab && s.menuTab < s.tabCount - 1;
    case ID_LAYER_DELETE:
        return onTab && s.tabCount > 1;
    case ID_LAYER_IMPORT_BEFORE:
    case ID_LAYER_IMPORT_AFTER:
        return s.hasMap;
    default:
        return true;
    }
}

bool TabMenuItemChecked(int id, const TabMenuState& s)
{
    return id == ID_LAYER_SHOW_HIDE && s.currentVisible;
}

} // namespace tavelin
