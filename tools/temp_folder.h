// A fresh folder of files for a test or a benchmark to work on, removed with
// everything in it at the end.
#pragma once

#include <filesystem>
#include <fstream>
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
        std::filesystem::create_directories((path_ / name).parent_path());
        std::ofstream(path_ / name);
    }

  private:
    std::filesystem::path path_;
    std::error_code ignored_;  // a folder still in use stays behind
};

}  // namespace numora::tools
