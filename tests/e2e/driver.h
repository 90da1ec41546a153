// Drives the real numora.exe as a user would, from another process: finds its
// windows, reads them by the messages that Wine marshals between processes, and
// gives real keyboard and mouse input through SendInput.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "program_control.h"
#include "shell/resource_ids.h"
#include "win32/handles.h"

namespace numora::e2e {

inline constexpr std::chrono::milliseconds kTimeout{10000};

[[noreturn]] inline void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

// Bounded wait: true once `ready` holds, false when the time is up.
inline bool PollUntil(const std::function<bool()>& ready,
                      std::chrono::milliseconds timeout = kTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!ready()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(20);
    }
    return true;
}

// Bounded wait that fails the test, naming what did not happen.
inline void WaitUntil(const std::function<bool()>& ready, const std::string& what) {
    if (!PollUntil(ready)) Fail("timed out waiting until " + what);
}

// Returns once the window's thread has served what came before; fails when the
// program no longer serves its messages (it has ended, or hangs).
inline void SyncWith(HWND window) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored))
        Fail("the program no longer serves its messages");
}

using namespace tools;  // starting the program, finding and reading its windows

inline RECT ScreenRectOf(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) Fail("the window is gone");
    return rect;
}
inline RECT OnScreen(HWND window, RECT rect) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
inline RECT ClientScreenRectOf(HWND window) {
    RECT rect{};
    return GetClientRect(window, &rect), OnScreen(window, rect);
}
inline RECT ItemScreenRectOf(HWND list, WPARAM index) {
    RECT rect{};
    return Send(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)), OnScreen(list, rect);
}
inline POINT CentreOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
inline int Pixels(int twips) {  // at the screen's DPI
    const WindowDc screen(nullptr);
    return MulDiv(twips, GetDeviceCaps(screen.Get(), LOGPIXELSX), 1440);
}

// The screen's pixels in the rectangle, top row first, as 0x00RRGGBB.
inline std::vector<DWORD> CaptureScreen(const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const WindowDc screen(nullptr);
    HDC memory = CreateCompatibleDC(screen.Get());
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), width, height);
    DeleteObject(SelectObject(memory, bitmap));
    BitBlt(memory, 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return pixels;
}
inline COLORREF ScreenPixel(POINT point) {
    const DWORD pixel = CaptureScreen({point.x, point.y, point.x + 1, point.y + 1}).front();
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

inline void SendInputs(std::vector<INPUT> inputs) {
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) !=
        inputs.size()) {
        Fail("SendInput failed");
    }
}
inline INPUT Key(WORD key, DWORD flags = 0) {
    INPUT input{INPUT_KEYBOARD, {}};
    const bool unicode = (flags & KEYEVENTF_UNICODE) != 0;
    input.ki = {unicode ? WORD{0} : key, unicode ? key : WORD{0}, flags, 0, 0};
    return input;
}
inline void PressKey(WORD key, WORD heldKey = 0) {
    if (heldKey == 0) return SendInputs({Key(key), Key(key, KEYEVENTF_KEYUP)});
    SendInputs({Key(heldKey), Key(key), Key(key, KEYEVENTF_KEYUP), Key(heldKey, KEYEVENTF_KEYUP)});
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
    if (std::abs(point.x - last.x) < 8 && std::abs(point.y - last.y) < 8 && since < quiet) {
        Sleep(static_cast<DWORD>(quiet - since));
    }
    MoveMouse(point);
    std::vector<INPUT> clicks;
    for (int i = 0; i < count; ++i) {
        clicks.insert(clicks.end(),
                      {MouseAt(point, MOUSEEVENTF_LEFTDOWN), MouseAt(point, MOUSEEVENTF_LEFTUP)});
    }
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

// A message box of the program (class #32770): its title, texts, buttons and icon.
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

inline std::wstring NumoraExe() {
    return std::filesystem::path(L"Z:" NUMORA_E2E_EXE).make_preferred().wstring();
}

// Starts numora.exe and tells whether it ended without ever showing its main window.
inline bool EndsWithoutAWindow(const std::wstring& workingFolder) {
    const tools::ProgramProcess program(NumoraExe(), workingFolder);
    bool shown = false;
    return PollUntil([&] {
               shown = shown || VisibleWindow(program.Id(), NUMORA_FORM1_CLASS) != nullptr;
               return program.Ended(0);
           }) &&
           !shown;
}

// One running numora.exe. The program allows one instance, so the destructor
// always ends it.
class Numora {
  public:
    explicit Numora(const std::wstring& workingFolder)
        : process_(NumoraExe(), workingFolder),
          form1_(tools::WaitForVisibleWindow(ProcessId(), NUMORA_FORM1_CLASS, 10000)) {
        if (form1_ == nullptr) Fail("numora.exe showed no main window");
    }

    HWND Form1() const { return form1_; }
    DWORD ProcessId() const { return process_.Id(); }
    HWND Control(int id) const {
        HWND control = GetDlgItem(form1_, id);
        return control != nullptr ? control
                                  : throw std::runtime_error("no control " + std::to_string(id));
    }
    std::vector<HWND> AboutWindows() const { return WindowsOf(ProcessId(), NUMORA_FORM2_CLASS); }
    bool Ended(std::chrono::milliseconds timeout = kTimeout) const {
        return process_.Ended(static_cast<DWORD>(timeout.count()));
    }
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(form1_, nullptr), &info);
        return info.hwndFocus;
    }
    void Choose(unsigned menuCommand) const { PostMessageW(form1_, WM_COMMAND, menuCommand, 0); }

    // Types a text over the one shown, which it must differ from: the program
    // serves a read of the text only after the keys before it, so once the
    // text reads back every key has been served.
    void TypeInto(int controlId, const std::wstring& text) const {
        HWND control = Control(controlId);
        FocusByClick(control);
        PressKey(VK_HOME);
        PressKey(VK_END, VK_SHIFT);
        std::vector<INPUT> keys;
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

    // With the focus in the box, the down arrow key steps to the entry.
    void ChooseByKeys(int comboId, const std::wstring& entry) const {
        HWND combo = Control(comboId);
        FocusByClick(combo);
        while (TextOf(combo) != entry) {
            // The selection, not the text: the next entry may read as the text already does.
            const LRESULT now = Send(combo, CB_GETCURSEL);
            PressKey(VK_DOWN);
            WaitUntil([&] { return Send(combo, CB_GETCURSEL) != now; },
                      "the down arrow moved to the next entry");
        }
    }

    // Opens a folder list row by double-click, or by a click and Enter.
    void OpenFolder(const std::wstring& row, bool byEnter) const {
        HWND dir1 = Control(IDC_DIR1);
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

  private:
    void FocusByClick(HWND control) const {
        BringToFront(form1_);
        // An editable combo box takes the click in its edit field.
        HWND target = ClassOf(control) == L"ComboBox" ? GetWindow(control, GW_CHILD) : control;
        Click(CentreOf(ScreenRectOf(target)));
        WaitUntil([&] { return Focus() == target; }, "a click focused the control");
    }

    tools::ProgramProcess process_;  // ends the program with the test: it allows one instance
    HWND form1_ = nullptr;           // after the process it belongs to
};

}  // namespace numora::e2e
