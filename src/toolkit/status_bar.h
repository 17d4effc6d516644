// A status bar; the program uses it as one simple line of text.
#pragma once

#include <commctrl.h>

#include <string>

#include "toolkit/control.h"

namespace tk {

class StatusBar : public Control {
public:
    void SetSimple(bool simple) const { Send(SB_SIMPLE, simple); }
    void SetSimpleText(const std::string& text) const {
        Send(SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    }
};

}  // namespace tk
