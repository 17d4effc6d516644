#include "netsend/netbios.h"

#include <algorithm>

#include "netsend/wire.h"

namespace netsend {

namespace {
constexpr std::uint32_t kEncodedNameLength = 32;

// Header flags of the name service: recursion desired (a name server answers for others) and
// broadcast; the reply bit, and the operation and result codes of an answer.
constexpr std::uint32_t kRecursionDesired = 0x0100;
constexpr std::uint32_t kBroadcast = 0x0010;
constexpr std::uint32_t kReply = 0x8000;
constexpr std::uint32_t kQueryOperation = 0;
constexpr std::uint32_t kResultCode = 0x000F;
constexpr std::uint32_t kTypeNb = 0x0020;
constexpr std::uint32_t kClassIn = 0x0001;
constexpr std::size_t kAddressEntrySize = 6;  // flags and address

constexpr std::uint32_t kSessionRequest = 0x81;
constexpr std::uint32_t kLengthExtension = 0x01;  // the seventeenth bit of a session packet's length

constexpr std::uint32_t kDirectGroupDatagram = 0x11;
constexpr std::uint32_t kFirstAndOnlyFragment = 0x02;  // F set, M clear, sent by a broadcast node

constexpr std::uint32_t kCompressed = 0xC0;  // a name that points to one told before
constexpr std::size_t kHeaderSize = 12;

constexpr std::size_t kNegativeBodySize = 1;  // the error code
constexpr std::size_t kRetargetBodySize = 6;  // address and port
constexpr std::uint32_t kLoopbackNetwork = 0x7F000000;
constexpr std::uint32_t kNetworkMask = 0xFF000000;
constexpr std::uint32_t kMulticastNetwork = 0xE0000000;  // and the reserved ones above it
constexpr std::uint32_t kThisNetwork = 0x00000000;

// Reads a name in an answer as its wire bytes: labels up to the empty one, or a pointer to a name
// told before (a pointer resolved once, in the packet's `whole`).
std::string ReadName(Reader& reader, std::string_view whole) {
    std::string name;
    for (;;) {
        const std::uint32_t length = reader.Byte();
        if (!reader.Ok()) return {};
        if ((length & kCompressed) == kCompressed) {
            const std::size_t at = ((length & ~kCompressed) << 8) | reader.Byte();
            if (at < kHeaderSize || at >= whole.size()) return {};
            Reader pointed(whole.substr(at));
            const std::uint32_t label = pointed.Byte();
            if ((label & kCompressed) != 0) return {};
            PutByte(name, label);
            name += pointed.Take(label);
            PutByte(name, pointed.Byte());  // the empty label where no scope follows
            return pointed.Ok() ? name : std::string();
        }
        PutByte(name, length);
        if (length == 0) return name;
        name += reader.Take(length);
    }
}

bool Loopback(std::uint32_t address) { return (address & kNetworkMask) == kLoopbackNetwork; }
}  // namespace

std::string EncodeName(std::string_view name, unsigned char suffix) {
    std::string padded(name.substr(0, kNameLength));
    padded.resize(kNameLength, ' ');
    padded.push_back(static_cast<char>(suffix));
    std::string encoded;
    PutByte(encoded, kEncodedNameLength);
    for (const char c : padded) {
        const auto byte = static_cast<unsigned char>(c);
        encoded.push_back(static_cast<char>('A' + (byte >> 4)));
        encoded.push_back(static_cast<char>('A' + (byte & 0x0F)));
    }
    PutByte(encoded, 0);
    return encoded;
}

std::string NameQuery(std::uint16_t id, std::string_view name, unsigned char suffix, bool broadcast) {
    std::string packet;
    PutBig16(packet, id);
    PutBig16(packet, kRecursionDesired | (broadcast ? kBroadcast : 0));
    for (const std::uint32_t count : {1, 0, 0, 0}) PutBig16(packet, count);  // one question
    packet += EncodeName(name, suffix);
    PutBig16(packet, kTypeNb);
    PutBig16(packet, kClassIn);
    return packet;
}

NameAnswer ParseNameAnswer(std::string_view packet, std::uint16_t id, std::string_view name, unsigned char suffix) {
    Reader reader(packet);
    const std::uint32_t answerId = reader.Big16();
    const std::uint32_t flags = reader.Big16();
    const std::uint32_t questions = reader.Big16();
    const std::uint32_t answers = reader.Big16();
    reader.Skip(4);  // authority and additional records
    const std::uint32_t operation = (flags >> 11) & 0x0F;
    if (!reader.Ok() || answerId != id || !(flags & kReply) || operation != kQueryOperation) return {};
    if ((flags & kResultCode) != 0) return {NameAnswer::kNotFound, 0};
    for (std::uint32_t i = 0; i < questions; ++i) {
        ReadName(reader, packet);
        reader.Skip(4);
    }
    const std::string answered = ReadName(reader, packet);
    const std::uint32_t type = reader.Big16();
    reader.Skip(2 + 4);  // class, time to live
    const std::uint32_t dataLength = reader.Big16();
    reader.Skip(2);  // the first entry's flags
    const std::uint32_t address = reader.Big32();
    if (!reader.Ok() || answers == 0 || type != kTypeNb || dataLength < kAddressEntrySize ||
        answered != EncodeName(name, suffix))
        return {};
    return {NameAnswer::kFound, address};
}

std::string SessionRequest(std::string_view called, std::string_view calling) {
    const std::string names = EncodeName(called, kMessengerSuffix) + EncodeName(calling, kWorkstationSuffix);
    std::string packet;
    PutByte(packet, kSessionRequest);
    PutByte(packet, 0);
    PutBig16(packet, std::uint32_t(names.size()));
    return packet + names;
}

std::string SessionMessage(std::string_view payload) {
    std::string packet;
    PutByte(packet, kSessionMessage);
    PutByte(packet, (payload.size() >> 16) & kLengthExtension);
    PutBig16(packet, std::uint32_t(payload.size()));
    packet += payload;
    return packet;
}

SessionHeader ParseSessionHeader(std::string_view header) {
    Reader reader(header);
    SessionHeader parsed;
    parsed.type = reader.Byte();
    const std::uint32_t extension = reader.Byte() & kLengthExtension;
    parsed.length = (extension << 16) | reader.Big16();
    return parsed;
}

SessionAnswer ParseSessionAnswer(std::uint32_t type, std::string_view body) {
    Reader reader(body);
    SessionAnswer answer;
    switch (type) {
    case kPositiveSessionResponse: answer.kind = SessionAnswer::kPositive; break;
    case kSessionKeepAlive: answer.kind = SessionAnswer::kKeepAlive; break;
    case kNegativeSessionResponse:
        answer.kind = body.size() == kNegativeBodySize ? SessionAnswer::kNegative : SessionAnswer::kMalformed;
        answer.error = reader.Byte();
        break;
    case kRetargetSessionResponse:
        answer.address = reader.Big32();
        answer.port = std::uint16_t(reader.Big16());
        answer.kind = body.size() == kRetargetBodySize && answer.address != 0 && answer.port != 0
                          ? SessionAnswer::kRetarget
                          : SessionAnswer::kMalformed;
        break;
    default: break;
    }
    if (answer.kind == SessionAnswer::kMalformed) return {};
    return answer;
}

bool Unicast(std::uint32_t address) {
    return (address & kNetworkMask) != kThisNetwork && (address & kMulticastNetwork) != kMulticastNetwork;
}

bool RetargetAllowed(std::uint32_t first, std::uint32_t to, const std::vector<std::uint32_t>& own) {
    const bool fromHere = Loopback(first) || std::find(own.begin(), own.end(), first) != own.end();
    if (!Unicast(to) || (Loopback(to) && !Loopback(first))) return false;
    return fromHere || std::find(own.begin(), own.end(), to) == own.end();
}

std::string GroupDatagram(std::uint16_t id, std::uint32_t sourceAddress, std::string_view source,
                          std::string_view group, std::string_view userData) {
    const std::string body =
        EncodeName(source, kWorkstationSuffix) + EncodeName(group, kMessengerSuffix) + std::string(userData);
    std::string packet;
    PutByte(packet, kDirectGroupDatagram);
    PutByte(packet, kFirstAndOnlyFragment);
    PutBig16(packet, id);
    PutBig32(packet, sourceAddress);
    PutBig16(packet, kDatagramPort);
    PutBig16(packet, std::uint32_t(body.size()));
    PutBig16(packet, 0);  // offset of this piece in the whole
    return packet + body;
}

}  // namespace netsend
