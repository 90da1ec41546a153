// Full runs of the run button: names and contents on disk, the refreshed
// file list and the counter left in Text2.
#include <windows.h>

#include "driver/drop_down_choice.h"
#include "driver/message_boxes.h"
#include "driver/screenshot.h"
#include "driver/text_entry.h"
#include "driver/user_input.h"
#include "driver/window_query.h"
#include "numora_test.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

using Files = std::map<std::wstring, std::wstring>;  // name on disk -> its original name

// How the digit box gets its text before the run.
enum class DigitInput { Keep, Choose, Type };

struct RunCase {
    const char* name;
    std::vector<std::wstring> files;
    std::wstring baseName;
    DigitInput digitInput;
    std::wstring digitText;
    Files expectedFiles;
    std::wstring expectedCounter;
    std::vector<std::wstring> expectedList;
};

std::ostream& operator<<(std::ostream& out, const RunCase& row) {
    return out << row.name;
}

const RunCase kRunCases[] = {
    {"WorkedExample",
     {L"a.jpg", L"b.jpeg", L"c.jpg", L"notes.txt"},
     L"trip",
     DigitInput::Keep,
     L"",
     {{L"notes.txt", L"notes.txt"},
      {L"trip001.jpg", L"a.jpg"},
      {L"trip002.jpg", L"b.jpeg"},
      {L"trip003.jpg", L"c.jpg"}},
     L"3",
     {L"trip001.jpg", L"trip002.jpg", L"trip003.jpg"}},
    {"StopsAtAnExistingName",
     {L"a.jpg", L"b.jpg", L"trip002.jpg"},
     L"trip",
     DigitInput::Keep,
     L"",
     {{L"b.jpg", L"b.jpg"}, {L"trip001.jpg", L"a.jpg"}, {L"trip002.jpg", L"trip002.jpg"}},
     L"2",
     {L"b.jpg", L"trip001.jpg", L"trip002.jpg"}},
    {"FirstNewNameExistsSoNothingIsRenamed",
     {L"a.jpg", L"trip001.jpg"},
     L"trip",
     DigitInput::Keep,
     L"",
     {{L"a.jpg", L"a.jpg"}, {L"trip001.jpg", L"trip001.jpg"}},
     L"1",
     {L"a.jpg", L"trip001.jpg"}},
    {"OneDigitJapaneseNamesInNaturalOrder",
     {L"写真10.jpg", L"写真2.jpg", L"写真1.jpg"},
     L"旅行",
     DigitInput::Choose,
     L"１桁",
     {{L"旅行1.jpg", L"写真1.jpg"}, {L"旅行2.jpg", L"写真2.jpg"}, {L"旅行3.jpg", L"写真10.jpg"}},
     L"3",
     {L"旅行1.jpg", L"旅行2.jpg", L"旅行3.jpg"}},
    {"SixDigits",
     {L"x.jpg", L"y.jpg"},
     L"trip",
     DigitInput::Choose,
     L"６桁",
     {{L"trip000001.jpg", L"x.jpg"}, {L"trip000002.jpg", L"y.jpg"}},
     L"2",
     {L"trip000001.jpg", L"trip000002.jpg"}},
    {"TypedDigitChoiceOutsideTheListGivesNoPadding",
     {L"x.jpg", L"y.jpg"},
     L"trip",
     DigitInput::Type,
     L"3桁",
     {{L"trip1.jpg", L"x.jpg"}, {L"trip2.jpg", L"y.jpg"}},
     L"2",
     {L"trip1.jpg", L"trip2.jpg"}},
    {"EmptyBaseName",
     {L"x.jpg", L"y.jpg"},
     L"",
     DigitInput::Keep,
     L"",
     {{L"001.jpg", L"x.jpg"}, {L"002.jpg", L"y.jpg"}},
     L"2",
     {L"001.jpg", L"002.jpg"}},
};

class RenameRunTest : public NumoraTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RenameRunTest, RenamesTheListedFilesInListOrder) {
    const RunCase& row = GetParam();
    folder_.AddFiles(row.files);
    StartNumora();
    if (!row.baseName.empty()) {
        TypeInto(App(), Control(IDC_TEXT1), row.baseName);
    }
    if (row.digitInput == DigitInput::Choose) {
        FocusByClick(App(), Control(IDC_COMBO2));
        ChooseByArrowKeys(App(), Control(IDC_COMBO2), row.digitText);
    } else if (row.digitInput == DigitInput::Type) {
        TypeInto(App(), Control(IDC_COMBO2), row.digitText);
    }

    PostClick(Control(IDC_COMMAND1));

    EXPECT_TRUE(TextBecomes(Control(IDC_TEXT2), row.expectedCounter));
    EXPECT_TRUE(ListBecomes(Control(IDC_FILE1), row.expectedList)) << "File1 was not refreshed";
    SyncWith(App().Form1());
    EXPECT_EQ(Describe(FilesWithContent()), Describe(row.expectedFiles));
    EXPECT_TRUE(DialogWindowsOf(App().ProcessId()).empty())
        << "a run reports nothing, yet the program shows " << DescribeDialogsOf(App().ProcessId());
}

INSTANTIATE_TEST_SUITE_P(Runs, RenameRunTest, ::testing::ValuesIn(kRunCases), RowName{});

class RenameRunMessageTest : public NumoraTest {};

TEST_F(RenameRunMessageTest, EmptyListShowsTheMessageAndRenamesNothing) {
    folder_.AddFiles({L"notes.txt", L"x.gif"});
    StartNumora();
    TypeInto(App(), Control(IDC_TEXT1), L"trip");
    ASSERT_TRUE(ListBecomes(Control(IDC_FILE1), {}));

    PostClick(Control(IDC_COMMAND1));

    const MessageBoxView box = WaitForMessageBox(App().ProcessId());
    SaveWindowPicture(box.window, L"message-no-files.bmp");
    EXPECT_EQ(Describe(box.title), Describe(L"Numora Kelpo"));
    EXPECT_EQ(Describe(box.texts), Describe(std::vector<std::wstring>{L"ファイルがありません。"}));
    EXPECT_EQ(Describe(box.buttons), Describe(std::vector<std::wstring>{L"OK"}));
    EXPECT_TRUE(box.hasIcon);
    EXPECT_FALSE(IsWindowEnabled(App().Form1())) << "the message box is not modal";
    PressOk(box);

    EXPECT_TRUE(TextBecomes(Control(IDC_TEXT2), L"0"));
    SyncWith(App().Form1());
    EXPECT_TRUE(DialogWindowsOf(App().ProcessId()).empty()) << DescribeDialogsOf(App().ProcessId());
    EXPECT_TRUE(IsWindowEnabled(App().Form1()));
    EXPECT_EQ(Describe(FilesWithContent()),
              Describe(Files{{L"notes.txt", L"notes.txt"}, {L"x.gif", L"x.gif"}}));
}

TEST_F(RenameRunMessageTest, SecondRunStartsAgainAtOneOverTheRefreshedList) {
    folder_.AddFiles({L"a.jpg", L"b.jpg"});
    StartNumora();
    TypeInto(App(), Control(IDC_TEXT1), L"x");
    PostClick(Control(IDC_COMMAND1));
    ASSERT_TRUE(ListBecomes(Control(IDC_FILE1), {L"x001.jpg", L"x002.jpg"}));
    ASSERT_TRUE(TextBecomes(Control(IDC_TEXT2), L"2"));

    TypeInto(App(), Control(IDC_TEXT1), L"trip");
    PostClick(Control(IDC_COMMAND1));

    EXPECT_TRUE(ListBecomes(Control(IDC_FILE1), {L"trip001.jpg", L"trip002.jpg"}));
    EXPECT_TRUE(TextBecomes(Control(IDC_TEXT2), L"2"));
    EXPECT_EQ(Describe(FilesWithContent()),
              Describe(Files{{L"trip001.jpg", L"a.jpg"}, {L"trip002.jpg", L"b.jpg"}}));
}

}  // namespace
}  // namespace numora::e2e
