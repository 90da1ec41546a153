#include "support/bench_folders.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <memory>

#include "browse/folder_path.h"
#include "win32/handles.h"

namespace numora::bench {

BenchRun ReadBenchRun(int argc, wchar_t** argv, const std::wstring& defaultWork) {
    BenchRun run{false, defaultWork};
    for (int index = 1; index < argc; ++index) {
        if (std::wcscmp(argv[index], L"--smoke") == 0) {
            run.Smoke = true;
        } else {
            run.Work = argv[index];
        }
    }
    return run;
}

ListingFolder OpenListingFolder(const BenchRun& run) {
    ListingFolder listing;
    if (run.Smoke) {
        // The names scripts/bench gives the big folder.
        const wchar_t* prefixes[] = {L"IMG_", L"img_", L"写真"};
        listing.Files = 300;
        listing.Made = std::make_unique<tools::TempFolder>(run.Work);
        listing.Path = NormalizeFolderPath(listing.Made->Path());
        for (int number = 1; number <= listing.Files; ++number) {
            const std::wstring name = prefixes[number % 3] + std::to_wstring(number) +
                                      (number % 4 == 0 ? L".jpeg" : L".JPG");
            const UniqueKernelHandle file(CreateFileW(JoinFolder(listing.Path, name).c_str(),
                                                      GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                                                      nullptr));
        }
    } else {
        listing.Files = kBigFolderFiles;
        listing.Path = JoinFolder(NormalizeFolderPath(run.Work), L"listing-32767");
    }
    if (BareFindLoop(listing.Path) != static_cast<std::size_t>(listing.Files) + 2) {
        std::fprintf(stderr, "%ls does not hold %d files%s\n", listing.Path.c_str(), listing.Files,
                     run.Smoke ? "" : ": run scripts/bench, which makes them");
        listing.Path.clear();
    }
    return listing;
}

std::size_t BareBatchRead(const std::wstring& folder) {
    const UniqueKernelHandle handle(CreateFileW(
        folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (handle.get() == INVALID_HANDLE_VALUE) {
        return 0;
    }
    constexpr std::size_t kBatchBytes = 64 * 1024;
    const auto batch = std::make_unique<std::uint64_t[]>(kBatchBytes / sizeof(std::uint64_t));
    std::size_t count = 0;
    while (GetFileInformationByHandleEx(handle.get(), FileFullDirectoryInfo, batch.get(),
                                        kBatchBytes)) {
        const auto* bytes = reinterpret_cast<const char*>(batch.get());
        for (;;) {
            ++count;
            const auto* entry = reinterpret_cast<const FILE_FULL_DIR_INFO*>(bytes);
            if (entry->NextEntryOffset == 0) {
                break;
            }
            bytes += entry->NextEntryOffset;
        }
    }
    return count;
}

std::size_t BareFindLoop(const std::wstring& folder) {
    WIN32_FIND_DATAW data{};
    HANDLE first = FindFirstFileExW(JoinFolder(folder, L"*").c_str(), FindExInfoBasic, &data,
                                    FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (first == INVALID_HANDLE_VALUE) {
        return 0;
    }
    const UniqueFindHandle find{first};
    std::size_t count = 0;
    do {
        ++count;
    } while (FindNextFileW(find.get(), &data));
    return count;
}

}  // namespace numora::bench
