// File input: the last-message file beside the program in every shape and state a disk may hold
// it, and message files chosen in the dialogs by paths of the longest lengths. The editor shows
// what the program's rules say, or the error box comes; no file is left half-written and no
// message is lost for nothing.
#include <string>

#include "app/command_ids.h"
#include "reliability/runner.h"

namespace rel {

namespace {

enum class Hold {
    kNone,
    kLockedAtStart,  // another program holds it open for writing while the program starts
    kLockedAtExit,   // ... while the program ends
    kReadOnly,
    kFolder,  // a folder bears the file's name
};

struct FileRow {
    const char* name;
    std::string bytes;  // the file before the start
    std::string shown;  // the editor's text once the window is open
    Hold hold;
    const char* folder;  // where a copy of the program runs, null for the build's program
    bool errorAtExit;    // "Nelze vytvořit soubor ..." when the program ends
    std::string after;   // the file after the end
};

std::string ByteValues() {
    std::string bytes;
    for (int c = 1; c < 256; ++c) bytes += char(c);
    return bytes;
}

// The byte values as the editor shows them: LF and CR alone each become a line break.
std::string ByteValuesShown() { return ByteValues().replace(12, 1, "\r\n").replace(9, 1, "\r\n"); }

std::vector<FileRow> FileTable() {
    const std::string big = Lines(10 << 20), letter = "Dobrý den,\r\njak se máte?";
    return {
        {"a 10 MiB file", big, big, Hold::kNone, nullptr, false, big},
        {"all 256 byte values", ByteValues() + '\0' + "za nulou", ByteValuesShown(), Hold::kNone, nullptr, false,
         ByteValuesShown()},
        {"a zero byte first", std::string("\0za nulou", 9), "", Hold::kNone, nullptr, false, ""},
        {"only CR", "a\rb\r\rc\r", "a\r\nb\r\n\r\nc\r\n", Hold::kNone, nullptr, false, "a\r\nb\r\n\r\nc\r\n"},
        {"only LF", "a\nb\n\nc\n", "a\r\nb\r\n\r\nc\r\n", Hold::kNone, nullptr, false, "a\r\nb\r\n\r\nc\r\n"},
        {"Czech letters in the path", "Dobrý den,\njak se máte?", letter, Hold::kNone, "pw-příliš žluťoučký kůň", false,
         letter},
        {"a folder in the file's place", "", "", Hold::kFolder, nullptr, false, ""},
        {"locked while the program starts", letter, "", Hold::kLockedAtStart, nullptr, false, letter},
        {"read-only", letter, letter, Hold::kReadOnly, nullptr, true, letter},
        {"locked at exit", letter, letter, Hold::kLockedAtExit, nullptr, true, letter},
    };
}

HANDLE Lock(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                       nullptr);
}

Row TryFile(const FileRow& file) {
    Row row;
    row.name = std::string("file: ") + file.name;
    FreshUser();
    drv::WriteString(drv::kSettingsKey, "LoadLastMsg", "1");
    const std::string copyFolder = file.folder ? FreshFolder(file.folder) : std::string();
    const std::string exe = file.folder ? copyFolder + "\\pebblewire.exe" : drv::ProgramPath();
    if (file.folder) CopyFileA(drv::ProgramPath().c_str(), exe.c_str(), FALSE);
    const std::string kept = drv::LastMessageFile(exe), folder = kept.substr(0, kept.rfind('\\'));
    if (file.hold == Hold::kFolder)
        CreateDirectoryA(kept.c_str(), nullptr);
    else
        WriteBytes(kept, file.bytes);
    if (file.hold == Hold::kReadOnly) SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE lock = file.hold == Hold::kLockedAtStart ? Lock(kept) : INVALID_HANDLE_VALUE;

    // Wine's edit control lays out megabytes of text for many seconds, under 64-bit Wine on a
    // loaded machine for longer than the common bound: such a start or exit is slow, not hung.
    const DWORD bound = file.bytes.size() > (1 << 20) ? 3 * drv::kWait : drv::kWait;
    Run run("", exe);
    const bool opened = run.Open(true, bound);
    const std::string shown = drv::WindowText(run.Control(app::IDC_MEMO1));
    if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
    lock = file.hold == Hold::kLockedAtExit ? Lock(kept) : INVALID_HANDLE_VALUE;
    row.crash = run.Quit(bound);
    if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);

    const std::vector<std::string> expectedBoxes = {"Nelze vytvořit soubor " + kept + "."};
    if (!opened)
        row.result = "no window";
    else if (shown != file.shown)
        row.result =
            "editor shows " + std::to_string(shown.size()) + " bytes, not " + std::to_string(file.shown.size());
    else if (run.boxes != (file.errorAtExit ? expectedBoxes : std::vector<std::string>{}))
        row.result = "boxes: " + Joined(run.boxes);
    else
        row.result = file.errorAtExit ? "shown as the rules say; the error box at exit" : "shown as the rules say";
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
    const bool isFolder = GetFileAttributesA(kept.c_str()) & FILE_ATTRIBUTE_DIRECTORY;
    if (file.hold == Hold::kFolder ? !isFolder : ReadBytes(kept) != file.after)
        Note(row.lost, "the file holds " + std::to_string(ReadBytes(kept).size()) + " bytes, not " +
                           std::to_string(file.after.size()));
    if (!FileNames(folder, "~pw*.tmp").empty()) Note(row.lost, "a temporary file left");
    row.pass = row.result.starts_with("shown") && row.lost == "nothing" && row.crash == "none";
    RemoveTree(kept);
    if (file.folder) RemoveTree(copyFolder);
    return row;
}

// A message file chosen in the open or save dialog by a path of the longest length the dialogs
// take, 259 characters. A longer one cannot be tried here: Wine's own dialog copies it into a
// buffer of MAX_PATH characters and overruns it before the program sees anything.
constexpr size_t kLongestPath = 259;

struct DialogRow {
    const char* name;
    bool save;
};

const DialogRow kDialogRows[] = {
    {"open: a path of 259 characters", false},
    {"save: a path of 259 characters", true},
};

Row TryDialog(const DialogRow& dialogRow) {
    Row row;
    row.name = std::string("file: ") + dialogRow.name;
    FreshUser();
    const std::string folder = FreshFolder("pw-dlouhe");
    const std::string path = folder + "\\" + std::string(kLongestPath - folder.size() - 5, 'z') + ".txt";
    const std::string before = "před", inFile = "dlouhá cesta";
    if (!dialogRow.save) WriteBytes(path, inFile);
    Run run;
    if (run.Open()) {
        HWND memo = run.Control(app::IDC_MEMO1);
        drv::SetWindowTextOf(memo, before);
        run.Command(dialogRow.save ? app::IDM_ULOZIT_JAKO : app::IDM_OTEVRIT);
        HWND dialog = drv::WaitFileDialog(run.program);
        drv::SetWindowTextOf(drv::FileNameBox(dialog), path);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        if (!run.AnswerUntil([&] { return !IsWindow(dialog); }, 5000)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        const std::string shown = drv::WindowText(memo);
        const bool taken = dialogRow.save ? ReadBytes(path) == before : shown == inFile;
        row.result = taken ? "taken" : "nothing done";
        if (!run.boxes.empty()) row.result += ", boxes: " + Joined(run.boxes);
        if (!taken && shown != before) Note(row.lost, "the editor's text changed");
        row.pass = taken && run.boxes.empty() && row.lost == "nothing";
    } else {
        row.result = "no window";
    }
    row.crash = run.Quit();
    row.pass = row.pass && row.crash == "none";
    RemoveTree(folder);
    return row;
}

}  // namespace

std::vector<Row> FileRows() {
    std::vector<Row> rows;
    for (const FileRow& file : FileTable()) rows.push_back(TryFile(file));
    for (const DialogRow& dialog : kDialogRows) rows.push_back(TryDialog(dialog));
    return rows;
}

}  // namespace rel
