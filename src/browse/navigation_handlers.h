// Keeps the drive, folder and file lists on one folder.
#pragma once

#include <string>

#include "browse/views.h"

namespace numora {

void Drive1_Change(DriveList& drive1, FolderList& dir1, UserNotice& notice);
// A folder the file list cannot read leaves the file list empty and tells the user,
// so the list never shows another folder's names.
void Dir1_Change(FolderList& dir1, FileList& file1, UserNotice& notice);

// The user opens a folder in the folder list (double-click or Enter). A folder
// that cannot be opened any more is reported and the folder list stays where it was.
void OpenFolderInList(FolderList& dir1, const std::wstring& folder, UserNotice& notice);

// Re-reads the file list; when its folder has gone, the list is emptied and the
// user told, instead of the program ending.
void RefreshFileList(FileList& file1, UserNotice& notice);

}  // namespace numora
