// Sending a message as a user does: text in the editor, a recipient, Ctrl+S, the confirmation.
#include <doctest/doctest.h>

#include <string>

#include "e2e/send_session.h"

namespace {

using namespace app;
using send::kCaption;
using send::Session;

std::string CommandPrefix() { return "\"C:\\windows\\system32\\net.exe\" send "; }

}  // namespace

TEST_CASE("each mode and recipient gives its command line and confirmation") {
    Session session;
    struct Row {
        const char* field;
        bool workgroup;
        const char* target;
        const char* confirmation;
    } rows[] = {
        {"  novak ", false, "NOVAK", "Zpráva byla poslána uživateli NOVAK."},
        {"", false, "*", "Zpráva byla poslána vaší pracovní skupině."},
        {" \t ", false, "*", "Zpráva byla poslána vaší pracovní skupině."},
        {"(vaše pracovní skupina)", false, "*", "Zpráva byla poslána vaší pracovní skupině."},
        {"*", false, "*", "Zpráva byla poslána vaší pracovní skupině."},
        {"ucetni", true, "/domain:UCETNI", "Zpráva byla poslána pracovní skupině UCETNI."},
        {"", true, "*", "Zpráva byla poslána vaší pracovní skupině."},
        {"(vaše pracovní skupina)", true, "*", "Zpráva byla poslána vaší pracovní skupině."},
        {"*", true, "*", "Zpráva byla poslána vaší pracovní skupině."},
    };
    for (const Row& row : rows) {
        const std::string field = row.field;
        CAPTURE(field);
        CAPTURE(row.workgroup);
        session.ChooseWorkgroup(row.workgroup);
        drv::SetWindowTextOf(session.recipient, row.field);
        drv::SetWindowTextOf(session.memo, "Ahoj\r\njak se máš?");
        const auto [confirmation, commandLine] = session.Send();
        CHECK(commandLine == CommandPrefix() + row.target + " Ahoj\r\njak se máš?");
        CHECK(confirmation == row.confirmation);
        // Clear-after-send is on by design: the editor was emptied before the box showed.
        CHECK(drv::WindowText(session.memo).empty());
        CHECK(drv::WindowText(session.recipient) == row.field);
    }
}

TEST_CASE("the editor's text reaches the command with the typed line breaks only") {
    Session session;
    const std::string longLine(5000, 'x');
    const std::string paragraph =
        "Tento odstavec je tak dlouhý, že ho editor zobrazí zalomený na několik řádků, "
        "ale zpráva ho musí poslat jako jeden řádek bez zalomení uprostřed vět.";
    struct Row {
        const char* name;
        std::string editor;
        std::string text;
    } rows[] = {
        {"empty editor", "", ""},
        {"one trailing line break", "konec\r\n", "konec"},
        {"two trailing line breaks", "konec\r\n\r\n", "konec\r\n"},
        {"wrapped paragraph", paragraph, paragraph},
        {"line of 5000 characters", longLine, std::string(4096, 'x')},
        {"quotation marks", "řekl \"ahoj\" a 'čau'", "řekl \"ahoj\" a 'čau'"},
    };
    drv::SetWindowTextOf(session.recipient, "novak");
    for (const Row& row : rows) {
        const std::string name = row.name;
        CAPTURE(name);
        drv::SetWindowTextOf(session.memo, row.editor);
        const auto [confirmation, commandLine] = session.Send();
        CHECK(commandLine == CommandPrefix() + "NOVAK " + row.text);
        CHECK(confirmation == "Zpráva byla poslána uživateli NOVAK.");
    }
}

TEST_CASE("the recipient is upper-cased for the command only and passed unquoted") {
    Session session;
    struct Row {
        const char* field;
        const char* target;
        const char* confirmation;
    } rows[] = {
        {"novakova", "NOVAKOVA", "Zpráva byla poslána uživateli NOVAKOVA."},
        {"šéf účtárny", "ŠÉF ÚČTÁRNY", "Zpráva byla poslána uživateli ŠÉF ÚČTÁRNY."},
        {"\"pc 12\"", "\"PC 12\"", "Zpráva byla poslána uživateli \"PC 12\"."},
    };
    for (const Row& row : rows) {
        const std::string field = row.field;
        CAPTURE(field);
        drv::SetWindowTextOf(session.recipient, row.field);
        drv::SetWindowTextOf(session.memo, "x");
        const auto [confirmation, commandLine] = session.Send();
        CHECK(commandLine == CommandPrefix() + row.target + " x");
        CHECK(confirmation == row.confirmation);
        CHECK(drv::WindowText(session.recipient) == row.field);
    }
}

TEST_CASE("with clear-after-send off the text stays") {
    Session session;
    PostMessageA(session.form, WM_COMMAND, IDM_VYMAZAT, 0);
    drv::SetWindowTextOf(session.memo, "zůstanu");
    const drv::MessageBoxInfo box = session.SendFrom(session.memo);
    CHECK(drv::WindowText(session.memo) == "zůstanu");
    // Modal: the main window takes no input while the box shows, and does again after it.
    CHECK(GetWindow(box.window, GW_OWNER) == session.program.WaitApplicationWindow());
    CHECK_FALSE(IsWindowEnabled(session.form));
    CHECK_FALSE(drv::ShowsSystemIcon(box, IDI_HAND));
    CHECK(drv::AnswerMessageBox(box, IDOK));
    CHECK(drv::WaitUntil([&] { return IsWindowEnabled(session.form) != FALSE; }));
    CHECK(drv::WaitRecords(1).size() == 1);
}

TEST_CASE("Ctrl+S sends with the focus in the editor, the recipient field or a radio button") {
    Session session;
    drv::SetWindowTextOf(session.recipient, "pc1");
    for (HWND control : {session.memo, session.recipient, session.person, session.workgroup}) {
        CAPTURE(drv::ClassName(control));
        drv::SetWindowTextOf(session.memo, "ping");
        const auto [confirmation, commandLine] = session.Send(control);
        CHECK(commandLine.ends_with(" ping"));
    }
}

TEST_CASE("a messenger that cannot start is reported, not confirmed, and the text stays") {
    Session session;
    const std::string messenger = "C:\\windows\\system32\\net.exe", aside = messenger + ".aside";
    REQUIRE(MoveFileA(messenger.c_str(), aside.c_str()));
    struct Restore {
        const std::string& from;
        const std::string& to;
        ~Restore() { MoveFileA(from.c_str(), to.c_str()); }
    } restore{aside, messenger};

    drv::SetWindowTextOf(session.recipient, "novak");
    drv::SetWindowTextOf(session.memo, "neodejde");
    const drv::MessageBoxInfo box = session.SendFrom(session.memo);
    CHECK(box.caption == kCaption);
    CHECK(box.text == "Zprávu se nepodařilo doručit.\nNelze spustit program " + messenger + ".");
    CHECK(drv::ShowsSystemIcon(box, IDI_HAND));
    CHECK(drv::WindowText(session.memo) == "neodejde");
    CHECK(drv::AnswerMessageBox(box, IDOK));
    // No confirmation follows the error.
    CHECK_FALSE(drv::WaitMessageBox(session.program, 1000));
    CHECK(drv::ReadRecorderLog().empty());
}
