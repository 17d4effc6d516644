// net.exe: the messenger command for systems that have none. It takes the system's command line,
//   net send {name | * | /domain[:name] | /users} message
// delivers the message over NetBIOS and ends with a line in Czech and an exit status.
#include <windows.h>

#include "netsend/config.h"
#include "netsend/console.h"
#include "netsend/deliver.h"
#include "netsend/netbios.h"
#include "netsend/resolve.h"
#include "netsend/smb.h"
#include "netsend/sockets.h"
#include "netcommand/send_command.h"
#include "netcommand/send_outcome.h"
#include "toolkit/ansi_text.h"

namespace {

using namespace netsend;
using netcommand::SendCommand;
using netcommand::Target;

int Finish(const Delivery& delivery, std::string_view subject) {
    PrintLine(OutcomeLine(delivery.outcome, subject, delivery.detail), delivery.outcome != Outcome::kSent);
    return ExitStatus(delivery.outcome);
}

// Delivers the message within `deadline`, its text cut at `cut` when it is longer (then `cut` is
// left as it is, else set to zero).
Delivery Send(const SendCommand& command, const LocalNames& local, const std::string& recipient,
              const Deadline& deadline, std::size_t& cut) {
    const bool group = command.target == Target::kGroup;
    const std::string computer = ToOem(local.computer);
    Message message{computer, std::string(Originator(ToOem(local.user), computer)), ToOem(recipient),
                    ToOem(command.text)};
    if (message.to.size() > kNameLength) return {Outcome::kNameTooLong};
    const Config config = LoadConfig();
    if (group && !config.broadcasts) return {Outcome::kBroadcastsOff};
    cut = group ? kBroadcastLimit : kMessageLimit;
    if (message.text.size() > cut)
        message.text.resize(cut);
    else
        cut = 0;
    const Winsock winsock;
    if (winsock.Started()) return {Outcome::kNetworkError, std::to_string(winsock.Started())};
    if (group) return BroadcastMessage(message);
    const auto address = ResolveName(message.to, config, deadline);
    if (!address) return {Outcome::kNameNotFound};
    return DeliverMessage(*address, message, deadline);
}

}  // namespace

int main() {
    const Deadline deadline(netcommand::kCommandDeadlineMs);
    const auto command = netcommand::ParseSendCommand(GetCommandLineA());
    if (!command) return Finish({Outcome::kUsage}, {});
    if (command->target == Target::kUsers) return Finish({Outcome::kUsersUnsupported}, {});
    const LocalNames local = LoadLocalNames();
    const bool ownGroup = command->target == Target::kGroup && command->name.empty();
    const std::string recipient = tk::LocaleUpper(ownGroup ? local.workgroup : command->name);
    std::size_t cut = 0;
    const Delivery delivery = Send(*command, local, recipient, deadline, cut);
    // Told only of a text that went out.
    if (cut && ExitStatus(delivery.outcome) != netcommand::kNotSent) PrintLine(netcommand::CutNotice(cut), false);
    // A name too long is told as the name alone, a group's or not.
    const bool aboutGroup = command->target == Target::kGroup && delivery.outcome != Outcome::kNameTooLong;
    return Finish(delivery, aboutGroup ? "pracovní skupinu " + recipient : recipient);
}
