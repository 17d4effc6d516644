#include "toolkit/access_key.h"

#include "toolkit/ansi_text.h"

namespace tk {

char AccessKey(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption[i + 1];
        ++i;  // "&&" is a literal ampersand
    }
    return '\0';
}

bool MatchesAccessKey(std::string_view caption, char typed) {
    const char key = AccessKey(caption);
    return key != '\0' && LocaleUpper(std::string_view(&key, 1)) == LocaleUpper(std::string_view(&typed, 1));
}

}  // namespace tk
