#include "probe.h"

#include <psapi.h>

#include <cstdint>
#include <vector>

#include "support/driver.h"

namespace bench {

namespace {
// Committed private memory, region by region: Wine leaves PrivateUsage at 0 for another process.
size_t PrivateBytesOf(HANDLE process) {
    size_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    uintptr_t at = 0;
    while (VirtualQueryEx(process, reinterpret_cast<const void*>(at), &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        const uintptr_t next = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
        if (next <= at) break;  // the top of the address space
        at = next;
    }
    return total;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<size_t*>(count);
    return TRUE;
}

size_t WindowsOf(DWORD processId) {
    std::vector<HWND> windows = drv::WindowsOf(processId, false);
    for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) windows.push_back(window);
    }
    size_t count = windows.size();
    for (HWND window : windows) EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    return count;
}
}  // namespace

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double MillisecondsBetween(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double MillisecondsSince(LARGE_INTEGER start) { return MillisecondsBetween(start, Now()); }

unsigned long long SystemMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return ((ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}

HWND WindowOf(DWORD processId, const char* className, bool visibleOnly) {
    for (HWND window : drv::WindowsOf(processId, visibleOnly))
        if (drv::ClassName(window) == className) return window;
    return nullptr;
}

IdleFigures IdleFiguresOf(HANDLE process, DWORD processId) {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    return {double(PrivateBytesOf(process)) / 1024, double(memory.WorkingSetSize) / 1024, double(drv::GdiObjects(process, true)),
            double(WindowsOf(processId))};
}

bool GdiCountWorks() {
    constexpr int kMade = 10;
    const int before = drv::GdiObjects(GetCurrentProcess(), true);
    HBRUSH brushes[kMade];
    for (HBRUSH& brush : brushes) brush = CreateSolidBrush(RGB(1, 2, 3));
    const int during = drv::GdiObjects(GetCurrentProcess(), true);
    for (HBRUSH brush : brushes) DeleteObject(brush);
    return before > 0 && during == before + kMade && drv::GdiObjects(GetCurrentProcess(), true) == before;
}

}  // namespace bench
