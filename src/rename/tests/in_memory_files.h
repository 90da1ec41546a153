// A file system in memory that renames the way Windows does, for driving runs
// without touching the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rename/file_renamer.h"

namespace numora::test_support {

inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kAlreadyExists = 183;

// Full names are compared without regard to case (ASCII letters only, which is
// all the tests vary); each file's content is the full name it was created with.
class InMemoryFiles {
  public:
    void AddFile(const std::wstring& fullName);

    // The k-th call of Rename (counted from 1) fails with errorCode and changes nothing.
    void FailRenameCall(std::size_t callNumber, std::uint32_t errorCode);

    RenameOutcome Rename(const std::wstring& oldName, const std::wstring& newName);
    RenameFile Renamer() {
        return [this](const std::wstring& oldName, const std::wstring& newName) {
            return Rename(oldName, newName);
        };
    }

    // Every file as name -> content, names as stored (case kept).
    std::map<std::wstring, std::wstring> Files() const;
    // Every file as content (its original full name) -> name as stored now.
    std::map<std::wstring, std::wstring> NamesByContent() const;

    const std::vector<std::pair<std::wstring, std::wstring>>& Calls() const { return calls_; }

  private:
    struct File {
        std::wstring name;
        std::wstring content;
    };

    std::map<std::wstring, File> files_;  // keyed by the case-folded name
    std::vector<std::pair<std::wstring, std::wstring>> calls_;
    std::optional<std::pair<std::size_t, std::uint32_t>> failure_;
};

// The name as Windows compares it (here: ASCII letters folded to upper case).
std::wstring FoldCase(const std::wstring& name);

}  // namespace numora::test_support
