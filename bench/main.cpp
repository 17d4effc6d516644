// The benchmark driver: measures pebblewire.exe against baseline programs in interleaved rounds
// under Wine and prints medians, extremes and ratios. Not a test: `make bench` runs it.
//
// bench.exe PEBBLEWIRE_EXE [ROUNDS]; the baselines sit beside bench.exe.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commands.h"
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
    const std::string path = std::string(settings::kRoot) + "\\" + settings::kSection;
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr))
        return false;
    for (const char* name : {settings::kCloseToTraybar, settings::kInTraybar})
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(name == settings::kInTraybar ? "1" : "0"),
                       2);
    RegCloseKey(key);
    return true;
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

int failures = 0;

void PrintGrowth(const Series& sends, const IdleFigures& before, const IdleFigures& after) {
    std::printf("%s after %u sends: private bytes %+.0f KB, GDI objects %+.0f, windows %+.0f\n", sends.name.c_str(),
                unsigned(sends.values.size()), after.privateKilobytes - before.privateKilobytes,
                after.gdiObjects - before.gdiObjects, after.windows - before.windows);
}

template <typename Figure>
bool Record(const std::optional<Figure>& figure, const std::string& what) {
    Sleep(kGap);
    if (figure) return true;
    ++failures;
    std::fprintf(stderr, "failed: %s\n", what.c_str());
    return false;
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
    if (!GdiCountWorks()) {
        std::fprintf(stderr, "the GDI handle table of this Wine is not laid out as expected\n");
        return 1;
    }
    if (!PrepareSettings()) {
        std::fprintf(stderr, "cannot write the program's settings\n");
        return 1;
    }
    TrayWatch watch;
    if (!watch.Hooked()) {
        std::fprintf(stderr, "no notification area to watch\n");
        return 1;
    }

    // Names the messenger stand-in's log in the environment that every started program inherits.
    drv::RecorderLogPath();
    const Subject pebblewire{"Pebblewire", program, kMainFormClass};
    std::vector<StartSeries> starts{
        StartSeries(pebblewire), StartSeries({"empty window", Beside("empty_window.exe"), "BenchEmptyWindow"}),
        StartSeries({"Wine's notepad", kNotepad, "Notepad"}),
        StartSeries({"same windows, no logic", Beside("same_windows.exe"), "BenchSameWindows"})};
    const Subject iconProgram{"one-icon program", Beside("tray_icon.exe"), "BenchTrayIcon"};
    const Subject sameWindows{"same windows, no logic", Beside("same_windows.exe"), "BenchSameWindows"};
    const Subject shellProgram{"ShellExecute + box", Beside("shell_message.exe"), "BenchShellMessage"};

    // Warm-up, not counted: Pebblewire's first run does its one-time set-up, and every file is cached.
    for (StartSeries& series : starts) MeasureStart(series.subject);
    MeasureHiddenStart(watch, pebblewire, "minimized", "PebblewireTrayIcon");
    MeasureHiddenStart(watch, iconProgram, "", "BenchTrayIcon");
    MeasureHiddenStart(watch, sameWindows, "minimized", "BenchSameWindowsIcon");

    std::printf("%d rounds, each program and its baselines in turn, the order rotating every round\n", rounds);
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < starts.size(); ++i) {
            StartSeries& series = starts[(size_t(round) + i) % starts.size()];
            const auto figures = MeasureStart(series.subject);
            if (Record(figures, "start of " + series.subject.name)) series.Add(*figures);
        }
    }
    struct HiddenSeries {
        const Subject& subject;
        const char* arguments;
        const char* trayClass;
        Series series;
    };
    HiddenSeries hiddenStarts[] = {
        {pebblewire, "minimized", "PebblewireTrayIcon", {"Pebblewire minimized", {}}},
        {iconProgram, "", "BenchTrayIcon", {iconProgram.name, {}}},
        {sameWindows, "minimized", "BenchSameWindowsIcon", {sameWindows.name, {}}},
    };
    constexpr size_t kHiddenCount = sizeof hiddenStarts / sizeof hiddenStarts[0];
    for (int round = 0; round < rounds; ++round)
        for (size_t i = 0; i < kHiddenCount; ++i) {
            HiddenSeries& start = hiddenStarts[(size_t(round) + i) % kHiddenCount];
            const auto ms = MeasureHiddenStart(watch, start.subject, start.arguments, start.trayClass);
            if (Record(ms, "hidden start of " + start.subject.name)) start.series.values.push_back(*ms);
        }
    const Series &hidden = hiddenStarts[0].series, &iconBaseline = hiddenStarts[1].series,
                 &sameHidden = hiddenStarts[2].series;

    Series send{"Pebblewire", {}}, shellBaseline{shellProgram.name, {}};
    SendTarget sender(pebblewire, app::IDC_MEMO1), baselineSender(shellProgram, 0);
    if (!sender.Ready() || !baselineSender.Ready()) ++failures;
    const IdleFigures beforeSends = sender.Figures(), baselineBefore = baselineSender.Figures();
    for (int round = 0; round < rounds && sender.Ready() && baselineSender.Ready(); ++round)
        for (int i = 0; i < 2; ++i) {
            const bool ours = (round + i) % 2 == 0;
            const auto ms = (ours ? sender : baselineSender).MeasureSend();
            if (Record(ms, ours ? "send" : "baseline send")) (ours ? send : shellBaseline).values.push_back(*ms);
        }
    const IdleFigures afterSends = sender.Figures(), baselineAfter = baselineSender.Figures();
    sender.Close();
    baselineSender.Close();

    std::printf("\nmedian (min - max, n)\n\n");
    bool met = true;
    StartSeries &ours = starts[0], &empty = starts[1], &notepad = starts[2], &same = starts[3];
    met &= PrintMeasure(
        "start-up: CreateProcess to main window visible and input-idle (ms)", ours.milliseconds,
        {{&empty.milliseconds, {1.3, false}}, {&notepad.milliseconds, {1.0, true}}, {&same.milliseconds, {}}});
    met &= PrintMeasure("hidden start (\"minimized\", tray option on): CreateProcess to the icon added (ms)", hidden,
                        {{&iconBaseline, {1.3, false}}, {&sameHidden, {}}});
    met &= PrintMeasure("send: Ctrl+S to the messenger process's start (ms, wall clock)", send, {{&shellBaseline, {}}});
    met &= PrintMeasure("private bytes at idle (KB)", ours.privateKb,
                        {{&empty.privateKb, {1.2, false}}, {&notepad.privateKb, {}}});
    met &= PrintMeasure("working set at idle (KB)", ours.workingSetKb,
                        {{&empty.workingSetKb, {}}, {&notepad.workingSetKb, {}}});
    met &= PrintMeasure("GDI objects at idle (used entries of the process's GDI handle table)", ours.gdi,
                        {{&empty.gdi, {}}, {&notepad.gdi, {1.0, true}}, {&same.gdi, {}}});
    met &= PrintMeasure("USER objects at idle (the process's windows: top-level, child, message-only)", ours.windows,
                        {{&empty.windows, {}}, {&notepad.windows, {}}, {&same.windows, {}}});
    PrintGrowth(send, beforeSends, afterSends);
    PrintGrowth(shellBaseline, baselineBefore, baselineAfter);
    std::printf("stripped exe: %lu bytes (target <= 307200); the empty window's: %lu bytes\n", FileSize(program),
                FileSize(Beside("empty_window.exe")));
    met &= FileSize(program) <= 300 * 1024;
    std::printf("%s; %d failed runs\n", met ? "all targets met" : "some targets NOT MET", failures);
    return failures ? 1 : 0;
}
