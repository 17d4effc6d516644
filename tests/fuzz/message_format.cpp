// A message file's bytes as the editor shows them, and the last-message file's name and folder.
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
    const std::string folder = messaging::FolderOf(bytes);
    fuzz::Expect(folder == "." || bytes.starts_with(folder));
    return 0;
}
