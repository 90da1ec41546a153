// The services the program takes from the platform: the single-instance rule,
// letter case, the user notice and the mouse pointer.
#pragma once

#include <windows.h>

#include <string>

#include "browse/letter_case.h"
#include "browse/user_notice.h"
#include "shell/instance_rule.h"
#include "shell/mouse_pointer.h"
#include "win32/handles.h"

namespace numora {

inline constexpr const wchar_t* kSingleInstanceMutexName = L"Local\\Numora.SingleInstance";
inline constexpr const wchar_t* kNoticeTitle = L"Numora Kelpo";

// One running instance per session, recognised by a named mutex.
class InstanceRuleWin32 : public InstanceRule {
  public:
    explicit InstanceRuleWin32(const wchar_t* mutexName = kSingleInstanceMutexName)
        : mutexName_(mutexName) {}
    // Creates the mutex on the first call and holds it for the object's lifetime.
    bool EarlierInstanceRunning() override;

  private:
    const wchar_t* mutexName_;
    UniqueKernelHandle mutex_;
    bool earlier_ = false;
};

// Upper and lower case by the system's own case tables (full-width letters too).
class LetterCaseWin32 : public LetterCase {
  public:
    std::wstring Upper(const std::wstring& text) const override;
    std::wstring Lower(const std::wstring& text) const override;
};

// The beep and the information box, owned by the main window.
class UserNoticeWin32 : public UserNotice {
  public:
    explicit UserNoticeWin32(HWND owner) : owner_(owner) {}
    void BeepAndShowInformation(const std::wstring& text) override;

  private:
    HWND owner_;
};

// The main window's mouse pointer: the shape a handler asks for, shown at once
// and kept while the pointer moves over the window and its controls.
class MousePointerShape {
  public:
    void Set(MousePointer pointer);
    // Answers WM_SETCURSOR: true when the window's own shape was applied.
    bool ApplyOnSetCursor() const;

  private:
    MousePointer pointer_ = MousePointer::Default;
};

}  // namespace numora
