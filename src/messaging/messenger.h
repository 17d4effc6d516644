// Starting the messenger command for one message and learning whether it arrived, while the
// window goes on.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "messaging/message_dispatch.h"
#include "toolkit/owner.h"
#include "toolkit/timer.h"

namespace messaging {

class LaunchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Posted to the sending window when the messenger has ended or the wait for it is over.
inline constexpr UINT WM_SEND_DONE = WM_APP + 0x20;

// The Windows directory as the system reports it, whatever its length.
std::string WindowsDirectory();
// The net.exe in the folder of the program file `exeName`, empty when there is none.
std::string MessengerBesideProgram(const std::string& exeName);

// A window's sends, one at a time: the messenger runs hidden in a job of its own, its output read
// through a pipe and its end polled from a timer. After kSendWaitMs the job is ended, with
// whatever the messenger started, and the outcome is read once the messenger has gone. A
// messenger still running when the sender goes is left to finish.
class Sender {
public:
    Sender();
    Sender(const Sender&) = delete;
    Sender& operator=(const Sender&) = delete;
    ~Sender();

    bool Busy() const { return run_ != nullptr; }
    // What the status line says while a send is on its way.
    const std::string& Status() const { return status_; }

    // Starts the messenger that `program`'s system offers for the editor's text and the target;
    // `window` gets WM_SEND_DONE when it is over. While a send is on its way another is refused
    // (false) and the status says so. Throws LaunchError when the messenger cannot start or the
    // message does not fit its command line.
    bool Start(const tk::Owner& program, const std::string& text, const SendTarget& target, HWND window);
    // After WM_SEND_DONE: how the send ended, nothing when there is nothing to report; the
    // sender is free again.
    std::optional<Verdict> Finish();

private:
    struct Run;
    // Starts the messenger hidden, its standard output and error into a pipe read here.
    static std::unique_ptr<Run> Launch(const SendPlan& plan);
    void Poll();
    // Ends the messenger and everything it started; the process alone where it holds no job.
    void End();
    // Reads what the messenger wrote so far, without waiting for more.
    void Drain();

    std::unique_ptr<Run> run_;
    std::string status_;
    HWND window_ = nullptr;
    tk::Timer timer_;
};

// The confirmation box after a delivery, the warning box when it is unknown whether the message
// arrived, the error box after a failure.
void ReportOutcome(const tk::Owner& program, const Verdict& verdict);

}  // namespace messaging
