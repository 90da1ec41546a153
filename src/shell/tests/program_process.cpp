#include "program_process.h"

#include <stdexcept>

namespace numora::testing_support {
namespace {

constexpr auto kPollStep = std::chrono::milliseconds(50);

struct Search {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (owner == search->processId && IsWindowVisible(window) != FALSE &&
        std::wstring_view(className) == search->className) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

ProgramProcess::ProgramProcess(const std::wstring& exe, const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &info) == FALSE) {
        throw std::runtime_error("the program could not be started");
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
    if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool ProgramProcess::WaitForExit(std::chrono::milliseconds limit, DWORD& exitCode) const {
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(process_.get(), &exitCode);
    return true;
}

std::vector<HWND> ProgramProcess::VisibleWindows(const wchar_t* className) const {
    Search search{id_, className, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ProgramProcess::WaitForWindows(const wchar_t* className, std::size_t count,
                                                 std::chrono::milliseconds limit) const {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::vector<HWND> windows = VisibleWindows(className);
    while (windows.size() != count && std::chrono::steady_clock::now() < deadline) {
        Sleep(static_cast<DWORD>(kPollStep.count()));
        windows = VisibleWindows(className);
    }
    return windows;
}

}  // namespace numora::testing_support
