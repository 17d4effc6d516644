// Message text files as bytes: how a file's line breaks become the editor's, where the last
// message is kept, and the files beside the program.
#pragma once

#include <string>
#include <string_view>

namespace messaging {

// The file's bytes as the editor shows them: up to the first zero byte, with every CR that no LF
// follows and every LF that no CR precedes made CR LF.
std::string EditorText(std::string_view fileBytes);

// The program path with its extension replaced by ".sav", or with ".sav" appended when its name
// has none.
std::string LastMessageFileName(std::string_view programPath);

// The file a save to `path` writes first, in the same folder: named so that one left by a program
// killed mid-save is plainly this program's, and taken over by the next save there.
std::string TemporaryFileFor(std::string_view path);

// The program path with its file name replaced by `name`.
std::string BesideProgram(std::string_view programPath, std::string_view name);

}  // namespace messaging
