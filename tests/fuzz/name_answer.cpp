// A name server's or a node's answer to a name query, as received from the network.
#include "fuzz.h"
#include "netsend/netbios.h"

// The first two bytes are the query's id, the rest the packet.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint16_t id = std::uint16_t(data[0] << 8 | data[1]);
    const std::string_view packet = fuzz::Text(data + 2, size - 2);
    const netsend::NameAnswer answer = netsend::ParseNameAnswer(packet, id, "PEBBLEPEER", netsend::kMessengerSuffix);
    // An answer names the query it answers.
    if (answer.kind != netsend::NameAnswer::kNoAnswer)
        fuzz::Expect(packet.size() >= 2 && std::uint16_t(std::uint8_t(packet[0]) << 8 | std::uint8_t(packet[1])) == id);
    if (answer.kind != netsend::NameAnswer::kFound) fuzz::Expect(answer.address == 0);
    // An address comes only with the name asked, whole in the packet.
    if (answer.kind == netsend::NameAnswer::kFound)
        fuzz::Expect(packet.find(netsend::EncodeName("PEBBLEPEER", netsend::kMessengerSuffix).substr(0, 33)) !=
                     std::string_view::npos);
    return 0;
}
