// The error box's text: the message, with a full stop after a last character above '.'.
#include "fuzz.h"
#include "toolkit/error_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view message = fuzz::Text(data, size);
    const std::string text = tk::ErrorBoxText(message);
    const bool stopAdded = !message.empty() && static_cast<unsigned char>(message.back()) > '.';
    fuzz::Expect(text.starts_with(message) && text.size() == message.size() + stopAdded);
    if (stopAdded) fuzz::Expect(text.back() == '.' && tk::ErrorBoxText(text) == text);
    return 0;
}
