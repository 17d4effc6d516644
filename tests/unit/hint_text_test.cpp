#include <doctest/doctest.h>

#include <string_view>

#include "toolkit/access_key.h"
#include "toolkit/hint_text.h"

TEST_CASE("a hint splits at its first bar into tooltip and status-line text") {
    struct Row {
        std::string_view hint, shortPart, longPart;
    } rows[] = {
        {"Poslat zprávu (Ctrl+S)|Poslat zprávu na uvedený počítač/pracovní skupinu", "Poslat zprávu (Ctrl+S)",
         "Poslat zprávu na uvedený počítač/pracovní skupinu"},
        {"|Volby nastavení programu", "", "Volby nastavení programu"},
        {"Ukončit program", "", "Ukončit program"},
        {"Uložit|", "Uložit", ""},
        {"", "", ""},
        {"|", "", ""},
        {"a|b|c", "a", "b|c"},
        {"||", "", "|"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.hint);
        CHECK(tk::ShortHint(row.hint) == row.shortPart);
        CHECK(tk::LongHint(row.hint) == row.longPart);
    }
}

TEST_CASE("the access letter follows a single ampersand and matches in either case") {
    struct Row {
        std::string_view caption;
        char key;
        char typed;
        bool matches;
    } rows[] = {
        {"&Soubor", 'S', 's', true},
        {"&Soubor", 'S', 'S', true},
        {"&Možnosti", 'M', 'm', true},
        {"Nápo&věda", 'v', 'V', true},
        {"Nápo&věda", 'v', 'n', false},
        {"&čtení", '\xE8', '\xC8', true},  // č typed with Shift is Č
        {"Tom && Jerry", '\0', '&', false},
        {"Tom && &Jerry", 'J', 'j', true},
        {"&&&Tři", 'T', 't', true},
        {"Konec&", '\0', '&', false},
        {"", '\0', 'a', false},
    };
    for (const Row& row : rows) {
        CAPTURE(row.caption);
        CHECK(tk::AccessKey(row.caption) == row.key);
        CHECK(tk::MatchesAccessKey(row.caption, row.typed) == row.matches);
    }
}
