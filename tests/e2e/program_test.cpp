// The real numora.exe under Wine, from another process, for what only its own loop
// shows: the tips it relays, the rule of one instance, the windows' lifetime.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "program_control.h"
#include "shell/layouts.h"
#include "temp_folder.h"

namespace numora::e2e {
namespace {

using namespace tools;  // starting the program, finding and reading its windows

constexpr DWORD kTimeout = 10000;

// A bounded wait that fails the test, naming what did not happen.
void WaitUntil(const std::function<bool()>& ready, const std::string& what) {
    if (!PollUntil(ready, kTimeout, 20))
        throw std::runtime_error("timed out waiting until " + what);
}

// To an absolute place, so that no motion reported late by the X server moves it.
void MoveMouse(POINT point) {
    const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{INPUT_MOUSE, {}};
    input.mi.dx = (point.x * 65536 + width - 1) / width;
    input.mi.dy = (point.y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    POINT now{};
    WaitUntil([&] { return GetCursorPos(&now) && now.x == point.x && now.y == point.y; },
              "the pointer moved");
}

// numora.exe of this build, found from this test's own place in the build, run
// in a folder of its own. The program allows one instance, so the test always ends it.
class NumoraTest : public ::testing::Test {
  protected:
    NumoraTest() {
        form1_ = WaitForVisibleWindow(process_.Id(), kForm1.Window.ClassName, kTimeout);
        if (form1_ == nullptr) throw std::runtime_error("numora.exe showed no main window");
    }
    static std::wstring Exe() { return (OwnFolder() / NUMORA_E2E_EXE).lexically_normal(); }
    std::vector<HWND> AboutWindows() const {
        return WindowsOf(process_.Id(), kForm2.Window.ClassName);
    }
    void Choose(unsigned menuCommand) const { PostMessageW(form1_, WM_COMMAND, menuCommand, 0); }

    TempFolder folder_{OwnFolder() / L"folders"};
    ProgramProcess process_{Exe(), folder_.Path()};
    HWND form1_ = nullptr;
};

// Resting on the extension box's text field shows its tip: the program's loop
// hands the tooltip control the mouse's moves. (Which control has which tip:
// the screens test.)
TEST_F(NumoraTest, RestingOnAControlShowsItsTip) {
    WaitUntil([&] { return SetForegroundWindow(form1_), GetForegroundWindow() == form1_; },
              "the window came to the front");
    MoveMouse({0, 0});
    RECT rect{};
    GetWindowRect(GetDlgItem(form1_, ControlId(Form1Control::Combo1)), &rect);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    MoveMouse({centre.x - 1, centre.y});
    MoveMouse(centre);
    WaitUntil(
        [&] {
            const HWND tip = VisibleWindow(process_.Id(), L"tooltips_class32");
            return tip != nullptr && TextOf(tip) == L"拡張子フィルタ\u3000直接入力も可能";
        },
        "the extension box's tip showed");
}

TEST_F(NumoraTest, ASecondStartEndsWithoutAWindowAndLeavesTheFirstAlone) {
    const ProgramProcess second(Exe(), folder_.Path());
    EXPECT_TRUE(second.Ended(kTimeout));
    EXPECT_EQ(second.ExitCode(), 0u) << "it did not end cleanly";
    EXPECT_EQ(WindowsOf(process_.Id(), kForm1.Window.ClassName).size(), 1u);
}

// Each "バージョン情報" opens a window of its own, which blocks nothing and
// closes only itself; "終了" closes the main window only, and the last window to
// close ends the program.
TEST_F(NumoraTest, EachWindowClosesOnlyItselfAndTheLastOneEndsTheProgram) {
    Choose(kMverCommand);
    Choose(kMverCommand);
    WaitUntil([&] { return AboutWindows().size() == 2; }, "two about windows opened");
    const HWND newer = AboutWindows().front(), older = AboutWindows().back();
    EXPECT_TRUE(IsWindowEnabled(form1_)) << "an about window blocks the main window";
    PostMessageW(newer, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitUntil([&] { return !IsWindow(newer); }, "the close box's command closed its window");
    Choose(kMendCommand);
    WaitUntil([&] { return !IsWindow(form1_); }, "終了 closed the main window");
    EXPECT_TRUE(IsWindow(older));
    PostMessageW(older, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(process_.Ended(kTimeout));
}

}  // namespace
}  // namespace numora::e2e
