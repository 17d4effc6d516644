// Registry values as the settings read them: text of any type and size, numbers and flags as text.
#include <algorithm>

#include "fuzz.h"
#include "settings/settings_codec.h"

namespace {
std::uint32_t Word(const std::uint8_t* data) {
    return std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 | std::uint32_t(data[2]) << 16 |
           std::uint32_t(data[3]) << 24;
}
}  // namespace

// The first byte is the registry type, the next four the size the registry reports, the rest the
// bytes it returned.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    const unsigned long type = data[0] % 12;
    const std::size_t reported = Word(data + 1);
    const std::span<const unsigned char> buffer(data + 5, size - 5);
    const bool isText = type == settings::kRegistryText || type == settings::kRegistryExpandText;
    std::string text;
    try {
        text = settings::DecodeText("Width", type, buffer, reported);
        fuzz::Expect(isText);
    } catch (const settings::SettingsError& error) {
        fuzz::Expect(!isText && std::string_view(error.what()) == "Invalid data type for 'Width'");
        // The numbers below get the bytes anyway, up to a NUL as text would end there.
        text.assign(buffer.begin(), std::find(buffer.begin(), buffer.end(), 0));
    }
    fuzz::Expect(text.size() <= buffer.size() && text.find('\0') == std::string::npos);

    // A number reads the same whatever the fallback, and its own text reads back as it.
    const std::int32_t one = settings::DecodeNumber(text, 1), two = settings::DecodeNumber(text, 2);
    fuzz::Expect(one == two || (one == 1 && two == 2));
    if (one == two) {
        fuzz::Expect(settings::DecodeNumber(settings::EncodeNumber(one), 7) == one);
        fuzz::Expect(settings::DecodeFlag(text, true) == (one != 0) && settings::DecodeFlag(text, false) == (one != 0));
    } else {
        fuzz::Expect(settings::DecodeFlag(text, true) && !settings::DecodeFlag(text, false));
    }
    return 0;
}
