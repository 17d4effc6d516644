#include <doctest/doctest.h>

#include <string>

#include "messaging/message_format.h"

TEST_CASE("a file's line breaks reach the editor as CR LF, and its text ends at a zero byte") {
    std::string big, bigShown;  // 64 KiB of lines as another system writes them
    while (big.size() < 64 * 1024) big += "řádek\n", bigShown += "řádek\r\n";
    struct Row {
        const char* name;
        std::string file;
        std::string editor;
    } rows[] = {
        {"LF only", "a\nb\n", "a\r\nb\r\n"},
        {"CR only", "a\rb\r", "a\r\nb\r\n"},
        {"LF CR is two breaks", "a\n\rb", "a\r\n\r\nb"},
        {"CR LF stays", "a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"},
        {"CR CR LF", "a\r\r\nb", "a\r\n\r\nb"},
        {"lone breaks at both ends", "\na\r", "\r\na\r\n"},
        {"zero byte inside", std::string("a\nb\0c\n", 6), "a\r\nb"},
        {"CR just before a zero byte", std::string("a\r\0\n", 4), "a\r\n"},
        {"zero byte first", std::string("\0a", 2), ""},
        {"empty", "", ""},
        {"64 KiB", big, bigShown},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        CHECK(messaging::EditorText(row.file) == row.editor);
    }
}

TEST_CASE("the last message is kept beside the program file, under its name with .sav") {
    struct Row {
        const char* program;
        const char* lastMessage;
        const char* inAppData;  // the name under the application-data folder's "Brantel\Pebblewire"
    } rows[] = {
        {"C:\\Program Files\\Pebblewire\\pebblewire.exe", "C:\\Program Files\\Pebblewire\\pebblewire.sav",
         "pebblewire.sav"},
        {"C:\\v1.2\\posta", "C:\\v1.2\\posta.sav", "posta.sav"},
        {"C:\\bin\\archiv.tar.gz", "C:\\bin\\archiv.tar.sav", "archiv.tar.sav"},
        {"C:\\bin\\.exe", "C:\\bin\\.sav", ".sav"},
        {"C:\\bin\\posta.", "C:\\bin\\posta.sav", "posta.sav"},
        {"D:posta.exe", "D:posta.sav", "posta.sav"},
        {"D:.\\posta", "D:.\\posta.sav", "posta.sav"},
        {"\\\\server\\share.d\\posta", "\\\\server\\share.d\\posta.sav", "posta.sav"},
        {"posta", "posta.sav", "posta.sav"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.program);
        CHECK(messaging::LastMessageFileName(row.program) == row.lastMessage);
        CHECK(messaging::AppDataFileName("C:\\Data", row.program) ==
              std::string("C:\\Data\\Brantel\\Pebblewire\\") + row.inAppData);
    }
}
