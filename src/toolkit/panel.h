// A borderless container for controls; their notifications go on to the panel's parent.
#pragma once

#include <windows.h>

#include "toolkit/window.h"

namespace tk {

class Panel : public Window {
public:
    HWND Create(HWND parent, int id, int x, int y, int width, int height);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace tk
