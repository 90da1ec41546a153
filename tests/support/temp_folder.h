// A fresh folder for tests on real files, removed with everything in it when
// the test ends. Each file holds its own name as content, so after a rename
// every file shows where it came from.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <system_error>

namespace numora::test_support {

class TempFolder {
  public:
    explicit TempFolder(
        const std::filesystem::path& parent = std::filesystem::temp_directory_path())
        : path_(parent / ("numora-test-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The full path, as the program shows it.
    std::wstring Path() const { return path_.wstring(); }
    std::wstring FullName(const std::wstring& name) const { return (path_ / name).wstring(); }

    // Makes the file, and the folders on its way ("sub\a.jpg"), holding its bare name.
    void AddFile(const std::wstring& name) const {
        const std::filesystem::path file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        const std::wstring content = file.filename().wstring();
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(content.data()),
                   static_cast<std::streamsize>(content.size() * sizeof(wchar_t)));
    }
    void AddFolder(const std::wstring& name) const {
        std::filesystem::create_directories(path_ / name);
    }

    // Each plain file of the folder, or of a subfolder, by name with its content.
    std::map<std::wstring, std::wstring> Files(const std::wstring& subfolder = L"") const {
        std::map<std::wstring, std::wstring> files;
        for (const auto& entry : std::filesystem::directory_iterator(path_ / subfolder)) {
            if (!entry.is_regular_file()) continue;
            std::wstring content(entry.file_size() / sizeof(wchar_t), L'\0');
            std::ifstream(entry.path(), std::ios::binary)
                .read(reinterpret_cast<char*>(content.data()),
                      static_cast<std::streamsize>(content.size() * sizeof(wchar_t)));
            files[entry.path().filename().wstring()] = content;
        }
        return files;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace numora::test_support
