// Whether the message arrived: the messenger's exit status and report decide the box and the
// editor, the window answers while it runs, and a net.exe beside the program comes first.
#include <windows.h>

#include <tlhelp32.h>

#include <doctest/doctest.h>

#include <string>

#include "e2e/send_session.h"

namespace {

using send::Session;

const std::string kFailed = "Zprávu se nepodařilo doručit.\n";
const std::string kUncertain = "Není jisté, zda zpráva došla.\n";
constexpr char kText[] = "dorazí to?";
constexpr DWORD kPastTheBound = 60000;  // the program waits 30 s for its messenger
constexpr char kCutOem[] =
    "Zpr\xA0va je del\xE7\xA1 ne\xA7 652 bajt\x85; odesl\xA0na je jen jej\xA1 prvn\xA1 \x9F\xA0st.\r\n";

// Processes of this prefix whose program file is net.exe.
int MessengersRunning() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        count += lstrcmpiA(entry.szExeFile, "net.exe") == 0;
    CloseHandle(snapshot);
    return count;
}

}  // namespace

TEST_CASE("the messenger's exit status decides: only a whole delivery is confirmed alone and clears the editor") {
    Session session;
    drv::SetWindowTextOf(session.recipient, "novak");
    const std::string confirmed = "Zpráva byla poslána uživateli NOVAK.";
    struct Row {
        const char* name;
        unsigned status;
        std::string report;  // as the messenger writes it, in the OEM code page (852)
        std::string box;
        LPCSTR icon;
        bool cleared = false;  // clear-after-send is on by design
    } rows[] = {
        {"delivered, with a report", 0, "Zpr\xA0va pro NOVAK byla odesl\xA0na.\r\n", confirmed, IDI_ASTERISK, true},
        {"delivered cut", 0, kCutOem + std::string("Zpr\xA0va pro NOVAK byla odesl\xA0na.\r\n"),
         confirmed + "\nZpráva je delší než 652 bajtů; odeslána je jen její první část.", IDI_ASTERISK},
        {"went out, not confirmed", 3, "Zpr\xA0va pro NOVAK byla odesl\xA0na, ale nepotvrzena.\r\n",
         kUncertain + "Zpráva pro NOVAK byla odeslána, ale nepotvrzena.", IDI_EXCLAMATION},
        {"unknown name", 2, "\r\nPo\x9F\xA1ta\x9F NOVAK nebyl nalezen.\r\n", kFailed + "Počítač NOVAK nebyl nalezen.",
         IDI_HAND},
        {"command line not understood", 1, "Neplatn\xEC p\xFD\xA1kaz.\r\n", kFailed + "Neplatný příkaz.", IDI_HAND},
        {"no report", 5, "", kFailed + "Příkaz skončil se stavem 5.", IDI_HAND},
    };
    for (const Row& row : rows) {
        const std::string name = row.name;
        CAPTURE(name);
        const drv::RecorderAnswer answer(row.status, row.report);
        drv::SetWindowTextOf(session.memo, kText);
        const drv::MessageBoxInfo box = session.SendFrom(session.memo);
        CHECK(box.caption == send::kCaption);
        CHECK(box.text == row.box);
        CHECK(drv::ShowsSystemIcon(box, row.icon));
        CHECK(drv::WindowText(session.memo) == (row.cleared ? "" : kText));
        CHECK(drv::AnswerMessageBox(box, IDOK));
        CHECK_FALSE(drv::WaitMessageBox(session.program, 500));
        CHECK(drv::ReadRecorderLog().size() == 1);
        drv::ClearRecorderLog();
    }
}

TEST_CASE("a messenger that never ends: the window answers meanwhile, the wait is bounded, all it started ended") {
    Session session;
    const drv::RecorderAnswer answer(0, "", -2);  // and starts a copy that never ends
    HWND status = drv::ChildById(session.form, app::IDC_STATUSLINE);
    drv::SetWindowTextOf(session.recipient, "novak");
    drv::SetWindowTextOf(session.memo, kText);
    REQUIRE(drv::FocusControl(session.form, session.memo));
    drv::PressKey('S', true);
    REQUIRE(drv::WaitRecords(1).size() == 1);
    CHECK(drv::WaitUntil([&] { return drv::StatusText(status) == "Zpráva se odesílá..."; }));

    // A menu opens, and a second send is refused while the first is on its way.
    drv::PressKey('S', false, false, true);
    CHECK(session.program.WaitWindow("#32768"));
    drv::PressKey(VK_ESCAPE);
    drv::PressKey(VK_ESCAPE);
    CHECK(drv::WaitUntil([&] { return !session.program.WaitWindow("#32768", nullptr, true, 0); }));
    REQUIRE(drv::FocusControl(session.form, session.memo));
    drv::PressKey('S', true);
    CHECK(drv::WaitUntil([&] { return drv::StatusText(status) == "Předchozí zpráva se ještě odesílá."; }));

    const auto box = drv::WaitMessageBox(session.program, kPastTheBound);
    REQUIRE(box);
    CHECK(box->text == kUncertain + "Příkaz neskončil do 30 s a byl ukončen.");
    CHECK(drv::ShowsSystemIcon(*box, IDI_EXCLAMATION));
    CHECK(drv::WindowText(session.memo) == kText);
    CHECK(drv::WaitUntil([] { return MessengersRunning() == 0; }));
    CHECK(drv::ReadRecorderLog().size() == 1);
    CHECK(drv::AnswerMessageBox(*box, IDOK));
    CHECK(drv::StatusText(status).find("odesílá") == std::string::npos);
}

TEST_CASE("a net.exe beside the program is started instead of the system's") {
    const std::string folder = drv::TempPath("pw-beside"), messenger = folder + "\\net.exe";
    drv::RemoveTree(folder);
    REQUIRE(CreateDirectoryA(folder.c_str(), nullptr));
    REQUIRE(CopyFileA(drv::ProgramPath().c_str(), (folder + "\\pebblewire.exe").c_str(), FALSE));
    REQUIRE(CopyFileA(drv::DosPath(drv::Env("PW_RECORDER")).c_str(), messenger.c_str(), FALSE));
    {
        Session session(folder + "\\pebblewire.exe");
        drv::SetWindowTextOf(session.recipient, "novak");
        drv::SetWindowTextOf(session.memo, "ahoj");
        const auto [confirmation, commandLine] = session.Send();
        CHECK(commandLine == "\"" + messenger + "\" send NOVAK ahoj");
        CHECK(confirmation == "Zpráva byla poslána uživateli NOVAK.");
        CHECK(drv::Quit(session.program, session.form));
    }
    drv::RemoveTree(folder);
}
