#include "support/process_control.h"

#include <stdexcept>
#include <vector>

namespace numora::bench {

ChildProcess::ChildProcess(const std::wstring& exe, const std::wstring& workingFolder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring quoted = L"\"" + exe + L"\"";
    std::vector<wchar_t> commandLine(quoted.c_str(), quoted.c_str() + quoted.size() + 1);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &info_)) {
        throw std::runtime_error("cannot start the program");
    }
}

ChildProcess::~ChildProcess() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool ChildProcess::CloseAndWait(HWND window, DWORD timeoutMs) {
    if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

namespace {
struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64]{};
    GetClassNameW(window, className, 64);
    if (owner == search->processId && IsWindowVisible(window) &&
        std::wstring(className) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        WindowSearch search{processId, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        Sleep(1);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

}  // namespace numora::bench
