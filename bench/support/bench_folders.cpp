#include "support/bench_folders.h"

#include <windows.h>

#include <cstdio>

#include "browse/folder_path.h"
#include "browse/listing.h"
#include "support/bench_stats.h"
#include "win32/handles.h"

namespace numora::bench {
namespace {

// Mixed prefixes, letter case and extensions, so that matching and the
// natural sort have real work.
std::wstring BenchFileName(int number) {
    static const wchar_t* const kPrefixes[] = {L"IMG_", L"img_", L"写真"};
    return kPrefixes[number % 3] + std::to_wstring(number) + (number % 4 == 0 ? L".jpeg" : L".JPG");
}

}  // namespace

std::size_t BareEnumeration(const std::wstring& folder) {
    WIN32_FIND_DATAW data{};
    HANDLE first = ::FindFirstFileExW(JoinFolder(folder, L"*").c_str(), FindExInfoBasic, &data,
                                      FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (first == INVALID_HANDLE_VALUE) {
        return 0;
    }
    const UniqueFindHandle find{first};
    std::size_t count = 0;
    do {
        ++count;
    } while (::FindNextFileW(find.get(), &data));
    return count;
}

std::wstring PrepareBigFolder(const std::wstring& work) {
    const std::wstring folder = JoinFolder(NormalizeFolderPath(work), L"listing-32767");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    if (BareEnumeration(folder) == static_cast<std::size_t>(kBigFolderFiles) + 2) {
        return folder;
    }
    std::printf("creating %d files...\n", kBigFolderFiles);
    const auto start = Clock::now();
    for (int number = 1; number <= kBigFolderFiles; ++number) {
        const std::wstring path = JoinFolder(folder, BenchFileName(number));
        HANDLE created = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE) {
            if (::GetLastError() == ERROR_FILE_EXISTS) continue;
            std::fprintf(stderr, "cannot create file %d: error %lu\n", number, ::GetLastError());
            return L"";
        }
        ::CloseHandle(created);
    }
    std::printf("created in %.1f s\n", SecondsSince(start));
    return folder;
}

}  // namespace numora::bench
