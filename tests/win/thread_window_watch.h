// Acts inside the modal loops the tests start (a message box, a dialog, a popup menu): while it
// lives, a timer of this thread hands each sighting of a visible window of the class to `onWindow`.
#pragma once

#include <windows.h>

#include <functional>
#include <map>

class ThreadWindowWatch {
public:
    ThreadWindowWatch(const char* className, std::function<void(HWND)> onWindow)
        : className_(className), onWindow_(std::move(onWindow)), timer_(SetTimer(nullptr, 0, 20, &Tick)) {
        Watches()[timer_] = this;
    }
    ThreadWindowWatch(const ThreadWindowWatch&) = delete;
    ThreadWindowWatch& operator=(const ThreadWindowWatch&) = delete;
    ~ThreadWindowWatch() {
        KillTimer(nullptr, timer_);
        Watches().erase(timer_);
    }

    // The visible top-level window of this thread with the class, or null.
    static HWND Find(const char* className) {
        Search search{className, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), &Match, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

private:
    struct Search {
        const char* className;
        HWND found;
    };
    static BOOL CALLBACK Match(HWND window, LPARAM param) {
        auto* search = reinterpret_cast<Search*>(param);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, search->className) != 0 || !IsWindowVisible(window)) return TRUE;
        search->found = window;
        return FALSE;
    }
    static std::map<UINT_PTR, ThreadWindowWatch*>& Watches() {
        static std::map<UINT_PTR, ThreadWindowWatch*> watches;
        return watches;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        const auto watch = Watches().find(timer);
        if (watch == Watches().end()) return;
        if (HWND window = Find(watch->second->className_)) watch->second->onWindow_(window);
    }

    const char* className_;
    std::function<void(HWND)> onWindow_;
    UINT_PTR timer_;
};
