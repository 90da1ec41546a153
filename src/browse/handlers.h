// What the user does to choose the folder and the files: the handlers of the
// drive, folder and file lists, of the extension box and of the case button.
// Each catches a failure at its own edge: the user is told at most once, and the
// file list never shows the names of a folder other than the folder list's.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "browse/views.h"

namespace numora {

// What the user is told of a drive or a folder.
inline constexpr const wchar_t* kDriveNotReadyText = L"ドライブの準備ができていません。";
inline constexpr const wchar_t* kFolderUnreadableText = L"フォルダを読み込めません。";

// The extension box's twelve entries in list order, and the file-list pattern
// that belongs to each position. The last, "∀" (for all), lists every file.
struct ExtensionEntry {
    std::wstring_view Entry;
    std::wstring_view Pattern;
};
inline constexpr std::array<ExtensionEntry, 12> kExtensionEntries{{
    {L"jpg", L"*.jpg;*.jpeg"},
    {L"gif", L"*.gif"},
    {L"bmp", L"*.bmp"},
    {L"ico", L"*.ico"},
    {L"txt", L"*.txt"},
    {L"rm", L"*.rm"},
    {L"ram", L"*.ram"},
    {L"mpg", L"*.mpg;*.mpeg"},
    {L"avi", L"*.avi"},
    {L"mp3", L"*.mp3"},
    {L"htm", L"*.htm;*.html"},
    {L"\u2200", L"*.*"},
}};

// An unready drive is told once and the drive list put back to the folder's drive.
void Drive1_Change(DriveList& drive1, FolderList& dir1, UserNotice& notice);
// A folder the file list cannot read leaves the file list empty and is told.
void Dir1_Change(FolderList& dir1, FileList& file1, UserNotice& notice);

// The user opens a folder in the folder list (double-click or Enter). A folder
// that cannot be opened any more is told and the folder list stays where it was.
void OpenFolderInList(FolderList& dir1, const std::wstring& folder, UserNotice& notice);

// Re-reads the file list; when its folder has gone, the list is emptied and the
// user told.
void RefreshFileList(FileList& file1, UserNotice& notice);

// Runs only when the user chooses an entry; combo1's text already equals that
// entry. A folder that cannot be read under the new pattern is told as Dir1_Change does.
void Combo1_Click(ComboControl& combo1, TextControl& command2, FileList& file1, UserNotice& notice);
// A failure ends it silently; whatever was already written stays.
void Command2_Click(TextControl& command2, ComboControl& combo1, const LetterCase& letterCase);

}  // namespace numora
