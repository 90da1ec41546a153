// The file list's read, match and sort of a folder of 32767 files, against a
// bare FindFirstFileExW loop over the same folder, alternating.
// Usage: listing_bench [folder]   (default: numora-listing-bench in %TEMP%)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <cstdio>
#include <string>
#include <vector>

#include "browse/directory_reader.h"
#include "browse/directory_reader_find.h"
#include "browse/file_listing.h"
#include "browse/folder_path.h"

namespace {

constexpr int kFiles = static_cast<int>(numora::kMaxListedFiles);
constexpr int kRounds = 5;
constexpr const wchar_t* kPattern = L"*.jpg;*.jpeg";

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::wstring DefaultFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
    return numora::JoinFolder(numora::NormalizeFolderPath(std::wstring(temp, length)),
                              L"numora-listing-bench");
}

// Mixed prefixes, letter case and extensions, so that matching and the
// natural sort have real work.
std::wstring BenchFileName(int number) {
    static const wchar_t* const kPrefixes[] = {L"IMG_", L"img_", L"写真"};
    return kPrefixes[number % 3] + std::to_wstring(number) + (number % 4 == 0 ? L".jpeg" : L".JPG");
}

std::size_t BareEnumeration(const std::wstring& folder) {
    WIN32_FIND_DATAW data{};
    HANDLE first = ::FindFirstFileExW(numora::JoinFolder(folder, L"*").c_str(), FindExInfoBasic,
                                      &data, FindExSearchNameMatch, nullptr,
                                      FIND_FIRST_EX_LARGE_FETCH);
    if (first == INVALID_HANDLE_VALUE) {
        return 0;
    }
    const numora::UniqueFindHandle find{first};
    std::size_t count = 0;
    do {
        ++count;
    } while (::FindNextFileW(find.get(), &data));
    return count;
}

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept { ::CloseHandle(handle); }
};

// Creating the files is slow under Wine, so a complete folder is reused.
bool PrepareFolder(const std::wstring& folder) {
    ::CreateDirectoryW(folder.c_str(), nullptr);
    if (BareEnumeration(folder) == static_cast<std::size_t>(kFiles) + 2) {  // with "." and ".."
        return true;
    }
    std::printf("creating %d files...\n", kFiles);
    const auto start = Clock::now();
    for (int number = 1; number <= kFiles; ++number) {
        const std::wstring path = numora::JoinFolder(folder, BenchFileName(number));
        HANDLE created = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE) {
            if (::GetLastError() == ERROR_FILE_EXISTS) continue;
            std::fprintf(stderr, "cannot create file %d: error %lu\n", number, ::GetLastError());
            return false;
        }
        const std::unique_ptr<void, HandleCloser> file{created};
    }
    std::printf("created in %.1f s\n", SecondsSince(start));
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring folder = argc > 1 ? numora::NormalizeFolderPath(argv[1]) : DefaultFolder();
    if (!PrepareFolder(folder)) {
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
    for (int round = 0; round < kRounds; ++round) {
        auto start = Clock::now();
        const std::size_t entries = BareEnumeration(folder);
        bareTimes.push_back(SecondsSince(start));

        start = Clock::now();
        const std::vector<std::wstring> listed = numora::ListFiles(folder, kPattern);
        listingTimes.push_back(SecondsSince(start));

        if (entries < static_cast<std::size_t>(kFiles) || listed.size() != static_cast<std::size_t>(kFiles)) {
            std::fprintf(stderr, "the folder changed during the benchmark\n");
            return 1;
        }
    }

    const double bare = Median(bareTimes);
    const double listing = Median(listingTimes);
    std::printf("folder of %d files, median of %d alternating rounds\n", kFiles, kRounds);
    std::printf("bare FindFirstFileExW loop: %.2f us a file (%.1f ms)\n", bare * 1e6 / kFiles,
                bare * 1e3);
    std::printf("listing (read, match, sort): %.2f us a file (%.1f ms)\n",
                listing * 1e6 / kFiles, listing * 1e3);
    std::printf("ratio listing_32767 %.3f\n", listing / bare);
    return 0;
}
