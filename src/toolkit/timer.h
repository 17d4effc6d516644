// A timer with an enabled flag, an interval in milliseconds and a tick handler. It runs only
// while all three allow it; ticks arrive as WM_TIMER on its own hidden window, on this thread.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <stdexcept>

#include "toolkit/utility_window.h"

namespace tk {

// The platform refused a resource (a timer); the message is shown in the error box.
class OutOfResources : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Timer {
public:
    explicit Timer(std::function<void()> onTimer = {});
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    bool Enabled() const { return enabled_; }
    // Each of these restarts the timer; they throw OutOfResources when it cannot start.
    void SetEnabled(bool enabled);
    void SetInterval(UINT milliseconds);
    void SetOnTimer(std::function<void()> onTimer);

private:
    static constexpr UINT_PTR kTimerId = 1;
    void Restart();
    LRESULT OnTimer(WPARAM id);

    bool enabled_ = false;
    UINT interval_ = 0;
    std::function<void()> onTimer_;
    std::optional<UtilityWindow> window_;  // made when the timer first runs
};

}  // namespace tk
