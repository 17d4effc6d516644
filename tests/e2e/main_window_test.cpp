// The main window as it first appears: caption, frame, sizes, focus and font.
#include <doctest/doctest.h>

#include "app/command_ids.h"
#include "support/driver_checks.h"

namespace {
using namespace app;
}

TEST_CASE("the main window's frame, sizes and focus") {
    drv::Program program;
    HWND form = drv::StartedFresh(program);
    HWND edit = drv::ChildById(form, IDC_EDIT1);
    HWND memo = drv::ChildById(form, IDC_MEMO1);

    CHECK(drv::WindowText(form) == "Brantel Pebblewire pro Windows 2000/NT");
    const LONG style = GetWindowLongA(form, GWL_STYLE);
    CHECK((style & WS_MAXIMIZEBOX) == 0);
    CHECK((style & WS_MINIMIZEBOX) != 0);
    CHECK((style & WS_THICKFRAME) != 0);

    SUBCASE("focus starts in the editor") {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        REQUIRE(drv::WaitUntil(
            [&] { return GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &gui) && gui.hwndFocus == memo; }));
    }

    SUBCASE("the recipient field follows the width; the window stops at its minimum size") {
        struct Row {
            int width, height;
            int expectedWidth, expectedHeight, expectedEdit;
        } rows[] = {
            {340, 250, 340, 250, 201},
            {500, 300, 500, 300, 361},
            {200, 100, 340, 250, 201},
            {800, 600, 800, 600, 661},
        };
        for (const Row& row : rows) {
            CAPTURE(row.width);
            // As a drag of the border would: the minimum comes from the window's own answer.
            MINMAXINFO limits{};
            SendMessageA(form, WM_GETMINMAXINFO, 0, LPARAM(&limits));
            const int width = row.width < limits.ptMinTrackSize.x ? limits.ptMinTrackSize.x : row.width;
            const int height = row.height < limits.ptMinTrackSize.y ? limits.ptMinTrackSize.y : row.height;
            SetWindowPos(form, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            const RECT frame = drv::WindowRectOf(form), field = drv::WindowRectOf(edit);
            CHECK(frame.right - frame.left == row.expectedWidth);
            CHECK(frame.bottom - frame.top == row.expectedHeight);
            CHECK(field.right - field.left == row.expectedEdit);
        }
    }
}
