// One send: the editor's text, the recipient field and the mode become the messenger's command
// line and the confirmation.
#include <algorithm>

#include "fuzz.h"
#include "messaging/message_dispatch.h"

// The first byte chooses the mode; the rest is the editor's text, the field and the Windows
// directory, each ended by a NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const auto [editor, rest] = fuzz::Split(fuzz::Text(data + 1, size - 1));
    const auto [field, windows] = fuzz::Split(rest);
    const bool workgroup = data[0] & 1;
    const messaging::SendPlan plan =
        messaging::PlanSend({std::string(editor), {std::string(field), workgroup}, std::string(windows), ""});
    fuzz::Expect(plan.programPath == std::string(windows) + "\\system32\\net.exe");
    fuzz::Expect(plan.parameters.starts_with("send ") && plan.confirmation.starts_with("Zpráva byla poslána ") &&
                 plan.confirmation.ends_with("."));

    // The text sent: hard lines of at most 4096 characters, the last line break dropped.
    const std::string text = messaging::MessageText(editor);
    fuzz::Expect(plan.parameters.ends_with(" " + text) && text.size() <= editor.size());
    for (std::size_t start = 0, end; start <= text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        fuzz::Expect(end - start <= messaging::kMaxLineLength);
    }

    const std::string recipient = messaging::ResolveRecipient(field);
    fuzz::Expect(!recipient.empty());
    fuzz::Expect(plan.parameters.starts_with("send " + messaging::TargetArgument(recipient, workgroup) + " "));
    fuzz::Expect(messaging::FitsCommandLine(plan) ==
                 (plan.programPath.size() + 3 + plan.parameters.size() < messaging::kMaxCommandLine));
    return 0;
}
