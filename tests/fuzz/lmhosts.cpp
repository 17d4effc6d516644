// The lmhosts file and the dotted addresses in it.
#include <cstdio>

#include "fuzz.h"
#include "netsend/lmhosts.h"

// The name looked up, a NUL, then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [name, file] = fuzz::Split(fuzz::Text(data, size));
    netsend::LmhostsAddress(file, name);
    // An address that parses reads back the same from its own dotted form.
    if (const auto address = netsend::ParseAddress(name)) {
        char dotted[16];
        std::snprintf(dotted, sizeof dotted, "%u.%u.%u.%u", *address >> 24, (*address >> 16) & 0xFF,
                      (*address >> 8) & 0xFF, *address & 0xFF);
        fuzz::Expect(netsend::ParseAddress(dotted) == address);
    }
    return 0;
}
