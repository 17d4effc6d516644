// net.exe against real peers (tests/support/peer-fixture.sh): smbd takes the messages to a name
// found in lmhosts; a listener on the peer's subnet keeps the group datagrams.
#include <windows.h>

#include <lm.h>

#include <doctest/doctest.h>

#include <fstream>
#include <iterator>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "support/driver.h"
#include "support/netsend_run.h"

namespace {

constexpr char kLmhosts[] = "127.0.0.1  PEBBLEPEER  #PRE\r\n127.0.0.2  ODMITA\r\n";

std::string Oem(std::string text) {
    CharToOemBuffA(text.data(), text.data(), DWORD(text.size()));
    return text;
}

std::string UserName() {
    char name[256];
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? name : "";
}

std::string Text(size_t length) {
    std::string text;
    while (text.size() < length) text.push_back(char('a' + text.size() % 26));
    return text;
}

// Takes the fixture's files that match, e.g. "messages\msg.*", once `count` are there or `ms`
// have passed: their bytes.
std::vector<std::string> TakeFiles(const std::string& pattern, size_t count, DWORD ms) {
    const std::string path = drv::DosPath(drv::Env("PW_PEERS")) + "\\" + pattern;
    std::vector<std::string> files;
    drv::WaitUntil(
        [&] {
            files.clear();
            WIN32_FIND_DATAA found;
            const HANDLE search = FindFirstFileA(path.c_str(), &found);
            if (search == INVALID_HANDLE_VALUE) return count == 0;
            do files.push_back(path.substr(0, path.rfind('\\') + 1) + found.cFileName);
            while (FindNextFileA(search, &found));
            FindClose(search);
            return files.size() >= count;
        },
        ms);
    for (std::string& file : files) {
        const std::string bytes = drv::ReadBytes(file);
        DeleteFileA(file.c_str());
        file = bytes;
    }
    return files;
}

// Tells the capture's check (tests/support/check-capture.py) a text that went on the wire, as hex.
void ExpectOnWire(const std::string& oemText) {
    std::ofstream expected(drv::DosPath(drv::Env("PW_PEERS")) + "\\expected-texts", std::ios::app);
    for (const char c : oemText) expected << "0123456789abcdef"[(unsigned char)c >> 4] << "0123456789abcdef"[c & 15];
    expected << '\n';
}

// What smbd logged after `from` bytes of its log.
std::string SmbdLog(size_t from = 0) {
    return drv::ReadBytes(drv::DosPath(drv::Env("PW_PEERS")) + "\\smbd\\log").substr(from);
}

// The text blocks (SMBsendtxt) as smbd logged their bytes: each request's fields, then its bytes
// sixteen to a line:  "[0000] 01 7F 00 41 42 43 44 45   46 47 48 49 4A 4B 4C 4D   ...ABCDE FGHIJKLM"
std::vector<std::string> ReceivedBlocks(const std::string& log) {
    std::vector<std::string> blocks;
    std::istringstream lines(log);
    std::string line, bytes;
    bool text = false;
    unsigned value = 0;
    for (size_t left = 0; std::getline(lines, line);) {
        line.erase(0, line.find_first_not_of(' '));
        if (line.starts_with("smb_com=")) text = line == "smb_com=0xd7";
        if (text && line.starts_with("smb_bcc=")) bytes.clear(), left = std::stoul(line.substr(8));
        if (!left || line.size() < 7 || line[5] != ']') continue;
        for (std::istringstream hex(line.substr(7, 49)); left && hex >> std::hex >> value; --left) bytes += char(value);
        if (!left) blocks.push_back(bytes.substr(3));  // after the data block's format and length
    }
    return blocks;
}

// smbd hands a message on after the sender's name and a line break, each CR LF made a LF.
std::string Delivered(std::string oemText) {
    for (size_t at; (at = oemText.find("\r\n")) != std::string::npos;) oemText.erase(at, 1);
    return UserName() + "\n" + oemText;
}

std::string Workgroup() {
    WKSTA_INFO_100* info = nullptr;
    REQUIRE(NetWkstaGetInfo(nullptr, 100, reinterpret_cast<BYTE**>(&info)) == NERR_Success);
    char name[64] = {};
    WideCharToMultiByte(CP_ACP, 0, info->wki100_langroup, -1, name, sizeof name, nullptr, nullptr);
    NetApiBufferFree(info);
    return CharUpperA(name);
}

unsigned Word(const std::string& bytes, size_t at, bool bigEndian) {
    const unsigned first = (unsigned char)bytes.at(at), second = (unsigned char)bytes.at(at + 1);
    return bigEndian ? first << 8 | second : first | second << 8;
}

// A NetBIOS name, 15 bytes blank-padded and the suffix, from its first-level encoding.
std::string DecodeName(const std::string& packet, size_t at) {
    CHECK(packet.substr(at, 1) + packet.substr(at + 33, 1) == std::string("\x20\0", 2));  // length, no scope
    std::string name;
    for (size_t i = at + 1; i < at + 33; i += 2) name += char((packet[i] - 'A') << 4 | (packet[i + 1] - 'A'));
    return name;
}

std::string Padded(std::string name, char suffix) {
    name.resize(15, ' ');
    return name + suffix;
}

// A direct group datagram (RFC 1002) from this workstation at 198.18.12.1 to the group's
// messenger, carrying an SMB transaction that writes "from NUL to NUL text NUL" to the mailslot
// \MAILSLOT\MESSNGR.
void CheckDatagram(const std::string& packet, const std::string& group, const std::string& oemText) {
    REQUIRE(packet.size() > 82 + 87);
    CHECK(packet.substr(0, 8) == std::string("\x11\x02", 2) + packet.substr(2, 2) + "\xC6\x12\x0C\x01");
    CHECK(Word(packet, 8, true) == 138);
    CHECK(Word(packet, 10, true) == packet.size() - 14);
    CHECK(Word(packet, 12, true) == 0);  // the first and only piece
    char computer[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = sizeof computer;
    REQUIRE(GetComputerNameA(computer, &size));
    CHECK(DecodeName(packet, 14) == Padded(computer, '\0'));
    CHECK(DecodeName(packet, 48) == Padded(group, '\x03'));
    const std::string smb = packet.substr(82), words = smb.substr(33);
    CHECK(smb.substr(0, 5) == "\xFFSMB\x25");
    CHECK(smb[32] == 17);                                              // 14 words, then 3 setup words:
    CHECK(words.substr(26, 8) == std::string("\3\0\1\0\1\0\2\0", 8));  // mailslot write, class 2
    CHECK(words.substr(36, 18) == std::string("\\MAILSLOT\\MESSNGR\0", 18));
    CHECK(Word(words, 2, false) == Word(words, 22, false));  // all the data in this piece
    CHECK(smb.substr(Word(words, 24, false), Word(words, 22, false)) ==
          UserName() + '\0' + group + '\0' + oemText + '\0');
}

}  // namespace

TEST_CASE("Pebblewire's messages reach smbd in the OEM code page, line breaks intact, from the user") {
    std::ofstream("C:\\windows\\system32\\drivers\\etc\\lmhosts", std::ios::binary) << kLmhosts;
    drv::WriteString("Software\\Brantel\\NetSend", "Broadcast", "0");
    const std::string czech = "Dobrý den,\r\nžluťoučký kůň úpěl ďábelské ódy.\r\n\r\nPavel";
    const std::string sent = "Zpráva byla poslána uživateli PEBBLEPEER.";
    struct Row {
        std::string text;
        std::string arrived;
        size_t blocks;  // SMBsendtxt commands that carried it
        std::string box;
        std::string left;  // in the editor after the box (clear-after-send is on)
    } rows[] = {{czech, czech, 1, sent, ""},
                {Text(700), Text(652), 6, sent + "\nZpráva je delší než 652 bajtů; odeslána je jen její první část.",
                 Text(700)}};
    drv::Program program;
    const HWND form = drv::StartFresh(program);
    REQUIRE(form);
    const HWND memo = drv::ChildById(form, app::IDC_MEMO1);
    drv::SetWindowTextOf(drv::ChildById(form, app::IDC_EDIT1), "pebblepeer");
    for (const Row& row : rows) {
        CAPTURE(row.text.size());
        const size_t logSize = SmbdLog().size();
        drv::SetWindowTextOf(memo, row.text);
        REQUIRE(drv::FocusControl(form, memo));
        drv::PressKey('S', true);
        const auto box = drv::WaitMessageBox(program);
        REQUIRE(box);
        CHECK(box->text == row.box);
        CHECK(drv::WindowText(memo) == row.left);
        CHECK(drv::AnswerMessageBox(*box, IDOK));
        const auto messages = TakeFiles("messages\\msg.*", 1, 15000);
        REQUIRE(messages.size() == 1);
        CHECK(messages[0] == Delivered(Oem(row.arrived)));
        ExpectOnWire(Oem(row.arrived));
        const std::string log = SmbdLog(logSize);
        const auto blocks = ReceivedBlocks(log);
        CHECK(blocks.size() == row.blocks);
        CHECK(std::accumulate(blocks.begin(), blocks.end(), std::string()) == Oem(row.arrived));
        CHECK(log.find("SMBsendstrt (from " + UserName() + " to PEBBLEPEER)") != std::string::npos);
    }
}

TEST_CASE("net.exe by hand: what arrives where, what it says and how it ends") {
    std::ofstream("C:\\windows\\system32\\drivers\\etc\\lmhosts", std::ios::binary) << kLmhosts;
    const std::string group = Workgroup(), sent = "Zpráva pro PEBBLEPEER byla odeslána.\r\n";
    const std::string off =
        " se posílají do celé sítě, a to je vypnuto (hodnota Broadcast v klíči "
        "Software\\Brantel\\NetSend).\r\n";
    struct Row {
        const char* broadcasts;
        std::string arguments;
        DWORD exitCode;
        std::string output;
        std::optional<std::string> arrived = std::nullopt;  // nothing: nothing arrives anywhere
        std::string group = "";                             // the datagram's group; none: smbd's message
    } rows[] = {
        {"0", "send PEBBLEPEER " + Text(129), 0, sent, Text(129)},  // too long for one command
        {"0", "send pebblepeer ", 0, sent, ""},
        {"0", "send ODMITA x", 2, "Počítač ODMITA odmítl spojení; zpráva nebyla odeslána.\r\n"},
        {"1", "send NIKDO x", 2, "Jméno NIKDO nebylo v síti nalezeno; zpráva nebyla odeslána.\r\n"},
        {"0", "send SESTNACTZNAKUUUU x", 2,
         "Jméno SESTNACTZNAKUUUU je delší než 15 znaků; zpráva nebyla odeslána.\r\n"},
        {"1", "send /domain:SESTNACTZNAKUUUU x", 2,
         "Jméno SESTNACTZNAKUUUU je delší než 15 znaků; zpráva nebyla odeslána.\r\n"},
        {"1", "send /users x", 2,
         "Tento příkaz nemá vlastní sezení s uživateli; zpráva pro /USERS nebyla odeslána.\r\n"},
        {"1", "send", 1, "Použití: NET SEND {jméno | * | /DOMAIN[:jméno] | /USERS} zpráva\r\n"},
        {"0", "send * Ahoj", 2, "Zprávy pro pracovní skupinu " + group + off},
        {"", "send /domain:ucetni x", 2, "Zprávy pro pracovní skupinu UCETNI" + off},
        {"1", "send * Ahoj všem,\r\nporada v 10.", 0, "Zpráva pro pracovní skupinu " + group + " byla odeslána.\r\n",
         "Ahoj všem,\r\nporada v 10.", group},
        {"1", "send /domain:ucetni x", 0, "Zpráva pro pracovní skupinu UCETNI byla odeslána.\r\n", "x", "UCETNI"},
        {"1", "send /DOMAIN " + Text(300), 0,
         "Zpráva je delší než 128 bajtů; odeslána je jen její první část.\r\nZpráva pro pracovní skupinu " + group +
             " byla odeslána.\r\n",
         Text(128), group},
    };
    for (const Row& row : rows) {
        CAPTURE(row.arguments);
        drv::WriteString("Software\\Brantel\\NetSend", "Broadcast", row.broadcasts);
        const size_t logSize = SmbdLog().size();
        const auto [exitCode, output] = drv::RunNetSend(row.arguments);
        CHECK(exitCode == row.exitCode);
        CHECK(output == Oem(row.output));
        if (row.arrived) ExpectOnWire(Oem(*row.arrived));
        // smbd has run the message command before it answers: a message is there by now or never.
        const bool toName = row.arrived && row.group.empty(), toGroup = row.arrived && !row.group.empty();
        const auto messages = TakeFiles("messages\\msg.*", 0, 0);
        REQUIRE(messages.size() == toName);
        if (toName) CHECK(messages[0] == Delivered(Oem(*row.arrived)));
        const auto blocks = ReceivedBlocks(SmbdLog(logSize));
        if (toName) CHECK(std::accumulate(blocks.begin(), blocks.end(), std::string()) == Oem(*row.arrived));
        const auto datagrams = TakeFiles("datagrams\\dgram.*", 1, toGroup ? 5000 : 500);
        REQUIRE(datagrams.size() == toGroup);
        if (toGroup) CheckDatagram(datagrams[0], row.group, Oem(*row.arrived));
    }
}
