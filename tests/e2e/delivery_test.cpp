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
constexpr char kText[] = "dorazí to?";
constexpr DWORD kPastTheBound = 60000;  // the program waits 30 s for its messenger

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

TEST_CASE("the messenger's exit status decides: only a delivery is confirmed and clears the editor") {
    Session session;
    drv::SetWindowTextOf(session.recipient, "novak");
    struct Row {
        const char* name;
        unsigned status;
        std::string report;  // as the messenger writes it, in the OEM code page (852)
        std::string box;
    } rows[] = {
        {"delivered, with a report", 0, "Zpr\xA0va pro NOVAK byla odesl\xA0na.\r\n",
         "Zpráva byla poslána uživateli NOVAK."},
        {"unknown name", 2, "\r\nPo\x9F\xA1ta\x9F NOVAK nebyl nalezen.\r\n", kFailed + "Počítač NOVAK nebyl nalezen."},
        {"command line not understood", 1, "Neplatn\xEC p\xFD\xA1kaz.\r\n", kFailed + "Neplatný příkaz."},
        {"no report", 5, "", kFailed + "Příkaz skončil se stavem 5."},
    };
    for (const Row& row : rows) {
        const std::string name = row.name;
        CAPTURE(name);
        const drv::RecorderAnswer answer(row.status, row.report);
        drv::SetWindowTextOf(session.memo, kText);
        const drv::MessageBoxInfo box = session.SendFrom(session.memo);
        const bool delivered = row.status == 0;
        CHECK(box.caption == send::kCaption);
        CHECK(box.text == row.box);
        CHECK(drv::ShowsSystemIcon(box, delivered ? IDI_ASTERISK : IDI_HAND));
        // Clear-after-send is on by design.
        CHECK(drv::WindowText(session.memo) == (delivered ? "" : kText));
        CHECK(drv::AnswerMessageBox(box, IDOK));
        CHECK_FALSE(drv::WaitMessageBox(session.program, 500));
        CHECK(drv::ReadRecorderLog().size() == 1);
        drv::ClearRecorderLog();
    }
}

TEST_CASE("a messenger that never ends: the window answers meanwhile, the wait is bounded, the messenger ended") {
    Session session;
    const drv::RecorderAnswer answer(0, "", -1);
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
    CHECK(box->text == kFailed + "Příkaz neskončil do 30 s a byl ukončen.");
    CHECK(drv::ShowsSystemIcon(*box, IDI_HAND));
    CHECK(drv::WindowText(session.memo) == kText);
    CHECK(MessengersRunning() == 0);
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
