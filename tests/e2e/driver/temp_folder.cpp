#include "driver/temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>

#include "driver/driver_error.h"
#include "driver/settings.h"

namespace numora::e2e {
namespace {

namespace fs = std::filesystem;

std::wstring UniqueFolderName() {
    static std::atomic<int> next{0};
    return L"case-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++next);
}

}  // namespace

TempFolder::TempFolder() : path_(WorkFolder() + L"\\" + UniqueFolderName()) {
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void TempFolder::AddFile(const std::wstring& relativeName) const {
    const fs::path file = fs::path(path_) / relativeName;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    const std::string content = Narrow(fs::path(relativeName).filename().wstring());
    out << content;
    if (!out) {
        throw DriverError("cannot create " + Narrow(file.wstring()));
    }
}

void TempFolder::AddFiles(const std::vector<std::wstring>& relativeNames) const {
    for (const auto& name : relativeNames) {
        AddFile(name);
    }
}

void TempFolder::AddFolder(const std::wstring& relativeName) const {
    fs::create_directories(fs::path(path_) / relativeName);
}

void TempFolder::RemoveFolder(const std::wstring& relativeName) const {
    const fs::path folder = fs::path(path_) / relativeName;
    fs::remove_all(folder);
    if (fs::exists(folder)) {
        throw DriverError("cannot remove " + Narrow(folder.wstring()));
    }
}

std::vector<std::wstring> TempFolder::FileNames(const std::wstring& subfolder) const {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(fs::path(path_) / subfolder)) {
        if (entry.is_regular_file()) {
            names.push_back(entry.path().filename().wstring());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring TempFolder::ContentOf(const std::wstring& relativeName) const {
    const fs::path file = fs::path(path_) / relativeName;
    std::ifstream in(file, std::ios::binary);
    std::string content(static_cast<std::size_t>(fs::file_size(file)), '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (!in) {
        throw DriverError("cannot read " + Narrow(relativeName));
    }
    return Widen(content);
}

}  // namespace numora::e2e
