#include "app/startup.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "app/command_line.h"
#include "app/main_form.h"
#include "app/running_instance.h"
#include "settings/settings_store.h"
#include "messaging/messenger.h"
#include "shell/shell_link.h"
#include "toolkit/application.h"
#include "toolkit/fonts.h"
#include "toolkit/guarded.h"
#include "toolkit/handles.h"

namespace app {

namespace {

constexpr char kTitle[] = "Pebblewire";
constexpr DWORD kVersionRecordSize = 148;
static_assert(sizeof(OSVERSIONINFOA) == kVersionRecordSize);

constexpr char kRefusal[] =
    "Program Pebblewire je pouze pro operační systémy Windows 2000 a NT. Pod Windows ME/98/95 nefunguje, ale místo "
    "něj je zde podobný program WinPopup (součást Windows ME/98/95). Oba programy slouží k posílání krátkých "
    "textových zpráv počítačům v místní síti. Zprávy poslané z obou programů jsou navzájem kompatibilní. Narozdíl "
    "od Pebblewirea je WinPopup nutný také k přijímání zpráv."
    "\r\r"
    "Chcete proto vytvořit zástupce programu WinPopup do nabídky Po spuštění a hned jej spustit, aby vám neunikla "
    "žádná zpráva?";
constexpr char kWinPopupShortcut[] = "WinPopup";
constexpr char kWinPopupFile[] = "\\Winpopup.exe";

// Serialises the running-instance test with the creation of the marker, so that two starts at
// the same moment cannot both pass the test. Bounded: a start never waits for ever.
constexpr char kStartupMutex[] = "BRANTEL_PEBBLEWIRE_STARTING";
constexpr DWORD kStartupLockWait = 10000;

struct OsVersion {
    bool known = false;
    DWORD platform = 0, major = 0, minor = 0;
};

OsVersion QueryVersion() {
    OSVERSIONINFOA record{};
    record.dwOSVersionInfoSize = kVersionRecordSize;
    if (!GetVersionExA(&record)) return {};
    return {true, record.dwPlatformId, record.dwMajorVersion, record.dwMinorVersion};
}

// "MS Sans Serif" up to Windows NT 4.0 and whenever the version is unknown.
bool NeedsClassicFont(const OsVersion& version) {
    return !version.known || version.major < 4 || (version.major == 4 && version.minor < 90);
}

// The single-threaded apartment of the user-interface thread, for the shell-link object.
class ComApartment {
public:
    ComApartment() : result_(CoInitialize(nullptr)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }

private:
    HRESULT result_;
};

class StartupLock {
public:
    StartupLock() : mutex_(CreateMutexA(nullptr, FALSE, kStartupMutex)) {
        // An owner that died while starting leaves the mutex abandoned, which still hands it over.
        const DWORD wait = mutex_ ? WaitForSingleObject(mutex_.get(), kStartupLockWait) : WAIT_FAILED;
        owned_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
        // A box shown while starting (a settings error, the repair after a move) lets the lock
        // go: a second start must not wait behind a box the user may leave open.
        tk::Application::Instance().SetBeforeModal([this] { Release(); });
    }
    StartupLock(const StartupLock&) = delete;
    StartupLock& operator=(const StartupLock&) = delete;
    ~StartupLock() { Release(); }

    void Release() {
        if (owned_) ReleaseMutex(mutex_.get());
        owned_ = false;
        tk::Application::Instance().SetBeforeModal(nullptr);
    }

private:
    tk::KernelHandle mutex_;
    bool owned_ = false;
};

// On Windows 95/98/ME: explain, and on Yes put WinPopup into the start-up folder and start it.
void OfferWinPopup() {
    tk::Application& application = tk::Application::Instance();
    if (application.AsOwner().Tell(kRefusal, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    const std::string winPopup = messaging::WindowsDirectory() + kWinPopupFile;
    shell::CreateShortcut(shell::ShellFolderKind::Startup, "", true, kWinPopupShortcut, "", winPopup, "", "",
                          shell::ShortcutWindowState::Minimized);
    ShellExecuteA(application.Handle(), "open", winPopup.c_str(), "", nullptr, SW_SHOW);
}

// An "InTraybar" the entry routine cannot read (one of another registry type) counts as off here:
// otherwise the program would end before its window, at every start, until the user mended the
// registry by hand. The window's creation reads it again, reporting what is wrong with it.
bool HiddenStartWanted(const settings::SettingsStore& store) {
    try {
        return store.LoadFlag(settings::kSection, settings::kInTraybar, true);
    } catch (const settings::SettingsError&) {
        return false;
    }
}

// A hidden instance, behind its icon or after a start that stopped short, shows itself: no icon
// may be there to bring it back by.
void BringForward(HWND window) {
    if (!IsWindowVisible(window)) tk::Application::RequestShow(window);
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

// Hands over to a running instance, or makes the application window and settles a hidden start.
// True when this start goes on to the main window.
bool PrepareStart() {
    const settings::SettingsStore store;
    if (HWND running = RunningInstance::Find(store)) {
        BringForward(running);
        return false;
    }
    tk::Application& application = tk::Application::Instance();
    if (!application.Initialize(kTitle)) return false;
    if (StartsMinimized(GetCommandLineA()) && HiddenStartWanted(store)) {
        // No window and no taskbar button: only the notification-area icon shows.
        application.SetShowMainForm(false);
        ShowWindow(application.Handle(), SW_HIDE);
    }
    return true;
}

}  // namespace

int RunProgram() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    tk::Application& application = tk::Application::Instance();
    application.SetTitle(kTitle);
    // Entered only on the paths that go on to use it: a hand-over to a running instance makes no
    // window at all, not even the apartment's.
    std::optional<ComApartment> com;

    const OsVersion version = QueryVersion();
    if (version.known && version.platform == VER_PLATFORM_WIN32_WINDOWS) {
        com.emplace();
        if (application.Initialize(kTitle)) tk::Guarded(OfferWinPopup);
        return 0;
    }

    StartupLock lock;
    if (!tk::Guarded<bool>(PrepareStart, false)) return 0;
    com.emplace();
    tk::SetUseClassicFont(NeedsClassicFont(version));
    // The program's owner, made once: the main form hands it to everything that acts for it.
    const tk::Owner program = application.AsOwner();
    TMainForm mainForm(application);
    application.SetMainForm(&mainForm);
    const bool created = mainForm.Create(program);
    lock.Release();
    if (created) application.Run();
    return 0;
}

}  // namespace app
