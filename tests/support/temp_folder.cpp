#include "support/temp_folder.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>

#include "shell/win32_handles.h"

namespace numora::test_support {
namespace {

struct FindCloser {
    void operator()(HANDLE handle) const noexcept { FindClose(handle); }
};
using UniqueFind = std::unique_ptr<void, FindCloser>;

void Require(bool succeeded, const std::string& what) {
    if (!succeeded) {
        throw std::runtime_error(what + " failed, error " + std::to_string(GetLastError()));
    }
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The part before the last backslash; empty for a bare name or a drive ("c:").
std::wstring ParentOf(const std::wstring& path) {
    const std::size_t cut = path.find_last_of(L'\\');
    if (cut == std::wstring::npos || cut == 0 || path[cut - 1] == L':') {
        return {};
    }
    return path.substr(0, cut);
}

void MakeFolders(const std::wstring& path) {
    if (path.empty() || IsFolder(path)) {
        return;
    }
    MakeFolders(ParentOf(path));
    Require(CreateDirectoryW(path.c_str(), nullptr) != 0, "CreateDirectoryW");
}

void SetAttributes(const std::wstring& path, DWORD attributes) {
    if (attributes == 0) {
        return;
    }
    Require(SetFileAttributesW(path.c_str(), attributes) != 0, "SetFileAttributesW");
    // A file system that dropped them would leave the test checking nothing.
    Require((GetFileAttributesW(path.c_str()) & attributes) == attributes, "keeping attributes");
}

// Read-only, hidden and system entries go too.
void RemoveTree(const std::wstring& folder) noexcept {
    WIN32_FIND_DATAW data{};
    const HANDLE first = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (first != INVALID_HANDLE_VALUE) {
        const UniqueFind find(first);
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find.get(), &data) != 0);
    }
    RemoveDirectoryW(folder.c_str());
}

std::wstring TempRoot() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    Require(length > 0 && length <= MAX_PATH, "GetTempPathW");
    std::wstring root(buffer, length);
    while (!root.empty() && root.back() == L'\\') {
        root.pop_back();
    }
    return root;
}

}  // namespace

TempFolder::TempFolder() : TempFolder(TempRoot()) {}

TempFolder::TempFolder(const std::wstring& parent) {
    MakeFolders(parent);
    static std::atomic<unsigned> next{0};
    const std::wstring base =
        parent + L"\\numora-test-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    // A folder left by an earlier process with the same id is skipped, not reused.
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::wstring candidate = base + std::to_wstring(++next);
        if (CreateDirectoryW(candidate.c_str(), nullptr) != 0) {
            path_ = candidate;
            return;
        }
        Require(GetLastError() == ERROR_ALREADY_EXISTS, "CreateDirectoryW");
    }
    throw std::runtime_error("no free name for a temporary folder");
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

std::wstring TempFolder::AddFile(const std::wstring& name, DWORD attributes) const {
    return AddFile(name, name.substr(name.find_last_of(L'\\') + 1), attributes);
}

std::wstring TempFolder::AddFile(const std::wstring& name, const std::wstring& content,
                                 DWORD attributes) const {
    const std::wstring path = FullName(name);
    MakeFolders(ParentOf(path));
    {  // closed before its attributes change
        const HANDLE created = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
        Require(created != INVALID_HANDLE_VALUE, "CreateFileW");
        const UniqueKernelHandle file(created);
        const DWORD bytes = static_cast<DWORD>(content.size() * sizeof(wchar_t));
        DWORD written = 0;
        Require(WriteFile(file.get(), content.data(), bytes, &written, nullptr) != 0 &&
                    written == bytes,
                "WriteFile");
    }
    SetAttributes(path, attributes);
    return path;
}

void TempFolder::AddFiles(const std::vector<std::wstring>& names) const {
    for (const auto& name : names) {
        AddFile(name);
    }
}

std::wstring TempFolder::AddFolder(const std::wstring& name, DWORD attributes) const {
    const std::wstring path = FullName(name);
    MakeFolders(ParentOf(path));
    Require(CreateDirectoryW(path.c_str(), nullptr) != 0, "CreateDirectoryW");
    SetAttributes(path, attributes);
    return path;
}

void TempFolder::RemoveFolder(const std::wstring& name) const {
    const std::wstring path = FullName(name);
    RemoveTree(path);
    Require(GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES, "RemoveDirectoryW");
}

std::optional<std::wstring> TempFolder::Content(const std::wstring& name) const {
    const HANDLE opened = CreateFileW(FullName(name).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const UniqueKernelHandle file(opened);
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size) == 0 || size.QuadPart % sizeof(wchar_t) != 0 ||
        size.QuadPart > 1 << 20) {
        return std::nullopt;
    }
    const DWORD bytes = static_cast<DWORD>(size.QuadPart);
    std::wstring content(bytes / sizeof(wchar_t), L'\0');
    DWORD read = 0;
    if (ReadFile(file.get(), content.data(), bytes, &read, nullptr) == 0 || read != bytes) {
        return std::nullopt;
    }
    return content;
}

std::vector<std::wstring> TempFolder::Names(const std::wstring& subfolder) const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data{};
    const std::wstring folder = subfolder.empty() ? path_ : FullName(subfolder);
    const HANDLE first = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (first == INVALID_HANDLE_VALUE) {
        return names;
    }
    const UniqueFind find(first);
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.emplace_back(data.cFileName);
        }
    } while (FindNextFileW(find.get(), &data) != 0);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace numora::test_support
