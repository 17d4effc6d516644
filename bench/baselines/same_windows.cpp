// Start-up baseline: the program's windows and nothing behind them. The application window, the
// main window with its editor, recipient panel, status line, band container and two tool bars,
// the form font, the tool-bar images and the notification-area icon are made and shown the way
// the program makes them, without settings, commands, hints or any other behaviour. What the
// program takes beyond this is its own work; what this takes beyond the empty window is the
// system's price for those windows. "minimized" as the command line: no window is shown, only
// the icon is added.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include "baselines/baseline_window.h"

namespace {
constexpr char kAppClass[] = "BenchSameWindowsApp";
constexpr char kFormClass[] = "BenchSameWindows";
constexpr char kPanelClass[] = "BenchSameWindowsPanel";
constexpr char kIconWindowClass[] = "BenchSameWindowsIcon";
constexpr int kWidth = 340, kHeight = 250, kPanelHeight = 42, kStatusHeight = 19;
constexpr UINT kIconId = 1;
constexpr const char* kMenuCaptions[] = {"&Soubor", "&Možnosti", "Nápo&věda"};
constexpr int kImageButtons = 5;

HWND iconWindow = nullptr;

NOTIFYICONDATAA IconRecord() {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = iconWindow;
    icon.uID = kIconId;
    return icon;
}

LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        NOTIFYICONDATAA icon = IconRecord();
        Shell_NotifyIconA(NIM_DELETE, &icon);
        PostQuitMessage(0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool Register(const char* name, WNDPROC procedure, HBRUSH background, HICON icon, HICON smallIcon) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass) != 0;
}

HWND Make(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y, int width, int height,
          HWND parent) {
    return CreateWindowExA(exStyle, className, text, style | (parent ? WS_CHILD | WS_VISIBLE : 0), x, y, width, height,
                           parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND ToolBar(HWND rebar, HIMAGELIST images) {
    HWND bar = Make(0, TOOLBARCLASSNAMEA, "",
                    WS_CLIPSIBLINGS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_FLAT |
                        TBSTYLE_TRANSPARENT | (images ? 0 : TBSTYLE_LIST),
                    0, 0, 0, 0, rebar);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[kImageButtons]{};
    const int count = images ? kImageButtons : int(sizeof kMenuCaptions / sizeof kMenuCaptions[0]);
    if (images)
        SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    else
        SendMessageA(bar, TB_SETBITMAPSIZE, 0, 0);
    for (int i = 0; i < count; ++i) {
        buttons[i].iBitmap = images ? i : I_IMAGENONE;
        buttons[i].idCommand = 100 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = images ? BTNS_BUTTON : BTNS_BUTTON | BTNS_AUTOSIZE;
        buttons[i].iString = images ? -1 : reinterpret_cast<INT_PTR>(kMenuCaptions[i]);
    }
    SendMessageA(bar, TB_ADDBUTTONSA, WPARAM(count), reinterpret_cast<LPARAM>(buttons));
    return bar;
}

void AddBand(HWND rebar, HWND bar, int width, int minWidth, int minHeight, bool rowBreak) {
    REBARBANDINFOA band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILD | RBBIM_STYLE | RBBIM_SIZE | RBBIM_CHILDSIZE;
    band.fStyle = RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE | (rowBreak ? RBBS_BREAK : 0);
    band.hwndChild = bar;
    band.cx = UINT(width);
    band.cxMinChild = UINT(minWidth);
    band.cyMinChild = UINT(minHeight);
    SendMessageA(rebar, RB_INSERTBANDA, WPARAM(-1), reinterpret_cast<LPARAM>(&band));
}

BOOL CALLBACK SetFont(HWND child, LPARAM font) {
    SendMessageA(child, WM_SETFONT, WPARAM(font), FALSE);
    return TRUE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);
    const auto icon = [instance](int size) {
        return static_cast<HICON>(LoadImageA(instance, "MAINICON", IMAGE_ICON, size, size, LR_SHARED));
    };
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    if (!Register(kAppClass, DefWindowProcA, nullptr, icon(32), icon(16)) ||
        !Register(kFormClass, FormProcedure, face, icon(32), icon(16)) ||
        !Register(kPanelClass, DefWindowProcA, face, nullptr, nullptr) ||
        !Register(kIconWindowClass, DefWindowProcA, nullptr, nullptr, nullptr))
        return 1;
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    HWND application =
        Make(0, kAppClass, "Pebblewire", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0, nullptr);
    HWND form =
        CreateWindowExA(WS_EX_CONTROLPARENT, kFormClass, "Pebblewire",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN,
                        x - kWidth / 2, y - kHeight / 2, kWidth, kHeight, application, nullptr, instance, nullptr);
    if (!application || !form) return 1;

    RECT client;
    GetClientRect(form, &client);
    HWND rebar = Make(0, REBARCLASSNAMEA, "",
                      WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CCS_TOP | CCS_NODIVIDER | RBS_VARHEIGHT | RBS_BANDBORDERS, 0,
                      0, 0, 0, form);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4);
    HBITMAP strip = static_cast<HBITMAP>(LoadImageA(instance, "TOOLIMAGES", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ImageList_AddMasked(images, strip, RGB(255, 0, 255));
    DeleteObject(strip);
    AddBand(rebar, ToolBar(rebar, nullptr), 185, 172, 21, true);
    AddBand(rebar, ToolBar(rebar, images), 141, 128, 22, false);
    SendMessageA(rebar, WM_SIZE, 0, 0);
    RECT bands;
    GetWindowRect(rebar, &bands);
    const int panelTop = bands.bottom - bands.top, memoTop = panelTop + kPanelHeight;
    HWND panel =
        Make(WS_EX_CONTROLPARENT, kPanelClass, "", WS_CLIPCHILDREN, 0, panelTop, client.right, kPanelHeight, form);
    Make(0, "BUTTON", "Uživatel nebo počítač:", WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 3, 4, 130, 17, panel);
    Make(0, "BUTTON", "Pracovní skupina:", BS_AUTORADIOBUTTON, 3, 21, 130, 17, panel);
    Make(WS_EX_CLIENTEDGE, "EDIT", "", WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL, 133, 10, 201, 21, panel);
    Make(WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0,
         memoTop, client.right, client.bottom - kStatusHeight - memoTop, form);
    HWND status = Make(0, STATUSCLASSNAMEA, "", CCS_NOPARENTALIGN | CCS_NORESIZE | SBARS_SIZEGRIP, 0,
                       client.bottom - kStatusHeight, client.right, kStatusHeight, form);
    SendMessageA(status, SB_SIMPLE, TRUE, 0);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
    SendMessageA(form, WM_SETFONT, WPARAM(font), FALSE);
    EnumChildWindows(form, SetFont, LPARAM(font));

    iconWindow = Make(WS_EX_TOOLWINDOW, kIconWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr);
    NOTIFYICONDATAA record = IconRecord();
    record.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    record.uCallbackMessage = WM_APP;
    record.hIcon = icon(32);
    lstrcpynA(record.szTip, "Pebblewire", sizeof record.szTip);
    Shell_NotifyIconA(NIM_ADD, &record);

    if (lstrcmpiA(commandLine, "minimized") != 0) {
        ShowWindow(application, SW_SHOWNA);
        ShowWindow(form, SW_SHOW);
    }
    const int result = baseline::RunMessageLoop();
    DeleteObject(font);
    ImageList_Destroy(images);
    CoUninitialize();
    return result;
}
