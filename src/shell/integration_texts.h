// What start at log-on, the Start-menu shortcut and the registry clean-up say to the user.
#pragma once

namespace shell {

constexpr char kStartMenuShortcutName[] = "Pebblewire";
constexpr char kStartMenuDescription[] = "Program pro posílání krátkých textových zpráv počítačům v místní síti.";

// Error: start at log-on was asked for, but the Run value is not there afterwards.
constexpr char kRunValueNotWritten[] =
    "Nepodařilo se zapsat do uživatelské větve registrů, aby se program spouštěl při vašem přihlášení do systému. "
    "Řekněte si administrátorovi o povolení zápisu do vaší větve v registrech.";
// Error: start at log-on was switched off, but the Run value is still there.
constexpr char kRunValueNotRemoved[] =
    "Nepodařilo se odstranit z uživatelské větve registrů položku, která spouští program při vašem přihlášení do "
    "systému. Řekněte si administrátorovi o povolení zápisu do vaší větve v registrech.";
// Information: the program file moved, and what was repaired.
constexpr char kProgramMoved[] =
    "Umístění nebo název programu Pebblewire na disku bylo změněno. Pokud je zapnuto spouštění programu při přihlášení "
    "do systému nebo pokud jste vytvořili zástupce programu do nabídky Start, v obou případech byla cesta k programu a "
    "jeho název opravena.";
// Warning: the clean-up removed everything and the program quits.
constexpr char kRegistryCleaned[] =
    "Všechny položky v registrech, které vytvořil tento program, byly odstraněny. Program se nyní ukončí a do registrů "
    "nic nezapíše, i kdyby bylo zaškrtnuto ukládání nastavení programu. Při opětovném spuštění se však všechny položky "
    "v registrech obnoví!";
// Error: the clean-up could not delete the settings section; the program quits all the same.
constexpr char kSettingsNotRemoved[] =
    "Nastavení programu se z registrů nepodařilo odstranit, klíč HKEY_CURRENT_USER\\Software\\Brantel\\Pebblewire v "
    "registrech zůstal. Odstraňte jej prosím sami, nebo si řekněte administrátorovi o povolení zápisu do vaší větve v "
    "registrech. Program se nyní ukončí a do registrů nic nezapíše.";

}  // namespace shell
