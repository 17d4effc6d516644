// The base of the control wrappers: a child window's handle, its text, and its messages.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/control_helpers.h"

namespace tk {

// Where a control stands in its parent's client area.
struct Place {
    int x = 0, y = 0, width = 0, height = 0;
};

class Control {
public:
    // Creates the control visible inside `parent` at `place`, under the control id `id`.
    void Create(DWORD exStyle, const char* className, const char* text, DWORD style, Place place, HWND parent, int id) {
        handle_ =
            CreateControl(exStyle, className, text, style, place.x, place.y, place.width, place.height, parent, id);
    }

    HWND Handle() const { return handle_; }
    operator HWND() const { return handle_; }

    std::string Text() const { return GetText(handle_); }
    void SetText(const std::string& text) const { tk::SetText(handle_, text); }

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(handle_, message, wParam, lParam);
    }

private:
    HWND handle_ = nullptr;
};

}  // namespace tk
