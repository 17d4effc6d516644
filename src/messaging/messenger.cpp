#include "messaging/messenger.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "messaging/message_format.h"
#include "toolkit/control_helpers.h"
#include "toolkit/handles.h"

namespace messaging {

namespace {

constexpr UINT kPollMs = 50;
// The most of the messenger's output that is kept, and read in one tick.
constexpr std::size_t kMaxOutput = 4096;
constexpr DWORD kMaxReadPerTick = 64 * 1024;
// The status a messenger ended for taking too long is given.
constexpr UINT kEndedStatus = 1;
constexpr char kSending[] = "Zpráva se odesílá...";
constexpr char kStillSending[] = "Předchozí zpráva se ještě odesílá.";

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The messenger writes in the OEM code page, the box shows the ANSI one.
std::string AnsiFromOem(std::string text) {
    if (!text.empty()) OemToCharBuffA(text.data(), text.data(), DWORD(text.size()));
    return text;
}

}  // namespace

// The messenger on its way: its process, the job that holds it and what it starts (none where the
// program's own job takes no other), and the read end of its output.
struct Sender::Run {
    tk::KernelHandle process;
    tk::KernelHandle job;
    tk::KernelHandle output;
    DWORD started = GetTickCount();
    bool ended = false;  // ended by the program, for taking too long
    std::string bytes;
    std::string confirmation;  // shown after a delivery
    std::optional<Verdict> verdict;
};

std::unique_ptr<Sender::Run> Sender::Launch(const SendPlan& plan) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) throw LaunchError(NotStartedText(plan.programPath));
    auto run = std::make_unique<Sender::Run>();
    run->output.reset(readEnd);
    const tk::KernelHandle childOutput(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = startup.hStdError = writeEnd;
    std::string commandLine = "\"" + plan.programPath + "\" " + plan.parameters;
    PROCESS_INFORMATION started{};
    // Suspended until it is in its job, so that nothing it starts escapes the job.
    if (!CreateProcessA(plan.programPath.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &started))
        throw LaunchError(NotStartedText(plan.programPath));
    run->process.reset(started.hProcess);
    const tk::KernelHandle thread(started.hThread);
    run->job.reset(CreateJobObjectA(nullptr, nullptr));
    if (run->job && !AssignProcessToJobObject(run->job.get(), started.hProcess)) run->job.reset();
    ResumeThread(started.hThread);
    return run;
}

std::string WindowsDirectory() {
    std::vector<char> buffer(MAX_PATH + 1, '\0');
    UINT length = GetWindowsDirectoryA(buffer.data(), UINT(buffer.size()));
    if (length >= buffer.size()) {
        // Too small: the call returned the size it needs, terminating zero included.
        buffer.assign(length + 1, '\0');
        length = GetWindowsDirectoryA(buffer.data(), UINT(buffer.size()));
        if (length >= buffer.size()) length = 0;
    }
    return std::string(buffer.data(), length);
}

std::string MessengerBesideProgram(const std::string& exeName) {
    const std::string path = BesideProgram(exeName, kMessengerName);
    return IsFile(path) ? path : std::string();
}

Sender::Sender() : timer_([this] { Poll(); }) { timer_.SetInterval(kPollMs); }

Sender::~Sender() = default;

bool Sender::Start(const tk::Owner& program, const std::string& text, const SendTarget& target, HWND window) {
    if (run_) {
        status_ = kStillSending;
        return false;
    }
    const SendPlan plan = PlanSend({text, target, WindowsDirectory(), MessengerBesideProgram(program.exeName)});
    if (!FitsCommandLine(plan)) throw LaunchError("Zprávu se nepodařilo odeslat: je příliš dlouhá.");
    // First, while nothing has started: a timer the system refuses stops the send here.
    timer_.SetEnabled(true);
    run_ = Launch(plan);
    run_->confirmation = plan.confirmation;
    window_ = window;
    status_ = kSending;
    return true;
}

void Sender::Poll() {
    if (!run_) return timer_.SetEnabled(false);
    Drain();
    if (WaitForSingleObject(run_->process.get(), 0) != WAIT_OBJECT_0) {
        if (!run_->ended && GetTickCount() - run_->started >= kSendWaitMs) End();
        return;
    }
    timer_.SetEnabled(false);
    Drain();
    DWORD status = 0;
    GetExitCodeProcess(run_->process.get(), &status);
    run_->verdict = JudgeSend(run_->confirmation, ReportText(AnsiFromOem(run_->bytes)), status, run_->ended);
    PostMessageA(window_, WM_SEND_DONE, 0, 0);
}

void Sender::End() {
    run_->ended = true;
    if (run_->job)
        TerminateJobObject(run_->job.get(), kEndedStatus);
    else
        TerminateProcess(run_->process.get(), kEndedStatus);
}

void Sender::Drain() {
    char buffer[512];
    DWORD available = 0, read = 0;
    while (read < kMaxReadPerTick && PeekNamedPipe(run_->output.get(), nullptr, 0, nullptr, &available, nullptr) &&
           available) {
        DWORD got = 0;
        if (!ReadFile(run_->output.get(), buffer, std::min<DWORD>(available, sizeof buffer), &got, nullptr) || !got)
            return;
        read += got;
        const std::size_t room = kMaxOutput - std::min(kMaxOutput, run_->bytes.size());
        run_->bytes.append(buffer, std::min<std::size_t>(got, room));
    }
}

std::optional<Verdict> Sender::Finish() {
    // Only an ended send has an outcome to give.
    if (!run_ || timer_.Enabled()) return {};
    std::optional<Verdict> verdict = std::move(run_->verdict);
    run_.reset();
    status_.clear();
    return verdict;
}

void ReportOutcome(const tk::Owner& program, const Verdict& verdict) {
    switch (verdict.kind) {
    case Verdict::kDelivered: program.Tell(verdict.text, MB_OK | MB_ICONINFORMATION); break;
    case Verdict::kUncertain: program.Tell(verdict.text, MB_OK | MB_ICONWARNING); break;
    case Verdict::kFailed: program.TellError(verdict.text); break;
    }
}

}  // namespace messaging
