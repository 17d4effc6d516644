#include "probe.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

#include "support/driver.h"

namespace bench {

namespace {
constexpr size_t kPebGdiTableOffset = 0x94;  // GdiSharedHandleTable in a 32-bit PEB
constexpr size_t kGdiHandleCount = 0x10000;

// One entry of Wine's GDI handle table; a free entry has type 0.
struct GdiEntry {
    std::uint64_t object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiEntry) == 24);

size_t GdiObjectsOf(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG got = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &got) != 0) return 0;
    DWORD table = 0;
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    if (!ReadProcessMemory(process, peb + kPebGdiTableOffset, &table, sizeof table, nullptr) || !table) return 0;
    std::vector<GdiEntry> entries(kGdiHandleCount);
    constexpr size_t kChunk = 4096;  // entries read at once; a part not committed is skipped
    size_t used = 0;
    for (size_t first = 0; first < kGdiHandleCount; first += kChunk) {
        const auto* from = reinterpret_cast<const BYTE*>(uintptr_t(table)) + first * sizeof(GdiEntry);
        if (!ReadProcessMemory(process, from, &entries[first], kChunk * sizeof(GdiEntry), nullptr)) continue;
        for (size_t i = first; i < first + kChunk; ++i) used += entries[i].type != 0;
    }
    return used;
}

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
    return {double(PrivateBytesOf(process)) / 1024, double(memory.WorkingSetSize) / 1024, double(GdiObjectsOf(process)),
            double(WindowsOf(processId))};
}

bool GdiCountWorks() {
    constexpr int kMade = 10;
    const size_t before = GdiObjectsOf(GetCurrentProcess());
    HBRUSH brushes[kMade];
    for (HBRUSH& brush : brushes) brush = CreateSolidBrush(RGB(1, 2, 3));
    const size_t during = GdiObjectsOf(GetCurrentProcess());
    for (HBRUSH brush : brushes) DeleteObject(brush);
    return before > 0 && during == before + kMade && GdiObjectsOf(GetCurrentProcess()) == before;
}

}  // namespace bench
