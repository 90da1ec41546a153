#include "browse/directory_reader.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "browse/control_error.h"
#include "browse/directory_reader_find.h"
#include "browse/folder_path.h"

namespace numora {

namespace {

bool IsDotEntry(std::wstring_view name) {
    return name == L"." || name == L"..";
}

DirectoryEntry ToEntry(const WIN32_FIND_DATAW& data) {
    const DWORD attributes = data.dwFileAttributes;
    return {data.cFileName, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
            (attributes & FILE_ATTRIBUTE_HIDDEN) != 0, (attributes & FILE_ATTRIBUTE_SYSTEM) != 0};
}

// "d:" or "d: [LABEL]" as the drive list gives it, as opposed to a full path.
bool IsDriveText(const std::wstring& text) {
    return DriveLetterOf(text).has_value() && (text.size() == 2 || text[2] == L' ');
}

std::wstring FullPathOf(const std::wstring& path) {
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        throw ControlError("the path cannot be resolved", ::GetLastError());
    }
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        throw ControlError("the path cannot be resolved", ::GetLastError());
    }
    full.resize(length);
    return full;
}

// Each name of a drive path as stored on disk: "C:\WINDOWS\system32" becomes
// "C:\windows\system32" when that is how the folders are named, and an 8.3
// alias becomes the long name.
std::wstring SpelledAsStored(const std::wstring& fullPath) {
    const std::wstring normalized = NormalizeFolderPath(fullPath);
    const std::vector<FolderRow> rows = FolderTreeRows(normalized, {});
    std::wstring spelled = rows.front().fullPath;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        // A file among the names fails later, when the folder is opened.
        spelled = JoinFolder(spelled, FindExactEntry(JoinFolder(spelled, rows[i].text)).cFileName);
    }
    return spelled;
}

}  // namespace

std::vector<DirectoryEntry> ReadDirectory(const std::wstring& folder) {
    std::vector<DirectoryEntry> entries;
    WIN32_FIND_DATAW data{};
    const UniqueFindHandle find = OpenFolderListing(folder, data);
    if (!find) {
        return entries;
    }
    do {
        if (!IsDotEntry(data.cFileName)) {
            entries.push_back(ToEntry(data));
        }
    } while (::FindNextFileW(find.get(), &data));
    if (const DWORD error = ::GetLastError(); error != ERROR_NO_MORE_FILES) {
        throw ControlError("the folder cannot be read to its end", error);
    }
    return entries;
}

std::vector<std::wstring> ListFiles(const std::wstring& folder, const std::wstring& patternText) {
    return SelectListedFiles(ReadDirectory(folder), patternText);
}

std::vector<std::wstring> ListSubfolders(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (DirectoryEntry& entry : ReadDirectory(folder)) {
        if (entry.isDirectory && !entry.isHidden && !entry.isSystem) {
            names.push_back(std::move(entry.name));
        }
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}

std::wstring ResolveOpenableFolder(const std::wstring& pathOrDrive) {
    std::wstring request = pathOrDrive;
    if (IsDriveText(pathOrDrive)) {
        // "d:" alone is that drive's current directory.
        request = std::wstring{*DriveLetterOf(pathOrDrive), L':'};
    }
    const std::wstring folder = NormalizeFolderPath(SpelledAsStored(FullPathOf(request)));
    // Opened only to prove it can be: a drive letter that leads nowhere fails here.
    WIN32_FIND_DATAW first{};
    const UniqueFindHandle opened = OpenFolderListing(folder, first);
    return folder;
}

}  // namespace numora
