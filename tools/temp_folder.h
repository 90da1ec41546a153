// A fresh folder of files for a test or a benchmark to work on, removed with
// everything in it at the end. Each file holds its own name, so after a rename
// it shows where it came from.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

namespace numora::tools {

class TempFolder {
  public:
    explicit TempFolder(
        const std::filesystem::path& parent = std::filesystem::temp_directory_path())
        : path_(parent / ("numora-test-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_, ignored_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::wstring Path() const { return path_.wstring(); }
    std::wstring FullName(const std::wstring& name) const { return (path_ / name).wstring(); }
    void AddFolder(const std::wstring& name) const {
        std::filesystem::create_directories(path_ / name);
    }
    void AddFile(const std::wstring& name) const {  // "sub\a.jpg" makes "sub" too
        const auto file = path_ / name;
        const std::wstring content = file.filename().wstring();
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(content.data()), content.size() * sizeof(wchar_t));
    }

    // The plain files of the folder, by name with their content.
    std::map<std::wstring, std::wstring> Files() const {
        std::map<std::wstring, std::wstring> files;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            if (!entry.is_regular_file()) continue;
            std::wstring content(entry.file_size() / sizeof(wchar_t), L'\0');
            std::ifstream(entry.path(), std::ios::binary)
                .read(reinterpret_cast<char*>(content.data()), entry.file_size());
            files[entry.path().filename().wstring()] = content;
        }
        return files;
    }

  private:
    std::filesystem::path path_;
    std::error_code ignored_;  // a folder still in use stays behind
};

}  // namespace numora::tools
