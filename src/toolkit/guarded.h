// The one place where handler errors stop: an uncaught std::exception becomes the error box.
#pragma once

#include <exception>
#include <string_view>

namespace tk {

// The error box over the application window, which owns whatever no handler caught (defined with
// the application).
void ShowErrorBox(std::string_view message);

// Runs a handler; an exception it lets through is reported and `fallback` is returned instead.
template <typename Result, typename Handler>
Result Guarded(Handler&& handler, Result fallback) noexcept {
    try {
        return handler();
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    } catch (...) {
        ShowErrorBox("Neznámá chyba");
    }
    return fallback;
}

// Runs a step while no one may answer a box (the session ends): a failure is kept to itself.
template <typename Step>
void Quietly(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

template <typename Handler>
void Guarded(Handler&& handler) noexcept {
    Guarded<int>(
        [&] {
            handler();
            return 0;
        },
        0);
}

}  // namespace tk
