#include <doctest/doctest.h>

#include <string>

#include "netsend/smb.h"

using namespace netsend;

namespace {
std::string Bytes(std::initializer_list<int> values) { return std::string(values.begin(), values.end()); }
}  // namespace

TEST_CASE("a short message is one SMBsends with the names and the text as they are") {
    CHECK(SendSingle("root", "NOVAK", "a\r\nč") == "\xFFSMB\xD0" + std::string(27, '\0') + Bytes({0, 20, 0}) +
                                                       "\x04root" + Bytes({0}) + "\x04NOVAK" + Bytes({0, 1, 4, 0}) +
                                                       "a\r\nč");
}

TEST_CASE("a reply is told by its command, WordCount and ByteCount; it gives its status and the message group") {
    // Samba's reply to SMBsendstrt as it came over the wire: no group id.
    const std::string samba = Bytes({0xFF, 'S', 'M', 'B', 0xD5, 0, 0, 0, 0, 0x88, 0x03, 0x40}) + std::string(12, '\0') +
                              Bytes({0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0});
    struct Row {
        const char* what;
        std::string packet;
        bool valid;
        std::uint32_t status, group;
    } rows[] = {
        {"Samba's start reply", samba, true, 0, 0},
        {"with a group id", samba.substr(0, 32) + Bytes({1, 0x34, 0x12, 0, 0}), true, 0, 0x1234},
        {"refused, NT status", samba.substr(0, 5) + Bytes({0xD0, 0, 0, 0xC0}) + samba.substr(9), true, 0xC00000D0, 0},
        {"refused, DOS error", samba.substr(0, 5) + Bytes({1, 0, 8, 0}) + samba.substr(9), true, 0x00080001, 0},
        {"every other header field zero", "\xFFSMB\xD5" + std::string(30, '\0'), true, 0, 0},
        {"reply flag clear", samba.substr(0, 9) + Bytes({0x08}) + samba.substr(10), true, 0, 0},
        {"a reply to another command", samba.substr(0, 4) + "\xD0" + samba.substr(5), false, 0, 0},
        {"two words", samba.substr(0, 32) + Bytes({2, 0x34, 0x12, 0, 0, 0, 0}), false, 0, 0},
        {"bytes it does not have", samba.substr(0, 33) + Bytes({4, 0, 1}), false, 0, 0},
        {"not SMB", "\xFESMB" + samba.substr(4), false, 0, 0},
        {"cut short", samba.substr(0, 20), false, 0, 0},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.what));
        const SmbReply reply = ParseSmbReply(row.packet, kSendStart);
        CHECK(reply.valid == row.valid);
        if (!row.valid) continue;
        CHECK(reply.status == row.status);
        CHECK(reply.group == row.group);
    }
}

TEST_CASE("texts go in blocks of 128 bytes; the sender is the user, else the computer") {
    const std::string text(2 * kTextBlockSize + 1, 'x');
    const auto blocks = TextBlocks(text);
    CHECK(blocks.size() == 3);
    CHECK(blocks[0].size() == 128);
    CHECK(blocks[2].size() == 1);
    CHECK(SendText(0x1234, blocks[0]) ==
          "\xFFSMB\xD7" + std::string(27, '\0') + Bytes({1, 0x34, 0x12, 131, 0, 1, 128, 0}) + std::string(blocks[0]));
    CHECK(Originator("NOVAK", "PC1") == "NOVAK");
    CHECK(Originator("PATNACTZNAKUUUU", "PC1") == "PATNACTZNAKUUUU");
    CHECK(Originator("SESTNACTZNAKUUUU", "PC1") == "PC1");
    CHECK(Originator("", "PC1") == "PC1");
}

TEST_CASE("a group message's mailslot data starts on a 4-byte boundary of the SMB") {
    const std::string smb = MessengerMailslotWrite("NOVAK", "SKUPINA", "ahoj");
    const unsigned offset = (unsigned char)smb[33 + 24] | (unsigned char)smb[33 + 25] << 8;
    CHECK(offset % 4 == 0);
    CHECK(smb.substr(offset) == std::string("NOVAK\0SKUPINA\0ahoj\0", 19));
}
