// The messenger command's send syntax, as Pebblewire composes it and net.exe reads it:
//   net send {name | * | /domain[:name] | /users} message
// the message being the rest of the line after one blank, line breaks and all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace netcommand {

// Everyone in the sender's own workgroup or domain.
inline constexpr std::string_view kOwnGroup = "*";

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

// "/domain:" + name for a group, the name alone otherwise; kOwnGroup never gets the prefix.
std::string TargetArgument(std::string_view name, bool group);

// The parameters that follow the program's name: "send", the target argument, one blank and the text.
std::string ComposeSend(std::string_view targetArgument, std::string_view text);

// The send command in a whole command line, the program's own name first (quoted or not);
// nothing when the line holds no send command. A name may be quoted to hold blanks.
std::optional<SendCommand> ParseSendCommand(std::string_view commandLine);

}  // namespace netcommand
