// A program started by the suite; the process handle is closed, never leaked.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "shell/win32_handles.h"

namespace numora::e2e {

class ChildProcess {
  public:
    // Starts `exePath` with no arguments in `workingFolder` (both Windows paths).
    static ChildProcess Start(const std::wstring& exePath, const std::wstring& workingFolder);

    DWORD Id() const { return processId_; }
    DWORD MainThreadId() const { return threadId_; }
    bool HasEnded() const;
    bool WaitForEnd(std::chrono::milliseconds timeout) const;
    DWORD ExitCode() const;
    // Ends it at once and waits (bounded) until it is gone.
    void Kill() const;

  private:
    ChildProcess(UniqueKernelHandle process, DWORD processId, DWORD threadId)
        : process_(std::move(process)), processId_(processId), threadId_(threadId) {}

    UniqueKernelHandle process_;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
};

}  // namespace numora::e2e
