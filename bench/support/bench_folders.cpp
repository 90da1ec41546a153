#include "support/bench_folders.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "browse/folder_path.h"
#include "win32/handles.h"

namespace numora::bench {

std::wstring BigFolder(const std::wstring& work) {
    const std::wstring folder = JoinFolder(NormalizeFolderPath(work), L"listing-32767");
    if (BareFindLoop(folder) != static_cast<std::size_t>(kBigFolderFiles) + 2) {
        std::fprintf(stderr, "%ls does not hold %d files: run scripts/bench, which makes them\n",
                     folder.c_str(), kBigFolderFiles);
        return L"";
    }
    return folder;
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
