// The answer to a session request, as received from the network: the first byte is the packet's
// type, the rest its body.
#include "fuzz.h"
#include "netsend/netbios.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string_view body = fuzz::Text(data + 1, size - 1);
    const netsend::SessionAnswer answer = netsend::ParseSessionAnswer(data[0], body);
    // A retarget is followed only whole, to an address and a port.
    if (answer.kind == netsend::SessionAnswer::kRetarget)
        fuzz::Expect(body.size() == 6 && answer.address != 0 && answer.port != 0);
    else
        fuzz::Expect(answer.address == 0 && answer.port == 0);
    if (answer.kind != netsend::SessionAnswer::kNegative) fuzz::Expect(answer.error == 0);
    // From an address of the loopback network, any unicast one; from another, none of it.
    if (answer.kind == netsend::SessionAnswer::kRetarget && (answer.address >> 24) == 127)
        fuzz::Expect(netsend::RetargetAllowed(0x7F000001, answer.address, {}) &&
                     !netsend::RetargetAllowed(0xC6120C02, answer.address, {}));
    return 0;
}
