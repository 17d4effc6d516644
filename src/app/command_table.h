// The main window's commands, each described once: its menu item, keyboard shortcut, tool-button
// tooltip, status-line hint, image and handler. The menus, the button bar, the accelerator table
// and the dispatch are all built from this table, and so are the options with their stored values.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_ids.h"

namespace app {

class TMainForm;
using CommandHandler = void (TMainForm::*)();

struct Shortcut {
    BYTE flags;             // FVIRTKEY with FCONTROL and the like
    WORD key;               // virtual key; 0 for none
    std::string_view text;  // shown beside the menu caption and in the tooltip
};

struct CommandSpec {
    Command id;
    std::string_view caption;  // menu item
    std::string_view tip;      // tooltip of the command's tool button, before the shortcut
    std::string_view hint;     // status-line text
    int image;                 // index in the tool-bar image strip, or -1
    Shortcut shortcut;
    CommandHandler handler;  // never null; should one be, running the command is an error
};

// Indexes in the tool-bar image strip.
enum ToolImage { kImageNew, kImageOpen, kImageSave, kImageSend, kImageHelp };

std::span<const CommandSpec> Commands();
// The command's row, or null for an id that is no command.
const CommandSpec* FindCommand(Command id);
// The command's handler; throws for an id without one, which is never silently dropped.
CommandHandler HandlerOf(Command id);

// Menu item text: the caption, and a tab and the shortcut when it has one.
std::string MenuText(const CommandSpec& command);
// Tool-button hint "tooltip (shortcut)|status-line text".
std::string ButtonHint(const CommandSpec& command);
// One accelerator per command with a shortcut.
std::vector<ACCEL> Accelerators();

// An option: a checked menu item whose state is stored at once when it is toggled.
struct OptionSpec {
    Command command;
    const char* valueName;
    bool designState;  // the check mark before the settings are read, and the stored value's default
};

// In loading order.
std::span<const OptionSpec> Options();
// The option of a command, or null.
const OptionSpec* FindOption(Command command);

}  // namespace app
