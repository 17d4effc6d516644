#include "netsend/report.h"

namespace netsend {

namespace {
struct Line {
    Outcome outcome;
    std::string_view format;  // {0} the subject, {1} the detail
};

constexpr Line kLines[] = {
    {Outcome::kSent, "Zpráva pro {0} byla odeslána."},
    {Outcome::kPartlySent, "Zpráva pro {0} byla odeslána jen do některých sítí (chyba sítě {1})."},
    {Outcome::kUsage, "Použití: NET SEND {jméno | * | /DOMAIN[:jméno] | /USERS} zpráva"},
    {Outcome::kNameTooLong, "Jméno {0} je delší než 15 znaků; zpráva nebyla odeslána."},
    {Outcome::kNameNotFound, "Jméno {0} nebylo v síti nalezeno; zpráva nebyla odeslána."},
    {Outcome::kRefused, "Počítač {0} odmítl spojení; zpráva nebyla odeslána."},
    {Outcome::kUnreachable, "Počítač {0} není v síti dosažitelný; zpráva nebyla odeslána."},
    {Outcome::kNoMessenger, "Na počítači {0} zprávy nikdo nepřijímá (kód {1}); zpráva nebyla odeslána."},
    {Outcome::kRetargetRefused,
     "Počítač {0} odkázal na adresu, kam tento příkaz zprávy neposílá; zpráva nebyla odeslána."},
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
}  // namespace

int ExitStatus(Outcome outcome) {
    switch (outcome) {
    case Outcome::kSent: return 0;
    case Outcome::kUsage: return 1;
    default: return 2;
    }
}

std::string OutcomeLine(Outcome outcome, std::string_view subject, std::string_view detail) {
    std::string text;
    for (const Line& line : kLines) {
        if (line.outcome != outcome) continue;
        for (std::size_t at = 0; at < line.format.size(); ++at) {
            const std::string_view rest = line.format.substr(at);
            if (rest.starts_with("{0}")) {
                text += subject;
                at += 2;
            } else if (rest.starts_with("{1}")) {
                text += detail;
                at += 2;
            } else {
                text += line.format[at];
            }
        }
    }
    return text;
}

std::string CutNotice(std::size_t limit) {
    return "Zpráva je delší než " + std::to_string(limit) + " bajtů; odeslána je jen její první část.";
}

}  // namespace netsend
