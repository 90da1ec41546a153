#include "browse/navigation_handlers.h"

#include <gtest/gtest.h>

#include "fakes/fake_controls.h"

namespace numora {
namespace {

using fakes::FakeDisk;
using fakes::FakeDriveList;
using fakes::FakeFileList;
using fakes::FakeFolderList;
using fakes::FakeNotice;

// The three lists wired as the window wires them: a change of the folder list runs Dir1_Change.
class Navigation : public ::testing::Test {
  protected:
    Navigation() {
        disk.files[L"c:\\"] = {L"root.jpg"};
        disk.files[L"c:\\photos"] = {L"a.jpg", L"b.gif"};
        disk.files[L"d:\\"] = {L"d1.jpg", L"d2.gif"};
        disk.files[L"c:\\gone"] = {};
        dir1.onChange = [this] { Dir1_Change(dir1, file1, notice); };
        dir1.SetPath(L"c:\\photos");
        drive1.SetDrive(L"c:\\photos");
        drive1.writes.clear();
    }
    FakeDisk disk;
    FakeDriveList drive1;
    FakeFolderList dir1{disk};
    FakeFileList file1{disk};
    FakeNotice notice;
};

TEST_F(Navigation, PickingAReadyDriveMovesBothListsAndKeepsThePattern) {
    file1.SetPattern(L"*.gif");
    drive1.Pick(L"d:");
    Drive1_Change(drive1, dir1, notice);
    EXPECT_EQ(dir1.Path(), L"d:\\");
    EXPECT_EQ(file1.Path(), L"d:\\");
    EXPECT_EQ(file1.Pattern(), L"*.gif");
    EXPECT_EQ(file1.Entries(), std::vector<std::wstring>{L"d2.gif"});
    EXPECT_TRUE(notice.shown.empty());
}

TEST_F(Navigation, AnUnreadyDriveIsReportedOnceAndTheDriveListPutBack) {
    disk.notReadyDrives.insert(L"r:");
    drive1.Pick(L"r:");
    Drive1_Change(drive1, dir1, notice);
    EXPECT_EQ(notice.shown, std::vector<std::wstring>{kDriveNotReadyText});
    EXPECT_EQ(drive1.Drive(), L"c:");
    EXPECT_EQ(drive1.writes, std::vector<std::wstring>{L"c:"});
    EXPECT_EQ(dir1.Path(), L"c:\\photos");
    EXPECT_EQ(file1.Path(), L"c:\\photos");
    EXPECT_EQ(file1.Entries(), std::vector<std::wstring>{L"a.jpg"});
}

TEST_F(Navigation, OpeningAFolderMakesTheFileListFollow) {
    OpenFolderInList(dir1, L"c:\\", notice);
    EXPECT_EQ(file1.Path(), L"c:\\");
    EXPECT_EQ(file1.Entries(), std::vector<std::wstring>{L"root.jpg"});
    EXPECT_TRUE(notice.shown.empty());
}

TEST_F(Navigation, AFolderThatCannotBeListedEmptiesTheFileListInsteadOfEndingTheProgram) {
    disk.unreadable.insert(L"c:\\gone");
    EXPECT_NO_THROW(OpenFolderInList(dir1, L"c:\\gone", notice));
    EXPECT_EQ(dir1.Path(), L"c:\\gone");
    EXPECT_TRUE(file1.Entries().empty()) << "no names of another folder may stay listed";
    EXPECT_EQ(notice.shown, std::vector<std::wstring>{kFolderUnreadableText});
}

TEST_F(Navigation, AFolderThatVanishedBeforeOpeningKeepsTheListsWhereTheyWere) {
    EXPECT_NO_THROW(OpenFolderInList(dir1, L"c:\\vanished", notice));
    EXPECT_EQ(dir1.Path(), L"c:\\photos");
    EXPECT_EQ(file1.Path(), L"c:\\photos");
    EXPECT_EQ(file1.Entries(), std::vector<std::wstring>{L"a.jpg"});
    EXPECT_EQ(notice.shown, std::vector<std::wstring>{kFolderUnreadableText});
}

TEST_F(Navigation, RefreshOfAVanishedFolderEmptiesTheList) {
    disk.files.erase(L"c:\\photos");
    EXPECT_NO_THROW(RefreshFileList(file1, notice));
    EXPECT_TRUE(file1.Entries().empty());
    EXPECT_EQ(notice.shown, std::vector<std::wstring>{kFolderUnreadableText});
}

TEST_F(Navigation, RefreshShowsTheFolderAsItIsNow) {
    disk.files[L"c:\\photos"].push_back(L"new.jpg");
    RefreshFileList(file1, notice);
    EXPECT_EQ(file1.Entries(), (std::vector<std::wstring>{L"a.jpg", L"new.jpg"}));
    EXPECT_TRUE(notice.shown.empty());
}

}  // namespace
}  // namespace numora
