// Registry input: every value the program reads, stored in every shape a user, an old version or
// another program may leave. The program shows the type error box or uses the value's default,
// as its rules say, and its window opens; what it has no rule to write stays as it was.
#include <algorithm>

#include "reliability/runner.h"
#include "shell/integration_texts.h"

namespace rel {

namespace {

enum class Kind { Number, Flag, Text, Path, Handle, Run, Folder };

struct Value {
    const char* name;
    Kind kind;
    bool written;  // the program itself writes it at a start or an exit; every other value must stay
    const char* arguments = "";
    const char* path = drv::kSettingsKey;
};

const Value kValues[] = {
    {"Handle", Kind::Handle, true},
    {"SaveAtClose", Kind::Flag, false},
    {"Left", Kind::Number, true},
    {"Top", Kind::Number, true},
    {"Width", Kind::Number, true},
    {"Height", Kind::Number, true},
    {"InTraybar", Kind::Flag, false},
    {"InTraybar", Kind::Flag, false, "Minimized"},  // read by the entry routine too
    {"CloseToTraybar", Kind::Flag, false},
    {"ClearAfterSend", Kind::Flag, false},
    {"LoadLastMsg", Kind::Flag, false},
    {"Workgroup", Kind::Flag, true},
    {"Destination", Kind::Text, true},
    {"Band1_ToolBar1", Kind::Flag, true},
    {"Band1_Break", Kind::Flag, true},
    {"Band1_Width", Kind::Number, true},
    {"Band2_Break", Kind::Flag, true},
    {"Band2_Width", Kind::Number, true},
    {"PathFilename", Kind::Path, true},
    {"Pebblewire", Kind::Run, true, "", kRunKey},
    {"Programs", Kind::Folder, false, "", kShellFolders},
};

bool WrittenByProgram(const std::string& name) {
    return std::any_of(std::begin(kValues), std::end(kValues),
                       [&](const Value& value) { return value.written && value.name == name; });
}

std::string ProgramPath() {
    std::string path = drv::ProgramPath();
    CharLowerBuffA(path.data(), DWORD(path.size()));
    return path;
}

// A value of its kind that the program takes as it is.
std::string Good(Kind kind) {
    switch (kind) {
    case Kind::Number: return "500";
    case Kind::Flag: return "0";
    case Kind::Text: return "pc01";
    case Kind::Path: return ProgramPath();
    case Kind::Handle: return "0";
    case Kind::Run: return "\"c:\\pebblewire.exe\" \"Minimized\"";
    case Kind::Folder: return "C:\\Programs";
    }
    return {};
}

const std::string kMiB(1 << 20, '7');

struct Shape {
    const char* name;
    DWORD type;
    std::string (*data)(Kind);
};

const Shape kShapes[] = {
    {"REG_DWORD", REG_DWORD, [](Kind) { return std::string("\1\0\0\0", 4); }},
    {"REG_BINARY", REG_BINARY, [](Kind) { return std::string("1\0", 2); }},
    {"REG_MULTI_SZ", REG_MULTI_SZ, [](Kind) { return std::string("1\0\0", 3); }},
    {"REG_EXPAND_SZ", REG_EXPAND_SZ, [](Kind kind) { return Good(kind) + '\0'; }},
    {"empty data", REG_SZ, [](Kind) { return std::string(); }},
    {"data without its NUL", REG_SZ, [](Kind kind) { return Good(kind); }},
    {"a 1 MiB string", REG_SZ, [](Kind) { return kMiB + '\0'; }},
    {"not-a-number text", REG_SZ, [](Kind) { return std::string("okno", 5); }},
    {"a number beyond 32 bits", REG_SZ, [](Kind) { return std::string("4294967297", 11); }},
    {"a negative number", REG_SZ, [](Kind) { return std::string("-5000", 6); }},
};

// The boxes the program's rules give for the value in this shape.
std::vector<std::string> ExpectedBoxes(const Value& value, const Shape& shape) {
    // "Handle" is written before it is read; of the Run value only its existence counts.
    if (value.kind == Kind::Handle || value.kind == Kind::Run) return {};
    if (shape.type != REG_SZ && shape.type != REG_EXPAND_SZ)
        return {std::string("Invalid data type for '") + value.name + "'"};
    const std::string text = shape.data(value.kind).c_str();
    // The stored path, read back, is compared with the program's own.
    const bool moved =
        value.kind == Kind::Folder || (value.kind == Kind::Path && !text.empty() && text != ProgramPath());
    return moved ? std::vector<std::string>{shell::kProgramMoved} : std::vector<std::string>{};
}

// One start with the value in this shape; what went wrong, empty when nothing did.
std::string TryValue(const Value& value, const Shape& shape, Row& row) {
    FreshUser();
    const Values shellFolders = ReadValues(kShellFolders);
    // Not a first start, so that the window's placement is read; a move, so that the
    // Start-menu folder is looked up.
    drv::WriteString(drv::kSettingsKey, "Width", "400");
    if (value.kind == Kind::Folder) drv::WriteString(drv::kSettingsKey, "PathFilename", "c:\\jinde\\pebblewire.exe");
    // A marker left by a killed instance makes the entry routine read "Handle".
    if (value.kind == Kind::Handle) GlobalAddAtomA(drv::kRunningAtom);
    WriteRaw(value.path, value.name, {shape.type, shape.data(value.kind)});
    const Values before = ReadValues(drv::kSettingsKey), runBefore = ReadValues(kRunKey);
    const Values foldersBefore = ReadValues(kShellFolders);

    std::string problem;
    {
        Run run(value.arguments);
        // A hidden start may show no window, an ordinary one shows it.
        const bool opened = run.Open(!*value.arguments);
        if (run.boxes != ExpectedBoxes(value, shape)) problem = "boxes: " + Joined(run.boxes);
        if (!opened) problem += " no window";
        if (const std::string end = run.Quit(); end != "none") Note(row.crash, std::string(value.name) + ": " + end);
    }
    std::vector<std::string> changed = Changed(before, ReadValues(drv::kSettingsKey));
    for (const std::string& name : Changed(runBefore, ReadValues(kRunKey))) changed.push_back(name);
    for (const std::string& name : Changed(foldersBefore, ReadValues(kShellFolders)))
        changed.push_back("Shell " + name);
    for (const std::string& name : changed)
        if (!WrittenByProgram(name)) Note(row.lost, std::string(value.name) + ": " + name + " changed");
    RestoreValues(kShellFolders, shellFolders);
    return problem.empty() ? problem : std::string(value.name) + value.arguments + ": " + problem;
}

}  // namespace

std::vector<Row> RegistryRows() {
    std::vector<Row> rows;
    const size_t count = std::size(kValues);
    for (size_t s = 0; s < std::size(kShapes); ++s) {
        const Shape& shape = kShapes[s];
        Row row;
        row.name = std::string("registry: ") + shape.name;
        std::string problems;
        size_t tried = 0;
        // The short version takes every second value, the other half for the next shape.
        for (size_t v = 0; v < count; ++v) {
            if (!Soak() && (v + s) % 2) continue;
            ++tried;
            if (const std::string problem = TryValue(kValues[v], shape, row); !problem.empty())
                problems += (problems.empty() ? "" : "; ") + problem;
        }
        row.pass = problems.empty() && row.lost == "nothing" && row.crash == "none";
        row.result = problems.empty() ? std::to_string(tried) + " values as the rules say, window open" : problems;
        rows.push_back(row);
    }
    FreshUser();
    return rows;
}

}  // namespace rel
