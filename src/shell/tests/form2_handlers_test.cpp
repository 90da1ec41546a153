#include "shell/form2_handlers.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

class CountingAboutWindow : public AboutWindowView {
  public:
    void Unload() override { ++unloads; }
    int unloads = 0;
};

TEST(Form2Handlers, OkUnloadsItsOwnWindowOnce) {
    CountingAboutWindow first;
    CountingAboutWindow second;
    Command1_Click(first);
    EXPECT_EQ(first.unloads, 1);
    EXPECT_EQ(second.unloads, 0) << "other about windows stay";
}

TEST(Form2Handlers, UnloadLeavesTheCancelFlagAsItCame) {
    for (const int flag : {0, 1, -1, 7}) {
        SCOPED_TRACE(flag);
        int cancel = flag;
        Form_Unload(cancel);
        EXPECT_EQ(cancel, flag);
    }
}

}  // namespace
}  // namespace numora
