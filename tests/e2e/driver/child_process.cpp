#include "driver/child_process.h"

#include "driver/driver_error.h"

namespace numora::e2e {

ChildProcess ChildProcess::Start(const std::wstring& exePath, const std::wstring& workingFolder) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &info)) {
        throw DriverError("CreateProcessW failed for " + Narrow(exePath) + " in " +
                          Narrow(workingFolder) + " (error " + std::to_string(GetLastError()) +
                          ")");
    }
    UniqueKernelHandle thread(info.hThread);
    return ChildProcess(UniqueKernelHandle(info.hProcess), info.dwProcessId, info.dwThreadId);
}

bool ChildProcess::HasEnded() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
}

bool ChildProcess::WaitForEnd(std::chrono::milliseconds timeout) const {
    return WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) ==
           WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void ChildProcess::Kill() const {
    if (!HasEnded()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 10000);
    }
}

}  // namespace numora::e2e
