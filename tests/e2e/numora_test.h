// Drives the real numora.exe as a user would, from another process: finds its
// windows, reads them by the messages that Wine marshals between processes, and
// gives real keyboard and mouse input through SendInput. Every test starts from
// a folder of its own with the program started there.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>

#include "program_control.h"
#include "shell/ids.h"
#include "temp_folder.h"

namespace numora::e2e {

using namespace tools;  // starting the program, finding and reading its windows

constexpr DWORD kTimeout = 10000;

[[noreturn]] inline void Fail(const std::string& what) {
    throw std::runtime_error(what);
}
// Bounded wait that fails the test, naming what did not happen.
inline void WaitUntil(const std::function<bool()>& ready, const std::string& what) {
    if (!PollUntil(ready, kTimeout, 20)) Fail("timed out waiting until " + what);
}
// Returns once the window's thread has served what came before.
inline void SyncWith(HWND window) {
    Send(window, WM_NULL);
}

inline RECT ScreenRectOf(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) Fail("the window is gone");
    return rect;
}
inline RECT ItemScreenRectOf(HWND list, WPARAM index) {
    RECT rect{};
    Send(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
inline POINT CentreOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

inline void SendInputs(std::vector<INPUT> inputs) {
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        Fail("SendInput failed");
}
inline INPUT Key(WORD key, DWORD flags = 0) {
    INPUT input{INPUT_KEYBOARD, {}};
    const bool unicode = (flags & KEYEVENTF_UNICODE) != 0;
    input.ki = {unicode ? WORD{0} : key, unicode ? key : WORD{0}, flags, 0, 0};
    return input;
}
inline void PressKey(WORD key) {
    SendInputs({Key(key), Key(key, KEYEVENTF_KEYUP)});
}
// Each mouse event carries its own absolute place, so that no motion reported
// late by the X server moves a click elsewhere.
inline INPUT MouseAt(POINT point, DWORD button = 0) {
    const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{INPUT_MOUSE, {}};
    input.mi.dx = (point.x * 65536 + width - 1) / width;
    input.mi.dy = (point.y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    return input;
}
inline void MoveMouse(POINT point) {
    SendInputs({MouseAt(point)});
    WaitUntil(
        [&] {
            POINT now{};
            return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
        },
        "the pointer reached " + std::to_string(point.x) + "," + std::to_string(point.y));
}
// A second click at the same place waits out the double-click time, so that it
// is not taken for the second half of one.
inline void Click(POINT point, int count = 1) {
    static POINT last{-1000, -1000};
    static ULONGLONG lastTick = 0;
    const ULONGLONG quiet = GetDoubleClickTime() + 50, since = GetTickCount64() - lastTick;
    if (std::abs(point.x - last.x) < 8 && std::abs(point.y - last.y) < 8 && since < quiet)
        Sleep(static_cast<DWORD>(quiet - since));
    MoveMouse(point);
    std::vector<INPUT> clicks;
    for (int i = 0; i < count; ++i)
        clicks.insert(clicks.end(),
                      {MouseAt(point, MOUSEEVENTF_LEFTDOWN), MouseAt(point, MOUSEEVENTF_LEFTUP)});
    SendInputs(clicks);
    last = point;
    lastTick = GetTickCount64();
}
inline void BringToFront(HWND topLevel) {
    WaitUntil([&] { return SetForegroundWindow(topLevel), GetForegroundWindow() == topLevel; },
              "the window came to the front");
}
inline void PostClick(HWND button) {  // does not wait on what the program shows in answer
    if (!PostMessageW(button, BM_CLICK, 0, 0)) Fail("the button is gone");
}

// A message box of the program (class #32770): its title, texts and buttons.
struct MessageBoxView {
    HWND window = nullptr;
    std::wstring title;
    std::vector<std::wstring> texts, buttons;
    bool hasIcon = false;
};
inline MessageBoxView WaitForMessageBox(DWORD processId) {
    MessageBoxView box;
    WaitUntil([&] { return (box.window = VisibleWindow(processId, L"#32770")) != nullptr; },
              "a message box appeared");
    box.title = TextOf(box.window);
    for (HWND child = GetWindow(box.window, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const bool icon = (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        if (ClassOf(child) == L"Button") box.buttons.push_back(TextOf(child));
        if (ClassOf(child) != L"Static") continue;
        box.hasIcon = box.hasIcon || icon;
        if (!icon && !TextOf(child).empty()) box.texts.push_back(TextOf(child));
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

// One running numora.exe. The program allows one instance, so the destructor
// always ends it.
class Numora {
  public:
    explicit Numora(const std::wstring& workingFolder)
        : process_(NumoraExe(), workingFolder),
          form1_(WaitForVisibleWindow(process_.Id(), NUMORA_FORM1_CLASS, kTimeout)) {
        if (form1_ == nullptr) Fail("numora.exe showed no main window");
    }

    HWND Form1() const { return form1_; }
    DWORD ProcessId() const { return process_.Id(); }
    HWND Control(int id) const {
        HWND control = GetDlgItem(form1_, id);
        return control != nullptr ? control : throw std::runtime_error("no control");
    }
    std::vector<HWND> AboutWindows() const { return WindowsOf(ProcessId(), NUMORA_FORM2_CLASS); }
    bool Ended() const { return process_.Ended(kTimeout); }
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(form1_, nullptr), &info);
        return info.hwndFocus;
    }
    void Choose(unsigned menuCommand) const { PostMessageW(form1_, WM_COMMAND, menuCommand, 0); }

    // Types a text over the one shown, which it must differ from: the program
    // serves a read of the text only after the keys before it.
    void TypeInto(int controlId, const std::wstring& text) const {
        HWND control = Control(controlId);
        FocusByClick(control);
        std::vector<INPUT> keys{
            Key(VK_HOME), Key(VK_HOME, KEYEVENTF_KEYUP), Key(VK_SHIFT),
            Key(VK_END),  Key(VK_END, KEYEVENTF_KEYUP),  Key(VK_SHIFT, KEYEVENTF_KEYUP)};
        for (const wchar_t c : text)
            keys.insert(keys.end(),
                        {Key(c, KEYEVENTF_UNICODE), Key(c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
        SendInputs(keys);
        WaitUntil([&] { return TextOf(control) == text; }, "the typed text was in the box");
    }

    // Opens the drop-down list with the mouse and clicks the first entry that
    // starts with the text.
    void ChooseByMouse(int comboId, const std::wstring& entry) const {
        BringToFront(form1_);
        SyncWith(form1_);  // a message box just closed may still be handing back the focus
        const RECT box = ScreenRectOf(Control(comboId));
        Click({box.right - 6, (box.top + box.bottom) / 2});  // the drop-down button
        HWND list = nullptr;
        WaitUntil([&] { return (list = VisibleWindow(ProcessId(), L"ComboLBox")) != nullptr; },
                  "the drop-down list opened");
        const auto items = ItemsOf(list);
        const auto found = std::find_if(items.begin(), items.end(), [&](const std::wstring& item) {
            return item.starts_with(entry);
        });
        if (found == items.end()) Fail("the dropped list has no such entry");
        const WPARAM index = static_cast<WPARAM>(found - items.begin());
        Send(list, LB_SETTOPINDEX, index);  // in sight, as the scroll bar would bring it
        Click(CentreOf(ItemScreenRectOf(list, index)));
        WaitUntil([&] { return !IsWindowVisible(list); }, "the drop-down list closed");
    }

    // Opens a folder list row by double-click, or by a click and Enter.
    void OpenFolder(const std::wstring& row, bool byEnter) const {
        HWND dir1 = Control(IDC_DIR1_FOLDERS);
        const auto rows = ItemsOf(dir1);
        const auto found = std::find(rows.rbegin(), rows.rend(), row);
        if (found == rows.rend()) Fail("Dir1 has no such row");
        const WPARAM index = static_cast<WPARAM>(rows.rend() - found - 1);
        BringToFront(form1_);
        Click(CentreOf(ItemScreenRectOf(dir1, index)), byEnter ? 1 : 2);
        if (!byEnter) return;
        WaitUntil(
            [&] {
                return Focus() == dir1 && Send(dir1, LB_GETCURSEL) == static_cast<LRESULT>(index);
            },
            "the clicked folder row was selected");
        PressKey(VK_RETURN);
    }

    void FocusByClick(HWND control) const {
        BringToFront(form1_);
        // An editable combo box takes the click in its edit field.
        HWND target = ClassOf(control) == L"ComboBox" ? GetWindow(control, GW_CHILD) : control;
        Click(CentreOf(ScreenRectOf(target)));
        WaitUntil([&] { return Focus() == target; }, "a click focused the control");
    }

  private:
    ProgramProcess process_;  // ends the program with the test: it allows one instance
    HWND form1_ = nullptr;    // after the process it belongs to
};

class NumoraTest : public ::testing::Test {
  protected:
    Numora& Start() { return app_.emplace(folder_.Path()); }
    Numora& App() { return *app_; }
    HWND Control(int id) { return app_->Control(id); }

    TempFolder folder_{OwnFolder() / L"folders"};
    std::optional<Numora> app_;
};

// Polls until `read` gives `expected`; a failure shows the last value read.
template <typename Read, typename T>
::testing::AssertionResult Becomes(Read read, const T& expected) {
    T last{};
    if (PollUntil([&] { return (last = read()) == expected; }, kTimeout, 20))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "stayed " << ::testing::PrintToString(last);
}
inline ::testing::AssertionResult TextBecomes(HWND window, const std::wstring& expected) {
    return Becomes([&] { return TextOf(window); }, expected);
}
inline ::testing::AssertionResult ItemsBecome(HWND list,
                                              const std::vector<std::wstring>& expected) {
    return Becomes([&] { return ItemsOf(list); }, expected);
}

}  // namespace numora::e2e
