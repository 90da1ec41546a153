// What only the running program shows: the tips its message loop relays, the
// rule of one instance, and the windows' lifetime under its own loop.
#include "numora_test.h"
#include "shell/form_handlers.h"

namespace numora::e2e {
namespace {

TEST_F(NumoraTest, RestingOnEachOfTheFiveControlsShowsItsTip) {
    Start();
    BringToFront(Form1());
    const auto shownTip = [&] {
        HWND tip = VisibleWindow(ProcessId(), L"tooltips_class32");
        return tip == nullptr ? L"" : TextOf(tip);
    };
    for (const ToolTipText& tip : kForm1ToolTips) {
        SCOPED_TRACE("control " + std::to_string(static_cast<int>(tip.control)));
        MoveMouse({0, 0});
        WaitUntil([&] { return shownTip().empty(); }, "no tip was shown");
        RECT rect{};
        GetWindowRect(Control(static_cast<int>(tip.control)), &rect);
        const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        MoveMouse({centre.x - 1, centre.y});
        MoveMouse(centre);
        EXPECT_TRUE(Becomes(shownTip, std::wstring(tip.text)));
    }
}

TEST_F(NumoraTest, ASecondStartEndsWithoutAWindowAndLeavesTheFirstAlone) {
    Start();
    const ProgramProcess second(NumoraExe(), folder_.Path());
    EXPECT_TRUE(second.Ended(kTimeout));
    EXPECT_EQ(WindowsOf(ProcessId(), NUMORA_FORM1_CLASS).size(), 1u);
}

// Each "バージョン情報" opens a window of its own, which blocks nothing, with
// the focus on OK, which Escape and Tab leave as it is; each closes only itself,
// by the close box's command or by Enter; "終了" closes the main window only, and
// the last window to close ends the program.
TEST_F(NumoraTest, EachWindowClosesOnlyItselfAndTheLastOneEndsTheProgram) {
    Start();
    Choose(IDM_MVER_ABOUT);
    Choose(IDM_MVER_ABOUT);
    WaitUntil([&] { return AboutWindows().size() == 2; }, "two about windows opened");
    HWND newer = AboutWindows().front(), older = AboutWindows().back();
    EXPECT_TRUE(IsWindowEnabled(Form1())) << "an about window blocks the main window";
    PostMessageW(newer, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitUntil([&] { return !IsWindow(newer); }, "the close box's command closed its window");
    HWND ok = GetDlgItem(older, IDC_FORM2_COMMAND1_OK);
    BringToFront(older);
    WaitUntil([&] { return Focus() == ok; }, "OK had the focus");
    PressKey(VK_ESCAPE);
    PressKey(VK_TAB);
    // The program ends right after the message that closes its last window, so
    // one that still serves a message has not ended.
    Send(older, WM_NULL);
    EXPECT_TRUE(IsWindowVisible(older)) << "Escape closed it";
    EXPECT_EQ(Focus(), ok) << "Tab left the only button";
    Choose(IDM_MEND_EXIT);
    WaitUntil([&] { return !IsWindow(Form1()); }, "終了 closed the main window");
    BringToFront(older);
    PressKey(VK_RETURN);
    EXPECT_TRUE(Ended());
}

}  // namespace
}  // namespace numora::e2e
