#include "messaging/message_dispatch.h"

#include "messaging/recipient_rules.h"
#include "toolkit/ansi_text.h"

namespace messaging {

namespace {
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kNotDelivered = "Zprávu se nepodařilo doručit.\n";
constexpr std::string_view kUncertain = "Není jisté, zda zpráva došla.\n";
}  // namespace

std::string MessageText(std::string_view editorText) {
    if (editorText.ends_with(kLineBreak)) editorText.remove_suffix(kLineBreak.size());
    std::string text;
    text.reserve(editorText.size());
    for (;;) {
        const std::size_t end = editorText.find(kLineBreak);
        text += editorText.substr(0, end).substr(0, kMaxLineLength);
        if (end == std::string_view::npos) break;
        text += kLineBreak;
        editorText.remove_prefix(end + kLineBreak.size());
    }
    return text;
}

std::string ResolveRecipient(std::string_view fieldText) {
    return NamesNobody(fieldText) ? std::string(kOwnWorkgroup) : tk::LocaleUpper(tk::TrimControl(fieldText));
}

std::string ConfirmationText(std::string_view recipient, bool workgroupMode) {
    std::string text = "Zpráva byla poslána ";
    if (recipient == kOwnWorkgroup)
        text += "vaší pracovní skupině";
    else
        (text += workgroupMode ? "pracovní skupině " : "uživateli ") += recipient;
    return text + ".";
}

SendPlan PlanSend(const SendInputs& inputs) {
    const std::string recipient = ResolveRecipient(inputs.target.fieldText);
    SendPlan plan;
    plan.programPath = inputs.messengerBeside.empty() ? inputs.windowsDirectory + std::string(kMessengerSubPath)
                                                      : inputs.messengerBeside;
    plan.parameters =
        netcommand::ComposeSend(TargetArgument(recipient, inputs.target.workgroupMode), MessageText(inputs.editorText));
    plan.confirmation = ConfirmationText(recipient, inputs.target.workgroupMode);
    return plan;
}

bool FitsCommandLine(const SendPlan& plan) {
    constexpr std::size_t kQuotesAndBlank = 3;
    return plan.programPath.size() + kQuotesAndBlank + plan.parameters.size() < kMaxCommandLine;
}

std::string ReportText(std::string_view output) {
    return std::string(tk::TrimControl(output.substr(0, output.find('\0'))).substr(0, kMaxReport));
}

Verdict JudgeSend(std::string_view confirmation, std::string_view report, unsigned long exitStatus, bool timedOut) {
    if (!timedOut && exitStatus == netcommand::kDelivered) {
        const std::string_view cut = netcommand::FindCutNotice(report);
        if (cut.empty()) return {Verdict::kDelivered, std::string(confirmation), false};
        return {Verdict::kDelivered, std::string(confirmation) + "\n" + std::string(cut), true};
    }
    const bool uncertain = timedOut || exitStatus == netcommand::kUnconfirmed;
    Verdict verdict{uncertain ? Verdict::kUncertain : Verdict::kFailed,
                    std::string(uncertain ? kUncertain : kNotDelivered)};
    if (timedOut)
        verdict.text += "Příkaz neskončil do " + std::to_string(unsigned(kSendWaitMs / 1000)) + " s a byl ukončen.";
    else if (!report.empty())
        verdict.text += report;
    else
        verdict.text += "Příkaz skončil se stavem " + std::to_string(unsigned(exitStatus)) + ".";
    return verdict;
}

std::string NotStartedText(std::string_view programPath) {
    return std::string(kNotDelivered) + "Nelze spustit program " + std::string(programPath) + ".";
}

}  // namespace messaging
