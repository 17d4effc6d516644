// Driver steps a scenario cannot go on without, each checked where it happens.
#pragma once

#include <doctest/doctest.h>

#include <string>

#include "support/driver.h"

namespace drv {

// Starts pebblewire.exe (or `exe`) with the arguments, as the settings stand; its main window.
inline HWND Started(Program& program, const std::string& arguments = "", const std::string& exe = "") {
    REQUIRE(program.Start(arguments, -1, exe));
    const HWND form = program.WaitMainForm();
    REQUIRE(form);
    return form;
}

// The same as a first start: the settings reset, the recorder log cleared.
inline HWND StartedFresh(Program& program, const std::string& arguments = "", const std::string& exe = "") {
    ResetFirstStart();
    return Started(program, arguments, exe);
}

// Answers the box that stops the window's creation at a value stored with another type.
inline void AnswerTypeError(const Program& program, const std::string& name) {
    const std::optional<MessageBoxInfo> box = WaitMessageBox(program);
    REQUIRE(box);
    CHECK(box->text == "Invalid data type for '" + name + "'");
    REQUIRE(AnswerMessageBox(*box, IDOK));
}

}  // namespace drv
