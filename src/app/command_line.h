// The program's command line, split the way the program reads its one argument.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

// Splits at blanks and control characters (codes 1 to 32); double quotes group characters,
// separators included, and are removed. Words that come out empty ("") are dropped. The first
// word is the program itself.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The first argument after the program, or empty text when there is none.
std::string FirstArgument(std::string_view commandLine);

// Whether the first argument is "minimized" in any letter case: the request to start hidden.
bool StartsMinimized(std::string_view commandLine);

}  // namespace app
