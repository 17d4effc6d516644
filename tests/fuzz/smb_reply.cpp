// A messenger's SMB reply and the session header in front of it, as received from the network;
// and the message blocks that carry a text.
#include "fuzz.h"
#include "netsend/netbios.h"
#include "netsend/smb.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view packet = fuzz::Text(data, size);
    const std::uint32_t command = packet.empty() ? 0 : std::uint8_t(packet.back());
    const netsend::SmbReply reply = netsend::ParseSmbReply(packet, command);
    if (reply.valid) fuzz::Expect(packet.starts_with("\xFFSMB") && command == std::uint8_t(packet[4]));
    const netsend::SessionHeader header = netsend::ParseSessionHeader(packet);
    fuzz::Expect(header.length < (1u << 17));
    // A session message tells its payload's length; the blocks of a text give it back whole.
    const std::string message = netsend::SessionMessage(packet.substr(0, 0xFFFF));
    fuzz::Expect(netsend::ParseSessionHeader(message).length == std::min<std::size_t>(packet.size(), 0xFFFF));
    std::string joined;
    for (std::string_view block : netsend::TextBlocks(packet)) {
        fuzz::Expect(!block.empty() && block.size() <= netsend::kTextBlockSize);
        joined += block;
    }
    fuzz::Expect(joined == packet);
    return 0;
}
