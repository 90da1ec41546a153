// A second start of the program ends at once and leaves the first alone.
#include <windows.h>

#include "driver/child_process.h"
#include "driver/poll.h"
#include "driver/settings.h"
#include "driver/text_entry.h"
#include "driver/window_query.h"
#include "numora_test.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

class SingleInstanceTest : public NumoraTest {};

TEST_F(SingleInstanceTest, SecondStartEndsWithoutAWindowAndTheFirstStaysAsItWas) {
    folder_.AddFiles({L"a.jpg", L"b.jpg"});
    folder_.AddFolder(L"other");
    folder_.AddFile(L"other\\c.jpg");
    StartNumora();
    TypeInto(App(), Control(IDC_TEXT1), L"keep");
    const RECT before = WindowRectOf(App().Form1());

    // Started from another folder, so that a second window would show other files.
    const ChildProcess second = ChildProcess::Start(NumoraExePath(), folder_.Path() + L"\\other");
    bool secondShowedAWindow = false;
    const bool ended = PollUntil([&] {
        for (HWND window : TopLevelWindowsOf(second.Id())) {
            secondShowedAWindow = secondShowedAWindow || IsWindowVisible(window);
        }
        return second.HasEnded();
    });
    if (!ended) {
        second.Kill();
    }
    EXPECT_TRUE(ended) << "the second instance did not end";
    EXPECT_FALSE(secondShowedAWindow);

    ASSERT_FALSE(App().Process().HasEnded());
    EXPECT_EQ(MainWindowsOf(App().ProcessId()), std::vector<HWND>{App().Form1()});
    EXPECT_EQ(Describe(TextOf(Control(IDC_TEXT1))), Describe(L"keep"));
    EXPECT_EQ(Describe(ListBoxItems(Control(IDC_FILE1))),
              Describe(std::vector<std::wstring>{L"a.jpg", L"b.jpg"}));
    const RECT after = WindowRectOf(App().Form1());
    EXPECT_TRUE(EqualRect(&before, &after)) << "the first window moved";
}

}  // namespace
}  // namespace numora::e2e
