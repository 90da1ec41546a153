// What the handlers see of the main window: its controls, its way of telling
// the user something, and letter case. The Win32 layer implements these small
// views and the tests fake them. A failed operation throws Failure.
#pragma once

#include <cstdint>
#include <string>

#include "win32/failure.h"

namespace numora {

// A text box's text, a button's caption.
class TextControl {
  public:
    virtual ~TextControl() = default;
    virtual std::wstring Text() const = 0;
    virtual void SetText(const std::wstring& text) = 0;
};

// An editable drop-down combo box: its text and its unsorted list.
class ComboControl : public TextControl {
  public:
    virtual int ListCount() const = 0;
    virtual std::wstring List(int index) const = 0;
    virtual void AddItem(const std::wstring& item) = 0;
};

class DriveList {
  public:
    virtual ~DriveList() = default;
    // The chosen drive as a text the folder list's SetPath accepts ("c:" or "c: [LABEL]").
    virtual std::wstring Drive() const = 0;
    // Selects the drive of a full path; raises no change notification.
    virtual void SetDrive(const std::wstring& fullPath) = 0;
};

class FolderList {
  public:
    virtual ~FolderList() = default;
    // "c:\" for a root, otherwise no trailing backslash; drive letter in lower case.
    virtual std::wstring Path() const = 0;
    // A drive text opens that drive's current directory; a full path opens that folder.
    // Throws when the folder cannot be opened, keeping the path. Notifies on every change.
    virtual void SetPath(const std::wstring& path) = 0;
};

class FileList {
  public:
    virtual ~FileList() = default;
    virtual void SetPath(const std::wstring& folder) = 0;      // re-reads at once
    virtual void SetPattern(const std::wstring& pattern) = 0;  // re-reads at once
    virtual std::int16_t ListCount() const = 0;
    virtual std::wstring List(std::int16_t index) const = 0;
    virtual void Refresh() = 0;
    // Empties the list (used when its folder cannot be read).
    virtual void Clear() = 0;
};

// The program's one way of telling the user something: a beep, then a modal
// information box (OK only) titled "Numora Kelpo".
class UserNotice {
  public:
    virtual ~UserNotice() = default;
    virtual void BeepAndShowInformation(const std::wstring& text) = 0;
};

// Tells the user; a notice that cannot be shown leaves nothing more to do.
inline void Tell(UserNotice& notice, const std::wstring& text) {
    Completes([&] { notice.BeepAndShowInformation(text); });
}

// Upper and lower case of a text, by the platform's own rules.
class LetterCase {
  public:
    virtual ~LetterCase() = default;
    virtual std::wstring Upper(const std::wstring& text) const = 0;
    virtual std::wstring Lower(const std::wstring& text) const = 0;
};

}  // namespace numora
