#include "netsend/deliver.h"

#include <cstdio>

#include "netsend/netbios.h"
#include "netsend/resolve.h"
#include "netsend/smb.h"
#include "netsend/sockets.h"
#include "netsend/wire.h"

namespace netsend {

namespace {
// From the first packet of a delivery to the last answer, whatever the peer does.
constexpr DWORD kDeliveryMs = 20000;
constexpr int kMostRetargets = 3;
constexpr int kMostKeepAlives = 8;

const Delivery kDelivered{Outcome::kSent};

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

// One NetBIOS session with a messenger: an SMB goes out, its reply comes back, all within the
// delivery's deadline.
class MessengerSession {
public:
    explicit MessengerSession(const Deadline& deadline) : deadline_(deadline) {}

    // Connects and asks for the session, going where the peer retargets it.
    Delivery Open(std::uint32_t address, const Message& message) {
        std::uint16_t port = kSessionPort;
        for (int attempt = 0; attempt <= kMostRetargets; ++attempt) {
            Status status = Connect(address, port, deadline_, socket_);
            if (!status) status = SendAll(socket_, SessionRequest(message.to, message.computer), deadline_);
            SessionHeader header;
            std::string body;
            if (!status) status = Read(header, body);
            if (status) return FromStatus(status);
            const SessionAnswer answer = ParseSessionAnswer(header.type, body);
            switch (answer.kind) {
            case SessionAnswer::kPositive: return kDelivered;
            case SessionAnswer::kNegative: return {Outcome::kNoMessenger, Hex(answer.error, 2)};
            case SessionAnswer::kRetarget:
                if (!RetargetAllowed(address, answer.address)) return {Outcome::kRetargetRefused};
                address = answer.address;
                port = answer.port;
                break;
            default: return {Outcome::kBadReply};
            }
        }
        return {Outcome::kNoAnswer};
    }

    // Sends the SMB and checks that the peer took it.
    Delivery Exchange(std::string_view smb, std::uint32_t command, SmbReply& reply) {
        answered_ = false;
        Status status = SendAll(socket_, SessionMessage(smb), deadline_);
        for (int packet = 0; !status && packet <= kMostKeepAlives; ++packet) {
            SessionHeader header;
            std::string body;
            status = Read(header, body);
            if (status || header.type != kSessionMessage) continue;
            reply = ParseSmbReply(body, command);
            if (!reply.valid) return {Outcome::kBadReply};
            if (reply.status) return {Outcome::kRejected, Hex(reply.status, 8)};
            return kDelivered;
        }
        return status ? FromStatus(status) : Delivery{Outcome::kBadReply};
    }

    // Whether a byte came back since the last SMB went out.
    bool Answered() const { return answered_; }

private:
    Status Read(SessionHeader& header, std::string& body) {
        std::string bytes;
        std::size_t got = 0;
        Status status = ReceiveExactly(socket_, kSessionHeaderSize, deadline_, bytes, got);
        answered_ = answered_ || got > 0;
        if (status) return status;
        header = ParseSessionHeader(bytes);
        return ReceiveExactly(socket_, header.length, deadline_, body, got);
    }

    const Deadline& deadline_;
    Socket socket_;
    bool answered_ = false;
};

Delivery DeliverInBlocks(std::uint32_t address, const Message& message, const Deadline& deadline) {
    MessengerSession session(deadline);
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
    const Deadline deadline(kDeliveryMs);
    if (message.text.size() > kSingleMessageLimit) return DeliverInBlocks(address, message, deadline);
    MessengerSession session(deadline);
    Delivery delivery = session.Open(address, message);
    if (delivery.outcome != Outcome::kSent) return delivery;
    SmbReply reply;
    delivery = session.Exchange(SendSingle(message.from, message.to, message.text), kSendSingle, reply);
    // The one peer behaviour that sends the message again, in blocks: the peer ends the connection
    // (FIN or RST) after the single-block request without a byte in answer. Samba does so before a
    // protocol is negotiated, and has not taken the message then. Any answer, a keep-alive too,
    // leaves the outcome as it is, so that no message arrives twice.
    if (delivery.outcome == Outcome::kClosed && !session.Answered())
        return DeliverInBlocks(address, message, deadline);
    return delivery;
}

Delivery BroadcastMessage(const Message& message) {
    Socket socket;
    if (const Status status = OpenDatagramSocket(kDatagramPort, socket)) return FromStatus(status);
    const std::string smb = MessengerMailslotWrite(message.from, message.to, message.text);
    const std::uint16_t id = NewPacketId();
    int sent = 0;
    Status failed = 0;
    for (const Subnet& subnet : BroadcastSubnets()) {
        const std::string datagram = GroupDatagram(id, subnet.address, message.computer, message.to, smb);
        const Status status = SendDatagram(socket, subnet.broadcast, kDatagramPort, datagram);
        if (status) failed = status;
        else ++sent;
    }
    if (!failed) return sent ? kDelivered : Delivery{Outcome::kNoSubnet};
    return sent ? Delivery{Outcome::kPartlySent, std::to_string(failed)} : FromStatus(failed);
}

}  // namespace netsend
