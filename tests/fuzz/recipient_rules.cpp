// The recipient field's text as typed, restored, left and stored.
#include <algorithm>

#include "fuzz.h"
#include "messaging/message_dispatch.h"
#include "messaging/recipient_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    const std::string placeholder(messaging::kWorkgroupPlaceholder);
    for (char key : text) fuzz::Expect(messaging::TypedKey(messaging::TypedKey(key)) == messaging::TypedKey(key));
    const std::string restored = messaging::RestoredText(text);
    fuzz::Expect(text.empty() ? restored == placeholder
                              : restored.size() == std::min(text.size(), messaging::kFieldCapacity));
    // Leaving the field twice changes nothing more; what is stored comes back as it was shown.
    const std::string left = messaging::LeftText(text);
    fuzz::Expect(messaging::LeftText(left) == left);
    fuzz::Expect(messaging::StoredText(left) == (left == placeholder ? "" : left));
    if (left.size() <= messaging::kFieldCapacity)
        fuzz::Expect(messaging::RestoredText(messaging::StoredText(left)) == left);
    return 0;
}
