// The main window built in the test process, where its fonts and controls can be inspected.
#include <doctest/doctest.h>

#include <string>

#include "app/command_ids.h"
#include "app/main_form.h"
#include "toolkit/application.h"
#include "toolkit/fonts.h"
#include "win/user_state.h"

namespace {

struct FontSeen {
    std::string face;
    LONG height = 0;
};

FontSeen FontOf(HWND window) {
    LOGFONTA font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    if (!handle || !GetObjectA(handle, sizeof font, &font)) return {};
    return {font.lfFaceName, font.lfHeight};
}

tk::Application& TestApplication() {
    tk::Application& application = tk::Application::Instance();
    if (!application.Handle()) REQUIRE(application.Initialize("Pebblewire"));
    return application;
}

}  // namespace

TEST_CASE("every control of the main window uses the form font: Tahoma, or MS Sans Serif when classic") {
    struct Row {
        bool classic;
        const char* face;
    } rows[] = {{false, "Tahoma"}, {true, "MS Sans Serif"}};
    const CleanUserState clean;
    for (const Row& row : rows) {
        CAPTURE(row.classic);
        tk::SetUseClassicFont(row.classic);
        tk::Application& application = TestApplication();
        app::TMainForm form(application);
        application.SetMainForm(&form);
        REQUIRE(form.Create(application.AsOwner()));
        for (int id : {app::IDC_RADIOBUTTON1, app::IDC_RADIOBUTTON2, app::IDC_EDIT1, app::IDC_MEMO1}) {
            CAPTURE(id);
            HWND control = GetDlgItem(form.Handle(), id);
            if (!control) control = GetDlgItem(GetDlgItem(form.Handle(), app::IDC_PANEL1), id);
            REQUIRE(control);
            const FontSeen font = FontOf(control);
            CHECK(font.face == row.face);
            CHECK(font.height == -11);
        }
        application.SetMainForm(nullptr);
    }
    tk::SetUseClassicFont(false);
}
