#include "browse/directory_reader_find.h"

#include "browse/control_error.h"
#include "browse/folder_path.h"

namespace numora {

namespace {

bool IsExistingFolder(const std::wstring& folder) {
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

UniqueFindHandle StartFind(const std::wstring& pattern, WIN32_FIND_DATAW& first) {
    HANDLE handle = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &first,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    return UniqueFindHandle{handle == INVALID_HANDLE_VALUE ? nullptr : handle};
}

}  // namespace

UniqueFindHandle OpenFolderListing(const std::wstring& folder, WIN32_FIND_DATAW& first) {
    UniqueFindHandle find = StartFind(JoinFolder(folder, L"*"), first);
    if (find) {
        return find;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND && IsExistingFolder(folder)) {
        return nullptr;
    }
    throw ControlError("the folder cannot be opened", error);
}

WIN32_FIND_DATAW FindExactEntry(const std::wstring& path) {
    // A wildcard would name some other entry.
    if (path.find_first_of(L"*?") != std::wstring::npos) {
        throw ControlError("a folder name holds a wildcard", ERROR_INVALID_NAME);
    }
    WIN32_FIND_DATAW data{};
    if (!StartFind(path, data)) {
        throw ControlError("the folder does not exist", ::GetLastError());
    }
    return data;
}

}  // namespace numora
