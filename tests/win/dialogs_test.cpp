// The About box and the help window built in the test process: layout, fonts, memory figures,
// links' look, and the modal run with its ways of closing.
#include <doctest/doctest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "dialogs/about_box.h"
#include "dialogs/help_form.h"
#include "dialogs/help_text.h"
#include "dialogs/memory_figures.h"
#include "toolkit/application.h"
#include "toolkit/control_helpers.h"
#include "toolkit/fonts.h"
#include "win/thread_window_watch.h"

using namespace dialogs;

namespace {

constexpr char kAboutClass[] = "PebblewireAboutBox";
constexpr char kHelpClass[] = "PebblewireHelpForm";
constexpr DWORD kGiveUpMs = 5000;

RECT ClientRectOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LOGFONTA LogFontOf(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

COLORREF TextColourOf(HWND dialog, HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

// ---- a fixed memory status in place of the system's ----
MEMORYSTATUS fakeStatus{};
int statusReads = 0;

void WINAPI FakeMemoryStatus(LPMEMORYSTATUS status) {
    *status = fakeStatus;
    ++statusReads;
}

class FakeMemory {
public:
    FakeMemory() : previous_(SetMemoryStatusSource(FakeMemoryStatus)) { statusReads = 0; }
    ~FakeMemory() { SetMemoryStatusSource(previous_); }
    void Set(DWORD totalPhys, DWORD availPageFile) {
        fakeStatus.dwTotalPhys = totalPhys;
        fakeStatus.dwAvailPageFile = availPageFile;
        // Figures the box must not show.
        fakeStatus.dwAvailPhys = 1;
        fakeStatus.dwTotalPageFile = 2;
        fakeStatus.dwTotalVirtual = 3;
        fakeStatus.dwAvailVirtual = 4;
    }

private:
    MemoryStatusSource previous_;
};

// Runs `open`, which returns when the dialog closes, and calls `inspect` once the dialog shows.
// Returns the dialog's window, by then destroyed.
HWND WhileModal(const char* className, const std::function<void()>& open, const std::function<void(HWND)>& inspect) {
    HWND seen = nullptr;
    const DWORD started = GetTickCount();
    const ThreadWindowWatch watch(className, [&](HWND dialog) {
        if (!seen) return inspect(seen = dialog);
        // The inspection should have closed it; a dialog still open is closed so the test ends.
        if (GetTickCount() - started > kGiveUpMs) PostMessageA(seen, WM_CLOSE, 0, 0);
    });
    open();
    return seen;
}

}  // namespace

// Both dialogs, created but not shown.
struct BothDialogs {
    TAboutBox about;
    THelpForm help;
    BothDialogs() {
        REQUIRE(about.Create(nullptr));
        REQUIRE(help.Create(nullptr));
    }
    HWND Of(bool isAbout) const { return isAbout ? about.Handle() : help.Handle(); }
};

TEST_CASE("both dialogs: caption, client size, fixed dialog frame, centred on the screen") {
    const BothDialogs dialogs;
    struct Row {
        bool about;
        const char* caption;
        LONG width, height;
    } rows[] = {{true, "O programu Pebblewire", 272, 280}, {false, "Nápověda pro program Pebblewire", 328, 273}};
    for (const Row& row : rows) {
        CAPTURE(row.caption);
        HWND window = dialogs.Of(row.about);
        CHECK(tk::GetText(window) == row.caption);
        RECT client{}, frame{};
        GetClientRect(window, &client);
        CHECK(client.right == row.width);
        CHECK(client.bottom == row.height);
        CHECK((GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
        GetWindowRect(window, &frame);
        CHECK(std::abs((frame.left + frame.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1);
        CHECK(std::abs((frame.top + frame.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1);
        HWND ok = GetDlgItem(window, IDOK);
        CHECK(tk::GetText(ok) == "&OK");
        CHECK((GetWindowLongA(ok, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    }
}

TEST_CASE("both dialogs: control positions and sizes") {
    const BothDialogs dialogs;
    // Width 0: sized to the text, so only the other sides are checked. Right: the right edge instead of left.
    struct Row {
        bool about;
        int id;
        int left, top, width, height;
        bool rightEdge = false;
    } rows[] = {
        {true, IDC_LABEL8, 7, 8, 258, 21},       {true, IDC_PROGRAMICON, 24, 38, 48, 48},
        {true, IDC_LABEL5, 96, 72, 0, 13},       {true, IDC_LABEL1, 12, 98, 248, 52},
        {true, IDC_LABEL3, 12, 162, 0, 13},      {true, IDC_PHYSMEM, 260, 162, 0, 13, true},
        {true, IDC_LABEL4, 12, 184, 0, 13},      {true, IDC_VIRTMEM, 260, 184, 0, 13, true},
        {true, IDC_LABEL9, 12, 208, 0, 13},      {true, IDC_LABEL11, 52, 208, 0, 13},
        {true, IDC_LABEL7, 52, 221, 0, 13},      {true, IDC_LABEL10, 12, 238, 0, 13},
        {true, IDC_LABEL12, 52, 238, 0, 13},     {true, IDC_LABEL13, 12, 255, 0, 13},
        {true, IDC_LABEL14, 52, 255, 0, 13},     {true, IDOK, 184, 243, 75, 25},
        {false, IDC_HELP_MEMO1, 6, 8, 316, 209}, {false, IDOK, 125, 232, 77, 25},
    };
    for (const Row& row : rows) {
        CAPTURE(row.about);
        CAPTURE(row.id);
        HWND control = GetDlgItem(dialogs.Of(row.about), row.id);
        REQUIRE(control);
        const RECT rect = ClientRectOf(control);
        CHECK((row.rightEdge ? rect.right : rect.left) == row.left);
        CHECK(rect.top == row.top);
        if (row.width) CHECK(rect.right - rect.left == row.width);
        CHECK(rect.bottom - rect.top == row.height);
    }
}

TEST_CASE("fonts: the windows' family everywhere, a 13-point title, blue underlined links") {
    HDC screen = GetDC(nullptr);
    const LONG title = -MulDiv(13, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT), blue = RGB(0, 0, 255);
    struct Row {
        bool about;
        int id;
        LONG height;
        bool underline;
        COLORREF colour;  // CLR_INVALID: not a static control
    } rows[] = {
        {true, IDC_LABEL8, title, false, text}, {true, IDC_LABEL11, -11, true, blue},
        {true, IDC_LABEL7, -11, true, blue},    {true, IDC_LABEL12, -11, true, blue},
        {true, IDC_LABEL1, -11, false, text},   {true, IDC_LABEL3, -11, false, text},
        {true, IDC_PHYSMEM, -11, false, text},  {true, IDC_LABEL14, -11, false, text},
        {true, IDOK, -11, false, CLR_INVALID},  {false, IDC_HELP_MEMO1, -11, false, text},
        {false, IDOK, -11, false, CLR_INVALID},
    };
    for (bool classic : {false, true}) {
        CAPTURE(classic);
        tk::SetUseClassicFont(classic);
        const std::string face = classic ? "MS Sans Serif" : "Tahoma";
        const BothDialogs dialogs;
        for (const Row& row : rows) {
            CAPTURE(row.about);
            CAPTURE(row.id);
            HWND dialog = dialogs.Of(row.about), control = GetDlgItem(dialog, row.id);
            const LOGFONTA font = LogFontOf(control);
            CHECK(font.lfFaceName == face);
            CHECK(font.lfHeight == row.height);
            CHECK(bool(font.lfUnderline) == row.underline);
            CHECK(font.lfWeight == FW_NORMAL);
            CHECK_FALSE(font.lfItalic);
            if (row.colour != CLR_INVALID) CHECK(TextColourOf(dialog, control) == row.colour);
        }
    }
    tk::SetUseClassicFont(false);
}

TEST_CASE("About box: the hand cursor over the links only") {
    TAboutBox box;
    REQUIRE(box.Create(nullptr));
    HWND window = box.Handle();
    HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    REQUIRE(hand);
    struct Row {
        int id;
        bool hand;
    } rows[] = {
        {IDC_LABEL11, true}, {IDC_LABEL7, true}, {IDC_LABEL12, true}, {IDC_LABEL9, false}, {IDC_LABEL14, false}};
    for (const Row& row : rows) {
        CAPTURE(row.id);
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
        HWND label = GetDlgItem(window, row.id);
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        CHECK((GetCursor() == hand) == row.hand);
    }
}

TEST_CASE("About box memory figures come from the memory status, read anew at every opening") {
    FakeMemory memory;
    const std::string separator = ThousandSeparator();
    struct Row {
        DWORD totalPhys, availPageFile;
        std::string phys, virt;
    } rows[] = {
        {268435456u, 123456u * 1024u, "262" + separator + "144 kB", "123" + separator + "456 kB"},
        {536870912u, 512u * 1024u, "524" + separator + "288 kB", "512 kB"},
        {0xFFFFFFFFu, 0u, "4" + separator + "194" + separator + "303 kB", "0 kB"},
    };
    int opening = 0;
    for (const Row& row : rows) {
        CAPTURE(row.phys);
        memory.Set(row.totalPhys, row.availPageFile);
        std::string phys, virt;
        const HWND seen = WhileModal(kAboutClass, [] { ShowAboutBox(tk::Application::Instance().AsOwner()); }, [&](HWND box) {
            phys = tk::GetText(GetDlgItem(box, IDC_PHYSMEM));
            virt = tk::GetText(GetDlgItem(box, IDC_VIRTMEM));
            PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        });
        CHECK(seen);
        CHECK(phys == row.phys);
        CHECK(virt == row.virt);
        CHECK(statusReads == ++opening);
        CHECK_FALSE(IsWindow(seen));
    }
}

TEST_CASE("help window: a borderless, read-only, wrapping text area holding the help text") {
    THelpForm form;
    REQUIRE(form.Create(nullptr));
    HWND memo = GetDlgItem(form.Handle(), IDC_HELP_MEMO1);
    REQUIRE(memo);
    const LONG style = GetWindowLongA(memo, GWL_STYLE);
    CHECK((style & ES_READONLY) != 0);
    CHECK((style & WS_VSCROLL) != 0);
    CHECK((style & (WS_HSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_BORDER)) == 0);
    CHECK((GetWindowLongA(memo, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0);
    CHECK(tk::GetText(memo) == HelpText());
    // Word wrap: the long paragraphs take more than one line each.
    CHECK(SendMessageA(memo, EM_GETLINECOUNT, 0, 0) > kHelpParagraphCount + 10);
    CHECK(GetNextDlgTabItem(form.Handle(), nullptr, FALSE) == memo);
}

TEST_CASE("either dialog closes on Enter, Esc, Alt+O, OK and the close box, also from the text area") {
    struct Row {
        const char* className;
        int focusId;
        UINT message;
        WPARAM wParam;
        int result;
    } rows[] = {
        {kHelpClass, IDC_HELP_MEMO1, WM_KEYDOWN, VK_RETURN, IDOK},
        {kHelpClass, IDC_HELP_MEMO1, WM_KEYDOWN, VK_ESCAPE, IDOK},
        {kHelpClass, IDC_HELP_MEMO1, WM_SYSCHAR, 'o', IDOK},
        {kHelpClass, IDOK, WM_KEYDOWN, VK_RETURN, IDOK},
        {kHelpClass, 0, WM_CLOSE, 0, IDCANCEL},
        {kAboutClass, IDOK, WM_KEYDOWN, VK_ESCAPE, IDOK},
        {kAboutClass, IDOK, WM_KEYDOWN, VK_RETURN, IDOK},
        {kAboutClass, 0, WM_CLOSE, 0, IDCANCEL},
    };
    // A window of the program that the modal run must disable and enable again.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    REQUIRE(other);
    for (const Row& row : rows) {
        CAPTURE(row.className);
        CAPTURE(row.message);
        CAPTURE(row.wParam);
        int result = 0;
        int focusId = 0;
        bool otherEnabled = true;
        const tk::Owner owner = tk::Application::Instance().AsOwner();
        const auto open = [&] { result = row.className == kHelpClass ? RunFresh<THelpForm>(owner) : RunFresh<TAboutBox>(owner); };
        const HWND seen = WhileModal(row.className, open, [&](HWND dialog) {
            focusId = GetDlgCtrlID(GetFocus());
            otherEnabled = IsWindowEnabled(other);
            HWND target = row.focusId ? GetDlgItem(dialog, row.focusId) : dialog;
            if (row.focusId) SetFocus(target);
            PostMessageA(target, row.message, row.wParam, 0);
        });
        REQUIRE(seen);
        CHECK(result == row.result);
        CHECK_FALSE(otherEnabled);
        CHECK(IsWindowEnabled(other));
        CHECK_FALSE(IsWindow(seen));
        // The first control in the focus order has the focus: the text area, or OK in the About box.
        CHECK(focusId == (row.className == kHelpClass ? IDC_HELP_MEMO1 : IDOK));
    }
    DestroyWindow(other);
}
