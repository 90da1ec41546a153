// The drive list over a drop-down list combo box.
#pragma once

#include <windows.h>

#include <string>

#include "browse/list_controls.h"
#include "shell/combo_choice.h"

namespace numora {

class DriveListWin32 : public DriveList {
  public:
    // Fills the list and selects the drive of the process's current directory.
    explicit DriveListWin32(HWND combo);

    std::wstring Drive() const override;
    void SetDrive(const std::wstring& fullPath) override;

    // A notification from the combo box; true when the user has changed the drive.
    bool OnNotify(WORD code);
    // Once the user action behind the last notifications has been handled.
    void OnActionHandled() { choice_.OnActionHandled(); }

  private:
    // Reads the system's drives again, keeping `keepLetter` selected when it is still there.
    void Fill(wchar_t keepLetter);
    std::wstring EntryText(int index) const;
    wchar_t CommittedLetter() const;  // L'\0' when no drive is chosen
    int IndexOfDrive(wchar_t letter) const;
    int Selection() const;
    bool CommitSelection();

    HWND combo_;
    // Browsing the open list must not touch every drive passed on the way.
    ComboChoice choice_{DroppedListPolicy::ChooseOnClose};
    int committed_ = CB_ERR;
};

}  // namespace numora
