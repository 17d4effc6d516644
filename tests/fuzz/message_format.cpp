// A message file's bytes as the editor shows them, and the names of the last-message file
// and of the temporary file beside it.
#include "fuzz.h"
#include "messaging/message_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Text(data, size);
    const std::string text = messaging::EditorText(bytes);
    fuzz::Expect(text.find('\0') == std::string::npos);
    // Every line break is CR LF, and the text is already as the editor shows it.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') fuzz::Expect(i + 1 < text.size() && text[i + 1] == '\n');
        if (text[i] == '\n') fuzz::Expect(i > 0 && text[i - 1] == '\r');
    }
    fuzz::Expect(messaging::EditorText(text) == text);

    const std::string kept = messaging::LastMessageFileName(bytes);
    fuzz::Expect(kept.ends_with(".sav") && kept.size() <= bytes.size() + 4);
    // The temporary file lies in the same folder as the file it stands in for.
    const std::string temporary = messaging::TemporaryFileFor(bytes);
    fuzz::Expect(temporary.ends_with("~pebblewire.tmp"));
    fuzz::Expect(bytes.starts_with(std::string_view(temporary).substr(0, temporary.size() - 15)));
    return 0;
}
