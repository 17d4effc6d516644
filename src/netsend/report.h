// How the command ends: the one line it prints, in Czech, and its exit status.
#pragma once

#include <string>
#include <string_view>

namespace netsend {

enum class Outcome {
    kSent,
    kUnconfirmed,  // some of the text went out, no acceptance came: the detail says what came instead
    kPartlySent,
    kUsage,
    kNameTooLong,
    kNameNotFound,
    kRefused,
    kUnreachable,
    kNoMessenger,
    kRetargetRefused,
    kTooManyRetargets,
    kRejected,
    kNoAnswer,
    kClosed,
    kBadReply,
    kNetworkError,
    kBroadcastsOff,
    kNoSubnet,
    kUsersUnsupported,
};

// Exit status (netcommand/send_outcome.h): delivered, not understood, unconfirmed for a message
// that went out at least in part, not sent for any other failure.
int ExitStatus(Outcome outcome);

// The line for the outcome, in the program's Windows-1250 text. `subject` is the name or group it
// is about; `detail` the system's or the peer's error code where the outcome has one.
std::string OutcomeLine(Outcome outcome, std::string_view subject, std::string_view detail = {});

// The detail of kUnconfirmed: the failure that ended the exchange after the text went out.
std::string UnconfirmedDetail(Outcome failure, std::string_view detail);

}  // namespace netsend
