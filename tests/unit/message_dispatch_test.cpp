#include <doctest/doctest.h>

#include <string>

#include "messaging/message_dispatch.h"
#include "messaging/message_format.h"
#include "toolkit/ansi_text.h"
#include "toolkit/error_text.h"

using messaging::PlanSend;
using messaging::SendInputs;

TEST_CASE("message text keeps the typed line breaks and nothing more") {
    const std::string longLine(5000, 'x');
    struct Row {
        const char* name;
        std::string editor;
        std::string expected;
    } rows[] = {
        {"empty editor", "", ""},
        {"one line", "ahoj", "ahoj"},
        {"two lines", "ahoj\r\nsvete", "ahoj\r\nsvete"},
        {"one trailing line break dropped", "ahoj\r\n", "ahoj"},
        {"two trailing line breaks leave one", "ahoj\r\n\r\n", "ahoj\r\n"},
        {"only a line break", "\r\n", ""},
        {"blank lines inside stay", "a\r\n\r\nb", "a\r\n\r\nb"},
        {"lone LF is not a line break", "a\nb", "a\nb"},
        {"long line cut to 4096", longLine, std::string(4096, 'x')},
        {"each long line cut on its own", longLine + "\r\n" + longLine,
         std::string(4096, 'x') + "\r\n" + std::string(4096, 'x')},
        {"line of exactly 4096 kept", std::string(4096, 'y'), std::string(4096, 'y')},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        CHECK(messaging::MessageText(row.editor) == row.expected);
    }
}

TEST_CASE("recipient, target and confirmation for each mode and field content") {
    struct Row {
        const char* field;
        bool workgroup;
        const char* parameters;
        const char* confirmation;
    } rows[] = {
        {"  novak\t", false, "send NOVAK M", "Zpráva byla poslána uživateli NOVAK."},
        {"", false, "send * M", "Zpráva byla poslána vaší pracovní skupině."},
        {" \t ", false, "send * M", "Zpráva byla poslána vaší pracovní skupině."},
        {"(vaše pracovní skupina)", false, "send * M", "Zpráva byla poslána vaší pracovní skupině."},
        {"*", false, "send * M", "Zpráva byla poslána vaší pracovní skupině."},
        {"ucetni", true, "send /domain:UCETNI M", "Zpráva byla poslána pracovní skupině UCETNI."},
        {"", true, "send * M", "Zpráva byla poslána vaší pracovní skupině."},
        {"   ", true, "send * M", "Zpráva byla poslána vaší pracovní skupině."},
        {"(vaše pracovní skupina)", true, "send * M", "Zpráva byla poslána vaší pracovní skupině."},
        {"*", true, "send * M", "Zpráva byla poslána vaší pracovní skupině."},
        // The placeholder only counts when it is the whole text, unchanged.
        {" (vaše pracovní skupina)", false, "send (VAŠE PRACOVNÍ SKUPINA) M",
         "Zpráva byla poslána uživateli (VAŠE PRACOVNÍ SKUPINA)."},
        {"jan novak", false, "send JAN NOVAK M", "Zpráva byla poslána uživateli JAN NOVAK."},
        {"\"pc 1\"", false, "send \"PC 1\" M", "Zpráva byla poslána uživateli \"PC 1\"."},
        {"šéfová", false, "send ŠÉFOVÁ M", "Zpráva byla poslána uživateli ŠÉFOVÁ."},
        {"účtárna", true, "send /domain:ÚČTÁRNA M", "Zpráva byla poslána pracovní skupině ÚČTÁRNA."},
        {"**", true, "send /domain:** M", "Zpráva byla poslána pracovní skupině **."},
    };
    for (const auto& row : rows) {
        CAPTURE(row.field);
        CAPTURE(row.workgroup);
        const auto plan = PlanSend({"M", {row.field, row.workgroup}, "C:\\WINNT", ""});
        CHECK(plan.parameters == row.parameters);
        CHECK(plan.confirmation == row.confirmation);
    }
}

TEST_CASE("parameters carry the text unchanged; the path is the messenger beside the program, else the system's") {
    const std::string beside = messaging::BesideProgram("C:\\Program Files\\pw\\pebblewire.exe", "net.exe");
    CHECK(beside == "C:\\Program Files\\pw\\net.exe");
    CHECK(messaging::BesideProgram("D:pebblewire.exe", "net.exe") == "D:net.exe");
    struct Row {
        const char* editor;
        const char* windir;
        std::string beside;
        const char* path;
        const char* parameters;
    } rows[] = {
        {"", "C:\\WINNT", "", "C:\\WINNT\\system32\\net.exe", "send PC "},
        {"řekl \"ahoj\"\r\nkonec\r\n", "C:\\windows", "", "C:\\windows\\system32\\net.exe",
         "send PC řekl \"ahoj\"\r\nkonec"},
        {"a\tb", "D:\\", "", "D:\\\\system32\\net.exe", "send PC a\tb"},
        {"x", "", "", "\\system32\\net.exe", "send PC x"},
        {"x", "C:\\WINNT", beside, "C:\\Program Files\\pw\\net.exe", "send PC x"},
    };
    for (const auto& row : rows) {
        CAPTURE(row.editor);
        const auto plan = PlanSend({row.editor, {"pc", false}, row.windir, row.beside});
        CHECK(plan.programPath == row.path);
        CHECK(plan.parameters == row.parameters);
    }
}

TEST_CASE("a message goes out only when its command line fits the system's limit") {
    // The command line: the quoted path (25 + 2), a blank, "send * " and the text; with its NUL
    // at most 32,767 characters. The text in lines of 100, so that none is cut to 4096.
    const auto lines = [](size_t size) {
        std::string text(size, 'x');
        for (size_t at = 98; at + 1 < size; at += 100) text.replace(at, 2, "\r\n");
        return text;
    };
    struct Row {
        size_t textLength;
        bool fits;
    } rows[] = {{0, true}, {32731, true}, {32732, false}, {65536, false}};
    for (const Row& row : rows) {
        CAPTURE(row.textLength);
        const auto plan = PlanSend({lines(row.textLength), {"", false}, "C:\\WINNT", ""});
        CHECK(messaging::FitsCommandLine(plan) == row.fits);
    }
}

TEST_CASE("a send ends told as it went: whole, cut, perhaps arrived, not arrived; with the wait, report or status") {
    using messaging::Verdict;
    const std::string head = "Zprávu se nepodařilo doručit.\n", unsure = "Není jisté, zda zpráva došla.\n";
    const std::string sent = "Zpráva byla poslána uživateli NOVAK.",
                      wordy = std::string(300, ' ') + std::string(2000, 'x');
    const std::string cut = "Zpráva je delší než 652 bajtů; odeslána je jen její první část.";
    struct Row {
        std::string output;
        unsigned long status;
        bool timedOut;
        Verdict::Kind kind;
        std::string text;
        bool keepText = true;
    } rows[] = {
        {"Zpráva pro NOVAK byla odeslána.\r\n", 0, false, Verdict::kDelivered, sent, false},
        {cut + "\r\nZpráva pro NOVAK byla odeslána.\r\n", 0, false, Verdict::kDelivered, sent + "\n" + cut},
        {"Zpráva je delší než 652 bajtů\r\n", 0, false, Verdict::kDelivered, sent, false},
        {"Zpráva pro NOVAK byla odeslána, ale ...\r\n", 3, false, Verdict::kUncertain,
         unsure + "Zpráva pro NOVAK byla odeslána, ale ..."},
        {"\r\nJméno NOVAK nebylo nalezeno.\r\n", 2, false, Verdict::kFailed, head + "Jméno NOVAK nebylo nalezeno."},
        {"Chyba při odesílání.\r\n\r\nAlias nebyl nalezen.\r\n", 2, false, Verdict::kFailed,
         head + "Chyba při odesílání.\r\n\r\nAlias nebyl nalezen."},
        {std::string("ven\0smetí", 9), 2, false, Verdict::kFailed, head + "ven"},
        {" \r\n\t", 3, false, Verdict::kUncertain, unsure + "Příkaz skončil se stavem 3."},
        {"", 0xC0000005, false, Verdict::kFailed, head + "Příkaz skončil se stavem 3221225477."},
        {"rozepsáno", 0, true, Verdict::kUncertain, unsure + "Příkaz neskončil do 30 s a byl ukončen."},
        {wordy, 2, false, Verdict::kFailed, head + std::string(messaging::kMaxReport, 'x')},
    };
    for (const Row& row : rows) {
        CAPTURE(row.output);
        const Verdict verdict = messaging::JudgeSend(sent, messaging::ReportText(row.output), row.status, row.timedOut);
        CHECK(verdict.kind == row.kind);
        CHECK(verdict.text == row.text);
        CHECK(verdict.keepText == row.keepText);
    }
    CHECK(messaging::NotStartedText("C:\\WINNT\\system32\\net.exe") ==
          head + "Nelze spustit program C:\\WINNT\\system32\\net.exe.");
}

TEST_CASE("upper-casing follows the code page's letter pairs") {
    struct Row {
        const char* in;
        const char* out;
    } rows[] = {
        {"abc xyz", "ABC XYZ"},
        {"ěščřžýáíéúůďťňó", "ĚŠČŘŽÝÁÍÉÚŮĎŤŇÓ"},
        {"äöüľĺŕőűąęłńśźż", "ÄÖÜĽĹŔŐŰĄĘŁŃŚŹŻ"},
        {"ÁBČ 123 -/*", "ÁBČ 123 -/*"},
        {"ß", "ß"},
    };
    for (const auto& row : rows) {
        CAPTURE(row.in);
        CHECK(tk::LocaleUpper(row.in) == row.out);
    }
}

TEST_CASE("trimming removes codes 32 and below at both ends only") {
    struct Row {
        std::string in;
        const char* out;
    } rows[] = {
        {" \t\r\n a b \x01\x1f", "a b"},
        {std::string("\0x\0", 3), "x"},
        {"\xA0x\xA0", "\xA0x\xA0"},  // no-break space is above 32
        {"   ", ""},
    };
    for (const auto& row : rows) CHECK(tk::TrimControl(row.in) == row.out);
}

TEST_CASE("error box text ends with a full stop unless its last character is at or below '.'") {
    struct Row {
        const char* message;
        const char* text;
    } rows[] = {
        {"Failed to create key Software", "Failed to create key Software."},
        {"Invalid data type for 'Left'", "Invalid data type for 'Left'"},  // ' is below '.'
        {"Hotovo.", "Hotovo."},
        {"Chyba!", "Chyba!"},
        {"cesta -", "cesta -"},
        {"soubor 2", "soubor 2."},
        {"chyba ž", "chyba ž."},
        {"", ""},
    };
    for (const auto& row : rows) {
        CAPTURE(row.message);
        CHECK(tk::ErrorBoxText(row.message) == row.text);
    }
}
