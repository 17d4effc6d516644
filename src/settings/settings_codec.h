// Where the settings live, what their values are called, and how each kind of value is written
// as registry text and read back from the bytes the registry returned.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace settings {

// HKEY_CURRENT_USER\<kRoot>\<kSection> holds every value of the program.
constexpr char kRoot[] = "Software\\Brantel";
constexpr char kSection[] = "Pebblewire";

constexpr char kHandle[] = "Handle";
constexpr char kSaveAtClose[] = "SaveAtClose";
constexpr char kLeft[] = "Left";
constexpr char kTop[] = "Top";
constexpr char kWidth[] = "Width";
constexpr char kHeight[] = "Height";
constexpr char kInTraybar[] = "InTraybar";
constexpr char kCloseToTraybar[] = "CloseToTraybar";
constexpr char kClearAfterSend[] = "ClearAfterSend";
constexpr char kLoadLastMsg[] = "LoadLastMsg";
constexpr char kWorkgroup[] = "Workgroup";
constexpr char kDestination[] = "Destination";
constexpr char kBand1ToolBar1[] = "Band1_ToolBar1";
constexpr char kBand1Break[] = "Band1_Break";
constexpr char kBand1Width[] = "Band1_Width";
constexpr char kBand2Break[] = "Band2_Break";
constexpr char kBand2Width[] = "Band2_Width";
constexpr char kPathFilename[] = "PathFilename";

// A registry read or write that failed; the text is what the error box shows.
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static SettingsError InvalidDataType(std::string_view valueName);
    static SettingsError CreateKeyFailed(std::string_view keyName);
    static SettingsError SetDataFailed(std::string_view valueName);

    // The value that could not be read for its type; empty for every other failure.
    const std::string& Unreadable() const { return unreadable_; }

private:
    std::string unreadable_;
};

// Registry type codes the decoder tells apart (the values of REG_SZ and REG_EXPAND_SZ).
constexpr unsigned long kRegistryText = 1;
constexpr unsigned long kRegistryExpandText = 2;

// The text of a value: the bytes up to the first NUL, never beyond `reportedSize` nor beyond the
// buffer (the registry reports the full size even when the data did not fit). Expandable text
// stays unexpanded. Any other type throws SettingsError::InvalidDataType.
std::string DecodeText(std::string_view valueName, unsigned long type, std::span<const unsigned char> buffer,
                       std::size_t reportedSize);

// Decimal text of a signed 32-bit number: "-" for negatives, no leading zeros, no plus sign.
std::string EncodeNumber(std::int32_t number);
// The stored text as a number; `fallback` unless it is a decimal number in range, optionally
// signed (no blanks, no hexadecimal).
std::int32_t DecodeNumber(std::string_view text, std::int32_t fallback);

// "1" or "0".
std::string EncodeFlag(bool flag);
// Any non-zero number is true; text that is no number gives `fallback`.
bool DecodeFlag(std::string_view text, bool fallback);

}  // namespace settings
