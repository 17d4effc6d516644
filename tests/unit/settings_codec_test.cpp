#include <doctest/doctest.h>

#include <climits>
#include <string>
#include <vector>

#include "settings/settings_codec.h"

using settings::DecodeText;
using settings::kRegistryExpandText;
using settings::kRegistryText;

namespace {
std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }
}  // namespace

TEST_CASE("text is read up to the first NUL and never past the data the registry returned") {
    struct Row {
        const char* name;
        std::string buffer;   // what the registry wrote into the buffer
        size_t reportedSize;  // what it said the data's size is
        std::string expected;
    } rows[] = {
        {"terminated text", std::string("ahoj\0", 5), 5, "ahoj"},
        {"no terminating NUL", "ahoj", 4, "ahoj"},
        {"zero-length data", "", 0, ""},
        {"only a NUL", std::string(1, '\0'), 1, ""},
        {"stops at the first NUL", std::string("a\0b\0", 4), 4, "a"},
        {"reported size shorter than the buffer", "ahojxxxx", 4, "ahoj"},
        {"reported size beyond the buffer", "ahoj", 4096, "ahoj"},
        {"reported size beyond a buffer with a NUL", std::string("ab\0cd", 5), 4096, "ab"},
        {"Czech bytes kept", "účtárna", 7, "účtárna"},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        // An exactly sized heap copy lets the sanitizer catch any read past the end.
        const std::vector<unsigned char> buffer = Bytes(row.buffer);
        CHECK(DecodeText("V", kRegistryText, buffer, row.reportedSize) == row.expected);
    }
}

TEST_CASE("only text values can be read; expandable text stays unexpanded") {
    const std::vector<unsigned char> data = Bytes(std::string("%WINDIR%\\x\0", 11));
    CHECK(DecodeText("Path", kRegistryExpandText, data, data.size()) == "%WINDIR%\\x");
    struct Row {
        unsigned long type;
        const char* kind;
    } refused[] = {{0, "REG_NONE"}, {3, "REG_BINARY"}, {4, "REG_DWORD"}, {7, "REG_MULTI_SZ"}, {11, "REG_QWORD"}};
    for (const Row& row : refused) {
        CAPTURE(std::string(row.kind));
        CHECK_THROWS_WITH_AS(DecodeText("InTraybar", row.type, data, data.size()), "Invalid data type for 'InTraybar'",
                             settings::SettingsError);
    }
}

TEST_CASE("the store's error messages name the value or the key") {
    CHECK(std::string(settings::SettingsError::InvalidDataType("Width").what()) == "Invalid data type for 'Width'");
    CHECK(std::string(settings::SettingsError::CreateKeyFailed("Pebblewire").what()) ==
          "Failed to create key Pebblewire");
    CHECK(std::string(settings::SettingsError::SetDataFailed("Handle").what()) == "Failed to set data for 'Handle'");
}

TEST_CASE("numbers round-trip as decimal text and text that is no number gives the default") {
    struct Row {
        std::int32_t number;
        const char* text;
    } written[] = {{0, "0"}, {1, "1"}, {-1, "-1"}, {340, "340"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"}};
    for (const Row& row : written) {
        CAPTURE(std::string(row.text));
        CHECK(settings::EncodeNumber(row.number) == row.text);
        CHECK(settings::DecodeNumber(row.text, 77) == row.number);
    }
    struct Read {
        const char* text;
        std::int32_t expected;
    } read[] = {
        {"+5", 5},           {"007", 7},          {"-0", 0},   {"", 77},     {"abc", 77},
        {"12abc", 77},       {" 5", 77},          {"5 ", 77},  {"0x10", 77}, {"$10", 77},
        {"+", 77},           {"-", 77},           {"+-5", 77}, {"--5", 77},  {"2147483648", 77},
        {"-2147483649", 77}, {"99999999999", 77}, {"1.5", 77},
    };
    for (const Read& row : read) {
        CAPTURE(std::string(row.text));
        CHECK(settings::DecodeNumber(row.text, 77) == row.expected);
    }
}

TEST_CASE("flags are 1 and 0; any other number is true and a word gives the default") {
    CHECK(settings::EncodeFlag(true) == "1");
    CHECK(settings::EncodeFlag(false) == "0");
    struct Row {
        const char* text;
        bool fallback;
        bool expected;
    } rows[] = {
        {"1", false, true},  {"0", true, false},           {"2", false, true}, {"-1", false, true},
        {"ano", true, true}, {"ano", false, false},        {"", true, true},   {"", false, false},
        {"00", true, false}, {"4294967296", false, false},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.text));
        CAPTURE(row.fallback);
        CHECK(settings::DecodeFlag(row.text, row.fallback) == row.expected);
    }
}
