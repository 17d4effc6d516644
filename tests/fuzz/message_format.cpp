// A message file's bytes as the editor shows them, and the names of the last-message file
// beside the program and in the application-data folder.
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
    // The application-data file lies in the program's own folder there, under no folder of the name's.
    const std::string inAppData = messaging::AppDataFileName("C:", bytes);
    fuzz::Expect(inAppData.starts_with("C:\\Brantel\\Pebblewire\\") && inAppData.ends_with(".sav"));
    fuzz::Expect(inAppData.find_first_of("\\:", 22) == std::string::npos);
    return 0;
}
