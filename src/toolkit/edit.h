// An edit control, one line or many.
#pragma once

#include "toolkit/control.h"

namespace tk {

class Edit : public Control {
public:
    // 0 lifts the limit to what the system allows.
    void SetLimitText(UINT limit) const { Send(EM_SETLIMITTEXT, limit); }
};

}  // namespace tk
