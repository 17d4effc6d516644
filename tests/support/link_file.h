// Reads a shortcut file's header bytes and string data: Wine's own read-back through the
// shell-link object loses the show command.
#pragma once

#include <doctest/doctest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace link_file {

// Shell-link file layout: header fields and the flags of the optional parts.
constexpr size_t kHeaderSize = 0x4C, kFlagsOffset = 0x14, kShowCommandOffset = 0x3C;
constexpr DWORD kHasIdList = 0x1, kHasLinkInfo = 0x2, kHasName = 0x4, kHasRelativePath = 0x8, kHasWorkingDir = 0x10,
                kHasArguments = 0x20, kHasIconLocation = 0x40, kIsUnicode = 0x80;
// Link information: where its local path and the path's suffix start, and the flag for a local path.
constexpr size_t kLocalBasePathField = 16, kPathSuffixField = 24;
constexpr DWORD kHasLocalBasePath = 0x1;

struct LinkFile {
    DWORD flags = 0;
    DWORD showCommand = 0;
    std::string target;  // the local path of the link information
    std::optional<std::wstring> description, workingDirectory, arguments;
};

inline std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

template <typename T>
T At(const std::string& bytes, size_t offset) {
    T value{};
    REQUIRE(offset + sizeof value <= bytes.size());
    memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// The NUL-terminated single-byte text at the offset.
inline std::string TextAt(const std::string& bytes, size_t offset) {
    REQUIRE(offset < bytes.size());
    return bytes.c_str() + offset;
}

inline std::optional<LinkFile> ReadLink(const std::string& path) {
    const std::string bytes = FileBytes(path);
    if (bytes.size() < kHeaderSize) return std::nullopt;
    LinkFile link;
    link.flags = At<DWORD>(bytes, kFlagsOffset);
    link.showCommand = At<DWORD>(bytes, kShowCommandOffset);
    size_t at = kHeaderSize;
    if (link.flags & kHasIdList) at += 2 + At<WORD>(bytes, at);
    if (link.flags & kHasLinkInfo) {
        if (At<DWORD>(bytes, at + 8) & kHasLocalBasePath)
            link.target = TextAt(bytes, at + At<DWORD>(bytes, at + kLocalBasePathField)) +
                          TextAt(bytes, at + At<DWORD>(bytes, at + kPathSuffixField));
        at += At<DWORD>(bytes, at);
    }
    auto readString = [&](DWORD flag) -> std::optional<std::wstring> {
        if (!(link.flags & flag)) return std::nullopt;
        const WORD count = At<WORD>(bytes, at);
        at += 2;
        std::wstring text;
        for (WORD i = 0; i < count; ++i) {
            if (link.flags & kIsUnicode) {
                text += wchar_t(At<WORD>(bytes, at));
                at += 2;
            } else {
                text += wchar_t(static_cast<unsigned char>(At<char>(bytes, at)));
                ++at;
            }
        }
        // Wine counts the terminating NUL in; the format's own writers do not.
        if (!text.empty() && text.back() == L'\0') text.pop_back();
        return text;
    };
    link.description = readString(kHasName);
    readString(kHasRelativePath);
    link.workingDirectory = readString(kHasWorkingDir);
    link.arguments = readString(kHasArguments);
    readString(kHasIconLocation);
    return link;
}

}  // namespace link_file
