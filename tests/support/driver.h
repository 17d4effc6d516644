// E2E driver helpers: start pebblewire.exe in the test prefix and act on it as a user would.
// Every wait is bounded; a scenario never hangs.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "support/registry.h"

namespace drv {

constexpr DWORD kWait = 20000;  // default bound of every wait, milliseconds: generous for a loaded machine

// Environment variable of the driver's own process, empty when unset.
std::string Env(const char* name);
// A Unix path as the Wine prefix's Z: drive sees it.
std::string DosPath(const std::string& unixPath);
// pebblewire.exe of the build, as a Windows path.
std::string ProgramPath();
// Where a program file keeps the last message: beside it, under its name with .sav.
std::string LastMessageFile(const std::string& program = ProgramPath());

// GDI objects the process holds, read from its GDI handle table as Windows tools read it, stock
// objects only when asked; -1 when the table cannot be read.
int GdiObjects(HANDLE process, bool countStock = false);

// ---- the user's state (HKEY_CURRENT_USER of the test prefix) ----
// The Windows version Wine reports to pebblewire.exe ("win2k", "nt40", "win98", "winme").
void SetWindowsVersion(const char* version);
// Puts the user's settings back to a first start's state (no program values, no Run value).
void ResetUserState(const char* windowsVersion = "win2k");
// That, and the recorder log cleared.
void ResetFirstStart(const char* windowsVersion = "win2k");
// The marker of a running instance; a killed program leaves it in the wineserver.
constexpr char kRunningAtom[] = "BRANTEL_PEBBLEWIRE_IS_RUNNING";
void ClearRunningMarker();
// A first start's user, and no marker of a running instance left anywhere.
void FreshUser();

// ---- the program under test ----
class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();  // kills the process if it still runs

    // Starts pebblewire.exe (or `exe`) with the arguments; showCommand < 0 leaves STARTUPINFO's unset.
    // An `exe` given by its Unix path ("/...") starts through Wine's own loader, which takes a
    // program file deeper than MAX_PATH; the program is then found by its application window.
    bool Start(const std::string& arguments = "", int showCommand = -1, const std::string& exe = "");
    DWORD Id() const { return id_; }
    HANDLE Process() const { return process_; }
    // Waits for the process to end; its exit status, or nothing on time-out.
    std::optional<DWORD> WaitExit(DWORD ms = kWait);
    void Kill();

    // The main window (class PebblewireMainForm), once it exists.
    HWND WaitMainForm(DWORD ms = kWait) const;
    // The application window that carries the taskbar button.
    HWND WaitApplicationWindow(DWORD ms = kWait) const;
    // A top-level window of the process with this class (and caption, if given).
    HWND WaitWindow(const char* className, const char* caption = nullptr, bool visibleOnly = true,
                    DWORD ms = kWait) const;
    // All top-level windows of the process.
    std::vector<HWND> Windows(bool visibleOnly) const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Starts the program as on a first start (settings reset, recorder log cleared); its main
// window, or null when it does not appear.
HWND StartFresh(Program& program);

// Ends the session as Windows does: both messages wait before the program runs again, and the
// program is ended as soon as it has answered the second. Its answer to WM_QUERYENDSESSION, -1
// when none came.
LRESULT EndSessionLikeWindows(Program& program, HWND window);

// The Unix path of a Windows one, by Wine's own conversion.
std::string UnixPath(const std::string& path);
// Starts a command of the machine's shell. Wine gives no exit status of a Unix process, nor a
// handle that waits for its end: wait for what the command makes. Files deeper than MAX_PATH
// are out of reach of the ANSI file functions, in Wine as in Windows 2000, but not of the shell.
void UnixShell(const std::string& command);

// Ends the program with "&Konec"; true when it ended with status 0.
bool Quit(Program& program, HWND form);

// The names in a folder that match the pattern ("*.tmp"), without "." and "..".
std::vector<std::string> FileNames(const std::string& folder, const char* pattern = "*");
// A path in the prefix's temporary folder.
std::string TempPath(const std::string& name);
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// Deletes a file, or a folder with all it holds.
void RemoveTree(const std::string& path);

// Top-level windows of a process.
std::vector<HWND> WindowsOf(DWORD processId, bool visibleOnly);
// Ends a running process at once, and takes its icon out of the notification area.
void KillProcess(HANDLE process, DWORD processId);

// ---- the notification area ----
// The shell's record of the program's icon of this owner window, naming nothing to change.
NOTIFYICONDATAA IconKey(HWND owner);
// Whether the shell holds that icon: it accepts a change only to an icon it has.
bool IconPresent(HWND owner);

// ---- windows and controls ----
HWND ChildById(HWND parent, int id);  // searches all descendants
std::string WindowText(HWND window);
std::string ClassName(HWND window);
void SetWindowTextOf(HWND window, const std::string& text);
bool IsCheckedButton(HWND button);
RECT WindowRectOf(HWND window);
// Brings the window forward and gives the control the keyboard focus.
bool FocusControl(HWND topLevel, HWND control);
// Presses and releases keys with SendInput: modifiers held around the key.
void PressKey(WORD key, bool ctrl = false, bool shift = false, bool alt = false);
// Runs a condition until it holds or the time is up.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD ms = kWait) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > ms) return false;
        Sleep(20);
    }
}

// ---- the program's controls, through its own memory ----
// Sends a message whose lParam points to `size` bytes: they are copied into the program's memory
// and back after the call. Common-control messages are not marshalled across processes.
LRESULT SendWithBuffer(HWND window, UINT message, WPARAM wParam, void* data, size_t size);
template <typename T>
LRESULT SendWithData(HWND window, UINT message, WPARAM wParam, T& data) {
    return SendWithBuffer(window, message, wParam, &data, sizeof data);
}
// A tool-bar button's rectangle in screen coordinates.
RECT ToolButtonRect(HWND toolBar, int index);
// The text of a status line in simple mode.
std::string StatusText(HWND statusLine);

// ---- the mouse ----
POINT CenterOf(const RECT& rect);
// Moves the pointer as the user does (SendInput), so windows see the move.
void MoveMouse(POINT screen);
// The same move as input only, leaving the X server's pointer where it is: while a menu is
// open its program holds the pointer grab and the driver cannot move that pointer anyway.
void MoveMouseInput(POINT screen);
void ClickAt(POINT screen);
// Puts the pointer at a point and waits until it stays there: a pointer event from before, still
// on its way from the X server, can carry it back to where it was. False if it never settles.
bool PlacePointer(POINT at);

// ---- message boxes ----
struct MessageBoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    HWND iconControl = nullptr;  // the static that shows the box's icon
    std::vector<int> buttons;    // control ids of its push buttons
};
std::optional<MessageBoxInfo> WaitMessageBox(const Program& program, DWORD ms = kWait);
// Presses the box's button with this id (IDOK, IDYES ...) and waits until the box is gone.
bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId);
// Whether the box shows the system icon `id` (IDI_HAND, IDI_ASTERISK ...), compared on screen.
bool ShowsSystemIcon(const MessageBoxInfo& box, LPCSTR id);

// ---- file dialogs ----
// The program's open or save dialog, told from its message boxes by the file-type list.
HWND WaitFileDialog(const Program& program, DWORD ms = kWait);
// The edit box of a file dialog that takes the file's name.
HWND FileNameBox(HWND dialog);

// ---- screenshots ----
// Saves the window's screen area as a 32-bit BMP under PW_ARTIFACTS; returns the file's path.
std::string SaveScreenshot(HWND window, const std::string& name);

}  // namespace drv
