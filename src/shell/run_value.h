// Where the value that starts the program at log-on lives and what it holds, and how a start
// tells that the program file has moved since the path was last recorded.
#pragma once

#include <string>
#include <string_view>

namespace shell {

// Under HKEY_CURRENT_USER; outside the settings store.
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValueName[] = "Pebblewire";

// The quoted program path and the quoted argument that makes the start hidden: the path plus 14
// characters.
std::string RunValueData(std::string_view programPath);

enum class PathCheck {
    Unrecorded,  // no path stored yet: record this one, nothing moved
    Unchanged,
    Moved,  // another path, or the same one spelt otherwise
};

// Compares the stored path with the program's, byte for byte: a path edited into upper case, a
// short name or another drive letter for the same file all count as a move.
PathCheck CheckProgramPath(std::string_view stored, std::string_view programPath);

}  // namespace shell
