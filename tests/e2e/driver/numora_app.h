// One running numora.exe and its windows. The program allows one instance,
// so the destructor always ends it: politely first, by force if need be.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver/child_process.h"

namespace numora::e2e {

class NumoraApp {
  public:
    // Starts numora.exe in `workingFolder` and waits for its main window.
    explicit NumoraApp(const std::wstring& workingFolder);
    ~NumoraApp();
    NumoraApp(const NumoraApp&) = delete;
    NumoraApp& operator=(const NumoraApp&) = delete;

    HWND Form1() const { return form1_; }
    HWND Control(int id) const;  // a control of Form1 by its id
    DWORD ProcessId() const { return process_.Id(); }
    DWORD UiThreadId() const { return uiThreadId_; }
    const ChildProcess& Process() const { return process_; }

    // The about windows of the process that are still there.
    std::vector<HWND> AboutWindows() const;
    // Chooses a menu item of Form1 by its command id.
    void ChooseMenuCommand(unsigned commandId) const;

    // Closes every window of the program and waits for it to end; kills it
    // when it does not. Returns whether it ended without being killed.
    bool Shutdown();

  private:
    ChildProcess process_;
    HWND form1_ = nullptr;
    DWORD uiThreadId_ = 0;
};

// Visible main windows of a process (normally one, or none).
std::vector<HWND> MainWindowsOf(DWORD processId);

}  // namespace numora::e2e
