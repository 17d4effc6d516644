// The benchmark driver: measures pebblewire.exe against baseline programs in interleaved rounds
// under Wine and prints medians, extremes and ratios. Not a test: `make bench` runs it.
//
// bench.exe PEBBLEWIRE_EXE [ROUNDS]; the baselines sit beside bench.exe.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "report.h"
#include "scenarios.h"
#include "settings/settings_codec.h"
#include "support/recorder_log.h"

namespace {

using namespace bench;

constexpr int kMinimumRounds = 20;
constexpr DWORD kGap = 200;  // between two runs, so that the shell has settled
constexpr char kNotepad[] = "C:\\windows\\notepad.exe";
constexpr char kMainFormClass[] = "PebblewireMainForm";

std::string Beside(const char* file) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + file;
}

// Closing ends the program, and the tray option is on for the hidden start.
bool PrepareSettings() {
    return drv::WriteString(drv::kSettingsKey, settings::kCloseToTraybar, "0") &&
           drv::WriteString(drv::kSettingsKey, settings::kInTraybar, "1");
}

DWORD FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

struct StartSeries {
    Subject subject;
    Series milliseconds, privateKb, workingSetKb, gdi, windows;
    explicit StartSeries(Subject s)
        : subject(std::move(s)),
          milliseconds{subject.name, {}},
          privateKb{subject.name, {}},
          workingSetKb{subject.name, {}},
          gdi{subject.name, {}},
          windows{subject.name, {}} {}
    void Add(const StartFigures& figures) {
        milliseconds.values.push_back(figures.milliseconds);
        privateKb.values.push_back(figures.idle.privateKilobytes);
        workingSetKb.values.push_back(figures.idle.workingSetKilobytes);
        gdi.values.push_back(figures.idle.gdiObjects);
        windows.values.push_back(figures.idle.windows);
    }
};

struct HiddenSeries {
    Subject subject;
    const char* arguments;
    const char* trayClass;
    Series series;
};

// The sends to one program kept running, with its figures before the first send and after the last.
struct SendSeries {
    Series series;
    IdleFigures before, after;
};

int failures = 0;

void PrintGrowth(const SendSeries& sends) {
    std::printf("%s after %u sends: private bytes %+.0f KB, GDI objects %+.0f, windows %+.0f\n",
                sends.series.name.c_str(), unsigned(sends.series.values.size()),
                sends.after.privateKilobytes - sends.before.privateKilobytes,
                sends.after.gdiObjects - sends.before.gdiObjects, sends.after.windows - sends.before.windows);
}

template <typename Figure>
bool Record(const std::optional<Figure>& figure, const std::string& what) {
    Sleep(kGap);
    if (figure) return true;
    ++failures;
    std::fprintf(stderr, "failed: %s\n", what.c_str());
    return false;
}

// Each round measures every item once, the order rotating by one from round to round.
template <typename Measure>
void Rounds(int rounds, size_t count, Measure measure) {
    for (int round = 0; round < rounds; ++round)
        for (size_t i = 0; i < count; ++i) measure((size_t(round) + i) % count);
}

// Everything measured; the first of each scenario's series is Pebblewire's.
struct Bench {
    explicit Bench(const std::string& program)
        : pebblewire{"Pebblewire", program, kMainFormClass},
          starts{StartSeries(pebblewire), StartSeries({"empty window", Beside("empty_window.exe"), "BenchEmptyWindow"}),
                 StartSeries({"Wine's notepad", kNotepad, "Notepad"}), StartSeries(sameWindows)},
          hidden{{pebblewire, "minimized", "PebblewireTrayIcon", {"Pebblewire minimized", {}}},
                 {iconProgram, "", "BenchTrayIcon", {iconProgram.name, {}}},
                 {sameWindows, "minimized", "BenchSameWindowsIcon", {sameWindows.name, {}}}},
          sends{{{"Pebblewire", {}}, {}, {}}, {{shellProgram.name, {}}, {}, {}}} {}

    const Subject pebblewire;
    const Subject iconProgram{"one-icon program", Beside("tray_icon.exe"), "BenchTrayIcon"};
    const Subject sameWindows{"same windows, no logic", Beside("same_windows.exe"), "BenchSameWindows"};
    const Subject shellProgram{"ShellExecute + box", Beside("shell_message.exe"), "BenchShellMessage"};
    std::vector<StartSeries> starts;
    std::vector<HiddenSeries> hidden;
    std::vector<SendSeries> sends;
};

// Warm-up, not counted: Pebblewire's first run does its one-time set-up, and every file is cached.
void WarmUp(Bench& bench, TrayWatch& watch) {
    for (StartSeries& series : bench.starts) MeasureStart(series.subject);
    for (HiddenSeries& start : bench.hidden) MeasureHiddenStart(watch, start.subject, start.arguments, start.trayClass);
}

void MeasureStarts(Bench& bench, int rounds) {
    Rounds(rounds, bench.starts.size(), [&bench](size_t i) {
        StartSeries& series = bench.starts[i];
        const auto figures = MeasureStart(series.subject);
        if (Record(figures, "start of " + series.subject.name)) series.Add(*figures);
    });
}

void MeasureHiddenStarts(Bench& bench, TrayWatch& watch, int rounds) {
    Rounds(rounds, bench.hidden.size(), [&bench, &watch](size_t i) {
        HiddenSeries& start = bench.hidden[i];
        const auto ms = MeasureHiddenStart(watch, start.subject, start.arguments, start.trayClass);
        if (Record(ms, "hidden start of " + start.subject.name)) start.series.values.push_back(*ms);
    });
}

void MeasureSends(Bench& bench, int rounds) {
    SendTarget targets[] = {SendTarget(bench.pebblewire, app::IDC_MEMO1), SendTarget(bench.shellProgram, 0)};
    const bool ready = targets[0].Ready() && targets[1].Ready();
    if (!ready) ++failures;
    for (size_t i = 0; i < bench.sends.size(); ++i) bench.sends[i].before = targets[i].Figures();
    if (ready)
        Rounds(rounds, bench.sends.size(), [&bench, &targets](size_t i) {
            const auto ms = targets[i].MeasureSend();
            if (Record(ms, i == 0 ? "send" : "baseline send")) bench.sends[i].series.values.push_back(*ms);
        });
    for (size_t i = 0; i < bench.sends.size(); ++i) bench.sends[i].after = targets[i].Figures();
    for (SendTarget& target : targets) target.Close();
}

// One block of the printed table: a measure of Pebblewire against its baselines.
struct Measure {
    const char* title;
    const Series& ours;
    std::vector<Comparison> baselines;
};

std::vector<Measure> Measures(const Bench& bench) {
    const StartSeries &ours = bench.starts[0], &empty = bench.starts[1], &notepad = bench.starts[2],
                      &same = bench.starts[3];
    const Series &hidden = bench.hidden[0].series, &iconBaseline = bench.hidden[1].series,
                 &sameHidden = bench.hidden[2].series;
    return {
        {"start-up: CreateProcess to main window visible and input-idle (ms)",
         ours.milliseconds,
         {{&empty.milliseconds, {1.3, false}}, {&notepad.milliseconds, {1.0, true}}, {&same.milliseconds, {}}}},
        {"hidden start (\"minimized\", tray option on): CreateProcess to the icon added (ms)",
         hidden,
         {{&iconBaseline, {1.3, false}}, {&sameHidden, {}}}},
        {"send: Ctrl+S to the messenger process's start (ms, wall clock)",
         bench.sends[0].series,
         {{&bench.sends[1].series, {}}}},
        {"private bytes at idle (KB)", ours.privateKb, {{&empty.privateKb, {1.2, false}}, {&notepad.privateKb, {}}}},
        {"working set at idle (KB)", ours.workingSetKb, {{&empty.workingSetKb, {}}, {&notepad.workingSetKb, {}}}},
        {"GDI objects at idle (used entries of the process's GDI handle table)",
         ours.gdi,
         {{&empty.gdi, {}}, {&notepad.gdi, {1.0, true}}, {&same.gdi, {}}}},
        {"USER objects at idle (the process's windows: top-level, child, message-only)",
         ours.windows,
         {{&empty.windows, {}}, {&notepad.windows, {}}, {&same.windows, {}}}},
    };
}

// Prints the table; false when a target is missed.
bool Report(const Bench& bench, const std::string& program) {
    std::printf("\nmedian (min - max, n)\n\n");
    bool met = true;
    for (const Measure& measure : Measures(bench)) met &= PrintMeasure(measure.title, measure.ours, measure.baselines);
    for (const SendSeries& sender : bench.sends) PrintGrowth(sender);
    std::printf("stripped exe: %lu bytes (target <= 307200); the empty window's: %lu bytes\n", FileSize(program),
                FileSize(Beside("empty_window.exe")));
    return met && FileSize(program) <= 300 * 1024;
}

// What the measures need, each with what is printed when it is missing.
bool Ready() {
    const struct {
        bool (*check)();
        const char* missing;
    } needs[] = {
        {GdiCountWorks, "the GDI handle table of this Wine is not laid out as expected"},
        {PrepareSettings, "cannot write the program's settings"},
    };
    for (const auto& need : needs)
        if (!need.check()) {
            std::fprintf(stderr, "%s\n", need.missing);
            return false;
        }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench.exe PEBBLEWIRE_EXE [ROUNDS]\n");
        return 2;
    }
    const std::string program = argv[1];
    const int rounds = argc > 2 ? std::max(std::atoi(argv[2]), kMinimumRounds) : 25;
    setvbuf(stdout, nullptr, _IONBF, 0);
    if (!Ready()) return 1;
    TrayWatch watch;
    if (!watch.Hooked()) {
        std::fprintf(stderr, "no notification area to watch\n");
        return 1;
    }

    // Names the messenger stand-in's log in the environment that every started program inherits.
    drv::RecorderLogPath();
    Bench bench(program);
    WarmUp(bench, watch);
    std::printf("%d rounds, each program and its baselines in turn, the order rotating every round\n", rounds);
    MeasureStarts(bench, rounds);
    MeasureHiddenStarts(bench, watch, rounds);
    MeasureSends(bench, rounds);
    const bool met = Report(bench, program);
    std::printf("%s; %d failed runs\n", met ? "all targets met" : "some targets NOT MET", failures);
    return failures ? 1 : 0;
}
