// Small views of the standard controls that the handlers read and write.
#pragma once

#include <string>

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

// The program's one way of telling the user something: beep, then a modal
// information box (OK only) titled "Numora Kelpo".
class UserNotice {
  public:
    virtual ~UserNotice() = default;
    virtual void BeepAndShowInformation(const std::wstring& text) = 0;
};

// Upper and lower case by the platform's own rules.
class LetterCase {
  public:
    virtual ~LetterCase() = default;
    virtual std::wstring Upper(const std::wstring& text) const = 0;
    virtual std::wstring Lower(const std::wstring& text) const = 0;
};

}  // namespace numora
