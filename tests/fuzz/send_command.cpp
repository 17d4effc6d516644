// The messenger command's send syntax: net send {name | * | /domain[:name] | /users} message,
// read from a whole line and composed again.
#include "fuzz.h"
#include "netcommand/send_command.h"

namespace {

// A name that the composer writes as it is and the parser reads back unchanged: no blank, no
// leading quote or switch, not the own group's mark.
bool ComposableName(std::string_view name) {
    return name.find_first_of(" \t") == std::string_view::npos && !name.starts_with('"') &&
           !name.starts_with('/') && name != netcommand::kOwnGroup;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = fuzz::Text(data, size);
    const auto command = netcommand::ParseSendCommand(line);
    if (!command) return 0;
    // The message is the end of the line, as it was; a name or a group was in it.
    fuzz::Expect(line.ends_with(command->text) && line.find(command->name) != std::string_view::npos);
    if (command->target == netcommand::Target::kName) fuzz::Expect(!command->name.empty());
    if (command->target == netcommand::Target::kUsers) fuzz::Expect(command->name.empty());

    // What the program would compose for the same target reads back as the same command.
    if (command->target == netcommand::Target::kUsers || !ComposableName(command->name)) return 0;
    const bool group = command->target == netcommand::Target::kGroup;
    const std::string_view name = group && command->name.empty() ? netcommand::kOwnGroup : command->name;
    const auto again =
        netcommand::ParseSendCommand("net " + netcommand::ComposeSend(netcommand::TargetArgument(name, group), command->text));
    fuzz::Expect(again && again->target == command->target && again->name == command->name &&
                 again->text == command->text);
    return 0;
}
