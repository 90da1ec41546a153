// Drives the real numora.exe as a user would, from another process: reads its
// windows by the messages Wine marshals between processes, and gives real keyboard
// and mouse input through SendInput.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>

#include "program_control.h"
#include "shell/ids.h"
#include "support/list_items.h"
#include "temp_folder.h"

namespace numora::e2e {

using namespace tools;  // starting the program, finding and reading its windows

constexpr DWORD kTimeout = 10000;

// Bounded wait that fails the test, naming what did not happen.
inline void WaitUntil(const std::function<bool()>& ready, const std::string& what) {
    if (!PollUntil(ready, kTimeout, 20))
        throw std::runtime_error("timed out waiting until " + what);
}

inline void SendInputs(std::vector<INPUT> inputs) {
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw std::runtime_error("SendInput failed");
}
inline void PressKey(WORD key) {
    INPUT down{INPUT_KEYBOARD, {}};
    down.ki.wVk = key;
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInputs({down, up});
}
// To an absolute place, so that no motion reported late by the X server moves it.
inline void MoveMouse(POINT point) {
    const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{INPUT_MOUSE, {}};
    input.mi.dx = (point.x * 65536 + width - 1) / width;
    input.mi.dy = (point.y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInputs({input});
    POINT now{};
    WaitUntil([&] { return GetCursorPos(&now) && now.x == point.x && now.y == point.y; },
              "the pointer moved");
}
inline void BringToFront(HWND topLevel) {
    WaitUntil([&] { return SetForegroundWindow(topLevel), GetForegroundWindow() == topLevel; },
              "the window came to the front");
}
inline void PostClick(HWND button) {  // does not wait on what the program shows in answer
    if (!PostMessageW(button, BM_CLICK, 0, 0)) throw std::runtime_error("the button is gone");
}

// A message box of the program (class #32770): its title, and what it shows in
// window order: its texts and buttons' captions, "icon" for its icon.
struct MessageBoxView {
    HWND window = nullptr;
    std::wstring title;
    std::vector<std::wstring> shown;
};
inline MessageBoxView WaitForMessageBox(DWORD processId) {
    MessageBoxView box;
    WaitUntil([&] { return (box.window = VisibleWindow(processId, L"#32770")) != nullptr; },
              "a message box appeared");
    box.title = TextOf(box.window);
    for (HWND child = GetWindow(box.window, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const bool icon = ClassOf(child) == L"Static" &&
                          (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        if (icon || !TextOf(child).empty()) box.shown.push_back(icon ? L"icon" : TextOf(child));
    }
    return box;
}
inline void PressOk(const MessageBoxView& box) {
    PostClick(GetDlgItem(box.window, IDOK));
    WaitUntil([&] { return !IsWindow(box.window); }, "the message box closed");
}

// numora.exe of this build, found from this test's own place in the build.
inline std::wstring NumoraExe() {
    return (OwnFolder() / NUMORA_E2E_EXE).lexically_normal();
}

// Each test in a folder of its own, where Start() runs numora.exe. The program
// allows one instance, so the test always ends it.
class NumoraTest : public ::testing::Test {
  protected:
    void Start() {
        process_.emplace(NumoraExe(), folder_.Path());
        form1_ = WaitForVisibleWindow(ProcessId(), NUMORA_FORM1_CLASS, kTimeout);
        if (form1_ == nullptr) throw std::runtime_error("numora.exe showed no main window");
    }
    HWND Form1() const { return form1_; }
    DWORD ProcessId() const { return process_->Id(); }
    HWND Control(int id) const { return GetDlgItem(form1_, id); }
    std::vector<HWND> AboutWindows() const { return WindowsOf(ProcessId(), NUMORA_FORM2_CLASS); }
    bool Ended() const { return process_->Ended(kTimeout); }
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(form1_, nullptr), &info);
        return info.hwndFocus;
    }
    void Choose(unsigned menuCommand) const { PostMessageW(form1_, WM_COMMAND, menuCommand, 0); }

    TempFolder folder_{OwnFolder() / L"folders"};
    std::optional<ProgramProcess> process_;
    HWND form1_ = nullptr;
};

// Polls until `read` gives `expected`; a failure shows the last value read.
template <typename Read, typename T>
::testing::AssertionResult Becomes(Read read, const T& expected) {
    T last{};
    if (PollUntil([&] { return (last = read()) == expected; }, kTimeout, 20))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "stayed " << ::testing::PrintToString(last);
}

}  // namespace numora::e2e
