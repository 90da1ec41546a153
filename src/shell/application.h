// The program: a hidden window that owns the main window and every about window
// (so none of them gets a taskbar button), and the message loop, which ends when
// the last of those windows has closed.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "shell/form1_window.h"
#include "shell/form2_window.h"
#include "shell/form_views.h"
#include "shell/single_instance.h"
#include "shell/window_base.h"

namespace numora {

class Application : public WindowBase<Application>, public AboutWindows, public WindowLifetime {
  public:
    // Readies the process (error mode, controls, window classes) and makes the
    // hidden window that owns every other; once a process.
    Application();
    ~Application();

    // Runs the program to its end; returns the process's exit code.
    int Run();

    // AboutWindows
    void OpenNew() override;

    // WindowLifetime
    void WindowOpened() override { ++openWindows_; }
    void WindowClosed() override;

  private:
    friend class WindowBase<Application>;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void RegisterWindowClasses();
    int MessageLoop();
    void DiscardClosedAboutWindows();

    InstanceRuleWin32 instances_;  // held, with its mutex, until the process ends
    std::unique_ptr<Form1> form1_;
    std::vector<std::unique_ptr<Form2>> aboutWindows_;
    int openWindows_ = 0;
};

}  // namespace numora
