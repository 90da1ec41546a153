// Start-up of numora.exe to its main window shown, against a minimal Win32 window
// program started the same way, alternating, with the wineserver already warm.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/resource_ids.h"
#include "support/bench_stats.h"
#include "support/process_control.h"

using namespace numora::bench;

namespace {

double SecondsToVisibleWindow(const std::wstring& exe, const wchar_t* className,
                              const std::wstring& folder) {
    const auto start = Clock::now();
    ChildProcess child(exe, folder);
    HWND window = WaitForVisibleWindow(child.Id(), className, 30000);
    const double seconds = SecondsSince(start);
    if (window == nullptr) {
        std::fprintf(stderr, "no window shown\n");
        std::exit(1);
    }
    if (!child.CloseAndWait(window, 10000)) {
        std::fprintf(stderr, "the program did not end when closed\n");
        std::exit(1);
    }
    return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring work = argc > 1 ? argv[1] : OwnFolder();
    const std::wstring folder = work + L"\\startup";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring numora = OwnFolder() + L"..\\src\\shell\\numora.exe";
    const std::wstring minimal = OwnFolder() + L"minimal_window.exe";

    SecondsToVisibleWindow(numora, NUMORA_FORM1_CLASS, folder);  // warm-up
    SecondsToVisibleWindow(minimal, L"NumoraBenchMinimal", folder);

    std::vector<double> numoraTimes, minimalTimes;
    for (int round = 0; round < 7; ++round) {
        numoraTimes.push_back(SecondsToVisibleWindow(numora, NUMORA_FORM1_CLASS, folder));
        minimalTimes.push_back(SecondsToVisibleWindow(minimal, L"NumoraBenchMinimal", folder));
    }
    const double numoraMedian = Median(numoraTimes);
    const double minimalMedian = Median(minimalTimes);
    std::printf("start-up to window shown: numora %.1f ms, minimal window %.1f ms (median of 7)\n",
                numoraMedian * 1000, minimalMedian * 1000);
    PrintRatio("startup", numoraMedian, minimalMedian);
    return 0;
}
