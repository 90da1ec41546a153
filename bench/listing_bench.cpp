// The file list's read, match and sort of a folder of 32767 files, against a
// bare FindFirstFileExW loop over the same folder, alternating.
// Usage: listing_bench [work folder]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "browse/listing.h"
#include "support/bench_folders.h"
#include "support/bench_stats.h"

using namespace numora::bench;

namespace {

constexpr int kFiles = kBigFolderFiles;
constexpr int kRounds = 9;
constexpr const wchar_t* kPattern = L"*.jpg;*.jpeg";

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring folder = PrepareBigFolder(argc > 1 ? argv[1] : L".");
    if (folder.empty()) {
        return 1;
    }

    // One untimed round of each, so that both start from a warm cache.
    BareEnumeration(folder);
    if (numora::ListFiles(folder, kPattern).size() != static_cast<std::size_t>(kFiles)) {
        std::fprintf(stderr, "the listing does not hold all %d files\n", kFiles);
        return 1;
    }

    std::vector<double> bareTimes;
    std::vector<double> listingTimes;
    std::vector<double> ratios;  // each round's own: slow spells under Wine hit neighbours alike
    for (int round = 0; round < kRounds; ++round) {
        auto start = Clock::now();
        const std::size_t entries = BareEnumeration(folder);
        bareTimes.push_back(SecondsSince(start));

        start = Clock::now();
        const std::vector<std::wstring> listed = numora::ListFiles(folder, kPattern);
        listingTimes.push_back(SecondsSince(start));
        ratios.push_back(listingTimes.back() / bareTimes.back());

        if (entries < static_cast<std::size_t>(kFiles) ||
            listed.size() != static_cast<std::size_t>(kFiles)) {
            std::fprintf(stderr, "the folder changed during the benchmark\n");
            return 1;
        }
    }

    const double bare = Median(bareTimes);
    const double listing = Median(listingTimes);
    std::printf(
        "folder of %d files, median of %d alternating rounds, the ratio that of each round\n",
        kFiles, kRounds);
    std::printf("bare FindFirstFileExW loop: %.2f us a file (%.1f ms)\n", bare * 1e6 / kFiles,
                bare * 1e3);
    std::printf("listing (read, match, sort): %.2f us a file (%.1f ms)\n", listing * 1e6 / kFiles,
                listing * 1e3);
    PrintRatio("listing_32767", Median(ratios), 1.0);
    return 0;
}
