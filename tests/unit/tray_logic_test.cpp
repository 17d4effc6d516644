#include <doctest/doctest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "trayicon/tray_logic.h"

using namespace trayicon;

TEST_CASE("icon index arithmetic") {
    struct Row {
        int requested;
        bool hasList;
        int count;
        int stored;
        int next;  // after the stored index
    } rows[] = {
        {7, true, 3, 2, 0},  {2, true, 3, 2, 0},   {1, true, 3, 1, 2}, {0, true, 3, 0, 1},  {-1, true, 3, -1, 0},
        {5, false, 0, 0, 0}, {-5, false, 3, 0, 1}, {0, true, 1, 0, 0}, {3, true, 0, -1, 0}, {0, true, 0, -1, 0},
    };
    for (const Row& row : rows) {
        CAPTURE(row.requested);
        CAPTURE(row.count);
        const int stored = StoredIconIndex(row.requested, row.hasList, row.count);
        CHECK(stored == row.stored);
        CHECK(NextIconIndex(stored, row.count) == row.next);
    }
}

TEST_CASE("the tooltip record holds at most 63 characters of the hint and zeros after them") {
    for (const bool showHint : {true, false}) {
        for (std::size_t length = 0; length <= 100; ++length) {
            CAPTURE(showHint);
            CAPTURE(length);
            std::string hint(length, 'a');
            for (std::size_t i = 0; i < length; ++i) hint[i] = char('a' + i % 26);
            char tip[kTipSize];
            std::memset(tip, 'z', sizeof tip);  // what a previous hint left behind
            FillTip(tip, hint, showHint);
            const std::size_t kept = showHint ? std::min<std::size_t>(length, kTipSize - 1) : 0;
            CHECK(std::string(tip, kept) == hint.substr(0, kept));
            CHECK(std::count(tip + kept, tip + kTipSize, '\0') == std::ptrdiff_t(kTipSize - kept));
        }
    }
}
