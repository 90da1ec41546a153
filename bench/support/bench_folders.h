// The folders the benchmarks measure, and the bare reads they are measured against.
#pragma once

#include <cstddef>
#include <string>

namespace numora::bench {

inline constexpr int kBigFolderFiles = 32767;

// `work`\listing-32767, which scripts/bench fills with kBigFolderFiles files of
// mixed prefixes, letter case and extensions, all matching "*.jpg;*.jpeg".
// Empty text, said on stderr, when it does not hold them.
std::wstring BigFolder(const std::wstring& work);

// The platform's fastest read of a folder, and the one the listing makes: its
// entries by the folder's handle in 64 KB batches (GetFileInformationByHandleEx),
// with nothing matched or sorted. The count of entries, "." and ".." included.
std::size_t BareBatchRead(const std::wstring& folder);

// The entries a bare FindFirstFileExW loop sees, "." and ".." included.
std::size_t BareFindLoop(const std::wstring& folder);

}  // namespace numora::bench
