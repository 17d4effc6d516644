// What one send passes to the messenger command and what it tells the user.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "netcommand/send_command.h"
#include "netcommand/send_outcome.h"

namespace messaging {

// Everyone in the user's own workgroup or domain.
inline constexpr std::string_view kOwnWorkgroup = netcommand::kOwnGroup;
inline constexpr std::string_view kMessengerSubPath = "\\system32\\net.exe";
// The messenger's file name, looked for beside the program first.
inline constexpr std::string_view kMessengerName = "net.exe";
inline constexpr std::size_t kMaxLineLength = 4096;
// The longest command line, terminating NUL included, that the system starts a program with.
inline constexpr std::size_t kMaxCommandLine = 32767;

// Whom a message goes to, as the recipient controls show it.
struct SendTarget {
    std::string fieldText;       // the recipient field as it stands
    bool workgroupMode = false;  // "Pracovní skupina:" is checked
};

struct SendInputs {
    std::string editorText;  // the editor's whole text, hard line breaks as CR LF
    SendTarget target;
    std::string windowsDirectory;
    std::string messengerBeside;  // a net.exe in the program's own folder, empty when there is none
};

struct SendPlan {
    std::string programPath;   // the messenger beside the program, else Windows directory + "\system32\net.exe"
    std::string parameters;    // "send " + target + " " + text
    std::string confirmation;  // "Zpráva byla poslána ..." shown after a delivery
};

// How long the messenger may take to start and end beyond its own deadline (a loaded machine's
// process start and end), so that the program ends only a command already past that deadline.
inline constexpr unsigned long kStartMarginMs = 10000;
// How long a send waits for the messenger before ending it.
inline constexpr unsigned long kSendWaitMs = netcommand::kCommandDeadlineMs + kStartMarginMs;
// The most of the messenger's output that its report keeps.
inline constexpr std::size_t kMaxReport = 1024;

// The hard lines joined with CR LF: one trailing CR LF dropped, each line cut to 4096 characters.
std::string MessageText(std::string_view editorText);

// Trimmed and upper-cased field text; "*" when that leaves nothing or the field shows the placeholder.
std::string ResolveRecipient(std::string_view fieldText);

// The recipient as the send command names it (see netcommand/send_command.h).
using netcommand::TargetArgument;

std::string ConfirmationText(std::string_view recipient, bool workgroupMode);

SendPlan PlanSend(const SendInputs& inputs);

// Whether the system can start the messenger with the plan's parameters: the command line it
// builds, the quoted program path, a blank and the parameters, fits kMaxCommandLine. A longer
// one would be cut short, or not started at all, while the user was told it went.
bool FitsCommandLine(const SendPlan& plan);

// What the messenger said, in the ANSI code page: its output up to any NUL, blanks and line
// breaks around it removed, cut to kMaxReport characters.
std::string ReportText(std::string_view output);

// What the user is told once the messenger has ended: a delivery is confirmed (with the cut
// notice under it when the text went out cut, and the editor keeps the text then); a message that
// may have arrived, or whose messenger was ended after kSendWaitMs, gets "Není jisté, zda zpráva
// došla."; any other "Zprávu se nepodařilo doručit.". Under either heading, the wait running out,
// else the messenger's report, else its exit status.
struct Verdict {
    enum Kind { kDelivered, kUncertain, kFailed } kind = kFailed;
    std::string text;
    bool keepText = true;  // the editor keeps the text even with clear-after-send on
};
Verdict JudgeSend(std::string_view confirmation, std::string_view report, unsigned long exitStatus, bool timedOut);
// The same for a messenger that could not be started at all.
std::string NotStartedText(std::string_view programPath);

}  // namespace messaging
