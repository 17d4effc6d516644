// Start-up baseline: one empty window, shown, then the message loop.
#include "baselines/baseline_window.h"

namespace {
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    return baseline::RunShownWindow("BenchEmptyWindow", Procedure, show);
}
