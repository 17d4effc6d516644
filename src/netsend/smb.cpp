#include "netsend/smb.h"

#include <initializer_list>

#include "netsend/wire.h"

namespace netsend {

namespace {
constexpr char kProtocol[] = "\xFFSMB";
constexpr std::size_t kProtocolSize = 4;
constexpr std::size_t kHeaderSize = 32;
// After the status: flags, second flags, process id high part, signature, reserved, tree,
// process, user and multiplex ids.
constexpr std::size_t kHeaderTail = 23;
constexpr std::size_t kDataAlignment = 4;  // of a mailslot write's data, from the SMB's start
constexpr char kAsciiString = 0x04;
constexpr char kDataBlock = 0x01;

constexpr char kMessengerMailslot[] = "\\MAILSLOT\\MESSNGR";
constexpr std::uint32_t kMailslotWrite = 1;
constexpr std::uint32_t kMailslotPriority = 1;
constexpr std::uint32_t kUnreliableBroadcastClass = 2;
constexpr std::uint32_t kTransactionWords = 14;  // before the setup words

// Header, parameter words and bytes of one request. Everything the messenger does not look at
// (tree, process, user and multiplex ids, signature) is zero.
std::string Command(std::uint32_t command, std::initializer_list<std::uint32_t> words, std::string_view bytes) {
    std::string packet(kProtocol, kProtocolSize);
    PutByte(packet, command);
    packet.append(kHeaderSize - packet.size(), '\0');
    PutByte(packet, std::uint32_t(words.size()));
    for (const std::uint32_t word : words) PutLittle16(packet, word);
    PutLittle16(packet, std::uint32_t(bytes.size()));
    packet += bytes;
    return packet;
}

std::string AsciiString(std::string_view text) { return kAsciiString + std::string(text) + '\0'; }

std::string DataBlock(std::string_view data) {
    std::string block(1, kDataBlock);
    PutLittle16(block, std::uint32_t(data.size()));
    return block + std::string(data);
}
}  // namespace

// The text goes as it is, each line break a CR LF. A messenger is asked to turn line breaks into
// 0x14, but Samba turns CR LF into a line break and shows 0x14 as a stray character, and the
// system's messenger shows CR LF as a line break too.
std::string SendSingle(std::string_view from, std::string_view to, std::string_view text) {
    return Command(kSendSingle, {}, AsciiString(from) + AsciiString(to) + DataBlock(text));
}

std::string SendStart(std::string_view from, std::string_view to) {
    return Command(kSendStart, {}, AsciiString(from) + AsciiString(to));
}

std::string SendText(std::uint16_t group, std::string_view block) {
    return Command(kSendText, {group}, DataBlock(block));
}

std::string SendEnd(std::uint16_t group) { return Command(kSendEnd, {group}, {}); }

std::vector<std::string_view> TextBlocks(std::string_view text) {
    std::vector<std::string_view> blocks;
    for (std::size_t at = 0; at < text.size(); at += kTextBlockSize) blocks.push_back(text.substr(at, kTextBlockSize));
    return blocks;
}

std::string_view Originator(std::string_view user, std::string_view computer) {
    return user.empty() || user.size() > kOriginatorLimit ? computer.substr(0, kOriginatorLimit) : user;
}

SmbReply ParseSmbReply(std::string_view packet, std::uint32_t command) {
    Reader reader(packet);
    const std::string_view protocol = reader.Take(kProtocolSize);
    const std::uint32_t answered = reader.Byte();
    SmbReply reply;
    reply.status = reader.Little32();
    reader.Skip(kHeaderTail);
    const std::uint32_t words = reader.Byte();
    // A reply to SMBsendstrt names the group in its one word; Samba's and a failed one carry none.
    const bool wordsFit = words == 0 || (command == kSendStart && words == 1);
    if (words == 1) reply.group = std::uint16_t(reader.Little16());
    reader.Skip(reader.Little16());
    reply.valid = reader.Ok() && protocol == std::string_view(kProtocol, kProtocolSize) && answered == command &&
                  wordsFit;
    return reply;
}

std::string MessengerMailslotWrite(std::string_view from, std::string_view to, std::string_view text) {
    const std::string data = std::string(from) + '\0' + std::string(to) + '\0' + std::string(text) + '\0';
    std::string name = std::string(kMessengerMailslot) + '\0';
    const std::uint32_t setupWords = 3;
    // Offsets count from the start of the SMB: header, word count, words, byte count, the name
    // and the padding that aligns the data.
    const std::size_t bytesStart = kHeaderSize + 1 + 2 * (kTransactionWords + setupWords) + 2;
    name.append((kDataAlignment - (bytesStart + name.size()) % kDataAlignment) % kDataAlignment, '\0');
    const std::uint32_t dataOffset = std::uint32_t(bytesStart + name.size());
    const std::uint32_t size = std::uint32_t(data.size());
    return Command(kTransaction,
                   {0, size, 0, 0, 0, 0, 0, 0, 0, 0, dataOffset, size, dataOffset, setupWords, kMailslotWrite,
                    kMailslotPriority, kUnreliableBroadcastClass},
                   name + data);
}

}  // namespace netsend
