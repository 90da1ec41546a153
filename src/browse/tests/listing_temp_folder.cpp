#include "listing_temp_folder.h"

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>

#include "browse/directory_reader_find.h"
#include "browse/folder_path.h"

namespace numora::testing {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept { ::CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

void Require(bool succeeded, const char* what) {
    if (!succeeded) {
        throw std::runtime_error(std::string(what) + " failed, error " +
                                 std::to_string(::GetLastError()));
    }
}

void SetAttributes(const std::wstring& path, DWORD attributes) {
    if (attributes == 0) {
        return;
    }
    Require(::SetFileAttributesW(path.c_str(), attributes) != 0, "SetFileAttributesW");
    // The test means these attributes; a file system that drops them would make it meaningless.
    Require((::GetFileAttributesW(path.c_str()) & attributes) == attributes, "keeping attributes");
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data{};
    HANDLE first = ::FindFirstFileW(JoinFolder(folder, L"*").c_str(), &data);
    if (first != INVALID_HANDLE_VALUE) {
        const UniqueFindHandle find{first};
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = JoinFolder(folder, name);
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(path);
            } else {
                ::DeleteFileW(path.c_str());
            }
        } while (::FindNextFileW(find.get(), &data));
    }
    ::RemoveDirectoryW(folder.c_str());
}

std::wstring TempRoot() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
    Require(length > 0 && length <= MAX_PATH, "GetTempPathW");
    return NormalizeFolderPath(std::wstring(buffer, length));
}

}  // namespace

ListingTempFolder::ListingTempFolder() {
    static std::atomic<int> counter{0};
    path_ = JoinFolder(TempRoot(), L"numora-listing-" + std::to_wstring(::GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(++counter));
    Require(::CreateDirectoryW(path_.c_str(), nullptr) != 0, "CreateDirectoryW");
}

ListingTempFolder::~ListingTempFolder() {
    RemoveTree(path_);
}

std::wstring ListingTempFolder::AddFile(const std::wstring& name, DWORD attributes) const {
    const std::wstring path = JoinFolder(path_, name);
    {  // closed before its attributes change
        HANDLE created = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        Require(created != INVALID_HANDLE_VALUE, "CreateFileW");
        const UniqueHandle file{created};
    }
    SetAttributes(path, attributes);
    return path;
}

std::wstring ListingTempFolder::AddFolder(const std::wstring& name, DWORD attributes) const {
    const std::wstring path = JoinFolder(path_, name);
    Require(::CreateDirectoryW(path.c_str(), nullptr) != 0, "CreateDirectoryW");
    SetAttributes(path, attributes);
    return path;
}

}  // namespace numora::testing
