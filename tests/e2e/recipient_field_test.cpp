// The recipient field as a user types, pastes and leaves it, and Esc in the controls that share it.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "app/command_ids.h"
#include "support/driver.h"
#include "support/recorder_log.h"

using namespace app;

TEST_CASE("the recipient field and Esc") {
    drv::Program program;
    HWND form = drv::StartFresh(program), application = program.WaitApplicationWindow();
    REQUIRE(form);
    HWND memo = drv::ChildById(form, IDC_MEMO1), person = drv::ChildById(form, IDC_RADIOBUTTON1),
         workgroup = drv::ChildById(form, IDC_RADIOBUTTON2), field = drv::ChildById(form, IDC_EDIT1);
    const std::string placeholder = "(vaše pracovní skupina)";
    const auto shows = [&](const std::string& text) {
        return drv::WaitUntil([&] { return drv::WindowText(field) == text; });
    };
    // Tab into the field selects its text, so the first key replaces the placeholder.
    const auto tabIn = [&] {
        REQUIRE(drv::FocusControl(form, person));
        drv::PressKey(VK_TAB);
    };
    // Characters as the keyboard delivers them, one by one.
    const auto type = [&](const std::string& text) {
        for (char c : text) PostMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 0);
    };

    CHECK(shows(placeholder));
    tabIn();
    for (const std::string typed : {"N", "NO", "NOV", "NOVA", "NOVAK"}) {
        drv::PressKey(typed.back());
        CHECK(shows(typed));
    }
    type(" čřž");
    CHECK(shows("NOVAK ČŘŽ"));

    // Pasted text stays as it came until the field is left.
    const struct {
        std::string pasted, left;
    } rows[] = {{"pc02 účtárna", "PC02 ÚČTÁRNA"}, {"", placeholder}, {" \t ", placeholder}};
    for (const auto& row : rows) {
        CAPTURE(row.pasted);
        REQUIRE(drv::FocusControl(form, field));
        SendMessageA(field, EM_SETSEL, 0, -1);
        SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(row.pasted.c_str()));
        CHECK(shows(row.pasted));
        drv::PressKey(VK_TAB);
        CHECK(shows(row.left));
    }

    // The placeholder typed by hand is a name; sending does not leave the field.
    tabIn();
    type(placeholder);
    CHECK(shows("(VAŠE PRACOVNÍ SKUPINA)"));
    SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(" ok"));
    drv::PressKey('S', true);
    const auto box = drv::WaitMessageBox(program);
    REQUIRE(box);
    CHECK(drv::AnswerMessageBox(*box, IDOK));
    CHECK(drv::WaitRecords(1).at(0).commandLine.ends_with(" send (VAŠE PRACOVNÍ SKUPINA) OK "));
    CHECK(shows("(VAŠE PRACOVNÍ SKUPINA) ok"));

    // Esc hides the program behind its icon, or with the option off minimises it; the control
    // never sees the key, and the field is not left.
    drv::SetWindowTextOf(memo, "ahoj");
    drv::SetWindowTextOf(field, " pc03 ");
    for (const bool inTray : {true, false}) {
        for (HWND control : {memo, person, workgroup, field}) {
            CAPTURE(inTray);
            CAPTURE(drv::ClassName(control));
            REQUIRE(drv::FocusControl(form, control));
            const std::string text = drv::WindowText(control);
            const bool checked = drv::IsCheckedButton(control);
            drv::PressKey(VK_ESCAPE);
            CHECK(drv::WaitUntil(
                [&] { return IsWindowVisible(application) != inTray && IsIconic(application) != inTray; }, 15000));
            CHECK_FALSE(IsWindowVisible(form));
            if (inTray)
                PostMessageA(form, WM_COMMAND, IDM_SHOW_WINDOW, 0);
            else
                PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
            REQUIRE(drv::WaitUntil([&] { return IsWindowVisible(form) != FALSE; }, 15000));
            CHECK(drv::WindowText(control) == text);
            CHECK(drv::IsCheckedButton(control) == checked);
        }
        PostMessageA(form, WM_COMMAND, IDM_DO_TRAYBARU, 0);
    }
}
