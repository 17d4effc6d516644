#include <doctest/doctest.h>

#include <string>

#include "netsend/netbios.h"

using namespace netsend;

namespace {
std::string Bytes(std::initializer_list<int> values) { return std::string(values.begin(), values.end()); }
std::string Wire(const char* encoded) { return "\x20" + std::string(encoded) + '\0'; }
const std::string kPeer = Wire("FAEFECECEMEFFAEFEFFCCACACACACAAD");  // PEBBLEPEER<03>
}  // namespace

TEST_CASE("names travel in the first-level encoding, blank-padded, the suffix last") {
    struct Row {
        const char* name;
        unsigned char suffix;
        std::string wire;
    } rows[] = {
        {"FRED", 0x20, Wire("EGFCEFEECACACACACACACACACACACACA")},  // RFC 1001's own example
        {"PEBBLEPEER", 0x03, kPeer},
        {"", 0x00, Wire("CACACACACACACACACACACACACACACAAA")},
        {"ABCDEFGHIJKLMNOPQ", 0x03, Wire("EBECEDEEEFEGEHEIEJEKELEMENEOEPAD")},  // cut at 15 bytes
        {"\x9F\xFF", 0x00, Wire("JPPPCACACACACACACACACACACACACAAA")},           // OEM bytes as they are
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        CHECK(EncodeName(row.name, row.suffix) == row.wire);
    }
    CHECK(SessionRequest("PEBBLEPEER", "FRED") == Bytes({0x81, 0, 0, 68}) + kPeer + EncodeName("FRED", 0));
}

TEST_CASE("a name query asks for the messenger, of a name server or of the subnet") {
    for (const bool broadcast : {false, true}) {
        CAPTURE(broadcast);
        CHECK(NameQuery(0x1234, "PEBBLEPEER", kMessengerSuffix, broadcast) ==
              Bytes({0x12, 0x34, 1, broadcast ? 0x10 : 0, 0, 1, 0, 0, 0, 0, 0, 0}) + kPeer + Bytes({0, 0x20, 0, 1}));
    }
}

TEST_CASE("only a positive answer to our own query gives an address") {
    const std::string record = Bytes({0, 0x20, 0, 1, 0, 0, 0x0E, 0x10, 0, 6, 0x60, 0, 198, 18, 12, 2});
    const std::string header = Bytes({0x12, 0x34, 0x85, 0, 0, 0, 0, 1, 0, 0, 0, 0});
    const std::string positive = header + kPeer + record;
    struct Row {
        const char* what;
        std::string packet;
        NameAnswer::Kind kind;
    } rows[] = {
        {"positive", positive, NameAnswer::kFound},
        {"name as a pointer to the question",
         Bytes({0x12, 0x34, 0x85, 0, 0, 1, 0, 1, 0, 0, 0, 0}) + kPeer + Bytes({0, 0x20, 0, 1, 0xC0, 0x0C}) + record,
         NameAnswer::kFound},
        {"question repeated",
         Bytes({0x12, 0x34, 0x85, 0, 0, 1, 0, 1, 0, 0, 0, 0}) + kPeer + Bytes({0, 0x20, 0, 1}) + kPeer + record,
         NameAnswer::kFound},
        {"no such name", Bytes({0x12, 0x34, 0x85, 0x03, 0, 0, 0, 0, 0, 0, 0, 0}), NameAnswer::kNotFound},
        {"answer to another query", Bytes({0x12, 0x35}) + positive.substr(2), NameAnswer::kNoAnswer},
        {"a query, not an answer", Bytes({0x12, 0x34, 0x05, 0}) + positive.substr(4), NameAnswer::kNoAnswer},
        {"wait for acknowledgement", Bytes({0x12, 0x34, 0xBC, 0}) + positive.substr(4), NameAnswer::kNoAnswer},
        {"no answer record", header.substr(0, 7) + Bytes({0}) + header.substr(8) + kPeer + record,
         NameAnswer::kNoAnswer},
        {"not an NB record", header + kPeer + Bytes({0, 0x21}) + record.substr(2), NameAnswer::kNoAnswer},
        {"about another name", header + EncodeName("PEBBLEPEER", 0x20) + record, NameAnswer::kNoAnswer},
        {"pointer to nowhere", header + Bytes({0xC0, 0x40}) + record, NameAnswer::kNoAnswer},
        {"address cut short", positive.substr(0, positive.size() - 1), NameAnswer::kNoAnswer},
        {"empty", "", NameAnswer::kNoAnswer},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.what));
        const NameAnswer answer = ParseNameAnswer(row.packet, 0x1234, "PEBBLEPEER", kMessengerSuffix);
        CHECK(answer.kind == row.kind);
        if (row.kind == NameAnswer::kFound) CHECK(answer.address == 0xC6120C02u);
    }
}

TEST_CASE("a session answer: positive, negative with its code, a retarget whole, a keep-alive") {
    struct Row {
        const char* what;
        std::uint32_t type;
        std::string body;
        SessionAnswer::Kind kind;
        std::uint32_t value;  // the error code, or the retarget's address
    } rows[] = {
        {"positive", 0x82, "", SessionAnswer::kPositive, 0},
        {"negative", 0x83, Bytes({0x82}), SessionAnswer::kNegative, 0x82},
        {"negative without a code", 0x83, "", SessionAnswer::kMalformed, 0},
        {"retarget", 0x84, Bytes({198, 18, 12, 2, 0, 139}), SessionAnswer::kRetarget, 0xC6120C02u},
        {"retarget cut short", 0x84, Bytes({198, 18, 12, 2}), SessionAnswer::kMalformed, 0},
        {"retarget too long", 0x84, Bytes({198, 18, 12, 2, 0, 139, 0}), SessionAnswer::kMalformed, 0},
        {"retarget to 0.0.0.0", 0x84, Bytes({0, 0, 0, 0, 0, 139}), SessionAnswer::kMalformed, 0},
        {"retarget to port 0", 0x84, Bytes({198, 18, 12, 2, 0, 0}), SessionAnswer::kMalformed, 0},
        {"keep-alive", 0x85, "", SessionAnswer::kKeepAlive, 0},
        {"a session message", 0x00, "x", SessionAnswer::kMalformed, 0},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.what));
        const SessionAnswer answer = ParseSessionAnswer(row.type, row.body);
        CHECK(answer.kind == row.kind);
        CHECK((row.kind == SessionAnswer::kRetarget ? answer.address : answer.error) == row.value);
        if (row.kind == SessionAnswer::kRetarget) CHECK(answer.port == 139);
    }
}

TEST_CASE("a retarget goes to a unicast address, to the loopback network only from it, to this computer only from it") {
    const std::uint32_t peer = 0xC6120C02, other = 0xC6120C03, loopback = 0x7F000001, loopback2 = 0x7F000002;
    const std::uint32_t own = 0xC6120C01, ownToo = 0x0A000001;
    struct Row {
        std::uint32_t first, to;
        bool allowed;
    } rows[] = {
        {peer, other, true},       {peer, loopback, false},   {loopback, loopback2, true}, {loopback, peer, true},
        {peer, 0x00000001, false}, {peer, 0xE0000001, false}, {peer, 0xFFFFFFFF, false},   {peer, own, false},
        {loopback, own, true},     {own, ownToo, true},       {own, loopback, false},
    };
    for (const Row& row : rows) {
        CAPTURE(row.to);
        CHECK(RetargetAllowed(row.first, row.to, {own, ownToo, loopback}) == row.allowed);
    }
}
