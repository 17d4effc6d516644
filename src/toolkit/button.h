// A push button, check box or radio button.
#pragma once

#include "toolkit/control.h"

namespace tk {

class Button : public Control {
public:
    bool Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

}  // namespace tk
