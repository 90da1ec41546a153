// Resting the pointer on a control shows the tip that start-up set for it.
#include <windows.h>

#include "driver/tooltips.h"
#include "driver/user_input.h"
#include "driver/window_query.h"
#include "numora_test.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

class ToolTipTest : public NumoraTest {
  protected:
    void SetUp() override {
        folder_.AddFile(L"a.jpg");
        StartNumora();
        BringToFront(App().Form1());
    }
};

TEST_F(ToolTipTest, EachOfTheFiveControlsShowsItsOwnTip) {
    struct Row {
        const char* name;
        int id;
        std::wstring tip;
    };
    const Row rows[] = {
        {"Text1", IDC_TEXT1, L"基本となるファイル名を入力してね"},
        {"Combo1", IDC_COMBO1, L"拡張子フィルタ\u3000直接入力も可能"},
        {"Combo2", IDC_COMBO2, L"使用桁数を設定します"},
        {"Command1", IDC_COMMAND1, L"連番化を実行"},
        {"Command2", IDC_COMMAND2, L"拡張子の 大文字、小文字を切り替えます"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Describe(HoverToolTip(App().ProcessId(), Control(row.id))), Describe(row.tip));
    }
}

TEST_F(ToolTipTest, ProgramHasOneTooltipControl) {
    EXPECT_EQ(TopLevelWindowsOf(App().ProcessId(), L"tooltips_class32").size(), 1u);
}

TEST_F(ToolTipTest, ControlsWithoutTipShowNone) {
    // Make sure tips do show, so that silence below means something.
    HoverToolTip(App().ProcessId(), Control(IDC_TEXT1));
    for (const int id : {IDC_DIR1, IDC_FILE1, IDC_LABEL1}) {
        SCOPED_TRACE(::testing::Message() << "control " << id);
        const RECT desktop = WindowRectOf(GetDesktopWindow());
        MoveMouseTo(POINT{desktop.right - 2, desktop.bottom - 2});
        ASSERT_TRUE(PollUntil([&] { return !AnyToolTipVisible(App().ProcessId()); }));
        MoveMouseTo(CentreOf(WindowRectOf(Control(id))));
        EXPECT_TRUE(StaysTrueFor([&] { return !AnyToolTipVisible(App().ProcessId()); },
                                 std::chrono::milliseconds(1500)));
    }
}

}  // namespace
}  // namespace numora::e2e
