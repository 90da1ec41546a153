// Rename runs through RenamingRun with the MoveFileW renamer against a bare
// MoveFileW loop doing the same renames, in folders of empty files. The folder's
// files are taken in runs of kChunkFiles, each timed right beside the bare loop
// over the same files, so that the shared machine's slow spells (seconds long)
// hit both sides of a pair alike; the ratio is the median of the pairs' own.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "browse/listing.h"
#include "rename/renaming_run.h"
#include "shell/form_handlers.h"
#include "support/bench_folders.h"
#include "support/bench_stats.h"
#include "temp_folder.h"

using namespace numora::bench;

namespace {

constexpr int kChunkFiles = 50;

std::wstring Numbered(const wchar_t* base, int number, int width) {
    std::wstring digits = std::to_wstring(number);
    digits.insert(0, digits.size() < static_cast<std::size_t>(width) ? width - digits.size() : 0,
                  L'0');
    return base + digits + L".dat";
}

struct Renames {
    std::vector<std::wstring> from;
    std::vector<std::wstring> to;
};

void MoveAll(const std::vector<std::wstring>& from, const std::vector<std::wstring>& to) {
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (MoveFileW(from[i].c_str(), to[i].c_str()) == 0) {
            throw std::runtime_error("a bare rename failed");
        }
    }
}

double TimeBareLoop(const Renames& renames) {
    const auto start = Clock::now();
    MoveAll(renames.from, renames.to);
    return SecondsSince(start);
}

double TimeRun(const numora::RenamingRunInput& input) {
    const auto start = Clock::now();
    const numora::RenamingRunResult result = numora::RenamingRun(input, numora::RenameFileWin32);
    const double seconds = SecondsSince(start);
    if (result.StoppedAt) {
        throw std::runtime_error("the rename run stopped early");
    }
    return seconds;
}

// The run's own share: the same run with a rename that does nothing.
double TimeRunAlone(const numora::RenamingRunInput& input) {
    const auto start = Clock::now();
    numora::RenamingRun(input, [](const std::wstring&, const std::wstring&) { return true; });
    return SecondsSince(start);
}

// One run over a slice of the folder, with its own base name so that the
// slices' new names never meet.
struct Chunk {
    numora::RenamingRunInput input;
    Renames forward;
};

struct PairTimes {
    double run = 0;
    double bare = 0;
};

PairTimes TimePair(const Chunk& chunk, bool runFirst) {
    const auto restore = [&chunk] { MoveAll(chunk.forward.to, chunk.forward.from); };
    PairTimes times;
    if (runFirst) {
        times.run = TimeRun(chunk.input);
        restore();
        times.bare = TimeBareLoop(chunk.forward);
        restore();
    } else {
        times.bare = TimeBareLoop(chunk.forward);
        restore();
        times.run = TimeRun(chunk.input);
        restore();
    }
    return times;
}

void MeasureSize(const BenchRun& bench, int files) {
    const numora::tools::TempFolder folder(bench.Work);
    const int rounds = bench.Rounds(8);

    std::vector<Chunk> chunks;
    for (int first = 1; first <= files; first += kChunkFiles) {
        Chunk& chunk = chunks.emplace_back();
        const std::wstring base = L"run" + std::to_wstring(chunks.size()) + L"_";
        chunk.input.FolderPath = folder.Path();
        chunk.input.BaseName = base;
        chunk.input.DigitChoiceText = L"６桁";
        chunk.input.DigitChoiceEntries.assign(numora::kDigitChoiceEntries.begin(),
                                              numora::kDigitChoiceEntries.end());
        chunk.input.ExtensionText = L"dat";
        for (int number = first; number < first + kChunkFiles && number <= files; ++number) {
            chunk.input.FileNames.push_back(Numbered(L"src", number, 5));
            folder.AddFile(chunk.input.FileNames.back());
            chunk.forward.from.push_back(folder.Path() + L"\\" + chunk.input.FileNames.back());
            chunk.forward.to.push_back(folder.Path() + L"\\" +
                                       Numbered(base.c_str(), number - first + 1, 6));
        }
    }

    // One untimed pass so that both sides meet a warm file system.
    for (const Chunk& chunk : chunks) {
        TimePair(chunk, true);
    }

    std::vector<double> runTimes;
    std::vector<double> bareTimes;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        PairTimes whole;
        for (std::size_t index = 0; index < chunks.size(); ++index) {
            // Alternate which side goes first so that drift hits both alike.
            const PairTimes pair = TimePair(chunks[index], (round + index) % 2 == 0);
            ratios.push_back(pair.run / pair.bare);
            whole.run += pair.run;
            whole.bare += pair.bare;
        }
        runTimes.push_back(whole.run);
        bareTimes.push_back(whole.bare);
    }

    std::vector<double> aloneTimes;
    for (int round = 0; round < rounds; ++round) {
        double alone = 0;
        for (const Chunk& chunk : chunks) {
            alone += TimeRunAlone(chunk.input);
        }
        aloneTimes.push_back(alone);
    }

    const double run = Median(runTimes);
    const double bare = Median(bareTimes);
    std::printf(
        "rename_run_%d files %d in runs of %d, run %.1f us/file, bare MoveFileW %.1f us/file, "
        "run without renames %.2f us/file\n",
        files, files, kChunkFiles, run / files * 1e6, bare / files * 1e6,
        Median(aloneTimes) / files * 1e6);
    PrintRatio("rename_run_" + std::to_string(files), Median(ratios), 1.0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        const BenchRun run =
            ReadBenchRun(argc, argv, std::filesystem::temp_directory_path().wstring());
        for (const int files : {500, 1000, 2000}) {
            MeasureSize(run, run.Files(files));
            if (run.Smoke) break;
        }
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "rename_bench: %s\n", failure.what());
        return 1;
    }
}
