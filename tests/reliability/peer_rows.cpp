// Messengers that misbehave (tests/support/fake-messenger.py, on 198.18.12.2 in the peers'
// namespace): net.exe ends in time, follows no retarget into this machine, takes a reply whose
// header is all zero but its command, says "unconfirmed" of a message that went out unanswered,
// and finds a name by broadcast within its deadline though the host resolver never answers.
#include <windows.h>

#include <fstream>

#include "reliability/runner.h"
#include "support/netsend_run.h"
#include "support/registry.h"

namespace rel {

namespace {

constexpr char kLmhosts[] =
    "198.18.12.2  POMALY\r\n198.18.12.2  PRESMERUJ\r\n198.18.12.2  NULY\r\n198.18.12.2  MLCI\r\n";
constexpr DWORD kDeadlineMs = 20000;  // net.exe's for the whole command
constexpr DWORD kSlackMs = 5000;      // Wine's start and end of the process

std::string Peers() { return drv::DosPath(drv::Env("PW_PEERS")); }

// Runs `net send NAME text`: checks its exit status, its line and its time.
void Send(Row& row, const std::string& name, DWORD exitCode, const std::string& line) {
    std::ofstream("C:\\windows\\system32\\drivers\\etc\\lmhosts", std::ios::binary) << kLmhosts;
    drv::WriteString("Software\\Brantel\\NetSend", "Broadcast", "1");
    const DWORD start = GetTickCount();
    const auto [status, output] = drv::RunNetSend("send " + name + " zkouška", kDeadlineMs + 2 * kSlackMs);
    const DWORD spent = GetTickCount() - start;
    if (status == ~DWORD(0)) row.crash = "hang: net.exe ended by force";
    if (status != exitCode) row.result += "exit " + std::to_string(status) + "; ";
    std::string expected = line;
    CharToOemBuffA(expected.data(), expected.data(), DWORD(expected.size()));
    if (output != expected + "\r\n") row.result += "printed: " + output + "; ";
    if (spent > kDeadlineMs + kSlackMs) row.result += "took " + std::to_string(spent) + " ms; ";
}

// The fixture's files in `folder` that match.
std::vector<std::string> Files(const char* folder, const char* pattern) {
    return FileNames(Peers() + "\\" + folder, pattern);
}

// A check that the peer keeps exactly one SMB from the send.
template <const char* kName>
std::string OneSmb(size_t) {
    const size_t smbs = Files("fake", (std::string(kName) + ".*").c_str()).size();
    return smbs == 1 ? std::string() : std::to_string(smbs) + " SMBs arrived, not one";
}
constexpr char kZeros[] = "NULY", kSilent[] = "MLCI", kBroadcastOnly[] = "VYSILA";

// A peer the fake messenger plays (by the name called): net.exe's status and line, what else
// must hold ("lost" notes), and the result when all did.
struct PeerRow {
    const char* name;
    const char* peer;
    DWORD exitCode;
    const char* line;
    std::string (*lost)(size_t messagesBefore);  // after the send; empty when nothing was lost
    const char* seen;
};

const PeerRow kPeerRows[] = {
    {"the messenger answers a byte every 9 s", "POMALY", 2, "Počítač POMALY neodpovídá; zpráva nebyla odeslána.",
     [](size_t) { return std::string(); }, "ends within the 20 s deadline, not sent"},
    {"198.18.12.2 retargets to 127.0.0.1:139", "PRESMERUJ", 2,
     "Počítač PRESMERUJ odkázal na adresu, kam tento příkaz zprávy neposílá; zpráva nebyla odeslána.",
     [](size_t before) {
         return Files("messages", "msg.*").size() == before ? std::string() : "the message went to this machine's smbd";
     },
     "refused, nothing sent to 127.0.0.1"},
    {"the reply's header is zero but its command", kZeros, 0, "Zpráva pro NULY byla odeslána.", OneSmb<kZeros>,
     "delivered once, exit 0"},
    {"the messenger takes the SMB and never answers", kSilent, 3,
     "Zpráva pro MLCI byla odeslána, ale příjemce její převzetí nepotvrdil (odpověď nepřišla včas).", OneSmb<kSilent>,
     "unconfirmed within the deadline, exit 3, one copy"},
    {"found by broadcast alone, the host resolver never answers", kBroadcastOnly, 0, "Zpráva pro VYSILA byla odeslána.",
     OneSmb<kBroadcastOnly>, "delivered once within the deadline"},
};

Row TryPeer(const PeerRow& peer) {
    Row row;
    row.name = std::string("net.exe: ") + peer.name;
    const std::string records = std::string(peer.peer) + ".*";
    for (const std::string& name : Files("fake", records.c_str())) DeleteFileA((Peers() + "\\fake\\" + name).c_str());
    const size_t messagesBefore = Files("messages", "msg.*").size();
    Send(row, peer.peer, peer.exitCode, peer.line);
    if (const std::string lost = peer.lost(messagesBefore); !lost.empty()) Note(row.lost, lost);
    row.pass = row.result.empty() && row.lost == "nothing" && row.crash == "none";
    if (row.pass) row.result = peer.seen;
    return row;
}

}  // namespace

std::vector<Row> PeerRows() {
    std::vector<Row> rows;
    for (const PeerRow& peer : kPeerRows) rows.push_back(TryPeer(peer));
    return rows;
}

}  // namespace rel
