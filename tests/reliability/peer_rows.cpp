// Messengers that misbehave (tests/support/fake-messenger.py, on 198.18.12.2 in the peers'
// namespace): net.exe ends in time, follows no retarget into this machine, and takes a reply
// whose header is all zero but its command.
#include <windows.h>

#include <fstream>

#include "reliability/runner.h"
#include "support/netsend_run.h"

namespace rel {

namespace {

constexpr char kLmhosts[] = "198.18.12.2  POMALY\r\n198.18.12.2  PRESMERUJ\r\n198.18.12.2  NULY\r\n";
constexpr DWORD kDeadlineMs = 20000;  // net.exe's for one delivery
constexpr DWORD kSlackMs = 5000;      // Wine's start and end of the process

std::string Peers() { return drv::DosPath(drv::Env("PW_PEERS")); }

// Runs `net send NAME text`: checks its exit status, its line and its time.
void Send(Row& row, const std::string& name, DWORD exitCode, const std::string& line) {
    std::ofstream("C:\\windows\\system32\\drivers\\etc\\lmhosts", std::ios::binary) << kLmhosts;
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

Row Trickles() {
    Row row;
    row.name = "net.exe: the messenger answers a byte every 9 s";
    Send(row, "POMALY", 2, "Počítač POMALY neodpovídá; zpráva nebyla odeslána.");
    row.pass = row.result.empty() && row.crash == "none";
    row.result = row.pass ? "ends within the 20 s deadline, not sent" : row.result;
    return row;
}

Row RetargetsHome() {
    Row row;
    row.name = "net.exe: 198.18.12.2 retargets to 127.0.0.1:139";
    const size_t before = Files("messages", "msg.*").size();
    Send(row, "PRESMERUJ", 2,
         "Počítač PRESMERUJ odkázal na adresu, kam tento příkaz zprávy neposílá; zpráva nebyla odeslána.");
    if (Files("messages", "msg.*").size() != before) Note(row.lost, "the message went to this machine's smbd");
    row.pass = row.result.empty() && row.lost == "nothing";
    row.result = row.pass ? "refused, nothing sent to 127.0.0.1" : row.result;
    return row;
}

Row ZeroHeader() {
    Row row;
    row.name = "net.exe: the reply's header is zero but its command";
    for (const std::string& name : Files("fake", "NULY.*")) DeleteFileA((Peers() + "\\fake\\" + name).c_str());
    Send(row, "NULY", 0, "Zpráva pro NULY byla odeslána.");
    const auto smbs = Files("fake", "NULY.*");
    if (smbs.size() != 1) Note(row.lost, std::to_string(smbs.size()) + " SMBs arrived, not one");
    row.pass = row.result.empty() && row.lost == "nothing";
    row.result = row.pass ? "delivered once, exit 0" : row.result;
    return row;
}

}  // namespace

std::vector<Row> PeerRows() { return {Trickles(), RetargetsHome(), ZeroHeader()}; }

}  // namespace rel
