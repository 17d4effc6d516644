// Message text files: read whole and shown in the editor, written whole or not at all, and the
// last message kept beside the program file between runs.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace messaging {

// A message file that cannot be read or written, or a text the editor refuses; the text is what
// the error box shows.
class MessageFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's text as the editor shows it (see EditorText). Others may read the file meanwhile but
// not write it. Throws MessageFileError "Nelze otevřít soubor <path>".
std::string ReadMessageFile(const std::string& path);

// Replaces the file's content with exactly these bytes. The text goes to the program's temporary
// file in the same folder, which then takes the target's place in one rename, with the
// attributes and creation time of the file it replaces. A write that fails part way leaves the
// old file whole and no temporary file behind. Throws MessageFileError "Nelze vytvořit soubor <path>".
void WriteMessageFile(const std::string& path, std::string_view text);

// Makes the file's text the editor's whole text; on any failure the editor keeps its text.
void LoadMessage(HWND editor, const std::string& path);
void SaveMessage(HWND editor, const std::string& path);

// The last-message file across one run. The exit writes or deletes it only when the start got as
// far as its step: a start stopped short by an error never looked at the file, and the editor's
// empty text or the option's design state must not cost the message kept there.
class LastMessage {
public:
    // The start's step: with the option on, loads the file kept for the program file `exeName`
    // (its name with ".sav", beside it); a missing or unreadable one leaves the editor as it is,
    // silently.
    void Load(HWND editor, bool on, const std::string& exeName);
    // The exit's step: writes the editor's text when the option is on, else deletes the file (a
    // missing file is no error). A file that could not be loaded at the start is not replaced by
    // an empty editor: its message was never shown, and would be lost for nothing.
    void Keep(HWND editor, bool on) const;

private:
    enum class State { NotLookedAt, LookedAt, Unread };
    State state_ = State::NotLookedAt;
    std::string path_;
};

// The door to WriteFile, replaceable so that tests can fail a write part way.
using WriteFileProc = BOOL(WINAPI*)(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
// Puts `proc` in WriteFile's place, null for WriteFile itself; returns what was there.
WriteFileProc SetWriteFileProc(WriteFileProc proc);

}  // namespace messaging
