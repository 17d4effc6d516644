#include <doctest/doctest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "trayicon/tray_logic.h"

using namespace trayicon;

namespace {

// Runs the reactions to a sequence of notifications as the component does, with every condition
// taken from the state at the time of the step, and lists what happens.
struct Simulation {
    bool leftPopup = false;
    bool clickPending = false;
    std::vector<std::string> events;

    void Notify(unsigned message) {
        const TrayReaction* reaction = ReactionTo(message);
        if (!reaction) return;
        const char* button = reaction->button == MouseButton::Left    ? "L"
                             : reaction->button == MouseButton::Right ? "R"
                                                                      : "M";
        for (std::size_t i = 0; i < reaction->count; ++i) {
            switch (reaction->steps[i]) {
            case TrayStep::MouseMove: events.push_back("move"); break;
            case TrayStep::MouseDown: events.push_back(std::string("down ") + button); break;
            case TrayStep::MouseUp: events.push_back(std::string("up ") + button); break;
            case TrayStep::MarkClickPending: clickPending = true; break;
            case TrayStep::ClickIfPending:
                if (clickPending) events.push_back("click");
                clickPending = false;
                break;
            case TrayStep::DoubleClick: events.push_back("dbl"); break;
            case TrayStep::ClickDefaultItem:
                if (!leftPopup) events.push_back("default");
                break;
            case TrayStep::PopupIfLeftPopup:
                if (leftPopup) events.push_back("menu");
                break;
            case TrayStep::Popup: events.push_back("menu"); break;
            }
        }
    }
};

}  // namespace

TEST_CASE("shell notification sequences give their events in order") {
    using namespace mouse;
    struct Row {
        const char* name;
        std::vector<unsigned> notifications;
        bool leftPopup;
        std::vector<std::string> expected;
    } rows[] = {
        {"click", {kLeftDown, kLeftUp}, false, {"down L", "click", "up L"}},
        {"double-click: one click",
         {kLeftDown, kLeftUp, kLeftDoubleClick, kLeftUp},
         false,
         {"down L", "click", "up L", "dbl", "default", "up L"}},
        {"two clicks: two clicks",
         {kLeftDown, kLeftUp, kLeftDown, kLeftUp},
         false,
         {"down L", "click", "up L", "down L", "click", "up L"}},
        {"release alone", {kLeftUp}, false, {"up L"}},
        {"right press and release", {kRightDown, kRightUp}, false, {"down R", "menu", "up R"}},
        {"LeftPopup press", {kLeftDown, kLeftUp}, true, {"down L", "menu", "click", "up L"}},
        {"LeftPopup double-click", {kLeftDoubleClick}, true, {"dbl"}},
        {"ignored", {kRightDoubleClick, kMiddleDoubleClick, 0x20A, 0}, false, {}},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        Simulation simulation;
        simulation.leftPopup = row.leftPopup;
        for (unsigned message : row.notifications) simulation.Notify(message);
        CHECK(simulation.events == row.expected);
    }
}

TEST_CASE("button flags join the key flags; a move carries none") {
    struct Row {
        unsigned message;
        bool shift, ctrl, alt;
        ShiftState expected;
    } rows[] = {
        {mouse::kMove, true, true, true, 0x07},        {mouse::kLeftDown, false, false, false, 0x08},
        {mouse::kLeftUp, true, false, false, 0x09},    {mouse::kRightDown, false, true, false, 0x14},
        {mouse::kRightUp, false, false, true, 0x12},   {mouse::kMiddleDown, true, true, true, 0x27},
        {mouse::kMiddleUp, false, false, false, 0x20},
    };
    for (const Row& row : rows) {
        CAPTURE(row.message);
        const TrayReaction* reaction = ReactionTo(row.message);
        REQUIRE(reaction);
        CHECK(reaction->readsInput);
        ShiftState state = KeyShiftState(row.shift, row.ctrl, row.alt);
        if (reaction->buttonEvent) state |= ButtonShiftState(reaction->button);
        CHECK(state == row.expected);
    }
    CHECK_FALSE(ReactionTo(mouse::kLeftDoubleClick)->readsInput);
}

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
