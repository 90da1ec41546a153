#include "shell/control_factory.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "shell/form1_layout.h"
#include "test_window.h"

namespace numora {
namespace {

using testing_support::TestParent;

TEST(ComboFieldFit, PredictsTheFieldOnlyOnceItHasSeenABox) {
    struct Row {
        const char* name;
        std::optional<int> learnedField;  // with a closed height of 20
        int closedHeight;
        std::optional<int> expected;
    };
    const Row rows[] = {
        {"nothing learned", std::nullopt, 20, std::nullopt},
        {"the height it learned", 16, 20, 16},
        {"a taller box, the same border", 16, 26, 22},
        {"a box too low for any field", 16, 4, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ComboFieldFit fit;
        if (row.learnedField) {
            fit.Learn(*row.learnedField, 20);
        }
        EXPECT_EQ(fit.FieldFor(row.closedHeight), row.expected);
    }
}

// Counts the settings of a combo box's selection field on this thread.
class FieldSettings {
  public:
    FieldSettings()
        : hook_(SetWindowsHookExW(WH_CALLWNDPROC, Count, nullptr, GetCurrentThreadId())) {
        count_ = 0;
    }
    bool Installed() const { return hook_ != nullptr; }
    int Count() const { return count_; }

  private:
    struct Unhook {
        void operator()(HHOOK hook) const noexcept { UnhookWindowsHookEx(hook); }
    };

    static LRESULT CALLBACK Count(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == CB_SETITEMHEIGHT &&
            sent->wParam == static_cast<WPARAM>(-1)) {
            ++count_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline int count_ = 0;
    std::unique_ptr<std::remove_pointer_t<HHOOK>, Unhook> hook_;
};

struct ComboShape {
    RECT outer{};
    RECT dropped{};
    LRESULT fieldHeight = 0;
    LRESULT rowHeight = 0;
};

ComboShape ShapeOf(HWND combo) {
    ComboShape shape;
    GetWindowRect(combo, &shape.outer);
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&shape.dropped));
    OffsetRect(&shape.dropped, -shape.outer.left, -shape.outer.top);
    OffsetRect(&shape.outer, -shape.outer.left, -shape.outer.top);
    shape.fieldHeight = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    shape.rowHeight = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
    return shape;
}

std::string Describe(const ComboShape& shape) {
    const auto rect = [](const RECT& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    };
    return "outer " + rect(shape.outer) + " dropped " + rect(shape.dropped) + " field " +
           std::to_string(shape.fieldHeight) + " row " + std::to_string(shape.rowHeight);
}

// The main window's combo boxes share one fit: each comes out as it would on its
// own, and every box after the first is fitted with one setting of its field.
TEST(ControlFactory, CombosFittedTogetherComeOutAsEachAlone) {
    TestParent together;
    ComboFieldFit fit;
    int boxes = 0;
    for (const ControlLayout& layout : kForm1Controls) {
        if (layout.kind != ControlKind::DriveList && layout.kind != ControlKind::ComboBox) {
            continue;
        }
        SCOPED_TRACE(std::string(layout.name.begin(), layout.name.end()));
        const FieldSettings settings;
        ASSERT_TRUE(settings.Installed());
        const HWND shared = together.Create(layout, &fit);
        const int settingsShared = settings.Count();

        TestParent apart;
        const HWND alone = apart.Create(layout);
        EXPECT_EQ(Describe(ShapeOf(shared)), Describe(ShapeOf(alone)));
        if (boxes > 0) {
            EXPECT_LE(settingsShared, 1);
        }
        ++boxes;
    }
    EXPECT_EQ(boxes, 3);
}

}  // namespace
}  // namespace numora
