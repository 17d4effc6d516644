#include "dialogs/about_box.h"

#include <shellapi.h>

#include <string>

#include "dialogs/about_texts.h"
#include "dialogs/memory_figures.h"
#include "toolkit/control_helpers.h"
#include "toolkit/fonts.h"
#include "toolkit/handles.h"

namespace dialogs {

namespace {

constexpr DialogLayout kLayout = {"PebblewireAboutBox", "O programu Pebblewire", {272, 280}, {184, 243, 75, 25}};

enum class LabelStyle { Left, Centred, Wrapped, Right, Link };

// Width 0: sized to its text. A right-aligned label's x is its right edge.
struct LabelSpec {
    int id;
    LabelStyle style;
    int x, y, width, height;
    std::string_view text;
};

constexpr LabelSpec kLabels[] = {
    {IDC_LABEL8, LabelStyle::Centred, 7, 8, 258, 21, kProgramTitle},
    {IDC_LABEL2, LabelStyle::Left, 96, 40, 0, 0, kVersionNotice},
    {IDC_LABEL5, LabelStyle::Left, 96, 72, 0, 0, kCredit},
    {IDC_LABEL1, LabelStyle::Wrapped, 12, 98, 248, 52,
     "Program pro Window 2000/NT pro posílání krátkých textových  zpráv  počítačům  v místní síti. S počítači se "
     "systémem Windows ME/98/95 spolupracuje přes program WinPopup (součást Windows ME/98/95)."},
    {IDC_LABEL3, LabelStyle::Left, 12, 162, 0, 0, "Fyzická paměť systému Windows:"},
    {IDC_PHYSMEM, LabelStyle::Right, 260, 162, 0, 0, "0"},
    {IDC_LABEL4, LabelStyle::Left, 12, 184, 0, 0, "Volná virtuální paměť:"},
    {IDC_VIRTMEM, LabelStyle::Right, 260, 184, 0, 0, "0"},
    {IDC_LABEL9, LabelStyle::Left, 12, 208, 0, 0, "WWW:"},
    {IDC_LABEL11, LabelStyle::Link, 52, 208, 0, 0, kMakerWeb},
    {IDC_LABEL7, LabelStyle::Link, 52, 221, 0, 0, kAuthorWeb},
    {IDC_LABEL10, LabelStyle::Left, 12, 238, 0, 0, "E-mail:"},
    {IDC_LABEL12, LabelStyle::Link, 52, 238, 0, 0, kAuthorMail},
    {IDC_LABEL13, LabelStyle::Left, 12, 255, 0, 0, "ICQ:"},
    {IDC_LABEL14, LabelStyle::Left, 52, 255, 0, 0, kIcq},
};

constexpr Bounds kProgramIcon = {24, 38, 48, 48};
constexpr int kTitlePoints = 13;
constexpr int kPointsPerInch = 72;
constexpr int kFontHeight = -11;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

MemoryStatusSource memoryStatusSource = GlobalMemoryStatus;

DWORD StaticStyle(LabelStyle style) {
    switch (style) {
    case LabelStyle::Centred: return SS_CENTER;
    case LabelStyle::Wrapped: return SS_LEFT;
    case LabelStyle::Right: return SS_RIGHT;
    case LabelStyle::Link: return SS_LEFTNOWORDWRAP | SS_NOTIFY;
    case LabelStyle::Left: break;
    }
    return SS_LEFTNOWORDWRAP;
}

// The pixel height of a font of `points` on the screen, as a negative character height.
int PointsToHeight(int points) {
    const tk::WindowDC screen(nullptr);
    return -MulDiv(points, GetDeviceCaps(screen.Get(), LOGPIXELSY), kPointsPerInch);
}

SIZE TextSize(HWND label) {
    const std::string text = tk::GetText(label);
    const tk::WindowDC dc(label);
    HGDIOBJ old = SelectObject(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
    RECT rect{};
    DrawTextA(dc.Get(), text.c_str(), int(text.size()), &rect, DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc.Get(), old);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void OpenLink(HWND owner, std::string_view scheme, std::string_view address, int showCommand) {
    const std::string target = std::string(scheme).append(address);
    ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, showCommand);
}

HCURSOR HandCursor() {
    // Windows NT 4.0 has no hand cursor.
    HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    return hand ? hand : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
}

struct LinkBinding {
    int id;
    void (TAboutBox::*handler)();
};

// The links and their click handlers; all three share one blue, underlined look.
constexpr LinkBinding kLinks[] = {
    {IDC_LABEL11, &TAboutBox::Label11Click},
    {IDC_LABEL7, &TAboutBox::Label7Click},
    {IDC_LABEL12, &TAboutBox::Label12Click},
};

}  // namespace

MemoryStatusSource SetMemoryStatusSource(MemoryStatusSource source) {
    const MemoryStatusSource previous = memoryStatusSource;
    memoryStatusSource = source;
    return previous;
}

TAboutBox::TAboutBox() : ModalDialog(kLayout) {}

TAboutBox::~TAboutBox() { DestroyHandle(); }

void TAboutBox::CreateControls() {
    for (const LabelSpec& label : kLabels)
        tk::CreateControl(0, "STATIC", std::string(label.text).c_str(), SS_NOPREFIX | StaticStyle(label.style), label.x,
                          label.y, label.width, label.height, Handle(), label.id);
    HWND picture = tk::CreateControl(0, "STATIC", "", SS_ICON, kProgramIcon.x, kProgramIcon.y, kProgramIcon.width,
                                     kProgramIcon.height, Handle(), IDC_PROGRAMICON);
    icon_.reset(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), tk::kProgramIconName, IMAGE_ICON,
                                              kProgramIcon.width, kProgramIcon.height, LR_DEFAULTCOLOR)));
    SendMessageA(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
    SetWindowPos(picture, nullptr, kProgramIcon.x, kProgramIcon.y, kProgramIcon.width, kProgramIcon.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAboutBox::FormCreate() {
    // The window's font family (classic or not) is already on every label.
    titleFont_.reset(tk::CreateFormFont(PointsToHeight(kTitlePoints)));
    SendMessageA(Control(IDC_LABEL8), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), FALSE);
    linkFont_.reset(tk::CreateFormFont(kFontHeight, FW_NORMAL, true));
    for (const LinkBinding& link : kLinks)
        SendMessageA(Control(link.id), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);
    ShowMemoryFigures();
    SizeLabelsToText();
}

void TAboutBox::ShowMemoryFigures() {
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    memoryStatusSource(&status);
    tk::SetText(Control(IDC_PHYSMEM), MemoryText(status.dwTotalPhys));
    tk::SetText(Control(IDC_VIRTMEM), MemoryText(status.dwAvailPageFile));
}

void TAboutBox::SizeLabelsToText() {
    for (const LabelSpec& label : kLabels) {
        if (label.width != 0) continue;
        const SIZE size = TextSize(Control(label.id));
        const int left = label.style == LabelStyle::Right ? label.x - size.cx : label.x;
        SetWindowPos(Control(label.id), nullptr, left, label.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool TAboutBox::IsLink(HWND control) const {
    if (GetParent(control) != Handle()) return false;
    for (const LinkBinding& link : kLinks)
        if (link.id == GetDlgCtrlID(control)) return true;
    return false;
}

COLORREF TAboutBox::TextColor(HWND control) const {
    return IsLink(control) ? kLinkColour : ModalDialog::TextColor(control);
}

void TAboutBox::Label11Click() { OpenLink(Owner(), kWebScheme, kMakerWeb, SW_SHOWMAXIMIZED); }
void TAboutBox::Label7Click() { OpenLink(Owner(), kWebScheme, kAuthorWeb, SW_SHOWMAXIMIZED); }
void TAboutBox::Label12Click() { OpenLink(Owner(), kMailScheme, kAuthorMail, SW_SHOW); }

LRESULT TAboutBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == STN_CLICKED)
        for (const LinkBinding& link : kLinks)
            if (link.id == LOWORD(wParam)) {
                (this->*link.handler)();
                return 0;
            }
    return ModalDialog::HandleMessage(WM_COMMAND, wParam, lParam);
}

LRESULT TAboutBox::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) == HTCLIENT && IsLink(reinterpret_cast<HWND>(wParam))) {
        SetCursor(HandCursor());
        return TRUE;
    }
    return ModalDialog::HandleMessage(WM_SETCURSOR, wParam, lParam);
}

LRESULT TAboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    }
    return ModalDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace dialogs
