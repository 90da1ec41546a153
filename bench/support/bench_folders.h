// How a benchmark was asked to run, the folders it measures, and the bare reads
// they are measured against.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "temp_folder.h"

namespace numora::bench {

inline constexpr int kBigFolderFiles = 32767;

// NAME.exe [--smoke] [WORK]: at full size over the work folder, or with --smoke
// once over small folders of its own, so that a run of the tests proves that it
// still builds and works (its figures then mean nothing).
struct BenchRun {
    bool Smoke = false;
    std::wstring Work;

    int Rounds(int full) const { return Smoke ? 2 : full; }
    int Files(int full) const { return Smoke ? 100 : full; }
};

// `defaultWork` unless a work folder is named.
BenchRun ReadBenchRun(int argc, wchar_t** argv, const std::wstring& defaultWork);

// What the listing benchmarks read: at full size WORK\listing-32767, which
// scripts/bench fills with kBigFolderFiles files of mixed prefixes, letter case
// and extensions, all matching "*.jpg;*.jpeg"; with --smoke a few hundred of the
// same names, made here and removed at the end. An empty Path, said on stderr,
// when the folder does not hold them.
struct ListingFolder {
    std::wstring Path;
    int Files = 0;
    std::unique_ptr<tools::TempFolder> Made;
};
ListingFolder OpenListingFolder(const BenchRun& run);

// The platform's fastest read of a folder, and the one the listing makes: its
// entries by the folder's handle in 64 KB batches (GetFileInformationByHandleEx),
// with nothing matched or sorted. The count of entries, "." and ".." included.
std::size_t BareBatchRead(const std::wstring& folder);

// The entries a bare FindFirstFileExW loop sees, "." and ".." included.
std::size_t BareFindLoop(const std::wstring& folder);

}  // namespace numora::bench
