// The about windows under the program's own message loop: how each opens and
// closes, and that the program lives until its last window closes.
#include "numora_test.h"

namespace numora::e2e {
namespace {

// Each "バージョン情報" opens a window of its own, which blocks nothing, with
// the focus on OK, which Escape and Tab leave as it is; each closes only itself,
// by the close box's command or by Enter; "終了" closes the main window only, and
// the last window to close ends the program.
TEST_F(NumoraTest, EachWindowClosesOnlyItselfAndTheLastOneEndsTheProgram) {
    Start().Choose(IDM_MVER_ABOUT);
    App().Choose(IDM_MVER_ABOUT);
    WaitUntil([&] { return App().AboutWindows().size() == 2; }, "two about windows opened");
    HWND newer = App().AboutWindows().front(), older = App().AboutWindows().back();
    EXPECT_TRUE(IsWindowEnabled(App().Form1())) << "an about window blocks the main window";
    PostMessageW(newer, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitUntil([&] { return !IsWindow(newer); }, "the close box's command closed its window");
    HWND ok = GetDlgItem(older, IDC_FORM2_COMMAND1_OK);
    BringToFront(older);
    WaitUntil([&] { return App().Focus() == ok; }, "OK had the focus");
    PressKey(VK_ESCAPE);
    PressKey(VK_TAB);
    // The program ends right after the message that closes its last window, so
    // one that still serves a message has not ended.
    SyncWith(older);
    EXPECT_TRUE(IsWindowVisible(older)) << "Escape closed it";
    EXPECT_EQ(App().Focus(), ok) << "Tab left the only button";
    App().Choose(IDM_MEND_EXIT);
    WaitUntil([&] { return !IsWindow(App().Form1()); }, "終了 closed the main window");
    BringToFront(older);
    PressKey(VK_RETURN);
    EXPECT_TRUE(App().Ended());
}

}  // namespace
}  // namespace numora::e2e
