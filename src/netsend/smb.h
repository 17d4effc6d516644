// The SMB commands a messenger understands: a short message in one command, a long one as start,
// text blocks and end; and the mailslot write that carries a message to a whole group.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace netsend {

constexpr std::size_t kSingleMessageLimit = 128;  // the most one SMBsends carries
constexpr std::size_t kTextBlockSize = 128;       // the most one SMBsendtxt carries
constexpr std::size_t kMessageLimit = 652;        // a longer text is cut here: what a messenger shows
constexpr std::size_t kBroadcastLimit = 128;      // what a group message carries: one block's worth
constexpr std::size_t kOriginatorLimit = 15;      // the sender's name at most

constexpr std::uint32_t kSendSingle = 0xD0;
constexpr std::uint32_t kSendStart = 0xD5;
constexpr std::uint32_t kSendEnd = 0xD6;
constexpr std::uint32_t kSendText = 0xD7;
constexpr std::uint32_t kTransaction = 0x25;

// SMBsends: the whole message from the user `from` to the name `to`.
std::string SendSingle(std::string_view from, std::string_view to, std::string_view text);
// SMBsendstrt, SMBsendtxt and SMBsendend of a message group.
std::string SendStart(std::string_view from, std::string_view to);
std::string SendText(std::uint16_t group, std::string_view block);
std::string SendEnd(std::uint16_t group);
// The text in blocks of kTextBlockSize bytes; none for an empty text (an empty block is refused
// by Samba, and start and end alone make an empty message).
std::vector<std::string_view> TextBlocks(std::string_view text);

// The name a message goes out from: the user's, or the computer's where the user has none or one
// longer than a messenger takes.
std::string_view Originator(std::string_view user, std::string_view computer);

struct SmbReply {
    bool valid = false;        // a reply to the command at all
    std::uint32_t status = 0;  // zero when the command succeeded (a DOS or an NT status)
    std::uint16_t group = 0;   // the message group a reply to SMBsendstrt names (zero when none)
};
// The reply to `command`, told by its command code, WordCount and ByteCount alone: a messenger may
// leave every other header field zero, the reply flag too.
SmbReply ParseSmbReply(std::string_view packet, std::uint32_t command);

// SMBtrans writing "from NUL to NUL text NUL" to the mailslot \MAILSLOT\MESSNGR.
std::string MessengerMailslotWrite(std::string_view from, std::string_view to, std::string_view text);

}  // namespace netsend
