#include <windows.h>

#include <shlwapi.h>

#include <algorithm>

#include "browse/listing.h"

namespace numora {
namespace {

bool ShellMatches(std::wstring_view name, const std::wstring& patternText) {
    return ::PathMatchSpecExW(std::wstring(name).c_str(), patternText.c_str(), PMSF_MULTIPLE) ==
           S_OK;
}

// Whether every pattern is "*." and an extension or "*" (as all of the
// program's are): then the verdict depends on the text after a name's last dot alone.
bool ByExtensionOnly(std::wstring_view patternText) {
    for (std::size_t start = 0; start <= patternText.size();) {
        const std::size_t end = std::min(patternText.find(L';', start), patternText.size());
        const std::wstring_view pattern = patternText.substr(start, end - start);
        if (!pattern.starts_with(L"*.")) {
            return false;
        }
        const std::wstring_view extension = pattern.substr(2);
        if (extension != L"*" && extension.find_first_of(L"*?. ") != std::wstring_view::npos) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

}  // namespace

FilePatterns::FilePatterns(std::wstring patternText)
    : patternText_(std::move(patternText)), byExtension_(ByExtensionOnly(patternText_)) {}

bool FilePatterns::Matches(std::wstring_view name) {
    if (!byExtension_) {
        return ShellMatches(name, patternText_);
    }
    const std::size_t dot = name.rfind(L'.');
    // A name without a dot is kept apart from one that ends in a dot.
    const std::wstring extension =
        dot == std::wstring_view::npos ? std::wstring(1, L'/') : std::wstring(name.substr(dot));
    for (const auto& [known, matches] : verdicts_) {
        if (known == extension) {
            return matches;
        }
    }
    const bool matches = ShellMatches(name, patternText_);
    verdicts_.emplace_back(extension, matches);
    return matches;
}

}  // namespace numora
