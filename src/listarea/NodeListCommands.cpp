#include "listarea/NodeListCommands.h"

#include <array>

namespace tavelin
{
namespace
{

constexpr std::array RowItems{
    RowMenuItem{ID_LIST_CENTRE_NODE, "このノードをビュー中央に表示(&O)\t無地列 WClick"},
    RowMenuItem{ID_LIST_NODE_PROPERTIES, "このノードのプロパティ(&P)\tカラー列 WClick"},
    RowMenuItem{0, ""},
    RowMenuItem{ID_LIST_TO_NEW_LAYER, "このノードを起点に新規レイヤー作成(&R)"},
    RowMenuItem{ID_LIST_SPLIT_LAYER, "このノードから別レイヤーに分離(&B)"},
    RowMenuItem{ID_LIST_MERGE_LAYER, "このレイヤーを前のレイヤーに合併(&G)"},
    RowMenuItem{0, ""},
    RowMenuItem{ID_LIST_COLUMN_COLOUR, "カラー列の背景色(&C)"},
    RowMenuItem{ID_LIST_EXCEL_OUT, "このリストをExcelに出力(&E)"},
};

constexpr std::array Switches{
    ColumnSwitch{32867, 3}, ColumnSwitch{32839, 4},  ColumnSwitch{32858, 5},
    ColumnSwitch{32859, 6}, ColumnSwitch{32860, 7},  ColumnSwitch{32814, 8},
    ColumnSwitch{32815, 9}, ColumnSwitch{32816, 10}, ColumnSwitch{32817, 11},
};

constexpr std::array DateItems{
    FormatItem{32826, "2001.02.03 23:58:59(&1)", 1},
    FormatItem{32827, "2001.02.03 23:58(&2)", 2},
    FormatItem{32828, "02.03 23:58:59(&3)", 3},
    FormatItem{32829, "02.03 23:58(&4)", 4},
    FormatItem{32830, "03 23:58:59(&5)", 5},
    FormatItem{32831, "03 23:58(&6)", 6},
    FormatItem{32832, "23:58:59(&7)", 7},
    FormatItem{32833, "23:58(&8)", 8},
};
constexpr std::array DistanceItems{
    FormatItem{32843, "m単位(&1)\t54321", 1},
    FormatItem{32844, "Km単位(&2)\t54", 2},
    FormatItem{32845, "Km単位[小数第1位](&3)\t54.3", 3},
    FormatItem{32846, "Km単位[小数第2位](&4)\t54.32", 4},
    FormatItem{32847, "Km単位[小数第3位](&5)\t54.321", 5},
};
constexpr std::array TimeItems{
    FormatItem{32848, "秒単位(&1)\t86400", 1}, FormatItem{32850, "分単位(&2)\t1440", 2},
    FormatItem{32851, "時間単位(&3)\t24", 3},  FormatItem{32852, "日単位(&4)\t1", 4},
    FormatItem{32853, "hh:mm:ss(&5)", 5},      FormatItem{32854, "hh:mm(&6)", 6},
    FormatItem{32855, "dd hh:mm(&7)", 7},
};
constexpr std::array SpeedItems{
    FormatItem{32862, "m単位(&1)\t54321", 1},
    FormatItem{32863, "Km単位(&2)\t54", 2},
    FormatItem{32864, "Km単位[小数第1位](&3)\t54.3", 3},
    FormatItem{32865, "Km単位[小数第2位](&4)\t54.32", 4},
    FormatItem{32866, "Km単位[小数第3位](&5)\t54.321", 5},
};
constexpr std::array NoteItems{
    FormatItem{32818, "10バイト(&1)", 10}, FormatItem{32819, "20バイト(&2)", 20},
    FormatItem{32820, "30バイト(&3)", 30}, FormatItem{32821, "40バイト(&4)", 40},
    FormatItem{32822, "50バイト(&5)", 50},
};

const std::array Menus{
    FormatMenu{"日時の表記(&D)", "DateFormat", DateItems},
    FormatMenu{"距離の表記(&K)", "KyoriFormat", DistanceItems},
    FormatMenu{"時間の表記(&T)", "TimeFormat", TimeItems},
    FormatMenu{"時速の表記(&J)", "JisokuFormat", SpeedItems},
    FormatMenu{"記事の長さ(&L)", "KijiLen", NoteItems},
};

} // namespace

std::span<const RowMenuItem> RowMenuItems()
{
    return RowItems;
}

bool RowMenuState::enabled(int id) const
{
    switch (id) {
    case ID_LIST_SPLIT_LAYER:
        return split;
    case ID_LIST_NODE_PROPERTIES:
        return nodeProperties;
    case ID_LIST_TO_NEW_LAYER:
        return newLayer;
    case ID_LIST_MERGE_LAYER:
        return merge;
    default:
        return true;
    }
}

RowMenuState RowMenuRules(int rowCount, int row, bool nodeHasDeparture, int tabIndex)
{
    const int lastNodeRow = rowCount - 2;
    RowMenuState s;
    s.split = nodeHasDeparture && row != lastNodeRow;
    s.nodeProperties = row != 0;
    s.newLayer = rowCount != 2 && row == lastNodeRow;
    s.merge = tabIndex != 0;
    return s;
}

std::span<const ColumnSwitch> ColumnSwitches()
{
    return Switches;
}

const ColumnSwitch* FindColumnSwitch(int id)
{
    for (const ColumnSwitch& s : Switches)
        if (s.id == id)
            return &s;
    return nullptr;
}

std::span<const FormatMenu> FormatMenus()
{
    return Menus;
}

FormatChoice FindFormatItem(int id)
{
    for (const FormatMenu& menu : Menus)
        for (const FormatItem& item : menu.items)
            if (item.id == id)
                return {&menu, &item};
    return {};
}

const FormatItem& CheckedItem(const FormatMenu& menu, int storedCode)
{
    for (const FormatItem& item : menu.items)
        if (item.code == storedCode)
            return item;
    return menu.items.front();
}

} // namespace tavelin
