#include "app/main_settings.h"

#include "app/command_table.h"
#include "shell/relocation.h"

namespace app {

settings::SessionWindow MainSettingsWindow(HWND form, const tk::Owner& program, MainMenu& menu, MainControls& controls,
                                           MainBars& bars, const std::function<void()>& startAtLogon) {
    settings::SessionWindow window;
    window.window = form;
    window.keepSettings = {FindOption(IDM_UKLADAT_NASTAVENI)->valueName, menu.Mark(IDM_UKLADAT_NASTAVENI)};
    window.firstRun = [&menu, startAtLogon] {
        if (!menu.Checked(IDM_SPOUSTET)) startAtLogon();
    };
    for (const OptionSpec& option : Options())
        if (option.command != IDM_UKLADAT_NASTAVENI)
            window.options.push_back({option.valueName, menu.Mark(option.command)});
    window.restore = [&controls, &bars](const settings::SettingsStore& store, settings::LoadedValues& loaded) {
        controls.Recipient.Restore(store, loaded);
        bars.Restore(store, loaded);
    };
    window.programPath = shell::ProgramPath(program);
    window.repair = [&program, &menu](settings::SettingsStore& store) {
        shell::RepairAfterMove(program, store, menu.Mark(IDM_SPOUSTET));
    };
    window.record = [&controls, &bars](settings::WindowValues& values) {
        controls.Recipient.Record(values);
        bars.Record(values);
    };
    return window;
}

}  // namespace app
