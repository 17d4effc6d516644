// Registry input: every value the program reads, stored in every shape a user, an old version or
// another program may leave. The program shows the type error box or uses the value's default,
// as its rules say, and its window opens; what it has no rule to write stays as it was.
#include <set>

#include "app/startup.h"
#include "reliability/runner.h"
#include "shell/integration_texts.h"

namespace rel {

namespace {

enum class Kind { Number, Flag, Text, Path, Handle, Run, Folder };

struct Value {
    const char* path;
    const char* name;
    Kind kind;
    const char* arguments = "";
};

const Value kValues[] = {
    {drv::kSettingsKey, "Handle", Kind::Handle},
    {drv::kSettingsKey, "SaveAtClose", Kind::Flag},
    {drv::kSettingsKey, "Left", Kind::Number},
    {drv::kSettingsKey, "Top", Kind::Number},
    {drv::kSettingsKey, "Width", Kind::Number},
    {drv::kSettingsKey, "Height", Kind::Number},
    {drv::kSettingsKey, "InTraybar", Kind::Flag},
    {drv::kSettingsKey, "InTraybar", Kind::Flag, "Minimized"},  // read by the entry routine too
    {drv::kSettingsKey, "CloseToTraybar", Kind::Flag},
    {drv::kSettingsKey, "ClearAfterSend", Kind::Flag},
    {drv::kSettingsKey, "LoadLastMsg", Kind::Flag},
    {drv::kSettingsKey, "Workgroup", Kind::Flag},
    {drv::kSettingsKey, "Destination", Kind::Text},
    {drv::kSettingsKey, "Band1_ToolBar1", Kind::Flag},
    {drv::kSettingsKey, "Band1_Break", Kind::Flag},
    {drv::kSettingsKey, "Band1_Width", Kind::Number},
    {drv::kSettingsKey, "Band2_Break", Kind::Flag},
    {drv::kSettingsKey, "Band2_Width", Kind::Number},
    {drv::kSettingsKey, "PathFilename", Kind::Path},
    {kRunKey, "Pebblewire", Kind::Run},
    {kShellFolders, "Programs", Kind::Folder},
};

// What the program itself writes at a start and an exit; everything else must stay.
const std::set<std::string> kWrittenByProgram = {
    "Handle",    "PathFilename", "Pebblewire",  "Left",        "Top",         "Width",       "Height",
    "Workgroup", "Destination",  "Band1_Break", "Band1_Width", "Band2_Break", "Band2_Width", "Band1_ToolBar1"};

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
    if (value.kind == Kind::Handle) GlobalAddAtomA(app::kRunningInstanceAtom);
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
        if (!kWrittenByProgram.contains(name)) Note(row.lost, std::string(value.name) + ": " + name + " changed");
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
