#include <windows.h>

#include <commctrl.h>

#include "app/main_form.h"
#include "toolkit/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    tk::Application& application = tk::Application::Instance();
    if (!application.Initialize("Pebblewire")) return 0;
    app::TMainForm mainForm;
    application.SetMainForm(&mainForm);
    if (mainForm.Create()) application.Run();
    return 0;
}
