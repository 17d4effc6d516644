#include "app/command_table.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

#include "app/main_form.h"
#include "settings/settings_codec.h"

namespace app {

namespace {

constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
constexpr Shortcut kNone{0, 0, ""};

using F = TMainForm;
// One row a command: id, menu caption, tooltip, status-line hint, image, shortcut, handler.
// clang-format off
constexpr CommandSpec kCommands[] = {
    // Soubor
    {IDM_NOVA, "&Nová zpráva", "Nová zpráva", "Vytvořit novou zprávu",
     kImageNew, {kCtrl, 'N', "Ctrl+N"}, &F::Nova1Click},
    {IDM_POSLAT, "&Poslat zprávu", "Poslat zprávu", "Poslat zprávu na uvedený počítač/pracovní skupinu",
     kImageSend, {kCtrl, 'S', "Ctrl+S"}, &F::Poslat1Click},
    {IDM_OTEVRIT, "&Otevřít zprávu...", "Otevřít zprávu", "Načíst zprávu ze souboru",
     kImageOpen, {kCtrl, 'O', "Ctrl+O"}, &F::Otevrit1Click},
    {IDM_ULOZIT_JAKO, "&Uložit zprávu jako...", "Uložit zprávu", "Uložit zprávu do souboru",
     kImageSave, kNone, &F::Ulozitjako1Click},
    {IDM_KONEC, "&Konec", "", "Ukončit program",
     -1, kNone, &F::Konec1Click},
    // Možnosti
    {IDM_SPOUSTET, "&Spouštět po přihlášení", "", "Spouštět program po každém přihlášení do Windows",
     -1, kNone, &F::Spoustetswindows1Click},
    {IDM_DO_TRAYBARU, "Minimalizovat do &Traybaru", "", "Minimalizovat do systémové oblasti panelu Start",
     -1, kNone, &F::Dotraybaru1Click},
    {IDM_ZAVIRAT_DO_TRAYBARU, "&Zavírat do Traybaru", "",
     "Při zavření křížkem vpravo nahoře pouze minimalizovat do Traybaru",
     -1, kNone, &F::Zaviratdotraybaru1Click},
    {IDM_UKLADAT_NASTAVENI, "&Ukládat pozici a vzhled okna", "", "Pamatovat si nastavení programu",
     -1, kNone, &F::Ukladatnastaveni1Click},
    {IDM_VYMAZAT, "&Vymazat zprávu po odeslání", "", "Po odeslání zprávy vytvořit novou",
     -1, kNone, &F::Vymazat1Click},
    {IDM_POSLEDNI_ZPRAVU, "&Načítat poslední zprávu", "", "Při spuštění otevřít poslední zprávu",
     -1, kNone, &F::Poslednizpravu1Click},
    {IDM_PRIDAT_ZASTUPCE, "Přidat &zástupce do nabídky Start", "", "Přidá zástupce tohoto programu do nabídky Start",
     -1, kNone, &F::Pridatzastupce1Click},
    {IDM_ODSTRANIT_Z_REGISTRU, "&Odstranit z registrů", "",
     "Odstraní všechny položky v registrech vytvořené tímto programem",
     -1, kNone, &F::Odstranitzregistru1Click},
    // Nápověda
    {IDM_OBSAH_NAPOVEDY, "Obsah &nápovědy", "Nápověda", "Zobrazí obsah nápovědy",
     kImageHelp, {FVIRTKEY, VK_F1, "F1"}, &F::Obsahnapovedy1Click},
    {IDM_O_PROGRAMU, "&O programu Pebblewire...", "", "Zobrazí informace o tomto programu",
     -1, kNone, &F::Oprogramu1Click},
    // Tray menu
    {IDM_SHOW_WINDOW, "&Psát zprávu", "", "",
     -1, kNone, &F::ShowWindow1Click},
    {IDM_HIDE_WINDOW, "&Skrýt okno programu", "", "",
     -1, kNone, &F::HideWindow1Click},
};
// clang-format on

constexpr OptionSpec kOptions[] = {
    {IDM_UKLADAT_NASTAVENI, settings::kSaveAtClose, true},      {IDM_DO_TRAYBARU, settings::kInTraybar, true},
    {IDM_ZAVIRAT_DO_TRAYBARU, settings::kCloseToTraybar, true}, {IDM_VYMAZAT, settings::kClearAfterSend, true},
    {IDM_POSLEDNI_ZPRAVU, settings::kLoadLastMsg, false},
};

}  // namespace

std::span<const CommandSpec> Commands() { return kCommands; }

const CommandSpec* FindCommand(Command id) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [id](const CommandSpec& command) { return command.id == id; });
    return found == std::end(kCommands) ? nullptr : found;
}

CommandHandler HandlerOf(Command id) {
    const CommandSpec* row = FindCommand(id);
    if (!row || !row->handler)
        throw std::runtime_error("Příkaz " + std::to_string(unsigned(id)) + " zatím nemá obsluhu");
    return row->handler;
}

std::string MenuText(const CommandSpec& command) {
    std::string text(command.caption);
    if (command.shortcut.key) (text += '\t') += command.shortcut.text;
    return text;
}

std::string ButtonHint(const CommandSpec& command) {
    std::string hint(command.tip);
    if (command.shortcut.key) ((hint += " (") += command.shortcut.text) += ')';
    return (hint += '|') += command.hint;
}

// Counted first, so that the table is made at its size: no growth code for one call.
std::vector<ACCEL> Accelerators() {
    const auto withShortcut = [](const CommandSpec& command) { return command.shortcut.key != 0; };
    std::vector<ACCEL> table(size_t(std::count_if(std::begin(kCommands), std::end(kCommands), withShortcut)));
    auto next = table.begin();
    for (const CommandSpec& command : kCommands)
        if (withShortcut(command)) *next++ = {command.shortcut.flags, command.shortcut.key, command.id};
    return table;
}

std::span<const OptionSpec> Options() { return kOptions; }

const OptionSpec* FindOption(Command command) {
    const auto found = std::find_if(std::begin(kOptions), std::end(kOptions),
                                    [command](const OptionSpec& option) { return option.command == command; });
    return found == std::end(kOptions) ? nullptr : found;
}

}  // namespace app
