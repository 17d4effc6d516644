#include "messaging/file_dialog.h"

#include <windows.h>

#include <commdlg.h>

#include <cstddef>

#include "toolkit/application.h"
#include "toolkit/message_box.h"

namespace messaging {

namespace {
// The record as Windows NT 4.0 knew it, without the fields Windows 2000 added: the dialogs then
// show no places bar.
constexpr DWORD kRecordSize = 76;
static_assert(offsetof(OPENFILENAMEA, pvReserved) == kRecordSize);
constexpr DWORD kNameCapacity = MAX_PATH;

constexpr char kOpenFilter[] = "Textové soubory (*.txt)\0*.txt\0Všechny soubory (*.*)\0*.*\0";
constexpr char kSaveFilter[] = "Textové soubory (*.txt)\0*.txt\0";
constexpr char kDefaultExtension[] = "txt";
constexpr DWORD kOpenFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
constexpr DWORD kSaveFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
}  // namespace

std::string RunFileDialog(const std::string& InitialName, bool ForSaving) {
    char name[kNameCapacity + 1] = {};
    InitialName.copy(name, kNameCapacity);
    OPENFILENAMEA record{};
    record.lStructSize = kRecordSize;
    record.hwndOwner = tk::Application::Instance().Handle();
    record.lpstrFilter = ForSaving ? kSaveFilter : kOpenFilter;
    record.lpstrFile = name;
    record.nMaxFile = kNameCapacity;
    record.lpstrDefExt = kDefaultExtension;
    record.Flags = ForSaving ? kSaveFlags : kOpenFlags;
    // Modal like the message box: no other window of the program takes input meanwhile.
    tk::ModalScope modal(record.hwndOwner);
    const BOOL chosen = ForSaving ? GetSaveFileNameA(&record) : GetOpenFileNameA(&record);
    return chosen ? std::string(name) : std::string();
}

}  // namespace messaging
