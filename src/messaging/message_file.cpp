#include "messaging/message_file.h"

#include "messaging/message_format.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/handles.h"

namespace messaging {

namespace {
constexpr char kCannotOpen[] = "Nelze otevřít soubor ";
constexpr char kCannotCreate[] = "Nelze vytvořit soubor ";
constexpr char kEditorFull[] = "Text exceeds memo capacity";
constexpr char kTempPrefix[] = "pw";
constexpr DWORD kReadChunk = 64 * 1024;

WriteFileProc writeFile = WriteFile;

bool ReadWhole(const tk::FileHandle& file, std::string& bytes) {
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kReadChunk);
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + had, kReadChunk, &got, nullptr)) return false;
        bytes.resize(had + got);
        if (got == 0) return true;
    }
}

// Writes the text into the new file `path` and makes it durable before it replaces anything.
bool WriteWhole(const std::string& path, std::string_view text) {
    tk::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && writeFile(file.Get(), text.data(), DWORD(text.size()), &written, nullptr) &&
           written == text.size() && FlushFileBuffers(file.Get()) && file.Close();
}

// Whether the file may be replaced: one that is read-only, that we may not write or that another
// program holds open is refused as writing over it would be, also where the system would rename
// over it.
bool MayReplace(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    if (attributes & FILE_ATTRIBUTE_READONLY) return false;
    return bool(tk::FileHandle(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

// A new, empty file beside `path`; empty when the folder takes no new file.
std::string NewFileBeside(const std::string& path) {
    char name[MAX_PATH] = {};
    return GetTempFileNameA(FolderOf(path).c_str(), kTempPrefix, 0, name) ? std::string(name) : std::string();
}
}  // namespace

std::string ReadMessageFile(const std::string& path) {
    tk::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!file || !ReadWhole(file, bytes)) throw MessageFileError(kCannotOpen + path);
    return EditorText(bytes);
}

void WriteMessageFile(const std::string& path, std::string_view text) {
    const std::string temporary = MayReplace(path) ? NewFileBeside(path) : std::string();
    if (temporary.empty()) throw MessageFileError(kCannotCreate + path);
    if (!WriteWhole(temporary, text) ||
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary.c_str());
        throw MessageFileError(kCannotCreate + path);
    }
}

void LoadMessage(HWND editor, const std::string& path) {
    const std::string text = ReadMessageFile(path);
    if (text != tk::GetText(editor) && !SetWindowTextA(editor, text.c_str())) throw MessageFileError(kEditorFull);
}

void SaveMessage(HWND editor, const std::string& path) { WriteMessageFile(path, tk::GetText(editor)); }

std::string LastMessagePath() { return LastMessageFileName(tk::Application::ExeName()); }

bool LoadLastMessage(HWND editor) {
    const std::string path = LastMessagePath();
    try {
        LoadMessage(editor, path);
        return true;
    } catch (const std::exception&) {
        // Whatever keeps the last message from loading, the program starts with an empty editor;
        // only a file that is not there has no message to lose.
        return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    }
}

void KeepLastMessage(HWND editor, bool keep, bool unread) {
    if (!keep)
        DeleteFileA(LastMessagePath().c_str());
    else if (!unread || !tk::GetText(editor).empty())
        SaveMessage(editor, LastMessagePath());
}

WriteFileProc SetWriteFileProc(WriteFileProc proc) {
    const WriteFileProc previous = writeFile;
    writeFile = proc ? proc : WriteFile;
    return previous;
}

}  // namespace messaging
