// A running program to send messages from, as a user does: text in the editor, a recipient,
// Ctrl+S, the box that follows.
#pragma once

#include <doctest/doctest.h>

#include <string>
#include <utility>

#include "app/command_ids.h"
#include "support/driver_checks.h"
#include "support/recorder_log.h"

namespace send {

constexpr char kCaption[] = "Pebblewire";

// A running program with its main window, from a first start's settings.
struct Session {
    drv::Program program;
    HWND form = nullptr;
    HWND memo = nullptr;
    HWND recipient = nullptr;
    HWND person = nullptr;
    HWND workgroup = nullptr;

    // pebblewire.exe of the build, or the program file `exe`.
    explicit Session(const std::string& exe = "") {
        form = drv::StartedFresh(program, "", exe);
        memo = drv::ChildById(form, app::IDC_MEMO1);
        recipient = drv::ChildById(form, app::IDC_EDIT1);
        person = drv::ChildById(form, app::IDC_RADIOBUTTON1);
        workgroup = drv::ChildById(form, app::IDC_RADIOBUTTON2);
        REQUIRE((memo && recipient && person && workgroup));
    }

    void ChooseWorkgroup(bool on) {
        SendMessageA(on ? workgroup : person, BM_CLICK, 0, 0);
        REQUIRE(drv::IsCheckedButton(workgroup) == on);
    }

    // Ctrl+S with the focus in `control`; returns the box that follows, still open.
    drv::MessageBoxInfo SendFrom(HWND control) {
        REQUIRE(drv::FocusControl(form, control));
        drv::PressKey('S', true);
        auto box = drv::WaitMessageBox(program);
        REQUIRE(box);
        return *box;
    }

    // Sends, checks the box is an information box captioned "Pebblewire", closes it, and
    // returns the confirmation text and the one recorded command line.
    std::pair<std::string, std::string> Send(HWND control = nullptr) {
        const drv::MessageBoxInfo box = SendFrom(control ? control : memo);
        CHECK(box.caption == kCaption);
        CHECK(drv::ShowsSystemIcon(box, IDI_ASTERISK));
        CHECK(drv::AnswerMessageBox(box, IDOK));
        const auto records = drv::WaitRecords(1);
        REQUIRE(records.size() == 1);
        drv::ClearRecorderLog();
        return {box.text, records[0].commandLine};
    }
};

}  // namespace send
