#include "program_control.h"

#include <stdexcept>
#include <string>
#include <tuple>

namespace numora::tools {
namespace {

HANDLE EndWithThisProcess() {
    static const HANDLE job = [] {
        const HANDLE created = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits,
                                sizeof(limits));
        return created;
    }();
    return job;
}

using WindowSearch = std::tuple<DWORD, const wchar_t*, std::vector<HWND>>;  // process, class, found

BOOL CALLBACK CollectWindow(HWND window, LPARAM search) {
    auto& [processId, className, found] = *reinterpret_cast<WindowSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((processId == 0 || owner == processId) && ClassOf(window) == className) {
        found.push_back(window);
    }
    return TRUE;
}

}  // namespace

ProgramProcess::ProgramProcess(const std::wstring& exe, const std::wstring& workingFolder) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    // Suspended until it is in the job, so that nothing of it escapes the job.
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, workingFolder.c_str(), &startup, &started)) {
        throw std::runtime_error("The program could not be started.");
    }
    AssignProcessToJobObject(EndWithThisProcess(), started.hProcess);
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);
    id_ = started.dwProcessId;
    process_.reset(started.hProcess);
}

ProgramProcess::~ProgramProcess() {
    if (!Ended(0)) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 10000);
    }
}

bool ProgramProcess::Ended(DWORD milliseconds) const {
    return WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0;
}

DWORD ProgramProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::vector<HWND> WindowsOf(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return std::get<2>(search);
}

HWND VisibleWindow(DWORD processId, const wchar_t* className) {
    for (const HWND window : WindowsOf(processId, className)) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

std::filesystem::path OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

bool PollUntil(const std::function<bool()>& ready, DWORD milliseconds, DWORD interval) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!ready()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(interval);
    }
    return true;
}

HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, DWORD milliseconds) {
    HWND window = nullptr;
    PollUntil([&] { return (window = VisibleWindow(processId, className)) != nullptr; },
              milliseconds);
    return window;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result)) {
        throw std::runtime_error("the program did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

}  // namespace numora::tools
