#include "browse/listing.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string_view>

#include "browse/folder_path.h"
#include "win32/failure.h"
#include "win32/handles.h"

namespace numora {
namespace {

bool IsDotEntry(std::wstring_view name) {
    return name == L"." || name == L"..";
}

// The entry that a path names, as stored (basic information: no 8.3 alias).
UniqueFindHandle StartFind(const std::wstring& path, WIN32_FIND_DATAW& first) {
    HANDLE handle = ::FindFirstFileExW(FileSystemPath(path).c_str(), FindExInfoBasic, &first,
                                       FindExSearchNameMatch, nullptr, 0);
    return UniqueFindHandle{handle == INVALID_HANDLE_VALUE ? nullptr : handle};
}

// Opened for listing its entries; throws when the folder cannot be opened.
UniqueKernelHandle OpenFolder(const std::wstring& folder) {
    const HANDLE opened =
        ::CreateFileW(FileSystemPath(folder).c_str(), FILE_LIST_DIRECTORY,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        ThrowLastError("the folder cannot be opened");
    }
    return UniqueKernelHandle{opened};
}

// Calls `visit` with the name (valid until the next batch) and the attributes
// of every entry of the folder but "." and "..". Read by the handle in large
// batches, not by FindNextFileW: that copies each entry once more and takes a
// third longer on a big folder.
template <typename Visit>
void ForEachEntry(const std::wstring& folder, Visit visit) {
    const UniqueKernelHandle handle = OpenFolder(folder);
    constexpr std::size_t kBatchBytes = 64 * 1024;
    // Of 64-bit words: the entries hold 64-bit fields and must lie on 8-byte boundaries.
    const auto batch = std::make_unique<std::uint64_t[]>(kBatchBytes / sizeof(std::uint64_t));
    while (::GetFileInformationByHandleEx(handle.get(), FileFullDirectoryInfo, batch.get(),
                                          kBatchBytes)) {
        const auto* bytes = reinterpret_cast<const char*>(batch.get());
        for (;;) {
            const auto* entry = reinterpret_cast<const FILE_FULL_DIR_INFO*>(bytes);
            const std::wstring_view name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
            if (!IsDotEntry(name)) {
                visit(name, entry->FileAttributes);
            }
            if (entry->NextEntryOffset == 0) {
                break;
            }
            bytes += entry->NextEntryOffset;
        }
    }
    // An empty root has not even "." and "..": no file at all.
    if (const DWORD error = ::GetLastError();
        error != ERROR_NO_MORE_FILES && error != ERROR_FILE_NOT_FOUND) {
        ThrowLastError("the folder cannot be read to its end", error);
    }
}

bool IsShown(DWORD attributes) {
    return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool IsFolder(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The names of one folder as the find functions spell them, each component
// looked up: "C:\WINDOWS\system32" becomes "C:\windows\system32" when that is
// how the folders are named, and an 8.3 alias becomes the long name.
std::wstring SpelledAsStored(const std::wstring& fullPath) {
    const std::vector<FolderRow> rows = FolderTreeRows(NormalizeFolderPath(fullPath), {});
    std::wstring spelled = rows.front().FullPath;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::wstring path = JoinFolder(spelled, rows[i].Text);
        // A wildcard would name some other entry.
        if (path.find_first_of(L"*?") != std::wstring::npos) {
            ThrowLastError("a folder name holds a wildcard", ERROR_INVALID_NAME);
        }
        WIN32_FIND_DATAW data{};
        if (!StartFind(path, data)) {
            ThrowLastError("the folder does not exist");
        }
        if (!IsFolder(data.dwFileAttributes)) {
            ThrowLastError("the path names a file", ERROR_DIRECTORY);
        }
        spelled = JoinFolder(spelled, data.cFileName);
    }
    return spelled;
}

// Asks for the size, then reads: GetFullPathNameW and GetCurrentDirectoryW.
template <typename Read>
std::wstring ReadSizedText(Read read, const char* what) {
    const DWORD size = read(0, nullptr);
    std::wstring text(size, L'\0');
    const DWORD length = size == 0 ? 0 : read(size, text.data());
    if (length == 0 || length >= size) {
        ThrowLastError(what);
    }
    text.resize(length);
    return text;
}

// "d:" or "d: [LABEL]" as the drive list gives it, as opposed to a full path.
bool IsDriveText(const std::wstring& text) {
    return DriveLetterOf(text).has_value() && (text.size() == 2 || text[2] == L' ');
}

}  // namespace

std::vector<std::wstring> ListFiles(const std::wstring& folder, const std::wstring& patternText,
                                    std::size_t limit) {
    std::vector<std::wstring> names;
    FilePatterns patterns(patternText);
    ForEachEntry(folder, [&](std::wstring_view name, DWORD attributes) {
        if (!IsFolder(attributes) && IsShown(attributes) && patterns.Matches(name)) {
            names.emplace_back(name);
        }
    });
    SortAsExplorer(names);
    if (names.size() > limit) {
        names.resize(limit);
    }
    return names;
}

std::vector<std::wstring> ListSubfolders(const std::wstring& folder) {
    std::vector<std::wstring> names;
    ForEachEntry(folder, [&](std::wstring_view name, DWORD attributes) {
        if (IsFolder(attributes) && IsShown(attributes)) {
            names.emplace_back(name);
        }
    });
    SortAsExplorer(names);
    return names;
}

std::wstring ResolveOpenableFolder(const std::wstring& pathOrDrive) {
    std::wstring request = pathOrDrive;
    if (IsDriveText(pathOrDrive)) {
        // "d:" alone is that drive's current directory.
        request = std::wstring{*DriveLetterOf(pathOrDrive), L':'};
    }
    const std::wstring fullPath = ShownPath(ReadSizedText(
        [&](DWORD size, wchar_t* buffer) {
            return ::GetFullPathNameW(FileSystemPath(request).c_str(), size, buffer, nullptr);
        },
        "the path cannot be resolved"));
    const std::wstring folder = NormalizeFolderPath(SpelledAsStored(fullPath));
    // Opened only to prove it can be: a drive letter that leads nowhere fails here.
    OpenFolder(folder);
    return folder;
}

// No look at the target beforehand: the failure of MoveFileW already tells,
// and a second look doubles the cost of every rename under Wine.
bool RenameFileWin32(const std::wstring& oldName, const std::wstring& newName) {
    return ::MoveFileW(FileSystemPath(oldName).c_str(), FileSystemPath(newName).c_str()) != 0;
}

std::wstring CurrentDirectory() {
    return ReadSizedText(::GetCurrentDirectoryW, "the current directory cannot be read");
}

}  // namespace numora
