// Message text files: read whole and shown in the editor, and written whole or not at all.
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

// "Nelze vytvořit soubor <path>".
MessageFileError CannotCreate(const std::string& path);

// The file's text as the editor shows it (see EditorText). Others may read the file meanwhile but
// not write it. Throws MessageFileError "Nelze otevřít soubor <path>".
std::string ReadMessageFile(const std::string& path);

// Replaces the file's content with exactly these bytes. The text goes to a temporary file of this
// save's own in the same folder, which then takes the target's place in one rename, with the
// creation time and attributes of the file it replaces and the archive bit set; a write that
// fails part way leaves the old file whole and no temporary file behind. Where the folder takes
// no new file, the path of one would be too long, the rename stays refused or the target is a
// symbolic link, the target itself is written. Throws MessageFileError "Nelze vytvořit soubor <path>".
void WriteMessageFile(const std::string& path, std::string_view text);

// Makes the file's text the editor's whole text; on any failure the editor keeps its text.
void LoadMessage(HWND editor, const std::string& path);
void SaveMessage(HWND editor, const std::string& path);

// The door to WriteFile, replaceable so that tests can fail a write part way.
using WriteFileProc = BOOL(WINAPI*)(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
// Puts `proc` in WriteFile's place, null for WriteFile itself; returns what was there.
WriteFileProc SetWriteFileProc(WriteFileProc proc);

}  // namespace messaging
