// Start-up of numora.exe to its main window shown, against a program that shows
// the same standard controls, menu and tooltip control with nothing filled, and
// against a bare Win32 window; all started the same way, in turn (numora and its
// baseline taking turns to go first), with the wineserver already warm. One start
// under Wine varies by a fifth from the next, and slow spells hit neighbours
// alike: the ratio is the median of each round's own ratio.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "program_control.h"
#include "shell/layouts.h"
#include "support/bench_folders.h"
#include "support/bench_stats.h"

using namespace numora::bench;

namespace {

double SecondsToVisibleWindow(const std::wstring& exe, const wchar_t* className,
                              const std::wstring& folder) {
    const auto start = Clock::now();
    const numora::tools::ProgramProcess program(exe, folder);
    HWND window = numora::tools::WaitForVisibleWindow(program.Id(), className, 30000);
    const double seconds = SecondsSince(start);
    if (window == nullptr) {
        std::fprintf(stderr, "no window shown\n");
        std::exit(1);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!program.Ended(10000)) {
        std::fprintf(stderr, "the program did not end when closed\n");
        std::exit(1);
    }
    return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::filesystem::path here = numora::tools::OwnFolder();
    const BenchRun run = ReadBenchRun(argc, argv, here.wstring());
    const std::wstring folder = run.Work + L"\\startup";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring numora = (here / NUMORA_EXE).lexically_normal();
    const std::wstring sameControls = here / L"same_controls_window.exe";
    const std::wstring minimal = here / L"minimal_window.exe";
    constexpr const wchar_t* kSameControlsClass = L"NumoraBenchSameControls";
    constexpr const wchar_t* kMinimalClass = L"NumoraBenchMinimal";

    SecondsToVisibleWindow(numora, numora::kForm1.Window.ClassName, folder);  // warm-up
    SecondsToVisibleWindow(sameControls, kSameControlsClass, folder);
    SecondsToVisibleWindow(minimal, kMinimalClass, folder);

    const int rounds = run.Rounds(41);
    std::vector<double> numoraTimes, sameControlsTimes, minimalTimes, ratios;
    for (int round = 0; round < rounds; ++round) {
        // Alternate which goes first: a start pays for some of the teardown before it.
        const auto startNumora = [&] {
            numoraTimes.push_back(
                SecondsToVisibleWindow(numora, numora::kForm1.Window.ClassName, folder));
        };
        const auto startSameControls = [&] {
            sameControlsTimes.push_back(
                SecondsToVisibleWindow(sameControls, kSameControlsClass, folder));
        };
        if (round % 2 == 0) {
            startNumora();
            startSameControls();
        } else {
            startSameControls();
            startNumora();
        }
        minimalTimes.push_back(SecondsToVisibleWindow(minimal, kMinimalClass, folder));
        ratios.push_back(numoraTimes.back() / sameControlsTimes.back());
    }
    const double numoraMedian = Median(numoraTimes);
    const double sameControlsMedian = Median(sameControlsTimes);
    const double minimalMedian = Median(minimalTimes);
    std::printf(
        "start-up to window shown (median of %d): numora %.1f ms, same controls unfilled %.1f ms, "
        "bare window %.1f ms\n",
        rounds, numoraMedian * 1000, sameControlsMedian * 1000, minimalMedian * 1000);
    std::printf("numora against a bare window: %.3f\n", numoraMedian / minimalMedian);
    PrintRatio("startup_same_controls", Median(ratios), 1.0);
    return 0;
}
