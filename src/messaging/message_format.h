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

// Where the last message lies when the program's folder takes no file: the last-message file's
// name in the program's own folder under the user's application-data folder `appData`.
std::string AppDataFileName(std::string_view appData, std::string_view programPath);

// The program path with its file name replaced by `name`.
std::string BesideProgram(std::string_view programPath, std::string_view name);

}  // namespace messaging
