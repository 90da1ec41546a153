#include "browse/navigation_handlers.h"

#include <exception>
#include <system_error>

namespace numora {

void Drive1_Change(DriveList& drive1, FolderList& dir1, UserNotice& notice) {
    try {
        dir1.SetPath(drive1.Drive());
    } catch (const std::exception&) {
        notice.BeepAndShowInformation(kDriveNotReadyText);
        // Back to the drive of the folder still shown. Our drive list raises no
        // change notification for this write, so the folder list is not moved again.
        drive1.SetDrive(dir1.Path());
    }
}

void Dir1_Change(FolderList& dir1, FileList& file1, UserNotice& notice) {
    try {
        file1.SetPath(dir1.Path());
    } catch (const std::system_error&) {
        file1.Clear();
        notice.BeepAndShowInformation(kFolderUnreadableText);
    }
}

void OpenFolderInList(FolderList& dir1, const std::wstring& folder, UserNotice& notice) {
    try {
        dir1.SetPath(folder);
    } catch (const std::system_error&) {
        notice.BeepAndShowInformation(kFolderUnreadableText);
    }
}

void RefreshFileList(FileList& file1, UserNotice& notice) {
    try {
        file1.Refresh();
    } catch (const std::system_error&) {
        file1.Clear();
        notice.BeepAndShowInformation(kFolderUnreadableText);
    }
}

}  // namespace numora
