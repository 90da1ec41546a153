// Which files of a folder the file list shows, and in what order.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace numora {

// The file list's count is a signed 16-bit integer.
inline constexpr std::size_t kMaxListedFiles = 32767;

struct DirectoryEntry {
    std::wstring name;  // the long name
    bool isDirectory = false;
    bool isHidden = false;
    bool isSystem = false;
};

// "*.jpg;*.jpeg" -> {"*.jpg", "*.jpeg"}
std::vector<std::wstring> SplitPatterns(const std::wstring& patternText);

// Windows wildcard match on the long name: case-insensitive, '*' and '?', "*.*" matches all.
bool MatchesPattern(const std::wstring& name, const std::wstring& pattern);

// Explorer's order: digit runs compare by value ("img2" before "img10"), letters ignore case.
bool NaturalLess(const std::wstring& left, const std::wstring& right);

// Plain files (no folders, hidden or system files) matching one of the patterns,
// in natural order, at most kMaxListedFiles of them.
std::vector<std::wstring> SelectListedFiles(std::vector<DirectoryEntry> entries,
                                            const std::wstring& patternText);

}  // namespace numora
