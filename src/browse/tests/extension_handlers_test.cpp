#include "browse/extension_handlers.h"

#include <gtest/gtest.h>

#include <cwctype>

#include "fakes/fake_controls.h"

namespace numora {
namespace {

using fakes::FakeCombo;
using fakes::FakeDisk;
using fakes::FakeFileList;
using fakes::FakeText;

// ASCII-only case mapping: enough to see which way the handler converts.
class AsciiCase : public LetterCase {
  public:
    std::wstring Upper(const std::wstring& text) const override {
        std::wstring out = text;
        for (auto& c : out)
            if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
        return out;
    }
    std::wstring Lower(const std::wstring& text) const override {
        std::wstring out = text;
        for (auto& c : out)
            if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
        return out;
    }
};

class ExtensionBox : public ::testing::Test {
  protected:
    ExtensionBox() {
        disk.files[L"c:\\p"] = {L"a.jpg",  L"b.jpeg", L"c.gif",  L"d.mpg",
                                L"e.mpeg", L"f.htm",  L"g.html", L"h.txt"};
        for (const auto& entry : ExtensionEntries()) combo1.AddItem(entry);
        combo1.SetText(L"jpg");
        file1.SetPath(L"c:\\p");
    }
    void Choose(int index) {
        combo1.Choose(index);
        Combo1_Click(combo1, command2, file1);
    }
    FakeDisk disk;
    FakeCombo combo1;
    FakeText command2{L"A"};
    FakeFileList file1{disk};
    AsciiCase letterCase;
};

TEST_F(ExtensionBox, EachEntrySetsThePatternOfItsPosition) {
    const struct {
        int position;
        const wchar_t* pattern;
        std::vector<std::wstring> listed;
    } rows[] = {
        {7, L"*.mpg;*.mpeg", {L"d.mpg", L"e.mpeg"}}, {10, L"*.htm;*.html", {L"f.htm", L"g.html"}},
        {0, L"*.jpg;*.jpeg", {L"a.jpg", L"b.jpeg"}}, {1, L"*.gif", {L"c.gif"}},
        {11, L"*.*", disk.files[L"c:\\p"]},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.position);
        command2.SetText(L"a");
        Choose(row.position);
        EXPECT_EQ(file1.Pattern(), row.pattern);
        EXPECT_EQ(file1.Entries(), row.listed);
        EXPECT_EQ(command2.Text(), L"A");
        EXPECT_EQ(combo1.Text(), ExtensionEntries()[static_cast<std::size_t>(row.position)]);
    }
}

TEST_F(ExtensionBox, TheTwelveEntriesAndPatternsLineUp) {
    ASSERT_EQ(ExtensionEntries().size(), 12u);
    ASSERT_EQ(ExtensionPatterns().size(), 12u);
    EXPECT_EQ(ExtensionEntries().back(), L"\u2200");
    EXPECT_EQ(ExtensionPatterns()[5], L"*.rm");
    EXPECT_EQ(ExtensionPatterns()[6], L"*.ram");
}

TEST_F(ExtensionBox, TypingAfterChoosingKeepsTheFilter) {
    Choose(1);
    combo1.SetText(L"jpg");  // typed: no handler runs
    EXPECT_EQ(file1.Pattern(), L"*.gif");
    EXPECT_EQ(file1.Entries(), std::vector<std::wstring>{L"c.gif"});
}

TEST_F(ExtensionBox, TextMatchingNoEntryLeavesThePatternButResetsTheCaption) {
    Choose(1);
    command2.SetText(L"a");
    combo1.SetText(L"GIF");  // comparison is exact, case included
    Combo1_Click(combo1, command2, file1);
    EXPECT_EQ(file1.Pattern(), L"*.gif");
    EXPECT_EQ(command2.Text(), L"A");
}

TEST_F(ExtensionBox, ThePatternFollowsTheEntryHeldAtEachPosition) {
    // A list whose first entry is not "jpg": "gif" at position 0 gets position 0's pattern.
    FakeCombo other;
    other.AddItem(L"gif");
    other.SetText(L"gif");
    Combo1_Click(other, command2, file1);
    EXPECT_EQ(file1.Pattern(), L"*.jpg;*.jpeg");
}

TEST_F(ExtensionBox, CaseButtonFlipsBetweenUpperAndLower) {
    const struct {
        const wchar_t* text;
        const wchar_t* caption;
        const wchar_t* textAfter;
        const wchar_t* captionAfter;
    } rows[] = {
        {L"jpg", L"A", L"JPG", L"a"},
        {L"JPG", L"a", L"jpg", L"A"},
        {L"Jpg", L"A", L"JPG", L"a"},
        {L"\u2200", L"A", L"\u2200", L"a"},
        {L"", L"a", L"", L"A"},
        {L"jpg", L"B", L"jpg", L"B"},  // neither caption: nothing changes
        {L"jpg", L"", L"jpg", L""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "caption row " << &row - rows);
        combo1.SetText(row.text);
        command2.SetText(row.caption);
        Command2_Click(command2, combo1, letterCase);
        EXPECT_EQ(combo1.Text(), row.textAfter);
        EXPECT_EQ(command2.Text(), row.captionAfter);
    }
}

TEST_F(ExtensionBox, MixedCaseDoesNotComeBack) {
    combo1.SetText(L"Jpg");
    Command2_Click(command2, combo1, letterCase);
    Command2_Click(command2, combo1, letterCase);
    EXPECT_EQ(combo1.Text(), L"jpg");
    EXPECT_EQ(command2.Text(), L"A");
}

TEST_F(ExtensionBox, CaseButtonFailureEndsSilentlyKeepingWhatWasWritten) {
    combo1.SetText(L"jpg");
    FakeText refusing{L"A"};
    refusing.failWrites = true;
    EXPECT_NO_THROW(Command2_Click(refusing, combo1, letterCase));
    EXPECT_EQ(combo1.Text(), L"JPG");  // the text changed, the caption could not
    EXPECT_EQ(refusing.Text(), L"A");
}

}  // namespace
}  // namespace numora
