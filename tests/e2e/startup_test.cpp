// What only the running program shows at start: the tips its message loop
// relays, and the rule of one instance.
#include "numora_test.h"
#include "shell/form_handlers.h"

namespace numora::e2e {
namespace {

TEST_F(NumoraTest, RestingOnEachOfTheFiveControlsShowsItsTip) {
    BringToFront(Start().Form1());
    const auto shownTip = [&] {
        HWND tip = VisibleWindow(App().ProcessId(), L"tooltips_class32");
        return tip == nullptr ? L"" : TextOf(tip);
    };
    for (const ToolTipText& tip : kForm1ToolTips) {
        SCOPED_TRACE("control " + std::to_string(static_cast<int>(tip.control)));
        MoveMouse({0, 0});
        WaitUntil([&] { return shownTip().empty(); }, "no tip was shown");
        const POINT centre = CentreOf(ScreenRectOf(Control(static_cast<int>(tip.control))));
        MoveMouse({centre.x - 1, centre.y});
        MoveMouse(centre);
        EXPECT_TRUE(Becomes(shownTip, std::wstring(tip.text)));
    }
}

TEST_F(NumoraTest, ASecondStartEndsWithoutAWindowAndLeavesTheFirstAlone) {
    Start();
    const ProgramProcess second(NumoraExe(), folder_.Path());
    EXPECT_TRUE(second.Ended(kTimeout));
    EXPECT_EQ(WindowsOf(App().ProcessId(), NUMORA_FORM1_CLASS).size(), 1u);
}

}  // namespace
}  // namespace numora::e2e
