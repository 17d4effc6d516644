#include <windows.h>

#include <lm.h>

#include "netsend/config.h"
#include "netsend/lmhosts.h"
#include "settings/settings_codec.h"
#include "toolkit/handles.h"

namespace netsend {

namespace {
constexpr char kDefaultWorkgroup[] = "WORKGROUP";

// The user's text value where it has one, else the machine's; a value of another type is none.
std::string ReadText(const char* name) {
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        const auto value = tk::RegistryKey::Open(root, kConfigKey, KEY_READ).ReadRaw(name);
        if (value && value->type == REG_SZ)
            return settings::DecodeText(name, value->type, value->Data(), value->bytes.size());
    }
    return {};
}

std::string FromWide(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string ansi(length, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), length, nullptr, nullptr);
    ansi.pop_back();  // the terminating zero
    return ansi;
}

using WorkstationInfo = tk::UniqueHandle<WKSTA_INFO_100*, NetApiBufferFree>;
}  // namespace

Config LoadConfig() {
    return Config{settings::DecodeFlag(ReadText(kBroadcastValue), false), ParseAddress(ReadText(kWinsServerValue))};
}

LocalNames LoadLocalNames() {
    LocalNames names;
    char buffer[UNLEN + 1] = {};
    DWORD size = sizeof buffer;
    if (GetComputerNameA(buffer, &size)) names.computer = buffer;
    size = sizeof buffer;
    if (GetUserNameA(buffer, &size)) names.user = buffer;
    WKSTA_INFO_100* info = nullptr;
    if (NetWkstaGetInfo(nullptr, 100, reinterpret_cast<BYTE**>(&info)) == NERR_Success) {
        const WorkstationInfo owner(info);
        names.workgroup = FromWide(info->wki100_langroup);
    }
    if (names.workgroup.empty()) names.workgroup = kDefaultWorkgroup;
    return names;
}

}  // namespace netsend
