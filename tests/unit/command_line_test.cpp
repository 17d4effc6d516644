#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

// The rules only this program has: control characters separate, empty words vanish, a backslash
// is an ordinary character. Where the system's splitting agrees, the test below asks it.
TEST_CASE("command lines split at blanks and control characters, quotes group and vanish") {
    using Words = std::vector<std::string>;
    struct Row {
        const char* line;
        Words words;
    } rows[] = {
        {"", {}},
        {"   ", {}},
        {"pw.exe", {"pw.exe"}},
        {"pw.exe minimized", {"pw.exe", "minimized"}},
        {"\"C:\\Program Files\\pw.exe\" \"Minimized\"", {"C:\\Program Files\\pw.exe", "Minimized"}},
        {"pw.exe\tminimized", {"pw.exe", "minimized"}},
        {"pw.exe\x01minimized\x1f"
         "x",
         {"pw.exe", "minimized", "x"}},
        {"pw.exe \"\" minimized", {"pw.exe", "minimized"}},
        {"pw.exe mini\"mi\"zed", {"pw.exe", "minimized"}},
        {"pw.exe \"a b\"c", {"pw.exe", "a bc"}},
        {"pw.exe \"open end", {"pw.exe", "open end"}},
        {"pw.exe a\\\"b c\"", {"pw.exe", "a\\b c"}},
        {"pw.exe \xe8\xe1st", {"pw.exe", "\xe8\xe1st"}},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.line));
        CHECK(app::SplitCommandLine(row.line) == row.words);
    }
    CHECK(app::SplitCommandLine(std::string_view("pw.exe a\0b", 10)) == Words{"pw.exe", "a"});
}

TEST_CASE("only a first argument of minimized, in any case, asks for a hidden start") {
    struct Row {
        const char* line;
        bool minimized;
    } rows[] = {
        {"pw.exe minimized", true},
        {"pw.exe Minimized", true},
        {"pw.exe MINIMIZED", true},
        {"pw.exe \"Minimized\"", true},
        {"\"C:\\a b\\pw.exe\"  mInImIzEd  ", true},
        {"pw.exe minimized other", true},
        {"pw.exe", false},
        {"minimized", false},
        {"pw.exe -minimized", false},
        {"pw.exe /minimized", false},
        {"pw.exe other minimized", false},
        {"pw.exe minimize", false},
        {"pw.exe minimizedd", false},
        {"pw.exe \"minimized \"", false},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.line));
        CHECK(app::StartsMinimized(row.line) == row.minimized);
    }
}

#ifdef _WIN32
namespace {
std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(size_t(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), int(wide.size()))) - 1);
    return wide;
}

std::string Ansi(const wchar_t* text) {
    char buffer[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

std::vector<std::string> SystemSplit(const std::string& line) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(Wide(line).c_str(), &count);
    std::vector<std::string> words;
    for (int i = 0; arguments && i < count; ++i) words.push_back(Ansi(arguments[i]));
    LocalFree(arguments);
    return words;
}
}  // namespace

TEST_CASE("where the system's splitting has the same rules, it gives the same words") {
    const char* lines[] = {
        "pw.exe minimized",
        "pw.exe Minimized MINIMIZED",
        "\"C:\\Program Files\\pw.exe\" \"Minimized\"",
        "pw.exe\tminimized\t\tx",
        "pw.exe    minimized   ",
        "pw.exe mini\"mi\"zed",
        "pw.exe \"a b\"c d",
        "pw.exe \"open end",
        "pw.exe -minimized /minimized",
        "\"C:\\Nástroje\\pw.exe\" \"šéf a účetní\"",
    };
    for (const char* line : lines) {
        CAPTURE(std::string(line));
        CHECK(app::SplitCommandLine(line) == SystemSplit(line));
    }
}
#endif
