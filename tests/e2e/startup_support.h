// Helpers of the start-up scenarios: registry values set for a scenario and put back, a watch on
// registry changes, and a start of the program that an observer can follow from its first window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "support/driver.h"
#include "toolkit/handles.h"

namespace startup_support {

// Runs `undo` when the scope ends: each scenario puts the prefix back as it found it.
template <typename Undo>
class Finally {
public:
    explicit Finally(Undo undo) : undo_(undo) {}
    Finally(const Finally&) = delete;
    Finally& operator=(const Finally&) = delete;
    ~Finally() { undo_(); }

private:
    Undo undo_;
};

// While it lives nobody may open the key (or, given `readable`, everyone may only read it), but
// its owner may give its permissions back.
class Locked {
public:
    explicit Locked(const std::string& path, REGSAM readable = 0) : path_(path) {
        DWORD size = sizeof saved_;
        RegGetKeySecurity(tk::RegistryKey::Create(HKEY_CURRENT_USER, path.c_str(), READ_CONTROL).Get(),
                          DACL_SECURITY_INFORMATION, saved_, &size);
        alignas(DWORD) BYTE acl[128];
        InitializeAcl(reinterpret_cast<ACL*>(acl), sizeof acl, ACL_REVISION);
        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID everyone = nullptr;
        if (readable && AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
            AddAccessAllowedAce(reinterpret_cast<ACL*>(acl), ACL_REVISION, readable, everyone);
            FreeSid(everyone);
        }
        SECURITY_DESCRIPTOR locked;
        InitializeSecurityDescriptor(&locked, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&locked, TRUE, reinterpret_cast<ACL*>(acl), FALSE);
        Set(&locked);
    }
    ~Locked() { Set(saved_); }

private:
    void Set(void* descriptor) const {
        if (const tk::RegistryKey key = tk::RegistryKey::Open(HKEY_CURRENT_USER, path_.c_str(), WRITE_DAC))
            RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, descriptor);
    }
    std::string path_;
    alignas(DWORD) BYTE saved_[1024] = {};
};

// Sets a text value of the user's for the life of the object, then restores it or removes it again.
class RegistryOverride {
public:
    RegistryOverride(const char* path, const char* name, const std::string& value)
        : path_(path), name_(name), saved_(drv::ReadString(path, name)) {
        drv::WriteString(path_, name_, value);
    }
    RegistryOverride(const RegistryOverride&) = delete;
    RegistryOverride& operator=(const RegistryOverride&) = delete;
    ~RegistryOverride() {
        if (saved_)
            drv::WriteString(path_, name_, *saved_);
        else
            drv::DeleteValue(path_, name_);
    }

private:
    const char* path_;
    const char* name_;
    std::optional<std::string> saved_;
};

// Signals any change of values or subkeys below a key from now on.
class RegistryWatch {
public:
    explicit RegistryWatch(const char* path)
        : key_(tk::RegistryKey::Create(HKEY_CURRENT_USER, path, KEY_NOTIFY)),
          event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        watching_ = key_ && RegNotifyChangeKeyValue(key_.Get(), TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                                                    event_.get(), TRUE) == ERROR_SUCCESS;
    }

    bool Watching() const { return watching_; }
    bool Changed() const { return WaitForSingleObject(event_.get(), 0) == WAIT_OBJECT_0; }

private:
    tk::RegistryKey key_;
    tk::KernelHandle event_;
    bool watching_ = false;
};

// A process started suspended, so that a watch on its windows can be set up before it runs.
struct RawProcess {
    PROCESS_INFORMATION info{};
    ~RawProcess() {
        if (info.hProcess) drv::KillProcess(info.hProcess, info.dwProcessId);
        if (info.hThread) CloseHandle(info.hThread);
        if (info.hProcess) CloseHandle(info.hProcess);
    }
    bool Start(DWORD flags) {
        std::string commandLine = "\"" + drv::ProgramPath() + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        return CreateProcessA(drv::ProgramPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                              nullptr, &startup, &info);
    }
    std::optional<DWORD> WaitExit(DWORD ms = drv::kWait) const {
        if (WaitForSingleObject(info.hProcess, ms) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
};

// Counts the windows one process creates, as the system reports them to an outside observer.
class WindowCreations {
public:
    explicit WindowCreations(DWORD processId)
        : hook_(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, Seen, processId, 0,
                                WINEVENT_OUTOFCONTEXT)) {
        count_ = 0;
    }
    WindowCreations(const WindowCreations&) = delete;
    WindowCreations& operator=(const WindowCreations&) = delete;
    ~WindowCreations() {
        if (hook_) UnhookWinEvent(hook_);
    }

    bool Hooked() const { return hook_ != nullptr; }
    // Delivers what is queued for this thread and returns the count so far.
    int Count() const {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        return count_;
    }

private:
    static void CALLBACK Seen(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG, DWORD, DWORD) {
        if (object == OBJID_WINDOW) ++count_;
    }
    static inline int count_ = 0;
    HWINEVENTHOOK hook_;
};

}  // namespace startup_support
