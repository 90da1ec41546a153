// The extension box as a filter of the file list and as the new names'
// extension, and the case button.
#include <windows.h>

#include <stdexcept>

#include "driver/driver_error.h"
#include "driver/drop_down_choice.h"
#include "driver/poll.h"
#include "driver/text_entry.h"
#include "driver/user_input.h"
#include "driver/window_query.h"
#include "numora_test.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

// One file of every kind, and one of no listed kind.
const std::vector<std::wstring> kFolderFiles = {
    L"p.jpg", L"q.jpeg", L"r.gif", L"s.bmp", L"t.ico", L"u.txt",  L"v.rm",    L"w.ram",
    L"x.mpg", L"y.mpeg", L"z.avi", L"m.mp3", L"h.htm", L"k.html", L"misc.dat"};

struct Filter {
    std::wstring entry;
    std::vector<std::wstring> listed;
};

const std::vector<Filter> kFilters = {
    {L"jpg", {L"p.jpg", L"q.jpeg"}},
    {L"gif", {L"r.gif"}},
    {L"bmp", {L"s.bmp"}},
    {L"ico", {L"t.ico"}},
    {L"txt", {L"u.txt"}},
    {L"rm", {L"v.rm"}},
    {L"ram", {L"w.ram"}},
    {L"mpg", {L"x.mpg", L"y.mpeg"}},
    {L"avi", {L"z.avi"}},
    {L"mp3", {L"m.mp3"}},
    {L"htm", {L"h.htm", L"k.html"}},
    {L"∀",
     {L"h.htm", L"k.html", L"m.mp3", L"misc.dat", L"p.jpg", L"q.jpeg", L"r.gif", L"s.bmp", L"t.ico",
      L"u.txt", L"v.rm", L"w.ram", L"x.mpg", L"y.mpeg", L"z.avi"}},
};

const Filter& FilterOf(const std::wstring& entry) {
    for (const auto& filter : kFilters) {
        if (filter.entry == entry) {
            return filter;
        }
    }
    throw std::invalid_argument("no filter " + Narrow(entry));
}

class ExtensionTest : public NumoraTest {
  protected:
    void StartWithEveryKind() {
        folder_.AddFiles(kFolderFiles);
        folder_.AddFolder(L"folder.gif");
        StartNumora();
        ASSERT_TRUE(ListBecomes(Control(IDC_FILE1), FilterOf(L"jpg").listed));
    }

    // Presses the case button and waits for its caption to flip.
    void PressCaseButton(const std::wstring& captionAfter) const {
        PostClick(Control(IDC_COMMAND2));
        ASSERT_TRUE(TextBecomes(Control(IDC_COMMAND2), captionAfter));
    }
};

TEST_F(ExtensionTest, ChoosingEachEntryByKeyboardSetsItsFilterAndResetsTheCaseButton) {
    StartWithEveryKind();
    PressCaseButton(L"a");
    FocusByClick(App(), Control(IDC_COMBO1));
    // Down through the list to "∀", then back up to "jpg".
    std::vector<std::wstring> walk;
    for (std::size_t i = 1; i < kFilters.size(); ++i) {
        walk.push_back(kFilters[i].entry);
    }
    walk.push_back(L"jpg");
    for (const auto& entry : walk) {
        SCOPED_TRACE(Narrow(entry));
        ChooseByArrowKeys(App(), Control(IDC_COMBO1), entry);
        EXPECT_TRUE(ListBecomes(Control(IDC_FILE1), FilterOf(entry).listed));
        EXPECT_TRUE(TextBecomes(Control(IDC_COMMAND2), L"A"));
    }
}

TEST_F(ExtensionTest, ChoosingEntriesByMouseSetsTheirFiltersAndTheTextAsListed) {
    StartWithEveryKind();
    for (const std::wstring entry : {L"∀", L"gif", L"htm", L"mpg", L"jpg"}) {
        SCOPED_TRACE(Narrow(entry));
        // Caption "a" and an upper-case text first, so that the choice has something to reset.
        PressCaseButton(L"a");
        ChooseByMouse(App(), Control(IDC_COMBO1), entry);
        EXPECT_TRUE(ListBecomes(Control(IDC_FILE1), FilterOf(entry).listed));
        EXPECT_TRUE(TextBecomes(Control(IDC_COMMAND2), L"A"));
        EXPECT_EQ(Describe(TextOf(Control(IDC_COMBO1))), Describe(entry));
    }
}

TEST_F(ExtensionTest, CaseButtonSwitchesTheTextAndCaptionButNotTheFilter) {
    StartWithEveryKind();
    struct Row {
        std::wstring typed;
        std::wstring afterFirstPress;
        std::wstring afterSecondPress;
    };
    const Row rows[] = {
        {L"jpg", L"JPG", L"jpg"}, {L"Jpg", L"JPG", L"jpg"}, {L"mP3", L"MP3", L"mp3"},
        {L"∀", L"∀", L"∀"},       {L"", L"", L""},          {L"123", L"123", L"123"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("typed " + Describe(row.typed));
        TypeInto(App(), Control(IDC_COMBO1), row.typed);
        PressCaseButton(L"a");
        EXPECT_EQ(Describe(TextOf(Control(IDC_COMBO1))), Describe(row.afterFirstPress));
        PressCaseButton(L"A");
        EXPECT_EQ(Describe(TextOf(Control(IDC_COMBO1))), Describe(row.afterSecondPress));
        EXPECT_EQ(Describe(ListBoxItems(Control(IDC_FILE1))), Describe(FilterOf(L"jpg").listed));
    }
}

TEST_F(ExtensionTest, TypedTextKeepsTheChosenFilterAndBecomesTheNewExtension) {
    folder_.AddFiles({L"a.gif", L"b.gif", L"c.jpg"});
    StartNumora();
    ChooseByMouse(App(), Control(IDC_COMBO1), L"gif");
    ASSERT_TRUE(ListBecomes(Control(IDC_FILE1), {L"a.gif", L"b.gif"}));
    TypeInto(App(), Control(IDC_COMBO1), L"jpg");
    SyncWith(App().Form1());
    EXPECT_EQ(Describe(ListBoxItems(Control(IDC_FILE1))),
              Describe(std::vector<std::wstring>{L"a.gif", L"b.gif"}))
        << "typing changed the filter";
    TypeInto(App(), Control(IDC_TEXT1), L"trip");

    PostClick(Control(IDC_COMMAND1));

    EXPECT_TRUE(TextBecomes(Control(IDC_TEXT2), L"2"));
    EXPECT_TRUE(ListBecomes(Control(IDC_FILE1), {})) << "the refreshed gif list should be empty";
    EXPECT_EQ(Describe(FilesWithContent()),
              Describe(std::map<std::wstring, std::wstring>{
                  {L"c.jpg", L"c.jpg"}, {L"trip001.jpg", L"a.gif"}, {L"trip002.jpg", L"b.gif"}}));
}

TEST_F(ExtensionTest, UpperCaseTextGivesUpperCaseExtensions) {
    folder_.AddFiles({L"a.jpg", L"b.jpeg"});
    StartNumora();
    TypeInto(App(), Control(IDC_TEXT1), L"trip");
    PressCaseButton(L"a");
    ASSERT_TRUE(TextBecomes(Control(IDC_COMBO1), L"JPG"));

    PostClick(Control(IDC_COMMAND1));

    EXPECT_TRUE(TextBecomes(Control(IDC_TEXT2), L"2"));
    SyncWith(App().Form1());
    EXPECT_EQ(Describe(FilesWithContent()),
              Describe(std::map<std::wstring, std::wstring>{{L"trip001.JPG", L"a.jpg"},
                                                            {L"trip002.JPG", L"b.jpeg"}}));
}

}  // namespace
}  // namespace numora::e2e
