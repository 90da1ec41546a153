#include "driver/numora_app.h"

#include "driver/driver_error.h"
#include "driver/message_boxes.h"
#include "driver/poll.h"
#include "driver/settings.h"
#include "driver/window_query.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

constexpr std::chrono::milliseconds kEndTimeout{5000};

void CloseEverything(DWORD processId) {
    for (HWND dialog : DialogWindowsOf(processId)) {
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
    for (HWND about : TopLevelWindowsOf(processId, NUMORA_FORM2_CLASS)) {
        PostMessageW(about, WM_CLOSE, 0, 0);
    }
    for (HWND main : TopLevelWindowsOf(processId, NUMORA_FORM1_CLASS)) {
        PostMessageW(main, WM_CLOSE, 0, 0);
    }
}

}  // namespace

std::vector<HWND> MainWindowsOf(DWORD processId) {
    std::vector<HWND> visible;
    for (HWND window : TopLevelWindowsOf(processId, NUMORA_FORM1_CLASS)) {
        if (IsWindowVisible(window)) {
            visible.push_back(window);
        }
    }
    return visible;
}

NumoraApp::NumoraApp(const std::wstring& workingFolder)
    : process_(ChildProcess::Start(NumoraExePath(), workingFolder)) {
    const bool shown = PollUntil([&] {
        const auto windows = MainWindowsOf(process_.Id());
        if (!windows.empty()) {
            form1_ = windows.front();
        }
        return form1_ != nullptr || process_.HasEnded();
    });
    if (form1_ == nullptr) {
        std::string why = shown ? "numora.exe ended with exit code " +
                                      std::to_string(process_.ExitCode()) +
                                      " before showing its main window"
                                : "numora.exe showed no main window within " +
                                      std::to_string(kUiTimeout.count()) + " ms";
        why += "; its dialogs: " + DescribeDialogsOf(process_.Id());
        process_.Kill();
        throw DriverError(why);
    }
    uiThreadId_ = GetWindowThreadProcessId(form1_, nullptr);
}

NumoraApp::~NumoraApp() {
    Shutdown();
}

HWND NumoraApp::Control(int id) const {
    HWND control = GetDlgItem(form1_, id);
    if (control == nullptr) {
        throw DriverError("Form1 has no control with id " + std::to_string(id));
    }
    return control;
}

std::vector<HWND> NumoraApp::AboutWindows() const {
    return TopLevelWindowsOf(process_.Id(), NUMORA_FORM2_CLASS);
}

void NumoraApp::ChooseMenuCommand(unsigned commandId) const {
    if (!PostMessageW(form1_, WM_COMMAND, commandId, 0)) {
        throw DriverError("cannot post menu command " + std::to_string(commandId) +
                          ": Form1 is gone");
    }
}

bool NumoraApp::Shutdown() {
    for (int attempt = 0; attempt < 3 && !process_.HasEnded(); ++attempt) {
        CloseEverything(process_.Id());
        if (process_.WaitForEnd(kEndTimeout / 3)) {
            return true;
        }
    }
    if (process_.HasEnded()) {
        return true;
    }
    process_.Kill();
    return false;
}

}  // namespace numora::e2e
