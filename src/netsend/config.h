// What the command is set to do, and who sends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace netsend {

// The command's own values, text (REG_SZ) as the program's settings are, each read from
// HKEY_CURRENT_USER and else from HKEY_LOCAL_MACHINE:
constexpr char kConfigKey[] = "Software\\Brantel\\NetSend";
// "1" lets the command broadcast (name queries and group messages) on the local subnets. Off
// unless set, so that nothing goes onto a network unasked.
constexpr char kBroadcastValue[] = "Broadcast";
// The dotted address of the name server (WINS) to ask for names.
constexpr char kWinsServerValue[] = "WinsServer";

struct Config {
    bool broadcasts = false;
    std::optional<std::uint32_t> winsServer;  // host order
};
Config LoadConfig();

// The local computer's and user's names and the computer's workgroup or domain, in ANSI.
struct LocalNames {
    std::string computer;
    std::string user;
    std::string workgroup;
};
LocalNames LoadLocalNames();

}  // namespace netsend
