// Starting another program and finding its windows, for the benchmarks that
// measure the real numora.exe.
#pragma once

#include <windows.h>

#include <string>

namespace numora::bench {

// The owned handles of a started process; closes them and ends the process if still running.
class ChildProcess {
  public:
    ChildProcess(const std::wstring& exe, const std::wstring& workingFolder);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    // Asks the window to close and waits (bounded) for the process to end.
    bool CloseAndWait(HWND window, DWORD timeoutMs);

  private:
    PROCESS_INFORMATION info_{};
};

// The first visible top-level window of the process with the given class, or
// null after timeoutMs.
HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, DWORD timeoutMs);

// The folder that holds this program's .exe, with a trailing backslash.
std::wstring OwnFolder();

}  // namespace numora::bench
