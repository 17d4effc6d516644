#include "messaging/file_dialog.h"

#include <windows.h>

#include <commdlg.h>

#include <cstddef>
#include <stdexcept>

#include "toolkit/message_box.h"

namespace messaging {

namespace {
// The record as Windows NT 4.0 knew it, without the fields Windows 2000 added: the dialogs then
// show no places bar: OPENFILENAME_SIZE_VERSION_400A, 76 bytes on 32-bit Windows and 136 on
// x86-64, spelled here in a form that a constant expression takes.
constexpr DWORD kRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
static_assert(offsetof(OPENFILENAMEA, pvReserved) == kRecordSize);
static_assert(kRecordSize == (sizeof(void*) == 8 ? 136 : 76));
constexpr DWORD kNameCapacity = MAX_PATH;

constexpr char kOpenFilter[] = "Textové soubory (*.txt)\0*.txt\0Všechny soubory (*.*)\0*.*\0";
constexpr char kSaveFilter[] = "Textové soubory (*.txt)\0*.txt\0";
constexpr char kDefaultExtension[] = "txt";
constexpr DWORD kOpenFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
constexpr DWORD kSaveFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

constexpr char kDialogLibrary[] = "comdlg32.dll";
constexpr char kLibraryMissing[] = "Knihovnu comdlg32.dll nelze načíst";

// The dialogs' library is loaded when a dialog is first asked for, so that no start pays for it.
using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEA*);
FileDialogFunction FileDialog(bool forSaving) {
    static const HMODULE library = LoadLibraryA(kDialogLibrary);
    const auto function = library ? reinterpret_cast<FileDialogFunction>(reinterpret_cast<void*>(
                                        GetProcAddress(library, forSaving ? "GetSaveFileNameA" : "GetOpenFileNameA")))
                                  : nullptr;
    if (!function) throw std::runtime_error(kLibraryMissing);
    return function;
}
}  // namespace

std::string RunFileDialog(const tk::Owner& program, const std::string& initialName, bool forSaving) {
    char name[kNameCapacity + 1] = {};
    initialName.copy(name, kNameCapacity);
    OPENFILENAMEA record{};
    record.lStructSize = kRecordSize;
    record.hwndOwner = program.window;
    record.lpstrFilter = forSaving ? kSaveFilter : kOpenFilter;
    record.lpstrFile = name;
    record.nMaxFile = kNameCapacity;
    record.lpstrDefExt = kDefaultExtension;
    record.Flags = forSaving ? kSaveFlags : kOpenFlags;
    const FileDialogFunction showDialog = FileDialog(forSaving);
    // Modal like the message box: no other window of the program takes input meanwhile.
    tk::ModalScope modal(program, record.hwndOwner);
    const BOOL chosen = showDialog(&record);
    return chosen ? std::string(name) : std::string();
}

}  // namespace messaging
