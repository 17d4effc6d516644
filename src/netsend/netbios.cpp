#include "netsend/netbios.h"

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

// Skips a name in an answer: labels up to the empty one, or a pointer to a name told before.
void SkipName(Reader& reader) {
    for (;;) {
        const std::uint32_t length = reader.Byte();
        if (length == 0 || !reader.Ok()) return;
        if ((length & 0xC0) == 0xC0) {
            reader.Skip(1);
            return;
        }
        reader.Skip(length);
    }
}
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

NameAnswer ParseNameAnswer(std::string_view packet, std::uint16_t id) {
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
        SkipName(reader);
        reader.Skip(4);
    }
    SkipName(reader);
    const std::uint32_t type = reader.Big16();
    reader.Skip(2 + 4);  // class, time to live
    const std::uint32_t dataLength = reader.Big16();
    reader.Skip(2);  // the first entry's flags
    const std::uint32_t address = reader.Big32();
    if (!reader.Ok() || answers == 0 || type != kTypeNb || dataLength < kAddressEntrySize) return {};
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
