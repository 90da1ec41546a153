// Starting a program, and finding and reading its windows, from another process
// (by the messages that the window system marshals between processes): shared
// by the end-to-end tests, the benchmarks and the run script's wait.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "win32/handles.h"

namespace numora::tools {

// A started program. It runs in a job that ends it with this object, or with
// the process that started it should that die first: under Wine a program
// left behind keeps its starter's output open.
class ProgramProcess {
  public:
    ProgramProcess(const std::wstring& exe, const std::wstring& workingFolder);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    DWORD Id() const { return id_; }
    // Whether it has ended, waiting up to `milliseconds`.
    bool Ended(DWORD milliseconds) const;
    // Its exit code once it has ended (a crash's exception code among them).
    DWORD ExitCode() const;

  private:
    DWORD id_ = 0;
    UniqueKernelHandle process_;
};

// Looks every `interval` milliseconds until `ready` holds: true once it does,
// false when `milliseconds` have passed first.
bool PollUntil(const std::function<bool()>& ready, DWORD milliseconds, DWORD interval = 1);

// The folder that holds this program's .exe.
std::filesystem::path OwnFolder();

// The top-level windows of one class of a process (of any process: 0).
std::vector<HWND> WindowsOf(DWORD processId, const wchar_t* className);

// The first visible one, or null.
HWND VisibleWindow(DWORD processId, const wchar_t* className);

// The first one visible within `milliseconds`, or null.
HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, DWORD milliseconds);

// A message's answer; throws std::runtime_error when the window's program does
// not answer within 10 s (it has ended, or hangs).
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);

}  // namespace numora::tools
