#include "app/main_settings.h"

#include "app/command_table.h"
#include "shell/logon_start.h"
#include "shell/relocation.h"

namespace app {

namespace {

void LoadMark(const MainSettings& main, Command command) {
    main.menu.SetChecked(command, main.session.LoadFlag(FindOption(command)->valueName, main.menu.Checked(command)));
}

void Place(HWND form, const settings::WindowValues& placement) {
    SetWindowPos(form, nullptr, placement.left, placement.top, placement.width, placement.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The values as the window shows them now: the defaults of those not stored, the values to store.
settings::WindowValues ShownValues(const MainSettings& main) {
    RECT frame{};
    GetWindowRect(main.form, &frame);
    settings::WindowValues values;
    values.left = frame.left;
    values.top = frame.top;
    values.width = frame.right - frame.left;
    values.height = frame.bottom - frame.top;
    main.controls.Recipient.Record(values);
    main.bars.Record(values);
    return values;
}

}  // namespace

settings::WindowValues CentredPlacement() {
    settings::WindowValues placement;
    settings::CentreOnScreen(placement, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return placement;
}

void LoadMainSettings(const MainSettings& main) try {
    main.session.Open();
    main.running.RecordWindow(main.program.window);
    LoadMark(main, IDM_UKLADAT_NASTAVENI);
    // A first run opens in the middle of the screen and, when settings are kept, starts at log-on.
    const bool firstRun = main.session.FirstRun();
    Place(main.form, firstRun ? CentredPlacement() : main.session.LoadPlacement());
    if (firstRun && main.menu.Checked(IDM_UKLADAT_NASTAVENI) && !main.menu.Checked(IDM_SPOUSTET))
        shell::ToggleStartAtLogon(main.program, main.menu.Mark(IDM_SPOUSTET));
    for (const OptionSpec& option : Options())
        if (option.command != IDM_UKLADAT_NASTAVENI) LoadMark(main, option.command);
    main.session.OptionsRead();
    settings::WindowValues values = ShownValues(main);
    main.session.Load(settings::LoadStep::Workgroup, values);
    main.controls.Recipient.SetWorkgroupMode(values.workgroup);
    main.session.Load(settings::LoadStep::Destination, values);
    main.controls.Recipient.ShowStored(values.destination);
    main.session.Load(settings::LoadStep::Bands, values);
    main.bars.Arrange(values);
    shell::RepairAfterMove(main.program, main.session.Store(), main.menu.Mark(IDM_SPOUSTET));
} catch (const settings::SettingsError& error) {
    main.session.Stopped(error);
    throw;
}

void SaveMainSettings(const MainSettings& main) {
    if (!main.session.IsOpen()) return;
    main.session.Save(ShownValues(main), main.menu.Checked(IDM_UKLADAT_NASTAVENI), shell::ProgramPath(main.program));
    main.running.DropWindow();
    main.session.Close();
}

}  // namespace app
