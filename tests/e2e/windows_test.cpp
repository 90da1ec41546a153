// The about windows: how each opens and closes, and that the program lives
// until its last window closes.
#include "numora_test.h"

namespace numora::e2e {
namespace {

class WindowsTest : public NumoraTest {
  protected:
    void SetUp() override { Start(); }

    HWND NewAboutWindow() {
        const std::size_t before = App().AboutWindows().size();
        App().Choose(IDM_MVER_ABOUT);
        WaitUntil([&] { return App().AboutWindows().size() == before + 1; },
                  "バージョン情報 opened an about window");
        return App().AboutWindows().front();  // the newest is on top
    }
};

// The focus on OK; Escape leaves the window open, Enter presses OK.
TEST_F(WindowsTest, AnAboutWindowOpensWithTheFocusOnOk) {
    HWND about = NewAboutWindow();
    WaitUntil([&] { return App().Focus() == GetDlgItem(about, IDC_FORM2_COMMAND1_OK); },
              "OK had the focus");
    BringToFront(about);
    PressKey(VK_ESCAPE);
    SyncWith(about);
    EXPECT_TRUE(IsWindowVisible(about)) << "Escape closed it";
    // Before any Tab, OK is no default button: Enter comes as IDOK.
    PressKey(VK_RETURN);
    WaitUntil([&] { return !IsWindow(about); }, "Enter on OK closed the about window");
}

// Each "バージョン情報" opens a window of its own, which blocks nothing; each
// closes only itself, by the close box's command or by OK, and Tab stays on its
// only button; "終了" closes the main window only, and the last window to close
// ends the program.
TEST_F(WindowsTest, EachWindowClosesOnlyItselfAndTheLastOneEndsTheProgram) {
    HWND older = NewAboutWindow(), newer = NewAboutWindow();
    EXPECT_TRUE(IsWindowEnabled(App().Form1())) << "an about window blocks the main window";
    PostMessageW(newer, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitUntil([&] { return !IsWindow(newer); }, "the close box's command closed its window");
    // The program ends right after the message that closes its last window, so
    // one that still serves a message has not ended.
    SyncWith(older);
    EXPECT_TRUE(IsWindowVisible(older));
    HWND olderOk = GetDlgItem(older, IDC_FORM2_COMMAND1_OK);
    BringToFront(older);
    WaitUntil([&] { return App().Focus() == olderOk; }, "OK had the focus back");
    PressKey(VK_TAB);
    SyncWith(older);
    EXPECT_EQ(App().Focus(), olderOk) << "Tab left the only button";
    App().Choose(IDM_MEND_EXIT);
    WaitUntil([&] { return !IsWindow(App().Form1()); }, "終了 closed the main window");
    SyncWith(older);
    PostClick(olderOk);
    EXPECT_TRUE(App().Ended());
}

}  // namespace
}  // namespace numora::e2e
