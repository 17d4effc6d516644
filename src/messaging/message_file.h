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

// Replaces the file's content with exactly these bytes. The text goes to a new file in the same
// folder that then takes the target's place, so a write that fails part way leaves the old file
// whole. Throws MessageFileError "Nelze vytvořit soubor <path>".
void WriteMessageFile(const std::string& path, std::string_view text);

// Makes the file's text the editor's whole text; on any failure the editor keeps its text.
void LoadMessage(HWND editor, const std::string& path);
void SaveMessage(HWND editor, const std::string& path);

// The last-message file: the program file's name with ".sav", beside it.
std::string LastMessagePath();
// Loads it into the editor; a missing or unreadable file leaves the editor as it is, silently.
// False when a file was there that could not be loaded (locked, unreadable, too much text).
bool LoadLastMessage(HWND editor);
// Writes the editor's text to it when `keep`, else deletes it (a missing file is no error). A
// file that could not be loaded at the start (`unread`) is not replaced by an empty editor: its
// message was never shown, and would be lost for nothing.
void KeepLastMessage(HWND editor, bool keep, bool unread);

// The door to WriteFile, replaceable so that tests can fail a write part way.
using WriteFileProc = BOOL(WINAPI*)(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
// Puts `proc` in WriteFile's place, null for WriteFile itself; returns what was there.
WriteFileProc SetWriteFileProc(WriteFileProc proc);

}  // namespace messaging
