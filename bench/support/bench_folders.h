// Folders the benchmarks measure, made once and reused: creating 32767 files
// takes minutes under Wine.
#pragma once

#include <cstddef>
#include <string>

namespace numora::bench {

inline constexpr int kBigFolderFiles = 32767;

// `work`\listing-32767 holding kBigFolderFiles files with mixed prefixes, letter
// case and extensions, all matching "*.jpg;*.jpeg". Empty text on failure.
std::wstring PrepareBigFolder(const std::wstring& work);

// Entries a bare FindFirstFileExW loop sees, "." and ".." included.
std::size_t BareEnumeration(const std::wstring& folder);

}  // namespace numora::bench
