// A rename run through RenamingRun with the MoveFileW renamer against a bare
// MoveFileW loop doing the same renames, on folders of empty files; the ratio
// is the median of each round's own.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "rename/rename_file_win32.h"
#include "rename/renaming_run.h"
#include "rename/sequence_number.h"
#include "support/bench_stats.h"
#include "temp_folder.h"

using namespace numora::bench;

namespace {

constexpr int kRounds = 15;
constexpr int kSizes[] = {500, 1000, 2000};

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

void MeasureSize(const std::filesystem::path& parent, int files) {
    const numora::tools::TempFolder folder(parent);

    numora::RenamingRunInput input;
    input.FolderPath = folder.Path();
    input.BaseName = L"run";
    input.DigitChoiceText = L"６桁";
    input.DigitChoiceEntries.assign(numora::kDigitChoiceEntries.begin(),
                                    numora::kDigitChoiceEntries.end());
    input.ExtensionText = L"dat";
    Renames forward;
    for (int number = 1; number <= files; ++number) {
        input.FileNames.push_back(Numbered(L"src", number, 5));
        folder.AddFile(input.FileNames.back());
        forward.from.push_back(folder.Path() + L"\\" + input.FileNames.back());
        forward.to.push_back(folder.Path() + L"\\" + Numbered(L"run", number, 6));
    }
    const auto restore = [&forward] { MoveAll(forward.to, forward.from); };

    // One untimed pass so that both sides meet a warm file system.
    MoveAll(forward.from, forward.to);
    restore();

    std::vector<double> runTimes;
    std::vector<double> bareTimes;
    std::vector<double> ratios;  // each round's own: a slow spell of the disk hits neighbours alike
    for (int round = 0; round < kRounds; ++round) {
        // Alternate which side goes first so that drift hits both alike.
        if (round % 2 == 0) {
            runTimes.push_back(TimeRun(input));
            restore();
            bareTimes.push_back(TimeBareLoop(forward));
            restore();
        } else {
            bareTimes.push_back(TimeBareLoop(forward));
            restore();
            runTimes.push_back(TimeRun(input));
            restore();
        }
        ratios.push_back(runTimes.back() / bareTimes.back());
    }

    std::vector<double> aloneTimes;
    for (int round = 0; round < kRounds; ++round) {
        aloneTimes.push_back(TimeRunAlone(input));
    }

    const double run = Median(runTimes);
    const double bare = Median(bareTimes);
    std::printf(
        "rename_run_%d files %d run %.1f us/file, bare MoveFileW %.1f us/file, run without "
        "renames %.2f us/file\n",
        files, files, run / files * 1e6, bare / files * 1e6, Median(aloneTimes) / files * 1e6);
    PrintRatio("rename_run_" + std::to_string(files), Median(ratios), 1.0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        const std::filesystem::path parent =
            argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
        for (const int files : kSizes) {
            MeasureSize(parent, files);
        }
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "rename_bench: %s\n", failure.what());
        return 1;
    }
}
