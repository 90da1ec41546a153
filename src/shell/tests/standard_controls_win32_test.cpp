#include "shell/standard_controls_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/control_error.h"
#include "shell/form1_layout.h"
#include "test_window.h"

namespace numora {
namespace {

using testing_support::TestParent;

const ControlLayout& LayoutOf(std::wstring_view name) {
    for (const ControlLayout& layout : kForm1Controls) {
        if (layout.name == name) {
            return layout;
        }
    }
    throw std::out_of_range("no such control");
}

const std::vector<std::wstring> kTexts{
    L"",
    L"trip",
    L"\u57fa\u672c\u540d",                    // kanji
    L"\u62e1\u5f35\u5b50\u3000\u76f4\u63a5",  // with an ideographic space
    L"\uff11\u6841",                          // full-width digit
    L"\u2200",
    L"a b  c ",  // spaces kept as they are
    std::wstring(300, L'x'),
};

TEST(TextControlWin32, TextComesBackCharacterForCharacter) {
    TestParent parent;
    for (const std::wstring_view name : {L"Text1", L"Text2", L"Command1", L"Command2"}) {
        TextControlWin32 control(parent.Create(LayoutOf(name)));
        for (const std::wstring& text : kTexts) {
            SCOPED_TRACE(std::string(name.begin(), name.end()) + " length " +
                         std::to_string(text.size()));
            control.SetText(text);
            EXPECT_EQ(control.Text(), text);
        }
    }
}

TEST(TextControlWin32, ButtonsStartWithTheirCaptions) {
    TestParent parent;
    EXPECT_EQ(TextControlWin32(parent.Create(LayoutOf(L"Command2"))).Text(), L"A");
    EXPECT_EQ(TextControlWin32(parent.Create(LayoutOf(L"Command1"))).Text(), L"\u9023\u756a\u5316");
}

TEST(TextControlWin32, AGoneControlFails) {
    TestParent parent;
    const HWND edit = parent.Create(LayoutOf(L"Text1"));
    TextControlWin32 control(edit);
    DestroyWindow(edit);
    EXPECT_THROW(control.Text(), ControlError);
    EXPECT_THROW(control.SetText(L"x"), ControlError);
}

TEST(ComboControlWin32, KeepsEntriesInTheOrderAdded) {
    TestParent parent;
    ComboControlWin32 combo(parent.Create(LayoutOf(L"Combo1")));
    const std::vector<std::wstring> entries{L"jpg", L"gif", L"\u2200", L"bmp", L"avi", L"ANI"};
    for (const std::wstring& entry : entries) {
        combo.AddItem(entry);
    }
    ASSERT_EQ(combo.ListCount(), static_cast<int>(entries.size()));
    for (std::size_t index = 0; index < entries.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(combo.List(static_cast<int>(index)), entries[index]);
    }
    EXPECT_THROW(combo.List(static_cast<int>(entries.size())), ControlError);
    EXPECT_THROW(combo.List(-1), ControlError);
}

TEST(ComboControlWin32, TextIsSetWithoutChoosingAnEntry) {
    TestParent parent;
    const HWND handle = parent.Create(LayoutOf(L"Combo2"));
    ComboControlWin32 combo(handle);
    for (const wchar_t* entry : {L"\uff11\u6841", L"\uff12\u6841", L"\uff13\u6841"}) {
        combo.AddItem(entry);
    }
    parent.commands.clear();
    for (const std::wstring& text : kTexts) {
        SCOPED_TRACE(text.size());
        combo.SetText(text);
        EXPECT_EQ(combo.Text(), text);
    }
    combo.SetText(combo.List(2));
    EXPECT_EQ(combo.Text(), L"\uff13\u6841");
    for (const auto& command : parent.commands) {
        EXPECT_NE(command.code, CBN_SELCHANGE) << "setting the text is no choice";
        EXPECT_NE(command.code, CBN_SELENDOK) << "setting the text is no choice";
    }
}

}  // namespace
}  // namespace numora
