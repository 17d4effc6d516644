#include "toolkit/rebar.h"

#include <commctrl.h>

namespace tk {

namespace {

constexpr UINT kLayoutFields = RBBIM_ID | RBBIM_STYLE | RBBIM_SIZE | RBBIM_CHILDSIZE;
// Every band can be dragged by its gripper and sits in a sunken strip.
constexpr UINT kBandStyle = RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE;

REBARBANDINFOA BandInfo(UINT fields) {
    REBARBANDINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = fields;
    return info;
}

void SetLayoutFields(REBARBANDINFOA& info, const BandState& band) {
    info.fMask |= kLayoutFields;
    info.fStyle = band.rowBreak ? info.fStyle | RBBS_BREAK : info.fStyle & ~RBBS_BREAK;
    info.wID = band.id;
    info.cx = UINT(band.width);
    info.cxMinChild = UINT(band.minWidth);
    info.cyMinChild = UINT(band.minHeight);
}

}  // namespace

HWND Rebar::Create(HWND parent, int id) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CCS_TOP | CCS_NODIVIDER |
                        RBS_VARHEIGHT | RBS_BANDBORDERS;
    hwnd_ = CreateWindowExA(0, REBARCLASSNAMEA, "", style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    return hwnd_;
}

void Rebar::AddBand(HWND child, const BandState& band) {
    REBARBANDINFOA info = BandInfo(RBBIM_CHILD);
    info.fStyle = kBandStyle;
    SetLayoutFields(info, band);
    info.hwndChild = child;
    SendMessageA(hwnd_, RB_INSERTBANDA, WPARAM(-1), reinterpret_cast<LPARAM>(&info));
}

int Rebar::BandCount() const { return int(SendMessageA(hwnd_, RB_GETBANDCOUNT, 0, 0)); }

BandLayout Rebar::Layout() const {
    BandLayout layout;
    for (int i = 0; i < BandCount(); ++i) {
        REBARBANDINFOA info = BandInfo(kLayoutFields);
        SendMessageA(hwnd_, RB_GETBANDINFOA, WPARAM(i), reinterpret_cast<LPARAM>(&info));
        layout.push_back(
            {info.wID, (info.fStyle & RBBS_BREAK) != 0, int(info.cx), int(info.cxMinChild), int(info.cyMinChild)});
    }
    return layout;
}

void Rebar::Apply(const BandLayout& layout) {
    int position = 0;
    for (const BandState& band : layout) {
        const int index = int(SendMessageA(hwnd_, RB_IDTOINDEX, band.id, 0));
        if (index < 0) continue;
        if (index != position) SendMessageA(hwnd_, RB_MOVEBAND, WPARAM(index), LPARAM(position));
        // Read the style first: only the row break is the layout's to change.
        REBARBANDINFOA info = BandInfo(RBBIM_STYLE);
        SendMessageA(hwnd_, RB_GETBANDINFOA, WPARAM(position), reinterpret_cast<LPARAM>(&info));
        SetLayoutFields(info, band);
        SendMessageA(hwnd_, RB_SETBANDINFOA, WPARAM(position), reinterpret_cast<LPARAM>(&info));
        ++position;
    }
}

int Rebar::FitToParent() {
    SendMessageA(hwnd_, WM_SIZE, 0, 0);
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return rect.bottom - rect.top;
}

}  // namespace tk
