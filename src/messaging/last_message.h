// The last message kept between runs: beside the program file, or, where the program's folder
// takes no file, in the user's application-data folder.
#pragma once

#include <windows.h>

#include <string>

namespace messaging {

// The last-message file across one run. The exit writes or deletes it only when the start got as
// far as its step: a start stopped short by an error never looked at the file, and the editor's
// empty text or the option's design state must not cost the message kept there.
class LastMessage {
public:
    // The start's step: with the option on, loads the file kept for the program file `exeName`:
    // the one beside it (its name with ".sav") wherever it is there, else the one in `appData`
    // (the user's application-data folder, empty when unknown). A missing or unreadable one
    // leaves the editor as it is, silently.
    void Load(HWND editor, bool on, const std::string& exeName, const std::string& appData);
    // The exit's step: writes the editor's text when the option is on, else deletes the file (a
    // missing file is no error). The text goes beside the program, or where no file can be made
    // there, to the application-data folder. A file that could not be loaded at the start is not
    // replaced by an empty editor, and is copied aside to "<name>.bak" before anything else takes
    // its place: its message was never shown.
    void Keep(HWND editor, bool on) const;

private:
    bool KeptUnreadAside(bool saving) const;
    void Write(const std::string& text) const;
    bool WrittenToAppData(const std::string& text) const;

    enum class State { NotLookedAt, LookedAt, Unread };
    State state_ = State::NotLookedAt;
    std::string beside_;        // the file beside the program
    std::string inData_;        // the one in the application-data folder, empty when unknown
    std::string read_;          // the one the start read, or would have read with the option on
    std::size_t dataRoot_ = 0;  // where inData_'s folders of our own begin
};

}  // namespace messaging
