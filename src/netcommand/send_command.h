// The command line as the system's messenger command takes it:
//   net send {name | * | /domain[:name] | /users} message
// the message being the rest of the line after one blank, line breaks and all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace netsend {

enum class Target {
    kName,   // a user or computer
    kGroup,  // a workgroup or domain; no name for the computer's own
    kUsers,  // everyone with a session on this computer
};

struct SendCommand {
    Target target = Target::kName;
    std::string name;
    std::string text;
};

// The send command in a whole command line, the program's own name first (quoted or not);
// nothing when the line holds no send command. A name may be quoted to hold blanks.
std::optional<SendCommand> ParseSendCommand(std::string_view commandLine);

}  // namespace netsend
