#include "netsend/report.h"

#include "netcommand/send_outcome.h"

namespace netsend {

namespace {
struct Line {
    Outcome outcome;
    std::string_view format;  // {0} the subject, {1} the detail
};

constexpr Line kLines[] = {
    {Outcome::kSent, "Zpráva pro {0} byla odeslána."},
    {Outcome::kUnconfirmed, "Zpráva pro {0} byla odeslána, ale příjemce její převzetí nepotvrdil ({1})."},
    {Outcome::kPartlySent, "Zpráva pro {0} byla odeslána jen do některých sítí (chyba sítě {1})."},
    {Outcome::kUsage, "Použití: NET SEND {jméno | * | /DOMAIN[:jméno] | /USERS} zpráva"},
    {Outcome::kNameTooLong, "Jméno {0} je delší než 15 znaků; zpráva nebyla odeslána."},
    {Outcome::kNameNotFound, "Jméno {0} nebylo v síti nalezeno; zpráva nebyla odeslána."},
    {Outcome::kRefused, "Počítač {0} odmítl spojení; zpráva nebyla odeslána."},
    {Outcome::kUnreachable, "Počítač {0} není v síti dosažitelný; zpráva nebyla odeslána."},
    {Outcome::kNoMessenger, "Na počítači {0} zprávy nikdo nepřijímá (kód {1}); zpráva nebyla odeslána."},
    {Outcome::kRetargetRefused,
     "Počítač {0} odkázal na adresu, kam tento příkaz zprávy neposílá; zpráva nebyla odeslána."},
    {Outcome::kTooManyRetargets,
     "Počítač {0} odkazoval spojení dál víckrát, než tento příkaz sleduje; zpráva nebyla odeslána."},
    {Outcome::kRejected, "Počítač {0} zprávu odmítl (kód {1})."},
    {Outcome::kNoAnswer, "Počítač {0} neodpovídá; zpráva nebyla odeslána."},
    {Outcome::kClosed, "Počítač {0} ukončil spojení; zpráva nebyla odeslána."},
    {Outcome::kBadReply, "Počítač {0} odpověděl nesrozumitelně; zpráva nebyla odeslána."},
    {Outcome::kNetworkError, "Chyba sítě {1} při odesílání zprávy pro {0}; zpráva nebyla odeslána."},
    {Outcome::kBroadcastsOff,
     "Zprávy pro {0} se posílají do celé sítě, a to je vypnuto (hodnota Broadcast v klíči "
     "Software\\Brantel\\NetSend)."},
    {Outcome::kNoSubnet, "Tento počítač nemá síť, do které by mohl vysílat; zpráva pro {0} nebyla odeslána."},
    {Outcome::kUsersUnsupported, "Tento příkaz nemá vlastní sezení s uživateli; zpráva pro /USERS nebyla odeslána."},
};

// What came instead of the acceptance, for kUnconfirmed's line.
constexpr Line kUnconfirmedDetails[] = {
    {Outcome::kNoAnswer, "odpověď nepřišla včas"},    {Outcome::kClosed, "spojení ukončil"},
    {Outcome::kBadReply, "odpověděl nesrozumitelně"}, {Outcome::kRejected, "odpověděl chybou {1}"},
    {Outcome::kNetworkError, "chyba sítě {1}"},
};

std::string Fill(std::string_view format, std::string_view subject, std::string_view detail) {
    std::string text;
    for (std::size_t at = 0; at < format.size(); ++at) {
        const std::string_view rest = format.substr(at);
        if (rest.starts_with("{0}")) {
            text += subject;
            at += 2;
        } else if (rest.starts_with("{1}")) {
            text += detail;
            at += 2;
        } else {
            text += format[at];
        }
    }
    return text;
}

std::string FillFrom(const auto& lines, Outcome outcome, std::string_view subject, std::string_view detail) {
    for (const Line& line : lines)
        if (line.outcome == outcome) return Fill(line.format, subject, detail);
    return {};
}
}  // namespace

int ExitStatus(Outcome outcome) {
    switch (outcome) {
    case Outcome::kSent: return netcommand::kDelivered;
    case Outcome::kUsage: return netcommand::kNotUnderstood;
    case Outcome::kUnconfirmed:
    case Outcome::kPartlySent: return netcommand::kUnconfirmed;
    default: return netcommand::kNotSent;
    }
}

std::string OutcomeLine(Outcome outcome, std::string_view subject, std::string_view detail) {
    return FillFrom(kLines, outcome, subject, detail);
}

std::string UnconfirmedDetail(Outcome failure, std::string_view detail) {
    const std::string text = FillFrom(kUnconfirmedDetails, failure, {}, detail);
    return text.empty() ? std::string(detail) : text;
}

}  // namespace netsend
