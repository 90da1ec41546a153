#include "browse/navigation_handlers.h"

#include "win32/failure.h"

namespace numora {
namespace {

// The file list never shows another folder's names.
void EmptyAndTellUnreadable(FileList& file1, UserNotice& notice) {
    file1.Clear();
    notice.BeepAndShowInformation(kFolderUnreadableText);
}

}  // namespace

void Drive1_Change(DriveList& drive1, FolderList& dir1, UserNotice& notice) {
    if (!Completes([&] { dir1.SetPath(drive1.Drive()); })) {
        notice.BeepAndShowInformation(kDriveNotReadyText);
        // Back to the drive of the folder still shown. Our drive list raises no
        // change notification for this write, so the folder list is not moved again.
        drive1.SetDrive(dir1.Path());
    }
}

void Dir1_Change(FolderList& dir1, FileList& file1, UserNotice& notice) {
    if (!Completes([&] { file1.SetPath(dir1.Path()); })) {
        EmptyAndTellUnreadable(file1, notice);
    }
}

void OpenFolderInList(FolderList& dir1, const std::wstring& folder, UserNotice& notice) {
    if (!Completes([&] { dir1.SetPath(folder); })) {
        notice.BeepAndShowInformation(kFolderUnreadableText);
    }
}

void RefreshFileList(FileList& file1, UserNotice& notice) {
    if (!Completes([&] { file1.Refresh(); })) {
        EmptyAndTellUnreadable(file1, notice);
    }
}

}  // namespace numora
