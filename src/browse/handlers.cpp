#include "browse/handlers.h"

#include <cstddef>
#include <optional>

#include "win32/failure.h"

namespace numora {
namespace {

// The file list never shows another folder's names.
void EmptyAndTellUnreadable(FileList& file1, UserNotice& notice) {
    Completes([&] { file1.Clear(); });
    Tell(notice, kFolderUnreadableText);
}

// The pattern of the position whose entry, as the list holds it now, equals the
// box's text; none when no entry does.
std::optional<std::wstring> PatternOfText(const ComboControl& combo1) {
    const std::wstring text = combo1.Text();
    const int listed = combo1.ListCount();
    for (std::size_t position = 0; position < kExtensionEntries.size(); ++position) {
        const int index = static_cast<int>(position);
        if (index >= listed) {
            break;
        }
        if (text == combo1.List(index)) {
            return std::wstring(kExtensionEntries[position].Pattern);
        }
    }
    return std::nullopt;
}

// The text to the case the caption names, and the caption to the other case.
void FlipCase(TextControl& command2, ComboControl& combo1, const LetterCase& letterCase) {
    const std::wstring caption = command2.Text();
    if (caption == L"A") {
        combo1.SetText(letterCase.Upper(combo1.Text()));
        command2.SetText(L"a");
    } else if (caption == L"a") {
        combo1.SetText(letterCase.Lower(combo1.Text()));
        command2.SetText(L"A");
    }
}

}  // namespace

void Drive1_Change(DriveList& drive1, FolderList& dir1, UserNotice& notice) {
    if (Completes([&] { dir1.SetPath(drive1.Drive()); })) {
        return;
    }
    Tell(notice, kDriveNotReadyText);
    // Back to the drive of the folder still shown. Our drive list raises no
    // change notification for this write, so the folder list is not moved again.
    // When even that drive has gone, the list keeps the drive chosen: told once is enough.
    Completes([&] { drive1.SetDrive(dir1.Path()); });
}

void Dir1_Change(FolderList& dir1, FileList& file1, UserNotice& notice) {
    if (!Completes([&] { file1.SetPath(dir1.Path()); })) {
        EmptyAndTellUnreadable(file1, notice);
    }
}

void OpenFolderInList(FolderList& dir1, const std::wstring& folder, UserNotice& notice) {
    if (!Completes([&] { dir1.SetPath(folder); })) {
        Tell(notice, kFolderUnreadableText);
    }
}

void RefreshFileList(FileList& file1, UserNotice& notice) {
    if (!Completes([&] { file1.Refresh(); })) {
        EmptyAndTellUnreadable(file1, notice);
    }
}

void Combo1_Click(ComboControl& combo1, TextControl& command2, FileList& file1,
                  UserNotice& notice) {
    // The pattern belongs to the position; the entry there is read as the list holds it now.
    std::optional<std::wstring> pattern;  // none after a failure here: nothing more is done
    Completes([&] { command2.SetText(L"A"), pattern = PatternOfText(combo1); });
    if (pattern && !Completes([&] { file1.SetPattern(*pattern); })) {
        EmptyAndTellUnreadable(file1, notice);
    }
}

void Command2_Click(TextControl& command2, ComboControl& combo1, const LetterCase& letterCase) {
    Completes([&] { FlipCase(command2, combo1, letterCase); });
}

}  // namespace numora
