#include "toolkit/fonts.h"

namespace tk {

namespace {
bool useClassicFont = false;

BOOL CALLBACK SetChildFont(HWND child, LPARAM font) {
    SendMessageA(child, WM_SETFONT, WPARAM(font), FALSE);
    return TRUE;
}
}  // namespace

bool UseClassicFont() { return useClassicFont; }
void SetUseClassicFont(bool classic) { useClassicFont = classic; }

HFONT CreateFormFont(int height, int weight, bool underline) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       useClassicFont ? "MS Sans Serif" : "Tahoma");
}

void ApplyFont(HWND window, HFONT font) {
    SendMessageA(window, WM_SETFONT, WPARAM(font), FALSE);
    EnumChildWindows(window, SetChildFont, LPARAM(font));
}

}  // namespace tk
