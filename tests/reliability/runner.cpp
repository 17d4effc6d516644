#include "reliability/runner.h"

#include <dlgs.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

#include "app/command_ids.h"
#include "support/recorder_log.h"

namespace rel {

void Note(std::string& cell, const std::string& what) {
    cell = cell == "nothing" || cell == "none" ? what : cell + "; " + what;
}

bool Soak() { return drv::Env("PW_SOAK") == "1"; }

int Times(int soak, int quick) { return Soak() ? soak : quick; }

// ---- files ----

std::string Lines(size_t size) {
    std::string text;
    for (int line = 0; text.size() < size; ++line) text += "Řádek " + std::to_string(line) + ": žluťoučký kůň úpěl\r\n";
    return text.substr(0, text.rfind("\r\n", size - 2) + 2);
}

std::string FreshFolder(const std::string& name) {
    const std::string folder = drv::TempPath(name);
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// ---- one run of the program ----

namespace {
constexpr int kBoxText = 0xFFFF;  // a message box's text line
}  // namespace

Run::Run(const std::string& arguments, const std::string& exe) { program.Start(arguments, -1, exe); }

// A message box of the program, or null: a file dialog is a dialog of the same class, but with a
// list of file types.
HWND Run::Box() const {
    for (HWND window : program.Windows(true))
        if (drv::ClassName(window) == "#32770" && !GetDlgItem(window, cmb1)) return window;
    return nullptr;
}

void Run::AnswerBox() {
    if (HWND box = Box()) {
        boxes.push_back(drv::WindowText(GetDlgItem(box, kBoxText)));
        drv::MessageBoxInfo info;
        info.window = box;
        drv::AnswerMessageBox(info, GetDlgItem(box, IDOK) ? IDOK : IDYES);
    }
}

bool Run::Open(bool shown, DWORD ms) {
    AnswerUntil([&] {
        if (program.WaitExit(0)) return true;
        form = program.WaitWindow("PebblewireMainForm", nullptr, shown, 0);
        // Busy making the window, the program answers once it waits for input again.
        DWORD_PTR answer = 0;
        return form && SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) && !Box();
    }, ms);
    return form && !program.WaitExit(0);
}

std::string Run::Quit(DWORD ms) {
    Command(app::IDM_KONEC);
    AnswerUntil([&] { return program.WaitExit(0).has_value(); }, ms);
    return Ending(program.WaitExit(0));
}

std::string Ending(std::optional<DWORD> exitCode) {
    if (!exitCode) return "hang: still running";
    if (*exitCode == 0) return "none";
    char text[48];
    std::snprintf(text, sizeof text, "crash: status 0x%lX", static_cast<unsigned long>(*exitCode));
    return text;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : " / ") + text;
    return joined.empty() ? "none" : joined;
}

// ---- what the program holds ----

namespace {
BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
}  // namespace

Resources Measure(const drv::Program& program) {
    Resources resources;
    // The GDI table first: under 64-bit Wine reading it commits its pages in the program, which is
    // no growth of the program's own.
    resources.gdiObjects = drv::GdiObjects(program.Process());
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    // Wine leaves PrivateUsage at 0 and reports the commit charge as PagefileUsage: on Windows
    // the two are the same figure.
    if (GetProcessMemoryInfo(program.Process(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        resources.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    // USER objects: the process's windows, top-level and child, hidden ones included.
    for (HWND window : drv::WindowsOf(program.Id(), false)) {
        ++resources.userObjects;
        EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&resources.userObjects));
    }
    return resources;
}

}  // namespace rel

namespace {

void Print(const std::vector<rel::Row>& rows, DWORD seconds, FILE* out) {
    const char* headers[] = {"Row", "Result", "Lost", "Crash or hang"};
    size_t width[4] = {};
    for (int c = 0; c < 4; ++c) width[c] = std::strlen(headers[c]);
    for (const rel::Row& row : rows) {
        const std::string* cells[] = {&row.name, &row.result, &row.lost, &row.crash};
        for (int c = 0; c < 4; ++c) width[c] = std::max(width[c], cells[c]->size() + (c == 0 ? 2 : 0));
    }
    const size_t failed = size_t(std::count_if(rows.begin(), rows.end(), [](const rel::Row& r) { return !r.pass; }));
    std::fprintf(out, "\nReliability (%s): %zu rows, %zu failed, %lu s\n", rel::Soak() ? "soak" : "short", rows.size(),
                 failed, static_cast<unsigned long>(seconds));
    const auto line = [&](const std::string& a, const std::string& b, const std::string& c, const std::string& d) {
        std::fprintf(out, "%-*s | %-*s | %-*s | %s\n", int(width[0]), a.c_str(), int(width[1]), b.c_str(),
                     int(width[2]), c.c_str(), d.c_str());
    };
    line(headers[0], headers[1], headers[2], headers[3]);
    line(std::string(width[0], '-'), std::string(width[1], '-'), std::string(width[2], '-'),
         std::string(width[3], '-'));
    for (const rel::Row& row : rows) line((row.pass ? "  " : "! ") + row.name, row.result, row.lost, row.crash);
}

}  // namespace

int main() {
    const DWORD start = GetTickCount();
    // Shortcuts the program writes to "the current drive's root" land on the prefix's C:.
    SetCurrentDirectoryA(drv::TempPath("").c_str());
    drv::RecorderLogPath();
    const struct {
        const char* name;
        std::vector<rel::Row> (*rows)();
    } tables[] = {
        {"registry", rel::RegistryRows}, {"file", rel::FileRows}, {"fault", rel::FaultRows},
        {"load", rel::LoadRows},         {"peer", rel::PeerRows}};
    // PW_ONLY=file (or registry, fault, load, peer) runs that table alone, while one is being worked
    // on. The peer table runs where the peers' namespaces are, and only there.
    const std::string only = drv::Env("PW_ONLY");
    const bool peers = !drv::Env("PW_PEERS").empty();
    std::vector<rel::Row> rows;
    for (const auto& table : tables) {
        if (!only.empty() && only != table.name) continue;
        if (peers != (std::string(table.name) == "peer")) continue;
        std::vector<rel::Row> part = table.rows();
        rows.insert(rows.end(), part.begin(), part.end());
    }
    rel::FreshUser();
    const DWORD seconds = (GetTickCount() - start) / 1000;
    Print(rows, seconds, stdout);
    if (const std::string file = drv::Env("PW_TABLE"); !file.empty())
        if (FILE* out = std::fopen(drv::DosPath(file).c_str(), "w")) {
            Print(rows, seconds, out);
            std::fclose(out);
        }
    return std::all_of(rows.begin(), rows.end(), [](const rel::Row& row) { return row.pass; }) ? 0 : 1;
}
