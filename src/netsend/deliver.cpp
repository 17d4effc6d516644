#include "netsend/deliver.h"

#include <cstdio>

#include "netsend/netbios.h"
#include "netsend/resolve.h"
#include "netsend/smb.h"
#include "netsend/sockets.h"
#include "netsend/wire.h"

namespace netsend {

namespace {
constexpr DWORD kConnectMs = 5000;
constexpr DWORD kReplyMs = 10000;
constexpr int kMostRetargets = 3;
constexpr int kMostKeepAlives = 8;

std::string Hex(std::uint32_t code, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, static_cast<unsigned long>(code));
    return text;
}

Delivery FromStatus(Status status) {
    switch (status) {
    case WSAECONNREFUSED: return {Outcome::kRefused};
    case WSAENETUNREACH:
    case WSAEHOSTUNREACH: return {Outcome::kUnreachable};
    case kTimedOut: return {Outcome::kNoAnswer};
    case kClosed: return {Outcome::kClosed};
    default: return {Outcome::kNetworkError, std::to_string(status)};
    }
}

// One NetBIOS session with a messenger: an SMB goes out, its reply comes back.
class MessengerSession {
public:
    // Connects and asks for the session, going where the peer retargets it.
    Delivery Open(std::uint32_t address, const Message& message) {
        std::uint16_t port = kSessionPort;
        for (int attempt = 0; attempt <= kMostRetargets; ++attempt) {
            Status status = Connect(address, port, kConnectMs, socket_);
            if (!status) status = SendAll(socket_, SessionRequest(message.to, message.computer));
            SessionHeader header;
            std::string body;
            if (!status) status = Read(header, body);
            if (status) return FromStatus(status);
            Reader reader(body);
            switch (header.type) {
            case kPositiveSessionResponse: return {};
            case kNegativeSessionResponse: return {Outcome::kNoMessenger, Hex(reader.Byte(), 2)};
            case kRetargetSessionResponse:
                address = reader.Big32();
                port = std::uint16_t(reader.Big16());
                break;
            default: return {Outcome::kBadReply};
            }
        }
        return {Outcome::kNoAnswer};
    }

    // Sends the SMB and checks that the peer took it.
    Delivery Exchange(std::string_view smb, std::uint32_t command, SmbReply& reply) {
        Status status = SendAll(socket_, SessionMessage(smb));
        for (int packet = 0; !status && packet <= kMostKeepAlives; ++packet) {
            SessionHeader header;
            std::string body;
            status = Read(header, body);
            if (status || header.type != kSessionMessage) continue;
            reply = ParseSmbReply(body);
            if (!reply.valid || reply.command != command) return {Outcome::kBadReply};
            if (reply.status) return {Outcome::kRejected, Hex(reply.status, 8)};
            return {};
        }
        return status ? FromStatus(status) : Delivery{Outcome::kBadReply};
    }

private:
    Status Read(SessionHeader& header, std::string& body) {
        std::string bytes;
        if (const Status status = ReceiveExactly(socket_, kSessionHeaderSize, kReplyMs, bytes)) return status;
        header = ParseSessionHeader(bytes);
        return ReceiveExactly(socket_, header.length, kReplyMs, body);
    }

    Socket socket_;
};

Delivery DeliverInBlocks(std::uint32_t address, const Message& message) {
    MessengerSession session;
    Delivery delivery = session.Open(address, message);
    SmbReply reply;
    if (delivery.outcome == Outcome::kSent)
        delivery = session.Exchange(SendStart(message.from, message.to), kSendStart, reply);
    const std::uint16_t group = reply.group;
    for (const std::string_view block : TextBlocks(message.text)) {
        if (delivery.outcome != Outcome::kSent) return delivery;
        delivery = session.Exchange(SendText(group, block), kSendText, reply);
    }
    if (delivery.outcome != Outcome::kSent) return delivery;
    return session.Exchange(SendEnd(group), kSendEnd, reply);
}
}  // namespace

Delivery DeliverMessage(std::uint32_t address, const Message& message) {
    if (message.text.size() > kSingleMessageLimit) return DeliverInBlocks(address, message);
    MessengerSession session;
    Delivery delivery = session.Open(address, message);
    if (delivery.outcome != Outcome::kSent) return delivery;
    SmbReply reply;
    delivery = session.Exchange(SendSingle(message.from, message.to, message.text), kSendSingle, reply);
    // A peer that ends the session instead of answering takes messages only in blocks before a
    // protocol is negotiated (Samba does so): the message has not arrived, so it goes again that way.
    if (delivery.outcome == Outcome::kClosed) return DeliverInBlocks(address, message);
    return delivery;
}

Delivery BroadcastMessage(const Message& message) {
    Socket socket;
    if (const Status status = OpenDatagramSocket(kDatagramPort, socket)) return FromStatus(status);
    const std::string smb = MessengerMailslotWrite(message.from, message.to, message.text);
    const std::uint16_t id = NewPacketId();
    bool sent = false;
    for (const Subnet& subnet : BroadcastSubnets()) {
        const std::string datagram = GroupDatagram(id, subnet.address, message.computer, message.to, smb);
        if (const Status status = SendDatagram(socket, subnet.broadcast, kDatagramPort, datagram))
            return FromStatus(status);
        sent = true;
    }
    return sent ? Delivery{} : Delivery{Outcome::kNoSubnet};
}

}  // namespace netsend
