// How the command ends: the one line it prints, in Czech, and its exit status.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace netsend {

enum class Outcome {
    kSent,
    kPartlySent,
    kUsage,
    kNameTooLong,
    kNameNotFound,
    kRefused,
    kUnreachable,
    kNoMessenger,
    kRetargetRefused,
    kRejected,
    kNoAnswer,
    kClosed,
    kBadReply,
    kNetworkError,
    kBroadcastsOff,
    kNoSubnet,
    kUsersUnsupported,
};

// Exit status: 0 sent, 1 a command line this command does not understand, 2 any other failure.
int ExitStatus(Outcome outcome);

// The line for the outcome, in the program's Windows-1250 text. `subject` is the name or group it
// is about; `detail` the system's or the peer's error code where the outcome has one.
std::string OutcomeLine(Outcome outcome, std::string_view subject, std::string_view detail = {});

// The notice that a text longer than `limit` bytes was cut there.
std::string CutNotice(std::size_t limit);

}  // namespace netsend
