// Filling the file list (a write of its Path) over a folder of 32767 files,
// against the platform's fastest read of the same folder (the same batch read,
// nothing matched, sorted or shown), alternating; the ratio is the median of
// each round's own.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "browse/handlers.h"
#include "shell/control_factory.h"
#include "shell/layouts.h"
#include "shell/list_controls.h"
#include "support/bench_folders.h"
#include "support/bench_stats.h"

using namespace numora;
using namespace numora::bench;

int wmain(int argc, wchar_t** argv) {
    const BenchRun run = ReadBenchRun(argc, argv, L".");
    const ListingFolder listing = OpenListingFolder(run);
    const std::wstring& folder = listing.Path;
    const int rounds = run.Rounds(9);
    std::printf("file list fill of %d files against the bare batch read\n", listing.Files);
    if (folder.empty()) return 1;

    // A visible window with the file list as the main window makes it.
    HWND window = CreateWindowExW(0, L"STATIC", L"fill", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  600, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND listBox = CreateLayoutControl(
        window, 0, kForm1.Controls[static_cast<int>(Form1Control::File1)].Design, 96,
        static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    FileListWin32 fileList(listBox, std::wstring(kExtensionEntries[0].Pattern));
    const std::wstring other = run.Work + L"\\fill-other";
    CreateDirectoryW(other.c_str(), nullptr);

    std::vector<double> fills, bare, ratios;
    for (int round = 0; round < rounds; ++round) {
        fileList.SetPath(other);  // so that every measured write is a change of folder
        const auto start = Clock::now();
        fileList.SetPath(folder);
        fills.push_back(SecondsSince(start));
        if (fileList.ListCount() != listing.Files) {
            std::fprintf(stderr, "the file list holds %d entries\n", fileList.ListCount());
            return 1;
        }
        const auto readStart = Clock::now();
        if (BareBatchRead(folder) < static_cast<std::size_t>(listing.Files)) return 1;
        bare.push_back(SecondsSince(readStart));
        ratios.push_back(fills.back() / bare.back());
    }
    std::printf("median of %d rounds: fill %.1f ms, bare batch read %.1f ms\n", rounds,
                Median(fills) * 1e3, Median(bare) * 1e3);
    PrintRatio("file_list_fill_" + std::to_string(listing.Files), Median(ratios), 1.0);
    DestroyWindow(window);
    return 0;
}
