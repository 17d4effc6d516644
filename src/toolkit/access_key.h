// Access letters: the character after a single "&" in a caption ("&&" shows an ampersand).
#pragma once

#include <string_view>

namespace tk {

// The caption's access letter, or '\0' when it has none.
char AccessKey(std::string_view caption);

// Whether a typed character selects the caption; letters match in either case, by the locale.
bool MatchesAccessKey(std::string_view caption, char typed);

}  // namespace tk
