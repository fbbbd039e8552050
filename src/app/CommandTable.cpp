#include "app/CommandTable.h"

#include "platform/StringTable.h"

#include <array>

namespace tavelin
{
namespace
{

using E = EnableRule;
using C = CheckRule;

constexpr std::array Commands{
    CommandDef{ID_FILE_NEW, "ID_FILE_NEW", "新規作成(&N)", E::Always, C::None, 0},
    CommandDef{ID_FILE_OPEN, "ID_FILE_OPEN", "開く(&O)...", E::Always, C::None, 0},
    CommandDef{ID_FILE_SAVE, "ID_FILE_SAVE", "上書き保存(&S)", E::HasBackground, C::None, 0},
    CommandDef{ID_FILE_SAVE_AS, "ID_FILE_SAVE_AS", "名前を付けて保存(&A)...", E::HasBackground,
               C::None, 0},
    CommandDef{ID_SAVE_IMAGE, "ID_SAVE_IMAGE", "名前を付けてイメージに保存(&M)", E::HasBackground,
               C::None, 0},
    CommandDef{ID_INSATU, "ID_INSATU", "印刷(&P)", E::HasBackground, C::None, 32805},
    CommandDef{ID_SETTEI_BTN, "ID_SETTEI_BTN", "設定(&M)", E::Always, C::None, 0},
    CommandDef{ID_SEIRETU_BTN, "ID_SEIRETU_BTN", "整列", E::Always, C::None, 0},
    CommandDef{ID_RECENT_KANRI, "ID_RECENT_KANRI", "最近使ったファイルの管理(&R)", E::Always,
               C::None, 0},
    CommandDef{ID_KAN_SET, "ID_KAN_SET", "環境設定(&K)", E::Always, C::None, 0},
    CommandDef{ID_APP_ABOUT, "ID_APP_ABOUT", "バージョン情報(&A)", E::Always, C::None, 0},
    CommandDef{ID_APP_EXIT, "ID_APP_EXIT", "終了(&X)", E::Always, C::None, 0},
    CommandDef{ID_UNDO, "ID_UNDO", "", E::CanUndo, C::None, 32777},
    CommandDef{ID_SHOW_MENU, "ID_SHOW_MENU", "", E::Always, C::None, 318},
    CommandDef{ID_HELP_DSP, "ID_HELP_DSP", "", E::Always, C::None, 32874},
    CommandDef{ID_FIRST, "ID_FIRST", "ナビ", E::Always, C::NaviVisible, 0},
    CommandDef{ID_NAVI_TOGGLE, "ID_NAVI_TOGGLE", "ナビ", E::Always, C::NaviVisible, 0},
    CommandDef{ID_AREA_CHANGE, "ID_AREA_CHANGE", "エリア 交換", E::Always, C::None, 0},
    CommandDef{ID_COL_COLOR, "ID_COL_COLOR", "列色 変更", E::ListHasRows, C::None, 0},
    CommandDef{ID_EXCEL_OUT, "ID_EXCEL_OUT", "Excel 出力", E::ListHasRows, C::None, 0},
    CommandDef{ID_MAP_SETTEI, "ID_MAP_SETTEI", "背景地図 の設定", E::Always, C::None, 32772},
    CommandDef{ID_DSP_ICON, "ID_DSP_ICON", "アイコン 表示", E::Always, C::IconsShown, 0},
    CommandDef{ID_ADD_NODE, "ID_ADD_NODE", "ノード 追加", E::HasBackground, C::NodeAddMode, 0},
    CommandDef{ID_TOKEI, "ID_TOKEI", "60秒", E::Always, C::None, 0},
    // The alignment commands, in the order of the 整列 drop-down; their
    // captions and tooltips come from the string table.
    CommandDef{ID_TO_LEFT2, "ID_TO_LEFT2", "", E::HasPrimarySlip, C::None, 32880},
    CommandDef{ID_TO_RIGHT, "ID_TO_RIGHT", "", E::HasPrimarySlip, C::None, 32801},
    CommandDef{ID_TO_TOP, "ID_TO_TOP", "", E::HasPrimarySlip, C::None, 32802},
    CommandDef{ID_TO_BOTTOM2, "ID_TO_BOTTOM2", "", E::HasPrimarySlip, C::None, 32881},
    CommandDef{ID_TO_V_CEN, "ID_TO_V_CEN", "", E::HasPrimarySlip, C::None, 32804},
    CommandDef{ID_TO_H_CEN2, "ID_TO_H_CEN2", "", E::HasPrimarySlip, C::None, 32879},
    CommandDef{ID_TO_H_KIN, "ID_TO_H_KIN", "", E::HasPrimarySlip, C::None, 32807},
    CommandDef{ID_TO_V_KIN2, "ID_TO_V_KIN2", "", E::HasPrimarySlip, C::None, 32883},
    CommandDef{ID_SAME_W, "ID_SAME_W", "", E::HasPrimarySlip, C::None, 32787},
    CommandDef{ID_SAME_H, "ID_SAME_H", "", E::HasPrimarySlip, C::None, 32788},
    CommandDef{ID_SAME_WH, "ID_SAME_WH", "", E::HasPrimarySlip, C::None, 32882},
};

QString TipField(const CommandDef& command, int field)
{
    if (command.tipStringId == 0)
        return {};
    return LoadString(command.tipStringId).section(u'\n', field, field);
}

} // namespace

std::span<const CommandDef> AllCommands()
{
    return Commands;
}

const CommandDef* FindCommand(int id)
{
    for (const CommandDef& c : Commands)
        if (c.id == id)
            return &c;
    return nullptr;
}

bool IsEnabled(const CommandDef& command, const CommandState& state)
{
    switch (command.enable) {
    case EnableRule::Always:
        return true;
    case EnableRule::HasBackground:
        return state.hasBackground;
    case EnableRule::CanUndo:
        return state.canUndo;
    case EnableRule::ListHasRows:
        return state.listHasRows;
    case EnableRule::HasPrimarySlip:
        return state.hasPrimarySlip;
    }
    return false;
}

bool IsChecked(const CommandDef& command, const CommandState& state)
{
    switch (command.check) {
    case CheckRule::None:
        return false;
    case CheckRule::NaviVisible:
        return state.naviVisible;
    case CheckRule::IconsShown:
        return state.iconsShown;
    case CheckRule::NodeAddMode:
        return state.nodeAddMode;
    }
    return false;
}

QString CommandDescription(const CommandDef& command)
{
    return TipField(command, 0);
}

QString CommandLabel(const CommandDef& command)
{
    if (command.text[0] != '\0')
        return QString::fromUtf8(command.text);
    return TipField(command, 1);
}

} // namespace tavelin
