// Starting a program under measurement, finding its windows, and what it uses at idle.
#pragma once

#include <windows.h>

namespace bench {

// Milliseconds between two readings of the performance counter, and since one.
LARGE_INTEGER Now();
double MillisecondsBetween(LARGE_INTEGER from, LARGE_INTEGER to);
double MillisecondsSince(LARGE_INTEGER start);
// Wall-clock milliseconds, the clock the net.exe recorder stamps its records with.
unsigned long long SystemMilliseconds();

// Runs a condition every millisecond until it holds or the time is up.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(1);
    }
    return true;
}

// A top-level window of the process with this class, or null.
HWND WindowOf(DWORD processId, const char* className, bool visibleOnly);

struct IdleFigures {
    double privateKilobytes = 0;
    double workingSetKilobytes = 0;
    double gdiObjects = 0;
    double windows = 0;
};

// Private bytes are the committed private regions of the process's address space (Wine reports
// no PrivateUsage for another process). GetGuiResources answers 0 under Wine: GDI objects are
// counted as the used entries of the process's own GDI handle table (its PEB's
// GdiSharedHandleTable), USER objects as its windows (top-level, child and message-only).
IdleFigures IdleFiguresOf(HANDLE process, DWORD processId);
// The GDI count of this process changes by exactly the objects made here: the table is read right.
bool GdiCountWorks();

}  // namespace bench
