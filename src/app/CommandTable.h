#pragma once
// Every command of the main window as data: its number, its name, its text
// and the rules that decide when it is enabled and when it shows checked.
// The frame evaluates the rules after every command and whenever a menu
// opens, as update handlers would; a command nobody handles yet stays
// disabled.

#include <QString>
#include <span>

namespace tavelin
{

// Command numbers, as the ribbon, the accelerators and the menus use them.
enum CommandId : int {
    ID_SHOW_MENU = 318,
    ID_SEIRETU_BTN = 319,
    ID_SETTEI_BTN = 322,
    ID_RECENT_KANRI = 323,
    ID_MAP_SETTEI = 32772,
    ID_NAVI_TOGGLE = 32774, // a second number for ID_FIRST
    ID_FIRST = 32776,
    ID_UNDO = 32777,
    ID_KAN_SET = 32779,
    ID_COL_COLOR = 32780,
    ID_EXCEL_OUT = 32785,
    ID_SAME_W = 32787,
    ID_SAME_H = 32788,
    ID_ADD_NODE = 32790,
    ID_AREA_CHANGE = 32791,
    ID_TO_RIGHT = 32801,
    ID_TO_TOP = 32802,
    ID_TO_V_CEN = 32804,
    ID_INSATU = 32805,
    ID_TO_H_KIN = 32807,
    ID_SAVE_IMAGE = 32870,
    ID_HELP_DSP = 32874,
    ID_DSP_ICON = 32875,
    ID_TOKEI = 32876,
    ID_TO_H_CEN2 = 32879,
    ID_TO_LEFT2 = 32880,
    ID_TO_BOTTOM2 = 32881,
    ID_SAME_WH = 32882,
    ID_TO_V_KIN2 = 32883,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
};

enum class EnableRule {
    Always,
    HasBackground,  // a background map is set
    CanUndo,        // a node or slip snapshot exists
    ListHasRows,    // the node list shows rows
    HasPrimarySlip, // the alignment commands
};

enum class CheckRule { None, NaviVisible, IconsShown, NodeAddMode };

struct CommandDef {
    int id;
    const char* name; // the command's name, also the QAction's object name
    const char* text; // caption; empty for the image-only buttons
    EnableRule enable;
    CheckRule check;
    int tipStringId; // "description\nshort label" in the string table, 0 none
};

std::span<const CommandDef> AllCommands();
const CommandDef* FindCommand(int id);

// What the rules look at, gathered once per evaluation.
struct CommandState {
    bool hasBackground = false;
    bool canUndo = false;
    bool listHasRows = false;
    bool hasPrimarySlip = false;
    bool naviVisible = false;
    bool iconsShown = false;
    bool nodeAddMode = false;
};

bool IsEnabled(const CommandDef& command, const CommandState& state);
bool IsChecked(const CommandDef& command, const CommandState& state);

// The description and the short label of a string "description\nlabel".
QString CommandDescription(const CommandDef& command);
QString CommandLabel(const CommandDef& command);

} // namespace tavelin
