#include "toolkit/timer.h"

#include <utility>

namespace tk {

Timer::Timer(std::function<void()> onTimer) : onTimer_(std::move(onTimer)) {}

Timer::~Timer() {
    if (window_) KillTimer(window_->Handle(), kTimerId);
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::SetInterval(UINT milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void Timer::SetOnTimer(std::function<void()> onTimer) {
    onTimer_ = std::move(onTimer);
    Restart();
}

void Timer::Restart() {
    if (window_) KillTimer(window_->Handle(), kTimerId);
    if (!enabled_ || interval_ == 0 || !onTimer_) return;
    if (!window_)
        window_.emplace([this](UINT message, WPARAM wParam, LPARAM lParam) {
            return message == WM_TIMER ? OnTimer(wParam) : window_->DefaultProc(message, wParam, lParam);
        });
    if (!SetTimer(window_->Handle(), kTimerId, interval_, nullptr)) throw OutOfResources("Nedostatek volných časovačů");
}

LRESULT Timer::OnTimer(WPARAM id) {
    if (id == kTimerId && onTimer_) onTimer_();
    return 0;
}

}  // namespace tk
