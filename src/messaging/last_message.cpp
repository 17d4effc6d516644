#include "messaging/last_message.h"

#include "messaging/message_file.h"
#include "messaging/message_format.h"
#include "toolkit/control_helpers.h"

namespace messaging {

namespace {
constexpr char kAsideExtension[] = ".bak";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
}  // namespace

void LastMessage::Load(HWND editor, bool on, const std::string& exeName, const std::string& appData) {
    state_ = State::LookedAt;
    beside_ = LastMessageFileName(exeName);
    inData_ = appData.empty() ? std::string() : AppDataFileName(appData, exeName);
    dataRoot_ = appData.size();
    read_ = Exists(beside_) || inData_.empty() || !Exists(inData_) ? beside_ : inData_;
    if (!on) return;
    try {
        LoadMessage(editor, read_);
    } catch (const std::exception&) {
        // Whatever keeps the last message from loading, the program starts with an empty editor;
        // only a file that is not there has no message to lose.
        if (Exists(read_)) state_ = State::Unread;
    }
}

void LastMessage::Keep(HWND editor, bool on) const {
    if (state_ == State::NotLookedAt) return;
    const std::string text = tk::GetText(editor);
    if (state_ == State::Unread && ((on && text.empty()) || !KeptUnreadAside(on))) return;
    if (on) return Write(text);
    DeleteFileA(beside_.c_str());
    DeleteFileA(read_.c_str());
}

// Where no copy can be made, the file stays as it is: a text to save fails as writing it would.
bool LastMessage::KeptUnreadAside(bool saving) const {
    if (CopyFileA(read_.c_str(), (read_ + kAsideExtension).c_str(), FALSE)) return true;
    if (saving) throw CannotCreate(read_);
    return false;
}

// Beside the program first, so that a file there keeps working; the application-data folder only
// where none can be made there, since one there would win at the next start.
void LastMessage::Write(const std::string& text) const {
    try {
        WriteMessageFile(beside_, text);
    } catch (const MessageFileError&) {
        if (inData_.empty() || Exists(beside_) || !WrittenToAppData(text)) throw;
        return;
    }
    // Its message is beside the program now.
    if (read_ != beside_) DeleteFileA(read_.c_str());
}

bool LastMessage::WrittenToAppData(const std::string& text) const {
    for (std::size_t end = inData_.find('\\', dataRoot_); end != std::string::npos; end = inData_.find('\\', end + 1))
        CreateDirectoryA(inData_.substr(0, end).c_str(), nullptr);
    try {
        WriteMessageFile(inData_, text);
        return true;
    } catch (const MessageFileError&) {
        return false;
    }
}

}  // namespace messaging
