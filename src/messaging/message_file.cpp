#include "messaging/message_file.h"

#include <optional>

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

constexpr char kTemporaryPrefix[] = "~pw";
// How long a save waits for another program (a virus scanner, the indexer, a sync client) to let
// go of a file it has just opened.
constexpr DWORD kRetryFor = 1000, kRetryPause = 50;

// Runs `step` again while another program's open handle refuses it, for up to kRetryFor.
template <typename Step>
bool Retrying(Step step) {
    for (const DWORD start = GetTickCount();;) {
        if (step()) return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || GetTickCount() - start >= kRetryFor) {
            SetLastError(error);
            return false;
        }
        Sleep(kRetryPause);
    }
}

// Writes the whole text into the open file and makes it durable.
bool WriteAll(tk::FileHandle& file, std::string_view text) {
    DWORD written = 0;
    return file && writeFile(file.Get(), text.data(), DWORD(text.size()), &written, nullptr) &&
           written == text.size() && SetEndOfFile(file.Get()) && FlushFileBuffers(file.Get()) && file.Close();
}

// "~pw" and four hexadecimal digits of the number: as short as a unique name in a folder can be.
std::string TemporaryName(unsigned number) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string name = kTemporaryPrefix;
    for (int shift = 12; shift >= 0; shift -= 4) name += kDigits[(number >> shift) & 0xF];
    return name + ".tmp";
}

// A temporary file this save made beside its target under a name no file had, open for writing;
// it goes again unless it took the target's place. No other file is ever deleted, not even a
// leftover of a save that was killed.
class OwnTemporary {
public:
    explicit OwnTemporary(const std::string& target) {
        const std::string folder = BesideProgram(target, "");
        const unsigned first = GetTickCount() ^ (GetCurrentProcessId() << 4);
        for (unsigned number = first; number != first + kNamesTried; ++number) {
            const std::string path = folder + TemporaryName(number);
            if (path.size() >= MAX_PATH) return;
            file_.emplace(
                CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (*file_) {
                path_ = path;
                return;
            }
            if (GetLastError() != ERROR_FILE_EXISTS) return;
        }
    }
    OwnTemporary(const OwnTemporary&) = delete;
    OwnTemporary& operator=(const OwnTemporary&) = delete;
    ~OwnTemporary() {
        if (path_.empty()) return;
        file_->Close();
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path_.c_str());
    }

    // Empty where no file could be made.
    const std::string& Path() const { return path_; }
    tk::FileHandle& File() { return *file_; }
    void Release() { path_.clear(); }

private:
    static constexpr unsigned kNamesTried = 256;
    std::optional<tk::FileHandle> file_;
    std::string path_;
};

// Opens the file with `access`, sharing everything: what only the file's rights or another
// program's refusal to share can stop. Waits for such a program as Retrying does.
bool MayOpen(const std::string& path, DWORD access) {
    return Retrying([&] {
        return bool(
            tk::FileHandle(CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    });
}

// Whether the file may be replaced: one that is read-only or that we may not write is refused as
// writing over it would be, also where the system would rename over it.
bool MayReplace(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    return !(attributes & FILE_ATTRIBUTE_READONLY) && MayOpen(path, GENERIC_WRITE);
}

enum class Replaced { Done, Failed, NotThisWay };

// Writes the text into a temporary file of this save's own, which then takes the target's place
// in one rename, so that a save cut short at any point leaves either the old file or the new one.
// It carries the old file's creation time and attributes. NotThisWay where no temporary file can
// be made beside the target (no right to create files there, a path too long) or the rename is
// refused after the retries. ReplaceFile is not used: Wine's moves the old file away before the
// new one comes, and a kill between the two leaves no file at all.
Replaced ByRename(const std::string& path, std::string_view text, const FILETIME* created, DWORD attributes) {
    // The rename deletes an old file (one with a creation time): it needs the right to, and no
    // other program holding it without sharing that.
    if (created && !MayOpen(path, DELETE)) return Replaced::NotThisWay;
    OwnTemporary temporary(path);
    if (temporary.Path().empty()) return Replaced::NotThisWay;
    tk::FileHandle& file = temporary.File();
    if (!((!created || SetFileTime(file.Get(), created, nullptr, nullptr)) && WriteAll(file, text) &&
          SetFileAttributesA(temporary.Path().c_str(), attributes)))
        return Replaced::Failed;
    if (!Retrying([&] {
            return MoveFileExA(temporary.Path().c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        }))
        return Replaced::NotThisWay;
    temporary.Release();
    return Replaced::Done;
}

// The old way: the target itself created or cut, written and cut to the text's length.
bool InPlace(const std::string& path, std::string_view text, DWORD attributes) {
    tk::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return WriteAll(file, text) && SetFileAttributesA(path.c_str(), attributes);
}
}  // namespace

MessageFileError CannotCreate(const std::string& path) { return MessageFileError(kCannotCreate + path); }

std::string ReadMessageFile(const std::string& path) {
    tk::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!file || !ReadWhole(file, bytes)) throw MessageFileError(kCannotOpen + path);
    return EditorText(bytes);
}

void WriteMessageFile(const std::string& path, std::string_view text) {
    WIN32_FILE_ATTRIBUTE_DATA old{};
    const bool replaces = GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &old);
    // Whatever the old file had, the new text is yet to be backed up.
    const DWORD attributes =
        (replaces ? old.dwFileAttributes & ~(FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_NORMAL) : 0) |
        FILE_ATTRIBUTE_ARCHIVE;
    // A symbolic link is written through, not replaced by a file of its own.
    const bool linked = replaces && (old.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
    if (!MayReplace(path)) throw CannotCreate(path);
    const Replaced replaced =
        linked ? Replaced::NotThisWay : ByRename(path, text, replaces ? &old.ftCreationTime : nullptr, attributes);
    if (replaced == Replaced::Done || (replaced == Replaced::NotThisWay && InPlace(path, text, attributes))) return;
    throw CannotCreate(path);
}

void LoadMessage(HWND editor, const std::string& path) {
    const std::string text = ReadMessageFile(path);
    if (text != tk::GetText(editor) && !SetWindowTextA(editor, text.c_str())) throw MessageFileError(kEditorFull);
}

void SaveMessage(HWND editor, const std::string& path) { WriteMessageFile(path, tk::GetText(editor)); }

WriteFileProc SetWriteFileProc(WriteFileProc proc) {
    const WriteFileProc previous = writeFile;
    writeFile = proc ? proc : WriteFile;
    return previous;
}

}  // namespace messaging
