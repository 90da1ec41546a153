// The live menu walked with the keyboard as a user would. Another process
// cannot read a menu's texts under Wine; the pictures saved here show them.
#include <windows.h>

#include "driver/driver_error.h"
#include "driver/message_boxes.h"
#include "driver/poll.h"
#include "driver/screenshot.h"
#include "driver/settings.h"
#include "driver/text_entry.h"
#include "driver/title_bar.h"
#include "driver/user_input.h"
#include "driver/window_query.h"
#include "numora_test.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

class MenuTest : public NumoraTest {
  protected:
    void SetUp() override {
        folder_.AddFile(L"a.jpg");
        StartNumora();
    }

    HWND WaitForOpenPopup() const {
        HWND popup = nullptr;
        const bool open = PollUntil([&] {
            for (HWND window : TopLevelWindowsOf(App().ProcessId(), L"#32768")) {
                if (IsWindowVisible(window)) {
                    popup = window;
                    return true;
                }
            }
            return false;
        });
        if (!open) {
            std::string seen;
            for (HWND window : TopLevelWindowsOf(App().ProcessId())) {
                seen.append(" ")
                    .append(Narrow(ClassNameOf(window)))
                    .append(IsWindowVisible(window) ? "+" : "-");
            }
            HWND focus = FocusedWindowOf(App().UiThreadId());
            throw DriverError("no menu opened; windows of the program:" + seen +
                              "; focus on: " + Narrow(ClassNameOf(focus)));
        }
        return popup;
    }

    bool NoPopupOpen() const {
        for (HWND window : TopLevelWindowsOf(App().ProcessId(), L"#32768")) {
            if (IsWindowVisible(window)) {
                return false;
            }
        }
        return true;
    }

    // F10 to the menu bar, `rightSteps` menus to the right, Down to open it.
    HWND OpenMenuByKeyboard(int rightSteps) const {
        // Wine's drop-down list box (Drive1 has the focus at first) keeps F10 to itself.
        FocusByClick(App(), Control(IDC_TEXT1));
        PressKey(VK_F10);
        for (int i = 0; i < rightSteps; ++i) {
            PressKey(VK_RIGHT);
        }
        PressKey(VK_DOWN);
        return WaitForOpenPopup();
    }

    void SavePictureWithMenu(HWND popup, const std::wstring& fileName) const {
        const RECT form = WindowRectOf(App().Form1());
        const RECT menu = WindowRectOf(popup);
        RECT both{};
        UnionRect(&both, &form, &menu);
        SaveScreenRect(both, fileName);
    }
};

TEST_F(MenuTest, FileMenuFirstItemEndsTheProgram) {
    SavePictureWithMenu(OpenMenuByKeyboard(0), L"form1-menu-file.bmp");
    PressKey(VK_RETURN);
    EXPECT_TRUE(App().Process().WaitForEnd(kUiTimeout)) << "終了 did not end the program";
}

TEST_F(MenuTest, HelpMenuFirstItemOpensAnAboutWindow) {
    SavePictureWithMenu(OpenMenuByKeyboard(1), L"form1-menu-help.bmp");
    PressKey(VK_RETURN);
    EXPECT_TRUE(PollUntil([&] { return App().AboutWindows().size() == 1; }));
    EXPECT_TRUE(IsWindowVisible(App().Form1()));
}

// The menu posts the chosen item's command; a command posted after it, whose
// about window shows, proves that the first one has been served.
TEST_F(MenuTest, HelpMenuLastItemOnlyClosesTheMenu) {
    OpenMenuByKeyboard(1);
    PressKey(VK_DOWN);  // past the separator to the last item
    PressKey(VK_RETURN);
    ASSERT_TRUE(PollUntil([&] { return NoPopupOpen(); })) << "the menu stayed open";
    App().ChooseMenuCommand(IDM_MVER);
    ASSERT_TRUE(PollUntil([&] { return !App().AboutWindows().empty(); }));
    SyncWith(App().Form1());
    EXPECT_EQ(App().AboutWindows().size(), 1u);
    EXPECT_TRUE(DialogWindowsOf(App().ProcessId()).empty()) << DescribeDialogsOf(App().ProcessId());
    EXPECT_TRUE(IsWindowVisible(App().Form1()));
}

TEST_F(MenuTest, CommandOfTheLastHelpItemDoesNothing) {
    App().ChooseMenuCommand(IDM_MFIL);
    App().ChooseMenuCommand(IDM_MVER);
    ASSERT_TRUE(PollUntil([&] { return !App().AboutWindows().empty(); }));
    SyncWith(App().Form1());
    EXPECT_EQ(App().AboutWindows().size(), 1u);
    EXPECT_TRUE(DialogWindowsOf(App().ProcessId()).empty()) << DescribeDialogsOf(App().ProcessId());
    EXPECT_TRUE(IsWindowVisible(App().Form1()));
}

TEST_F(MenuTest, CloseBoxEndsTheProgramAsTheEndCommandDoes) {
    ClickCloseBox(App().Form1());
    EXPECT_TRUE(App().Process().WaitForEnd(kUiTimeout)) << "the close box did not end the program";
}

}  // namespace
}  // namespace numora::e2e
