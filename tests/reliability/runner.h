// The reliability runner: tables of inputs tried, faults injected and load held, each row run
// against the real pebblewire.exe and reported in one printed table.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/driver.h"

namespace rel {

// One line of the printed table.
struct Row {
    std::string name;
    std::string result;
    std::string lost = "nothing";  // what was lost or corrupted
    std::string crash = "none";    // a crash or a hang
    bool pass = false;
};

// Adds what was seen to a cell, in place of its "nothing" or "none".
void Note(std::string& cell, const std::string& what);

// The long version (`make soak`) rather than the short one.
bool Soak();
// How many times a load is repeated in this version.
int Times(int soak, int quick);

// ---- the registry of the test prefix (HKEY_CURRENT_USER) ----
using drv::Changed;
using drv::kRunKey;
using drv::kShellFolders;
using drv::ReadValues;
using drv::RestoreValues;
using drv::Values;
using drv::WriteRaw;

// ---- files ----
using drv::ReadBytes;
using drv::WriteBytes;
// Numbered Czech lines, each ended by CR LF, as many as fit in `size` bytes. Lines, not one
// long paragraph: Wine's editor wraps a long one in time that grows with its square.
std::string Lines(size_t size);
// A new empty folder under the prefix's temporary folder, without a trailing "\".
std::string FreshFolder(const std::string& name);
using drv::FileNames;
using drv::RemoveTree;

using drv::FreshUser;

// ---- one run of the program ----
class Run {
public:
    // Starts pebblewire.exe (or `exe`) with the arguments.
    explicit Run(const std::string& arguments = "", const std::string& exe = "");
    // Answers every message box with OK until the main window is made (and `shown`), no box is
    // open and the program waits for input; false when the program ends first or never gets
    // there. The boxes' texts go to `boxes`. A window made but not yet shown may still be
    // loading: it answers while it waits for the shell to take its icon.
    bool Open(bool shown = true, DWORD ms = drv::kWait);
    // Ends the program with "&Konec", answering the boxes it shows on the way: "none", or the
    // crash or the hang.
    std::string Quit(DWORD ms = drv::kWait);
    // Answers the boxes that come until `done` holds; false when it never does.
    template <typename Done>
    bool AnswerUntil(Done done, DWORD ms = drv::kWait) {
        return drv::WaitUntil([&] { return done() || (AnswerBox(), false); }, ms);
    }
    // Runs a menu command of the main window.
    void Command(int id) const { PostMessageA(form, WM_COMMAND, WPARAM(id), 0); }
    HWND Control(int id) const { return drv::ChildById(form, id); }

    drv::Program program;
    HWND form = nullptr;
    std::vector<std::string> boxes;

private:
    HWND Box() const;
    void AnswerBox();
};

// "none" for a program that ended with status 0, else how it ended.
std::string Ending(std::optional<DWORD> exitCode);
// The boxes as one text: "none", or their texts joined by " / ".
std::string Joined(const std::vector<std::string>& texts);

// ---- what the program holds ----
struct Resources {
    SIZE_T privateBytes = 0;
    int gdiObjects = 0;
    int userObjects = 0;
};
Resources Measure(const drv::Program& program);

// ---- the tables ----
std::vector<Row> RegistryRows();
std::vector<Row> FileRows();
std::vector<Row> FaultRows();
std::vector<Row> LoadRows();
// net.exe against misbehaving messengers: only where the peers' namespaces are (PW_PEERS).
std::vector<Row> PeerRows();

}  // namespace rel
