#include "temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

namespace numora::test_support {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct FindCloser {
    void operator()(HANDLE handle) const { FindClose(handle); }
};
using UniqueFind = std::unique_ptr<void, FindCloser>;

UniqueHandle OpenFile(const std::wstring& fullName, DWORD access, DWORD disposition) {
    const HANDLE handle = CreateFileW(fullName.c_str(), access, FILE_SHARE_READ, nullptr,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

std::vector<std::wstring> ListFiles(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data{};
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

}  // namespace

TempFolder::TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) {
        throw std::runtime_error("no temporary folder");
    }
    const std::wstring base = std::wstring(temp, length) + L"numora-rename-test-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-";
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::wstring candidate = base + std::to_wstring(attempt);
        if (CreateDirectoryW(candidate.c_str(), nullptr) != 0) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    for (const std::wstring& name : ListFiles(path_)) {
        DeleteFileW(FullName(name).c_str());
    }
    RemoveDirectoryW(path_.c_str());
}

void TempFolder::AddFile(const std::wstring& name, const std::wstring& content) {
    const UniqueHandle file = OpenFile(FullName(name), GENERIC_WRITE, CREATE_NEW);
    if (!file) {
        throw std::runtime_error("cannot create a test file");
    }
    const DWORD bytes = static_cast<DWORD>(content.size() * sizeof(wchar_t));
    DWORD written = 0;
    if (WriteFile(file.get(), content.data(), bytes, &written, nullptr) == 0 || written != bytes) {
        throw std::runtime_error("cannot write a test file");
    }
}

std::optional<std::wstring> TempFolder::Content(const std::wstring& name) const {
    const UniqueHandle file = OpenFile(FullName(name), GENERIC_READ, OPEN_EXISTING);
    if (!file) {
        return std::nullopt;
    }
    std::wstring content(1024, L'\0');
    DWORD read = 0;
    if (ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size() * sizeof(wchar_t)),
                 &read, nullptr) == 0) {
        return std::nullopt;
    }
    content.resize(read / sizeof(wchar_t));
    return content;
}

std::vector<std::wstring> TempFolder::Names() const {
    return ListFiles(path_);
}

}  // namespace numora::test_support
