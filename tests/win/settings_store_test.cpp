// SettingsStore against the registry of the test prefix. Each case works in a scratch section
// beside the program's own and removes what it wrote.
#include <doctest/doctest.h>

#include <windows.h>

#include <climits>
#include <optional>
#include <string>

#include "settings/settings_store.h"
#include "support/registry.h"

using settings::SettingsStore;

namespace {

constexpr char kRoot[] = "Software\\Brantel";
constexpr char kSection[] = "PebblewireStoreTest";
constexpr char kSectionPath[] = "Software\\Brantel\\PebblewireStoreTest";

using drv::DeleteKeyTree;
using drv::KeyExists;

// Removes the scratch section, and the root too when the case made it.
class Scratch {
public:
    Scratch() : rootExisted_(KeyExists(kRoot)) { DeleteKeyTree(kSectionPath); }
    ~Scratch() {
        DeleteKeyTree(kSectionPath);
        if (!rootExisted_) DeleteKeyTree(kRoot);
    }

private:
    bool rootExisted_;
};

void WriteRaw(const char* name, DWORD type, const void* data, DWORD size) {
    const tk::RegistryKey key = tk::RegistryKey::Create(HKEY_CURRENT_USER, kSectionPath);
    REQUIRE(key);
    REQUIRE(RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS);
}

void WriteRawText(const char* name, const std::string& bytes, DWORD type = REG_SZ) {
    WriteRaw(name, type, bytes.data(), DWORD(bytes.size()));
}

struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

std::optional<RawValue> ReadRaw(const char* name) {
    const tk::RegistryKey key = tk::RegistryKey::Open(HKEY_CURRENT_USER, kSectionPath);
    if (!key) return std::nullopt;
    char data[512];
    DWORD type = 0, size = sizeof data;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return RawValue{type, std::string(data, size)};
}

}  // namespace

TEST_CASE("opening the store creates the root key") {
    const Scratch scratch;
    DeleteKeyTree(kRoot + std::string("\\") + kSection);
    const bool hadRoot = KeyExists(kRoot);
    if (hadRoot) {
        // Only an empty root can be removed safely here; the program's own section may live in it.
        RegDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    }
    const SettingsStore store;
    CHECK(KeyExists(kRoot));
}

TEST_CASE("every kind is written as REG_SZ text with its terminating NUL") {
    const Scratch scratch;
    SettingsStore store;
    struct Row {
        const char* name;
        void (*write)(SettingsStore&, const char*);
        std::string bytes;
    } rows[] = {
        {"text", [](SettingsStore& s, const char* n) { s.StoreText(kSection, n, "ahoj světe"); },
         std::string("ahoj světe\0", 11)},
        {"empty text", [](SettingsStore& s, const char* n) { s.StoreText(kSection, n, ""); }, std::string(1, '\0')},
        {"zero", [](SettingsStore& s, const char* n) { s.StoreNumber(kSection, n, 0); }, std::string("0\0", 2)},
        {"negative", [](SettingsStore& s, const char* n) { s.StoreNumber(kSection, n, -1); }, std::string("-1\0", 3)},
        {"largest", [](SettingsStore& s, const char* n) { s.StoreNumber(kSection, n, INT_MAX); },
         std::string("2147483647\0", 11)},
        {"smallest", [](SettingsStore& s, const char* n) { s.StoreNumber(kSection, n, INT_MIN); },
         std::string("-2147483648\0", 12)},
        {"true", [](SettingsStore& s, const char* n) { s.StoreFlag(kSection, n, true); }, std::string("1\0", 2)},
        {"false", [](SettingsStore& s, const char* n) { s.StoreFlag(kSection, n, false); }, std::string("0\0", 2)},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        row.write(store, row.name);
        const std::optional<RawValue> raw = ReadRaw(row.name);
        REQUIRE(raw);
        CHECK(raw->type == REG_SZ);
        CHECK(raw->bytes == row.bytes);
    }
    // What was written reads back as written.
    CHECK(store.LoadText(kSection, "text", "x") == "ahoj světe");
    CHECK(store.LoadText(kSection, "empty text", "x") == "");
    CHECK(store.LoadNumber(kSection, "smallest", 0) == INT_MIN);
    CHECK(store.LoadFlag(kSection, "false", true) == false);
}

TEST_CASE("stored text reads as text, number and flag by the encoding table") {
    const Scratch scratch;
    const SettingsStore store;
    struct Row {
        const char* name;
        std::string bytes;
        DWORD type;
        const char* text;  // LoadText with default "D"
        int number;        // LoadNumber with default 42
        bool flagIfTrue;   // LoadFlag with default true
        bool flagIfFalse;  // LoadFlag with default false
    } rows[] = {
        {"minus one", std::string("-1\0", 3), REG_SZ, "-1", -1, true, true},
        {"word", std::string("slovo\0", 6), REG_SZ, "slovo", 42, true, false},
        {"two as flag", std::string("2\0", 2), REG_SZ, "2", 2, true, true},
        {"zero", std::string("0\0", 2), REG_SZ, "0", 0, false, false},
        {"zero-length data", std::string(), REG_SZ, "", 42, true, false},
        {"no terminating NUL", "123", REG_SZ, "123", 123, true, true},
        {"text after a NUL is ignored",
         std::string("7\0"
                     "9",
                     3),
         REG_SZ, "7", 7, true, true},
        {"expandable text stays unexpanded", std::string("%WINDIR%\0", 9), REG_EXPAND_SZ, "%WINDIR%", 42, true, false},
        {"expandable number", std::string("5\0", 2), REG_EXPAND_SZ, "5", 5, true, true},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        WriteRawText(row.name, row.bytes, row.type);
        CHECK(store.LoadText(kSection, row.name, "D") == row.text);
        CHECK(store.LoadNumber(kSection, row.name, 42) == row.number);
        CHECK(store.LoadFlag(kSection, row.name, true) == row.flagIfTrue);
        CHECK(store.LoadFlag(kSection, row.name, false) == row.flagIfFalse);
    }
}

TEST_CASE("long text is read whole") {
    const Scratch scratch;
    SettingsStore store;
    const std::string text(5000, 'x');
    store.StoreText(kSection, "long", text);
    CHECK(store.LoadText(kSection, "long", "") == text);
}

TEST_CASE("missing sections and values give the default, and reading creates nothing") {
    const Scratch scratch;
    const SettingsStore store;
    CHECK(store.LoadText(kSection, "none", "výchozí") == "výchozí");
    CHECK(store.LoadNumber(kSection, "none", -7) == -7);
    CHECK(store.LoadFlag(kSection, "none", true));
    CHECK_FALSE(KeyExists(kSectionPath));
    WriteRawText("other", std::string("1\0", 2));
    CHECK(store.LoadNumber(kSection, "none", 9) == 9);
    CHECK_FALSE(store.LoadFlag(kSection, "none", false));
}

TEST_CASE("a value that is not text cannot be read") {
    const Scratch scratch;
    const SettingsStore store;
    const DWORD number = 1;
    WriteRaw("InTraybar", REG_DWORD, &number, sizeof number);
    WriteRaw("Binary", REG_BINARY, "1\0", 2);
    WriteRaw("Multi", REG_MULTI_SZ, "1\0\0", 3);
    struct Row {
        const char* name;
        const char* message;
    } rows[] = {
        {"InTraybar", "Invalid data type for 'InTraybar'"},
        {"Binary", "Invalid data type for 'Binary'"},
        {"Multi", "Invalid data type for 'Multi'"},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        CHECK_THROWS_WITH_AS(store.LoadText(kSection, row.name, ""), row.message, settings::SettingsError);
        CHECK_THROWS_WITH_AS(store.LoadNumber(kSection, row.name, 0), row.message, settings::SettingsError);
        CHECK_THROWS_WITH_AS(store.LoadFlag(kSection, row.name, true), row.message, settings::SettingsError);
    }
}

TEST_CASE("writes that the registry refuses raise the store's errors") {
    const Scratch scratch;
    SettingsStore store;
    // Key names are limited to 255 characters, value names to 16383.
    const std::string longKey(300, 'k');
    CHECK_THROWS_WITH_AS(store.StoreText(longKey.c_str(), "x", "1"), ("Failed to create key " + longKey).c_str(),
                         settings::SettingsError);
    const std::string longName(20000, 'n');
    CHECK_THROWS_WITH_AS(store.StoreNumber(kSection, longName.c_str(), 1),
                         ("Failed to set data for '" + longName + "'").c_str(), settings::SettingsError);
}

TEST_CASE("dropping a value is silent when it or its section is missing and never creates the section") {
    const Scratch scratch;
    SettingsStore store;
    CHECK_NOTHROW(store.DropValue(kSection, "Handle"));
    CHECK_FALSE(KeyExists(kSectionPath));
    store.StoreNumber(kSection, "Handle", 65636);
    store.StoreText(kSection, "Other", "zůstane");
    CHECK_NOTHROW(store.DropValue(kSection, "Handle"));
    CHECK_FALSE(ReadRaw("Handle"));
    CHECK(store.LoadText(kSection, "Other", "") == "zůstane");
    CHECK_NOTHROW(store.DropValue(kSection, "Handle"));
}

TEST_CASE("dropping a section removes its subkeys and values, and leaves the root and its neighbours") {
    const Scratch scratch;
    SettingsStore store;
    store.StoreText(kSection, "Value", "1");
    store.StoreText((std::string(kSection) + "\\Child\\Grandchild").c_str(), "Deep", "2");
    store.StoreText((std::string(kSection) + "\\Sibling").c_str(), "Other", "3");
    const std::string neighbour = std::string(kSection) + "Neighbour";
    store.StoreText(neighbour.c_str(), "Keep", "4");
    store.DropSection(kSection);
    CHECK_FALSE(KeyExists(kSectionPath));
    CHECK(KeyExists(kRoot));
    CHECK(store.LoadText(neighbour.c_str(), "Keep", "") == "4");
    DeleteKeyTree(std::string(kRoot) + "\\" + neighbour);
    CHECK_NOTHROW(store.DropSection(kSection));
}
