// The file list's read, match and sort of a folder of 32767 files, against the
// platform's fastest read of the same folder (the same batch read, nothing
// matched or sorted), alternating; the ratio is the median of each round's own.
// Usage: listing_bench [--smoke] [work folder]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "browse/listing.h"
#include "support/bench_folders.h"
#include "support/bench_stats.h"

using namespace numora::bench;

namespace {

constexpr const wchar_t* kPattern = L"*.jpg;*.jpeg";

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const BenchRun run = ReadBenchRun(argc, argv, L".");
    const ListingFolder measured = OpenListingFolder(run);
    const std::wstring& folder = measured.Path;
    const int files = measured.Files;
    const int rounds = run.Rounds(9);
    std::printf("listing of %d files against the bare batch read (GetFileInformationByHandleEx)\n",
                files);
    if (folder.empty()) {
        return 1;
    }

    // One untimed round of each, so that all start from a warm cache.
    BareBatchRead(folder);
    BareFindLoop(folder);
    if (numora::ListFiles(folder, kPattern, files).size() != static_cast<std::size_t>(files)) {
        std::fprintf(stderr, "the listing does not hold all %d files\n", files);
        return 1;
    }

    std::vector<double> batchTimes, findTimes, listingTimes, ratios;
    for (int round = 0; round < rounds; ++round) {
        auto start = Clock::now();
        const std::size_t entries = BareBatchRead(folder);
        batchTimes.push_back(SecondsSince(start));

        start = Clock::now();
        const std::vector<std::wstring> listed = numora::ListFiles(folder, kPattern, files);
        listingTimes.push_back(SecondsSince(start));
        ratios.push_back(listingTimes.back() / batchTimes.back());

        start = Clock::now();
        BareFindLoop(folder);
        findTimes.push_back(SecondsSince(start));

        if (entries < static_cast<std::size_t>(files) ||
            listed.size() != static_cast<std::size_t>(files)) {
            std::fprintf(stderr, "the folder changed during the benchmark\n");
            return 1;
        }
    }

    const double batch = Median(batchTimes), find = Median(findTimes),
                 listing = Median(listingTimes);
    std::printf(
        "median of %d rounds: bare batch read %.1f ms, listing (read, match, sort) %.1f ms\n",
        rounds, batch * 1e3, listing * 1e3);
    std::printf("bare FindFirstFileExW loop %.1f ms, %.3f times the batch read\n", find * 1e3,
                find / batch);
    PrintRatio("listing_" + std::to_string(files), Median(ratios), 1.0);
    return 0;
}
