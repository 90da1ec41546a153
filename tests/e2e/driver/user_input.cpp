#include "driver/user_input.h"

#include <cstdlib>
#include <vector>

#include "driver/driver_error.h"
#include "driver/poll.h"

namespace numora::e2e {
namespace {

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Every mouse event carries its own absolute position, so that no pointer
// motion reported late by the X server can move a click elsewhere.
INPUT MouseInputAt(POINT screenPoint, DWORD buttonFlags) {
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Windows maps 0..65535 onto the screen by x * width / 65536; round up to land on the pixel.
    input.mi.dx = (screenPoint.x * 65536 + width - 1) / width;
    input.mi.dy = (screenPoint.y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    return input;
}

// The last single click, so that the next one is not taken for its second half.
struct LastClick {
    POINT point{-1000, -1000};
    ULONGLONG tick = 0;
};
LastClick lastClick;

void WaitOutDoubleClick(POINT point) {
    const bool samePlace =
        std::abs(point.x - lastClick.point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(point.y - lastClick.point.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    const ULONGLONG elapsed = GetTickCount64() - lastClick.tick;
    const ULONGLONG window = GetDoubleClickTime() + 50;
    if (samePlace && elapsed < window) {
        Sleep(static_cast<DWORD>(window - elapsed));
    }
}

void Send(std::vector<INPUT> inputs) {
    const auto count = static_cast<UINT>(inputs.size());
    if (SendInput(count, inputs.data(), sizeof(INPUT)) != count) {
        throw DriverError("SendInput failed (error " + std::to_string(GetLastError()) + ")");
    }
}

}  // namespace

void BringToFront(HWND topLevel) {
    if (!PollUntil([&] {
            if (GetForegroundWindow() != topLevel) {
                SetForegroundWindow(topLevel);
            }
            return GetForegroundWindow() == topLevel;
        })) {
        throw DriverError("the window did not become the foreground window");
    }
}

void PressKey(WORD virtualKey) {
    Send({KeyInput(virtualKey, false), KeyInput(virtualKey, true)});
}

void PressKeyWith(WORD modifierKey, WORD virtualKey) {
    Send({KeyInput(modifierKey, false), KeyInput(virtualKey, false), KeyInput(virtualKey, true),
          KeyInput(modifierKey, true)});
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(c);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    if (!inputs.empty()) {
        Send(std::move(inputs));
    }
}

void MoveMouseTo(POINT screenPoint) {
    Send({MouseInputAt(screenPoint, 0)});
    if (!PollUntil([&] {
            POINT now{};
            return GetCursorPos(&now) && now.x == screenPoint.x && now.y == screenPoint.y;
        })) {
        throw DriverError("the mouse pointer did not reach (" + std::to_string(screenPoint.x) +
                          ", " + std::to_string(screenPoint.y) + ")");
    }
}

void ClickAt(POINT screenPoint) {
    WaitOutDoubleClick(screenPoint);
    MoveMouseTo(screenPoint);
    Send({MouseInputAt(screenPoint, MOUSEEVENTF_LEFTDOWN),
          MouseInputAt(screenPoint, MOUSEEVENTF_LEFTUP)});
    lastClick = LastClick{screenPoint, GetTickCount64()};
}

void DoubleClickAt(POINT screenPoint) {
    WaitOutDoubleClick(screenPoint);
    MoveMouseTo(screenPoint);
    Send({MouseInputAt(screenPoint, MOUSEEVENTF_LEFTDOWN),
          MouseInputAt(screenPoint, MOUSEEVENTF_LEFTUP),
          MouseInputAt(screenPoint, MOUSEEVENTF_LEFTDOWN),
          MouseInputAt(screenPoint, MOUSEEVENTF_LEFTUP)});
    // A third click right after would make another double-click.
    lastClick = LastClick{screenPoint, GetTickCount64()};
}

HWND FocusedWindowOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

void PostClick(HWND button) {
    if (!PostMessageW(button, BM_CLICK, 0, 0)) {
        throw DriverError("PostMessage(BM_CLICK) failed: the button is gone");
    }
}

}  // namespace numora::e2e
