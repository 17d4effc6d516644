// net.exe's own command line: net send {name | * | /domain[:name] | /users} message.
#include "fuzz.h"
#include "netsend/send_command.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = fuzz::Text(data, size);
    const auto command = netsend::ParseSendCommand(line);
    if (!command) return 0;
    // The message is the end of the line, as it was; a name or a group was in it.
    fuzz::Expect(line.ends_with(command->text) && line.find(command->name) != std::string_view::npos);
    if (command->target == netsend::Target::kName) fuzz::Expect(!command->name.empty());
    if (command->target == netsend::Target::kUsers) fuzz::Expect(command->name.empty());
    return 0;
}
