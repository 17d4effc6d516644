// NetBIOS over TCP/IP as RFC 1001/1002 lay it down: names on the wire, the name query and its
// answer, the session service's request, replies and framing, and the datagram that carries a
// mailslot message to a group.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace netsend {

constexpr std::uint16_t kNamePort = 137;
constexpr std::uint16_t kDatagramPort = 138;
constexpr std::uint16_t kSessionPort = 139;

// A name has at most 15 bytes; the sixteenth says which service it stands for.
constexpr std::size_t kNameLength = 15;
constexpr unsigned char kWorkstationSuffix = 0x00;
constexpr unsigned char kMessengerSuffix = 0x03;

// The 34 bytes of a name on the wire: the length 32, the first-level encoding of the name padded
// with blanks to 15 bytes and the suffix, and the empty scope. A longer name is cut at 15 bytes.
std::string EncodeName(std::string_view name, unsigned char suffix);

// ---- name service ----
// A query for the name, to a name server (WINS) or, with `broadcast`, to every node of the subnet.
std::string NameQuery(std::uint16_t id, std::string_view name, unsigned char suffix, bool broadcast);

struct NameAnswer {
    enum Kind { kNoAnswer, kNotFound, kFound } kind = kNoAnswer;
    std::uint32_t address = 0;  // host order, for kFound
};
// What a received packet says to query `id` for `name` with `suffix`: nothing (another packet, a
// malformed one, a "wait", an answer about another name), that the name is unknown, or the first
// address of a positive answer.
NameAnswer ParseNameAnswer(std::string_view packet, std::uint16_t id, std::string_view name, unsigned char suffix);

// ---- session service ----
constexpr std::size_t kSessionHeaderSize = 4;
constexpr std::uint32_t kSessionMessage = 0x00;
constexpr std::uint32_t kPositiveSessionResponse = 0x82;
constexpr std::uint32_t kNegativeSessionResponse = 0x83;
constexpr std::uint32_t kRetargetSessionResponse = 0x84;
constexpr std::uint32_t kSessionKeepAlive = 0x85;

// A request for a session with the called name's messenger, from the calling workstation.
std::string SessionRequest(std::string_view called, std::string_view calling);
// A session message carrying one SMB.
std::string SessionMessage(std::string_view payload);

struct SessionHeader {
    std::uint32_t type = 0;
    std::size_t length = 0;  // of what follows the header
};
SessionHeader ParseSessionHeader(std::string_view header);

// The answer to a session request, from its header's type and the body that followed.
struct SessionAnswer {
    enum Kind { kMalformed, kPositive, kNegative, kRetarget, kKeepAlive } kind = kMalformed;
    std::uint32_t error = 0;    // kNegative: the error code the peer gave
    std::uint32_t address = 0;  // kRetarget: where to ask again, host order
    std::uint16_t port = 0;
};
SessionAnswer ParseSessionAnswer(std::uint32_t type, std::string_view body);

// Whether `address` (host order) names one host: not this network (0/8), not the multicast and
// reserved ones (224/4 and above, the limited broadcast too).
bool Unicast(std::uint32_t address);

// Whether a session asked of `first` (the name's address, host order) may follow a retarget to
// `to`: to a unicast address, to the loopback network only from it, and to one of `own` (this
// computer's other addresses) only from this computer, so that a peer cannot send the message to
// a service of the sending machine.
bool RetargetAllowed(std::uint32_t first, std::uint32_t to, const std::vector<std::uint32_t>& own);

// ---- datagram service ----
// A direct group datagram from the workstation `source` at `sourceAddress` (host order) to the
// group's messenger name, carrying `userData` in one piece.
std::string GroupDatagram(std::uint16_t id, std::uint32_t sourceAddress, std::string_view source,
                          std::string_view group, std::string_view userData);

}  // namespace netsend
