#include "shell/shell_link.h"

#include <objidl.h>
#include <shlobj.h>

#include <stdexcept>
#include <vector>

#include "settings/settings_store.h"
#include "toolkit/handles.h"

namespace shell {

namespace {
constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr DWORD kMessageBufferSize = 512;

// A failed component-object call; the text is what the error box shows.
class ComError : public std::runtime_error {
public:
    explicit ComError(HRESULT code) : std::runtime_error(Text(code)) {}

private:
    static std::string Text(HRESULT code) {
        char message[kMessageBufferSize] = {};
        const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                            DWORD(code), 0, message, sizeof message, nullptr);
        return ComErrorText(std::string_view(message, length), DWORD(code));
    }
};

void Check(HRESULT result) {
    if (FAILED(result)) throw ComError(result);
}

std::wstring WideFileName(const std::string& fileName) {
    const int length = MultiByteToWideChar(CP_ACP, 0, fileName.c_str(), -1, nullptr, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, fileName.c_str(), -1, wide.data(), length);
    return std::wstring(wide.data());
}
}  // namespace

// The key is opened with creation, as the shell would make it, but nothing is written into it.
std::string FolderLocation(ShellFolderKind folder) {
    const std::string valueName(ShellFolderValueName(folder));
    if (valueName.empty()) return {};
    const tk::RegistryKey key = tk::RegistryKey::Create(HKEY_CURRENT_USER, kShellFoldersKey);
    return settings::ReadText(key, valueName.c_str()).value_or(std::string());
}

std::string FolderLocationIfKnown(ShellFolderKind folder) noexcept {
    try {
        return FolderLocation(folder);
    } catch (const std::exception&) {
        return {};
    }
}

void CreateShortcut(ShellFolderKind folder, const std::string& subFolder, bool createFolders, const std::string& name,
                    const std::string& description, const std::string& targetPath, const std::string& arguments,
                    const std::string& workingDirectory, ShortcutWindowState windowState) {
    const std::string location = FolderLocation(folder);
    if (createFolders)
        for (const std::string& level : FolderLevels(ShortcutFolderPath(location, subFolder)))
            CreateDirectoryA(level.c_str(), nullptr);  // existing levels and drive roots fail harmlessly

    tk::ComPtr<IUnknown> object;
    Check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                           object.Out()));
    tk::ComPtr<IShellLinkA> link;
    Check(object->QueryInterface(IID_IShellLinkA, link.Out()));
    tk::ComPtr<IPersistFile> file;
    Check(object->QueryInterface(IID_IPersistFile, file.Out()));

    // Every property is set, empty or not, so that nothing is left from elsewhere.
    link->SetArguments(arguments.c_str());
    link->SetPath(targetPath.c_str());
    link->SetWorkingDirectory(workingDirectory.c_str());
    link->SetDescription(description.c_str());
    link->SetShowCmd(ShortcutShowCommand(windowState));
    file->Save(WideFileName(ShortcutFileName(location, subFolder, name)).c_str(), FALSE);
}

bool ShortcutExists(ShellFolderKind folder, const std::string& subFolder, const std::string& name) {
    const std::string fileName = ShortcutFileName(FolderLocation(folder), subFolder, name);
    WIN32_FIND_DATAA found{};
    const tk::SearchHandle search(FindFirstFileA(fileName.c_str(), &found));
    if (search.get() == INVALID_HANDLE_VALUE) return false;
    return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace shell
