#include "support/driver.h"

#include <shellapi.h>

#include "app/command_ids.h"
#include "support/recorder_log.h"

#include <commctrl.h>
#include <dlgs.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace drv {

std::string Env(const char* name) {
    char value[2048];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length && length < sizeof value ? std::string(value, length) : std::string();
}

std::string DosPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string ProgramPath() { return DosPath(Env("PW_EXE")); }

std::string LastMessageFile(const std::string& program) { return program.substr(0, program.size() - 4) + ".sav"; }

namespace {
// 32-bit pixels of a memory bitmap after `paint` drew into its DC.
template <typename Paint>
std::string PaintPixels(int width, int height, Paint paint) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    paint(memory, screen);
    GdiFlush();
    std::string pixels(static_cast<const char*>(bits), size_t(width) * size_t(height) * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}
}  // namespace

// ---- the user's state ----

void SetWindowsVersion(const char* version) {
    WriteString("Software\\Wine\\AppDefaults\\pebblewire.exe", "Version", version);
}

void ResetUserState(const char* windowsVersion) {
    DeleteKeyTree("Software\\Brantel");
    DeleteValue(kRunKey, "Pebblewire");
    SetWindowsVersion(windowsVersion);
}

void ResetFirstStart(const char* windowsVersion) {
    ResetUserState(windowsVersion);
    ClearRecorderLog();
}

void ClearRunningMarker() {
    for (int i = 0; i < 100 && GlobalFindAtomA(kRunningAtom); ++i) GlobalDeleteAtom(GlobalFindAtomA(kRunningAtom));
}

void FreshUser() {
    ResetUserState();
    ClearRunningMarker();
}

// ---- the program under test ----

Program::~Program() {
    Kill();
    if (process_) CloseHandle(process_);
}

std::string UnixPath(const std::string& path) {
    using Convert = char*(CDECL*)(LPCWSTR);
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* converted = convert ? convert(wide) : nullptr;
    const std::string result = converted ? converted : "";
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

void UnixShell(const std::string& command) {
    std::string line = "Z:\\bin\\sh -c \"" + command + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

bool Program::Start(const std::string& arguments, int showCommand, const std::string& exe) {
    if (!exe.empty() && exe[0] == '/') {
        // The Wine that runs us (tests/support/wine-env.sh): Debian's `wine` would pick the 32-bit one.
        UnixShell("exec ${PW_WINE:-wine} '" + exe + "' " + arguments);
        WaitUntil([&] {
            HWND window = FindWindowA("PebblewireApplication", nullptr);
            return window && GetWindowThreadProcessId(window, &id_);
        });
        process_ = id_ ? OpenProcess(PROCESS_ALL_ACCESS, FALSE, id_) : nullptr;
        return process_ != nullptr;
    }
    const std::string path = exe.empty() ? ProgramPath() : exe;
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (showCommand >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = WORD(showCommand);
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return false;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    WaitForInputIdle(process_, kWait);
    return true;
}

std::optional<DWORD> Program::WaitExit(DWORD ms) {
    if (!process_ || WaitForSingleObject(process_, ms) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void Program::Kill() {
    if (process_) KillProcess(process_, id_);
}

namespace {
struct WindowSearch {
    DWORD processId;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && (!search->visibleOnly || IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOf(DWORD processId, bool visibleOnly) {
    WindowSearch search{processId, visibleOnly, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void KillProcess(HANDLE process, DWORD processId) {
    if (WaitForSingleObject(process, 0) != WAIT_TIMEOUT) return;
    std::vector<HWND> trayWindows;
    for (HWND window : WindowsOf(processId, false))
        if (ClassName(window) == "PebblewireTrayIcon") trayWindows.push_back(window);
    TerminateProcess(process, 1);
    WaitForSingleObject(process, kWait);
    // A killed program leaves its icon behind in the notification area, where it would stand in
    // for the next program's icon: take it away as the shell eventually does.
    for (HWND window : trayWindows) {
        NOTIFYICONDATAA icon{};
        icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
        icon.hWnd = window;
        icon.uID = 1;
        Shell_NotifyIconA(NIM_DELETE, &icon);
    }
}

std::vector<HWND> Program::Windows(bool visibleOnly) const { return WindowsOf(id_, visibleOnly); }

HWND Program::WaitWindow(const char* className, const char* caption, bool visibleOnly, DWORD ms) const {
    HWND result = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : Windows(visibleOnly))
                if (ClassName(window) == className && (!caption || WindowText(window) == caption)) {
                    result = window;
                    return true;
                }
            return false;
        },
        ms);
    return result;
}

HWND Program::WaitMainForm(DWORD ms) const { return WaitWindow("PebblewireMainForm", nullptr, true, ms); }

HWND Program::WaitApplicationWindow(DWORD ms) const { return WaitWindow("PebblewireApplication", nullptr, false, ms); }

namespace {
void CALLBACK Answered(HWND, UINT, ULONG_PTR answer, LRESULT result) { *reinterpret_cast<LRESULT*>(answer) = result; }
}  // namespace

LRESULT EndSessionLikeWindows(Program& program, HWND window) {
    HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(window, nullptr));
    if (!thread) return -1;
    SuspendThread(thread);
    LRESULT query = -1, end = -1;
    SendMessageCallbackA(window, WM_QUERYENDSESSION, 0, 0, Answered, ULONG_PTR(&query));
    SendMessageCallbackA(window, WM_ENDSESSION, TRUE, 0, Answered, ULONG_PTR(&end));
    ResumeThread(thread);
    CloseHandle(thread);
    MSG msg;  // peeking delivers the answers
    for (const DWORD start = GetTickCount(); end == -1 && GetTickCount() - start < kWait;)
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    program.Kill();
    return query;
}

bool Quit(Program& program, HWND form) {
    PostMessageA(form, WM_COMMAND, app::IDM_KONEC, 0);
    return program.WaitExit() == DWORD(0);
}

std::vector<std::string> FileNames(const std::string& folder, const char* pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
        if (std::strcmp(found.cFileName, ".") && std::strcmp(found.cFileName, ".."))
            names.emplace_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string TempPath(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    return temp + name;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

void RemoveTree(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    for (const std::string& name : FileNames(path)) RemoveTree(path + "\\" + name);
    RemoveDirectoryA(path.c_str());
}

HWND StartFresh(Program& program) {
    ResetFirstStart();
    return program.Start() ? program.WaitMainForm() : nullptr;
}

// ---- the notification area ----

NOTIFYICONDATAA IconKey(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = 1;
    return data;
}

bool IconPresent(HWND owner) {
    NOTIFYICONDATAA data = IconKey(owner);
    return owner && Shell_NotifyIconA(NIM_MODIFY, &data);
}

// ---- windows and controls ----

namespace {
struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindChild(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

HWND ChildById(HWND parent, int id) {
    ChildSearch search{id, nullptr};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kWait, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, kWait,
                        &copied);
    text.resize(copied);
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void SetWindowTextOf(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, kWait,
                        &result);
}

bool IsCheckedButton(HWND button) {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kWait, &state);
    return state == BST_CHECKED;
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Asked again every half second: right after a box of the program closes, the program may still
// hand the activation to another of its windows, or its thread may not answer for a few seconds.
bool FocusControl(HWND topLevel, HWND control) {
    DWORD asked = 0;
    const bool inFront = WaitUntil([&] {
        if (GetForegroundWindow() == topLevel) return true;
        if (GetTickCount() - asked >= 500) {
            SetForegroundWindow(topLevel);
            asked = GetTickCount();
        }
        return false;
    });
    if (!inFront) return false;
    // The program may not have handled its activation yet, and when it does it puts the focus
    // back on the control it remembered: the focus is given until it stays where it was put.
    const DWORD target = GetWindowThreadProcessId(control, nullptr);
    int stayed = 0;
    return WaitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(target, &info) && info.hwndFocus == control) return ++stayed == 3;
        stayed = 0;
        AttachThreadInput(GetCurrentThreadId(), target, TRUE);
        SetFocus(control);
        AttachThreadInput(GetCurrentThreadId(), target, FALSE);
        return false;
    });
}

void PressKey(WORD key, bool ctrl, bool shift, bool alt) {
    INPUT inputs[8] = {};
    int count = 0;
    auto add = [&](WORD vk, bool up) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++count;
    };
    if (ctrl) add(VK_CONTROL, false);
    if (shift) add(VK_SHIFT, false);
    if (alt) add(VK_MENU, false);
    add(key, false);
    add(key, true);
    if (alt) add(VK_MENU, true);
    if (shift) add(VK_SHIFT, true);
    if (ctrl) add(VK_CONTROL, true);
    SendInput(UINT(count), inputs, sizeof(INPUT));
    Sleep(50);
}

// ---- the program's controls, through its own memory ----

LRESULT SendWithBuffer(HWND window, UINT message, WPARAM wParam, void* data, size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return 0;
    DWORD_PTR result = 0;
    if (void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
        if (WriteProcessMemory(process, remote, data, size, nullptr) &&
            SendMessageTimeoutA(window, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, kWait,
                                &result))
            ReadProcessMemory(process, remote, data, size, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return LRESULT(result);
}

RECT ToolButtonRect(HWND toolBar, int index) {
    RECT rect{};
    SendWithData(toolBar, TB_GETITEMRECT, WPARAM(index), rect);
    MapWindowPoints(toolBar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string StatusText(HWND statusLine) {
    char text[512] = {};
    SendWithData(statusLine, SB_GETTEXTA, 0, text);
    text[sizeof text - 1] = '\0';
    return text;
}

// ---- the mouse ----

POINT CenterOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

namespace {
void SendMouse(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    input.mi.dx = LONG((screen.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = LONG((screen.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &input, sizeof input);
    Sleep(50);
}
}  // namespace

bool PlacePointer(POINT at) {
    int stableTakes = 0;
    return WaitUntil([&] {
        POINT now{};
        GetCursorPos(&now);
        if (now.x != at.x || now.y != at.y) {
            SetCursorPos(at.x, at.y);
            stableTakes = 0;
            return false;
        }
        return ++stableTakes >= 5;
    });
}

// The pointer is also placed directly: Wine then moves the X server's pointer too, which new
// windows consult for the position they report.
void MoveMouse(POINT screen) {
    PlacePointer(screen);
    SendMouse(screen, 0);
}

void MoveMouseInput(POINT screen) { SendMouse(screen, 0); }

void ClickAt(POINT screen) {
    MoveMouse(screen);
    SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
    SendMouse(screen, MOUSEEVENTF_LEFTUP);
}

// ---- message boxes ----

namespace {
BOOL CALLBACK CollectButton(HWND child, LPARAM param) {
    auto* info = reinterpret_cast<MessageBoxInfo*>(param);
    if (ClassName(child) == "Button") info->buttons.push_back(GetDlgCtrlID(child));
    if (ClassName(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        info->iconControl = child;
    return TRUE;
}
}  // namespace

std::optional<MessageBoxInfo> WaitMessageBox(const Program& program, DWORD ms) {
    HWND box = program.WaitWindow("#32770", nullptr, true, ms);
    if (!box) return std::nullopt;
    MessageBoxInfo info;
    info.window = box;
    info.caption = WindowText(box);
    if (HWND text = GetDlgItem(box, 0xFFFF)) info.text = WindowText(text);
    EnumChildWindows(box, CollectButton, reinterpret_cast<LPARAM>(&info));
    return info;
}

bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId) {
    HWND button = GetDlgItem(box.window, buttonId);
    if (!button) return false;
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return WaitUntil([&] { return !IsWindow(box.window); });
}

bool ShowsSystemIcon(const MessageBoxInfo& box, LPCSTR id) {
    // Icon handles belong to their process: compare what the screen shows with our own drawing.
    if (!box.iconControl) return false;
    const int size = GetSystemMetrics(SM_CXICON);
    return WaitUntil(
        [&] {
            const RECT rect = WindowRectOf(box.iconControl);
            COLORREF corner = 0;
            const std::string shown = PaintPixels(size, size, [&](HDC memory, HDC screen) {
                BitBlt(memory, 0, 0, size, size, screen, rect.left, rect.top, SRCCOPY);
                corner = GetPixel(screen, rect.left, rect.top);
            });
            return shown == PaintPixels(size, size, [&](HDC memory, HDC) {
                       HBRUSH brush = CreateSolidBrush(corner);
                       RECT all{0, 0, size, size};
                       FillRect(memory, &all, brush);
                       DeleteObject(brush);
                       DrawIconEx(memory, 0, 0, LoadIconA(nullptr, id), size, size, 0, nullptr, DI_NORMAL);
                   });
        },
        3000);
}

// ---- file dialogs ----

HWND WaitFileDialog(const Program& program, DWORD ms) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : program.Windows(true))
                if (ClassName(window) == "#32770" && GetDlgItem(window, cmb1)) found = window;
            return found != nullptr;
        },
        ms);
    return found;
}

HWND FileNameBox(HWND dialog) {
    return FindWindowExA(FindWindowExA(GetDlgItem(dialog, cmb13), nullptr, "ComboBox", nullptr), nullptr, "Edit",
                         nullptr);
}

// ---- screenshots ----

std::string SaveScreenshot(HWND window, const std::string& name) {
    const std::string directory = Env("PW_ARTIFACTS");
    if (directory.empty()) return {};
    CreateDirectoryA(DosPath(directory).c_str(), nullptr);
    const RECT rect = WindowRectOf(window);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return {};
    const std::string pixels = PaintPixels(width, height, [&](HDC memory, HDC screen) {
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    });
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;  // top-down, as painted
    info.biPlanes = 1;
    info.biBitCount = 32;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = DWORD(file.bfOffBits + pixels.size());
    const std::string path = DosPath(directory) + "\\" + name + ".bmp";
    WriteBytes(path, std::string(reinterpret_cast<const char*>(&file), sizeof file) +
                         std::string(reinterpret_cast<const char*>(&info), sizeof info) + pixels);
    return path;
}

namespace {
// One entry of a process's GDI handle table, the same on both architectures.
struct GdiEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;  // bit 7: a stock object
    std::uint8_t type;     // 0: the entry is free
    std::uint8_t flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiEntry) == 24);
constexpr size_t kGdiEntries = 0x10000;
// GdiSharedHandleTable in the PEB: a pointer at 0x94 in a 32-bit one, at 0xF8 in a 64-bit one.
constexpr size_t kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr std::uint16_t kStockObject = 0x80;
}  // namespace

int GdiObjects(HANDLE process, bool countStock) {
    using Query = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    std::uintptr_t table = 0;
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) ||
        !ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTableOffset, &table,
                           sizeof table, nullptr) ||
        !table)
        return -1;
    std::vector<GdiEntry> entries(kGdiEntries);
    constexpr size_t kChunk = 4096;  // entries read at once; a part not committed is skipped
    int used = 0;
    bool readAny = false;
    for (size_t first = 0; first < kGdiEntries; first += kChunk) {
        if (!ReadProcessMemory(process, reinterpret_cast<const char*>(table) + first * sizeof(GdiEntry),
                               &entries[first], kChunk * sizeof(GdiEntry), nullptr))
            continue;
        readAny = true;
        for (size_t i = first; i < first + kChunk; ++i)
            used += entries[i].type && (countStock || !(entries[i].unique & kStockObject));
    }
    return readAny ? used : -1;
}

}  // namespace drv
