#include "netsend/deliver.h"

#include <cstdio>

#include "netsend/netbios.h"
#include "netsend/resolve.h"
#include "netsend/smb.h"
#include "netsend/sockets.h"
#include "netsend/wire.h"

namespace netsend {

namespace {
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
// command's deadline.
class MessengerSession {
public:
    explicit MessengerSession(const Deadline& deadline) : deadline_(deadline) {}

    // Connects and asks for the session, going where the peer retargets it.
    Delivery Open(const std::uint32_t first, const Message& message) {
        std::uint32_t address = first;
        std::uint16_t port = kSessionPort;
        for (int attempt = 0; attempt <= kMostRetargets; ++attempt) {
            Status status = Connect(address, port, deadline_, socket_);
            if (!status) status = SendAll(socket_, SessionRequest(message.to, message.computer), deadline_);
            SessionAnswer answer;
            if (!status) status = ReadAnswer(answer);
            if (status) return FromStatus(status);
            switch (answer.kind) {
            case SessionAnswer::kPositive: return kDelivered;
            case SessionAnswer::kNegative: return {Outcome::kNoMessenger, Hex(answer.error, 2)};
            case SessionAnswer::kRetarget:
                if (!RetargetAllowed(first, answer.address, LocalAddresses())) return {Outcome::kRetargetRefused};
                address = answer.address;
                port = answer.port;
                break;
            default: return {Outcome::kBadReply};
            }
        }
        return {Outcome::kTooManyRetargets};
    }

    // Sends the SMB and checks that the peer took it.
    Delivery Exchange(std::string_view smb, std::uint32_t command, SmbReply& reply, bool carriesText) {
        answered_ = false;
        Status status = SendAll(socket_, SessionMessage(smb), deadline_);
        textLeft_ = textLeft_ || (carriesText && !status);
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
    // Whether an SMB with some of the text went out whole.
    bool TextLeft() const { return textLeft_; }

private:
    // The answer to the session request; keep-alives before it are passed over.
    Status ReadAnswer(SessionAnswer& answer) {
        for (int packet = 0; packet <= kMostKeepAlives; ++packet) {
            SessionHeader header;
            std::string body;
            if (const Status status = Read(header, body)) return status;
            answer = ParseSessionAnswer(header.type, body);
            if (answer.kind != SessionAnswer::kKeepAlive) return 0;
        }
        answer = {};
        return 0;
    }

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
    bool textLeft_ = false;
};

// A failure after some of the text went out leaves it unknown whether the peer shows it.
Delivery Settled(const Delivery& delivery, bool textLeft) {
    if (!textLeft || delivery.outcome == Outcome::kSent) return delivery;
    return {Outcome::kUnconfirmed, UnconfirmedDetail(delivery.outcome, delivery.detail)};
}

Delivery DeliverInBlocks(std::uint32_t address, const Message& message, const Deadline& deadline, bool textLeft) {
    MessengerSession session(deadline);
    Delivery delivery = session.Open(address, message);
    SmbReply reply;
    if (delivery.outcome == Outcome::kSent)
        delivery = session.Exchange(SendStart(message.from, message.to), kSendStart, reply, false);
    const std::uint16_t group = reply.group;
    for (const std::string_view block : TextBlocks(message.text)) {
        if (delivery.outcome != Outcome::kSent) break;
        delivery = session.Exchange(SendText(group, block), kSendText, reply, true);
    }
    if (delivery.outcome == Outcome::kSent) delivery = session.Exchange(SendEnd(group), kSendEnd, reply, false);
    return Settled(delivery, textLeft || session.TextLeft());
}
}  // namespace

Delivery DeliverMessage(std::uint32_t address, const Message& message, const Deadline& deadline) {
    if (message.text.size() > kSingleMessageLimit) return DeliverInBlocks(address, message, deadline, false);
    MessengerSession session(deadline);
    Delivery delivery = session.Open(address, message);
    if (delivery.outcome != Outcome::kSent) return delivery;
    SmbReply reply;
    delivery = session.Exchange(SendSingle(message.from, message.to, message.text), kSendSingle, reply, true);
    // The one peer behaviour that sends the message again, in blocks: the peer ends the connection
    // (FIN or RST) after the single-block request without a byte in answer. Samba does so before a
    // protocol is negotiated, and has not taken the message then. Any answer, a keep-alive too,
    // leaves the outcome as it is, so that no message arrives twice.
    if (delivery.outcome == Outcome::kClosed && !session.Answered())
        return DeliverInBlocks(address, message, deadline, session.TextLeft());
    // An error in answer to the one command that carried the text: the peer did not take it.
    if (delivery.outcome == Outcome::kRejected) return delivery;
    return Settled(delivery, session.TextLeft());
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
        if (status)
            failed = status;
        else
            ++sent;
    }
    if (!failed) return sent ? kDelivered : Delivery{Outcome::kNoSubnet};
    return sent ? Delivery{Outcome::kPartlySent, std::to_string(failed)} : FromStatus(failed);
}

}  // namespace netsend
