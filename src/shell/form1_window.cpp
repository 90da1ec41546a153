#include "shell/form1_window.h"

#include <string>

#include "browse/handlers.h"
#include "browse/listing.h"
#include "shell/form_handlers.h"
#include "shell/ids.h"
#include "shell/list_controls.h"
#include "shell/metrics.h"
#include "shell/standard_controls.h"
#include "win32/failure.h"

namespace numora {

struct Form1::Views {
    Views(const Form1& form, const std::wstring& startFolder)
        : Drive1(form.Control(Form1Control::Drive1), startFolder),
          Dir1(form.Control(Form1Control::Dir1), startFolder),
          // The first extension entry's pattern: the box's text, the filter and the
          // case button agree from the first showing.
          File1(form.Control(Form1Control::File1), std::wstring(kExtensionEntries[0].Pattern)),
          Text1(form.Control(Form1Control::Text1)),
          Text2(form.Control(Form1Control::Text2)),
          Command2(form.Control(Form1Control::Command2)),
          Combo1(form.Control(Form1Control::Combo1)),
          Combo2(form.Control(Form1Control::Combo2)),
          Tips(form.Handle()),
          Notice(form.Handle()) {}

    DriveListWin32 Drive1;
    FolderListWin32 Dir1;
    FileListWin32 File1;
    TextControlWin32 Text1;
    TextControlWin32 Text2;
    TextControlWin32 Command2;
    ComboControlWin32 Combo1;
    ComboControlWin32 Combo2;
    ToolTips Tips;
    UserNoticeWin32 Notice;
};

Form1::Form1(AboutWindows& aboutWindows, WindowLifetime& lifetime)
    : LayoutWindow(kForm1, lifetime), aboutWindows_(aboutWindows) {}

Form1::~Form1() = default;

void Form1::Create(HWND owner) {
    CreateFromLayout(owner);
    views_ = std::make_unique<Views>(*this, CurrentDirectory());
    views_->File1.ShowInitialFolder(views_->Dir1.Path());
    OnDpiApplied();
}

void Form1::RelayMouseMessage(const MSG& message) {
    if (views_ && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
        views_->Tips.Relay(message);
    }
}

// The folder list's rows: a line of the font with a pixel of room above and
// below (at 96 DPI), indented by steps of the DPI.
void Form1::OnDpiApplied() {
    if (!views_) {
        return;
    }
    views_->Dir1.SetRowHeight(FontLineHeight(hwnd_, Font()) + ScaleForDpi(2, Dpi()));
    views_->Dir1.SetIndentStep(ScaleForDpi(FolderListWin32::kIndentAt96Dpi, Dpi()));
}

DriveList& Form1::Drive1() {
    return views_->Drive1;
}
FolderList& Form1::Dir1() {
    return views_->Dir1;
}
FileList& Form1::File1() {
    return views_->File1;
}
TextControl& Form1::Text1() {
    return views_->Text1;
}
TextControl& Form1::Text2() {
    return views_->Text2;
}
ComboControl& Form1::Combo1() {
    return views_->Combo1;
}
ComboControl& Form1::Combo2() {
    return views_->Combo2;
}
TextControl& Form1::Command2() {
    return views_->Command2;
}
UserNotice& Form1::Notice() {
    return views_->Notice;
}

void Form1::SetOuterWidthTwips(int twips) {
    RECT outer{};
    if (GetWindowRect(hwnd_, &outer) == FALSE) {
        ThrowLastError("The main window's width could not be read.");
    }
    const int width = TwipsToPixels(twips, Dpi());
    if (width == outer.right - outer.left) {
        return;  // as created: a move of a top-level window is dear under Wine
    }
    if (SetWindowPos(hwnd_, nullptr, 0, 0, width, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) == FALSE) {
        ThrowLastError("The main window's width could not be set.");
    }
}

void Form1::SetToolTip(Form1Control control, const std::wstring& text) {
    views_->Tips.SetText(Control(control), text);
}

void Form1::OnCommand(int id, int code) {
    if (!views_) {
        return;  // the controls' notifications while they are being made
    }
    // Browsing the open extension list chooses each entry, so text and filter agree;
    // browsing the open drive list must not touch every drive passed on the way.
    constexpr auto kChoosesEachEntry = OneChoicePerAction::OpenList::ChoosesEachEntry;
    const auto notification = static_cast<WORD>(code);
    switch (id) {
        case ControlId(Form1Control::Command1):
            if (code == BN_CLICKED) Command1_Click(*this, RenameFileWin32);
            break;
        case ControlId(Form1Control::Command2):
            if (code == BN_CLICKED) Command2_Click(Command2(), Combo1(), letterCase_);
            break;
        case ControlId(Form1Control::Combo1):
            if (choices_.Chosen(Control(Form1Control::Combo1), notification, kChoosesEachEntry))
                Combo1_Click(Combo1(), Command2(), File1(), Notice());
            break;
        case ControlId(Form1Control::Drive1):
            if (views_->Drive1.Changed(notification, choices_))
                Drive1_Change(Drive1(), Dir1(), Notice());
            break;
        case ControlId(Form1Control::Dir1):
            if (code == NUMORA_LBN_PATH_CHANGED) Dir1_Change(Dir1(), File1(), Notice());
            if (code == LBN_DBLCLK) OpenSelectedFolder();
            break;
        case IDOK:  // Enter
            if (GetFocus() == Control(Form1Control::Dir1))
                OpenSelectedFolder();
            else
                PressFocusedButton();
            break;
        case kMendCommand:
            mend_Click(*this);
            break;
        case kMverCommand:
            mver_Click(aboutWindows_);
            break;
        default:
            break;  // kMfilCommand and IDCANCEL (Escape) do nothing
    }
}

void Form1::OpenSelectedFolder() {
    if (const auto folder = views_->Dir1.SelectedRowFolder()) {
        OpenFolderInList(Dir1(), *folder, Notice());
    }
}

LRESULT Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            if (views_ && wParam == static_cast<WPARAM>(ControlId(Form1Control::Dir1))) {
                views_->Dir1.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            }
            break;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && pointer_.ApplyOnSetCursor()) {
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace numora
