// One press of the run button over 2000 files, refresh included, measured from
// outside the real program, against a bare MoveFileW loop plus one bare read of
// the folder; the ratio is the median of each round's own.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "program_control.h"
#include "shell/layouts.h"
#include "support/bench_folders.h"
#include "support/bench_stats.h"

using namespace numora::bench;

namespace {

std::wstring NumberedName(const std::wstring& base, int number) {
    wchar_t digits[16];
    std::swprintf(digits, 16, L"%04d", number);
    return base + digits + L".jpg";
}

void MakeFolder(const std::wstring& folder, const std::wstring& base, int files) {
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int number = 1; number <= files; ++number) {
        HANDLE file = CreateFileW((folder + L"\\" + NumberedName(base, number)).c_str(),
                                  GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
}

double BareRenames(const std::wstring& folder, const std::wstring& from, const std::wstring& to,
                   int files) {
    const auto start = Clock::now();
    for (int number = 1; number <= files; ++number) {
        MoveFileW((folder + L"\\" + NumberedName(from, number)).c_str(),
                  (folder + L"\\" + NumberedName(to, number)).c_str());
    }
    BareBatchRead(folder);
    return SecondsSince(start);
}

double PressInProgram(const std::wstring& numora, const std::wstring& folder,
                      const std::wstring& newBase, int files) {
    const numora::tools::ProgramProcess program(numora, folder);
    HWND form =
        numora::tools::WaitForVisibleWindow(program.Id(), numora::kForm1.Window.ClassName, 30000);
    if (form == nullptr) {
        std::fprintf(stderr, "numora showed no window\n");
        std::exit(1);
    }
    HWND fileList = GetDlgItem(form, numora::ControlId(numora::Form1Control::File1));
    if (SendMessageW(fileList, LB_GETCOUNT, 0, 0) != files) {
        std::fprintf(stderr, "the file list does not hold %d files\n", files);
        std::exit(1);
    }
    SendMessageW(GetDlgItem(form, numora::ControlId(numora::Form1Control::Text1)), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(newBase.c_str()));
    SendMessageW(GetDlgItem(form, numora::ControlId(numora::Form1Control::Combo2)), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"４桁"));
    HWND runButton = GetDlgItem(form, numora::ControlId(numora::Form1Control::Command1));
    const auto start = Clock::now();
    // Sent, not posted: returns when the handler, refresh included, has ended.
    SendMessageW(form, WM_COMMAND,
                 MAKEWPARAM(numora::ControlId(numora::Form1Control::Command1), BN_CLICKED),
                 reinterpret_cast<LPARAM>(runButton));
    const double seconds = SecondsSince(start);
    if (numora::tools::TextOf(GetDlgItem(form, numora::ControlId(numora::Form1Control::Text2))) !=
        std::to_wstring(files)) {
        std::fprintf(stderr, "the run did not reach file %d\n", files);
        std::exit(1);
    }
    PostMessageW(form, WM_CLOSE, 0, 0);
    program.Ended(10000);
    return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::filesystem::path here = numora::tools::OwnFolder();
    const BenchRun run = ReadBenchRun(argc, argv, here.wstring());
    const int files = run.Files(2000);
    const std::wstring numora = (here / NUMORA_EXE).lexically_normal();
    const std::wstring programFolder = run.Work + L"\\press-program";
    const std::wstring bareFolder = run.Work + L"\\press-bare";
    MakeFolder(programFolder, L"x", files);
    MakeFolder(bareFolder, L"x", files);

    std::vector<double> program, bare, ratios;
    const wchar_t* bases[] = {L"x", L"y"};
    // An even count, so that each folder ends as it began.
    for (int round = 0; round < run.Rounds(6); ++round) {
        const std::wstring from = bases[round % 2], to = bases[(round + 1) % 2];
        program.push_back(PressInProgram(numora, programFolder, to, files));
        bare.push_back(BareRenames(bareFolder, from, to, files));
        ratios.push_back(program.back() / bare.back());
    }
    std::printf(
        "press over %d files: numora %.1f us/file, bare MoveFileW + batch read %.1f us/file\n",
        files, Median(program) * 1e6 / files, Median(bare) * 1e6 / files);
    PrintRatio("press_" + std::to_string(files), Median(ratios), 1.0);
    return 0;
}
