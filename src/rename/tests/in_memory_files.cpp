#include "in_memory_files.h"

#include <stdexcept>

namespace numora::test_support {

std::wstring FoldCase(const std::wstring& name) {
    std::wstring folded = name;
    for (wchar_t& ch : folded) {
        if (ch >= L'a' && ch <= L'z') {
            ch = static_cast<wchar_t>(ch - L'a' + L'A');
        }
    }
    return folded;
}

void InMemoryFiles::AddFile(const std::wstring& fullName) {
    if (!files_.emplace(FoldCase(fullName), File{fullName, fullName}).second) {
        throw std::logic_error("test set-up adds a file twice");
    }
}

void InMemoryFiles::FailRenameCall(std::size_t callNumber, std::uint32_t errorCode) {
    failure_.emplace(callNumber, errorCode);
}

RenameOutcome InMemoryFiles::Rename(const std::wstring& oldName, const std::wstring& newName) {
    calls_.emplace_back(oldName, newName);
    if (failure_ && failure_->first == calls_.size()) {
        return {false, failure_->second};
    }
    const auto source = files_.find(FoldCase(oldName));
    if (source == files_.end()) {
        return {false, kFileNotFound};
    }
    const std::wstring targetKey = FoldCase(newName);
    if (targetKey == source->first) {
        // A change of case only: the same file, renamed in place.
        source->second.name = newName;
        return {true, 0};
    }
    if (files_.contains(targetKey)) {
        return {false, kAlreadyExists};
    }
    File moved = std::move(source->second);
    moved.name = newName;
    files_.erase(source);
    files_.emplace(targetKey, std::move(moved));
    return {true, 0};
}

std::map<std::wstring, std::wstring> InMemoryFiles::Files() const {
    std::map<std::wstring, std::wstring> result;
    for (const auto& [key, file] : files_) {
        result.emplace(file.name, file.content);
    }
    return result;
}

std::map<std::wstring, std::wstring> InMemoryFiles::NamesByContent() const {
    std::map<std::wstring, std::wstring> result;
    for (const auto& [key, file] : files_) {
        if (!result.emplace(file.content, file.name).second) {
            throw std::logic_error("two files hold the same content");
        }
    }
    return result;
}

}  // namespace numora::test_support
