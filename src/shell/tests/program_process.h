// The real program started as a child process, and the windows it shows.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "shell/win32_handles.h"

namespace numora::testing_support {

class ProgramProcess {
  public:
    // Starts `exe` with `folder` as its working directory.
    ProgramProcess(const std::wstring& exe, const std::wstring& folder);
    // Ends the program if a test left it running.
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    DWORD Id() const { return id_; }
    // True once the process has ended within `limit`; its exit code in `exitCode`.
    bool WaitForExit(std::chrono::milliseconds limit, DWORD& exitCode) const;
    // The process's visible top-level windows of `className`.
    std::vector<HWND> VisibleWindows(const wchar_t* className) const;
    // Polls until `count` such windows are visible, or `limit` passes.
    std::vector<HWND> WaitForWindows(const wchar_t* className, std::size_t count,
                                     std::chrono::milliseconds limit) const;

  private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace numora::testing_support
