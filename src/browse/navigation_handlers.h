// Keeps the drive, folder and file lists on one folder.
#pragma once

#include "browse/controls.h"
#include "browse/list_controls.h"

namespace numora {

void Drive1_Change(DriveList& drive1, FolderList& dir1, UserNotice& notice);
void Dir1_Change(FolderList& dir1, FileList& file1, UserNotice& notice);

}  // namespace numora
