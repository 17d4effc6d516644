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

// To a name: its address first, all within the deadline.
Delivery Deliver(const Message& message, const Config& config, const Deadline& deadline) {
    const auto address = ResolveName(message.to, config, deadline);
    if (!address) return {Outcome::kNameNotFound};
    return DeliverMessage(*address, message, deadline);
}

// Delivers the message within `deadline`, its text cut to the limit when it is longer.
Delivery Send(const SendCommand& command, const LocalNames& local, const std::string& recipient,
              const Deadline& deadline) {
    const bool group = command.target == Target::kGroup;
    const std::string computer = ToOem(local.computer);
    Message message{computer, std::string(Originator(ToOem(local.user), computer)), ToOem(recipient),
                    ToOem(command.text)};
    if (message.to.size() > kNameLength) return {Outcome::kNameTooLong};
    const Config config = LoadConfig();
    if (group && !config.broadcasts) return {Outcome::kBroadcastsOff};
    const std::size_t limit = group ? kBroadcastLimit : kMessageLimit;
    const std::size_t cut = message.text.size() > limit ? limit : 0;
    if (cut) message.text.resize(cut);
    const Winsock winsock;
    if (winsock.Started()) return {Outcome::kNetworkError, std::to_string(winsock.Started())};
    Delivery delivery = group ? BroadcastMessage(message) : Deliver(message, config, deadline);
    delivery.cut = cut;
    return delivery;
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
    const Delivery delivery = Send(*command, local, recipient, deadline);
    // Told only of a text that went out.
    if (delivery.cut && ExitStatus(delivery.outcome) != netcommand::kNotSent)
        PrintLine(netcommand::CutNotice(delivery.cut), false);
    // A name too long is told as the name alone, a group's or not.
    const bool aboutGroup = command->target == Target::kGroup && delivery.outcome != Outcome::kNameTooLong;
    return Finish(delivery, aboutGroup ? "pracovní skupinu " + recipient : recipient);
}
