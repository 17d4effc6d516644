// A hidden window whose messages go to an object: never shown, top-level so that it also gets
// the broadcasts that are sent to every top-level window.
#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/window.h"

namespace tk {

class UtilityWindow : public Window {
public:
    using Handler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

    static constexpr char kDefaultClass[] = "PebblewireUtilityWindow";

    // Creates the window at once; once it exists, every message goes to `handler` (those sent
    // while CreateWindowEx runs get the default processing).
    explicit UtilityWindow(Handler handler, const char* className = kDefaultClass);

    // The default processing, for the messages the handler does not interpret.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Handler handler_;
    bool created_ = false;
};

}  // namespace tk
