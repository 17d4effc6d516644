#include "messaging/message_file.h"

#include "messaging/message_format.h"
#include "toolkit/control_helpers.h"
#include "toolkit/handles.h"

namespace messaging {

namespace {
constexpr char kCannotOpen[] = "Nelze otevřít soubor ";
constexpr char kCannotCreate[] = "Nelze vytvořit soubor ";
constexpr char kEditorFull[] = "Text exceeds memo capacity";
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

// Writes the text into the temporary file `path`, made anew with the creation time `created`
// (where there is one), and makes it durable before it replaces anything. One that a killed save
// left is ours, and goes first.
bool WriteWhole(const std::string& path, std::string_view text, const FILETIME* created) {
    DeleteFileA(path.c_str());
    tk::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && writeFile(file.Get(), text.data(), DWORD(text.size()), &written, nullptr) &&
           written == text.size() && (!created || SetFileTime(file.Get(), created, nullptr, nullptr)) &&
           FlushFileBuffers(file.Get()) && file.Close();
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

// Puts the written file in the target's place in one rename, so that a save cut short at any
// point leaves either the old file or the new one. The file it replaces gives it its attributes
// first (its creation time went in when it was written). ReplaceFile is not used: Wine's moves
// the old file away before the new one comes, and a kill between the two leaves no file at all.
bool TakePlace(const std::string& temporary, const std::string& path, const DWORD* attributes) {
    return (!attributes || SetFileAttributesA(temporary.c_str(), *attributes)) &&
           MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
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
    const std::string temporary = TemporaryFileFor(path);
    WIN32_FILE_ATTRIBUTE_DATA old{};
    const bool replaces = GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &old);
    if (!MayReplace(path) || !WriteWhole(temporary, text, replaces ? &old.ftCreationTime : nullptr) ||
        !TakePlace(temporary, path, replaces ? &old.dwFileAttributes : nullptr)) {
        SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(temporary.c_str());
        throw MessageFileError(kCannotCreate + path);
    }
}

void LoadMessage(HWND editor, const std::string& path) {
    const std::string text = ReadMessageFile(path);
    if (text != tk::GetText(editor) && !SetWindowTextA(editor, text.c_str())) throw MessageFileError(kEditorFull);
}

void SaveMessage(HWND editor, const std::string& path) { WriteMessageFile(path, tk::GetText(editor)); }

void LastMessage::Load(HWND editor, bool on, const std::string& exeName) {
    state_ = State::LookedAt;
    path_ = LastMessageFileName(exeName);
    if (!on) return;
    const std::string& path = path_;
    try {
        LoadMessage(editor, path);
    } catch (const std::exception&) {
        // Whatever keeps the last message from loading, the program starts with an empty editor;
        // only a file that is not there has no message to lose.
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) state_ = State::Unread;
    }
}

void LastMessage::Keep(HWND editor, bool on) const {
    if (state_ == State::NotLookedAt) return;
    if (!on)
        DeleteFileA(path_.c_str());
    else if (state_ != State::Unread || !tk::GetText(editor).empty())
        SaveMessage(editor, path_);
}

WriteFileProc SetWriteFileProc(WriteFileProc proc) {
    const WriteFileProc previous = writeFile;
    writeFile = proc ? proc : WriteFile;
    return previous;
}

}  // namespace messaging
