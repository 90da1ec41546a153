#include "shell/form1_window.h"

#include <algorithm>
#include <string>

#include "browse/handlers.h"
#include "browse/listing.h"
#include "shell/form_handlers.h"
#include "shell/list_controls.h"
#include "shell/metrics.h"
#include "shell/standard_controls.h"
#include "win32/failure.h"

namespace numora {

RECT Form1PlacedOuterRect(int dpi) {
    // The client area as high as the layout's bottom edge, on which the file list ends.
    const int left = TwipsToPixels(kForm1ClientScreenLeftTwips, dpi);
    const int top = TwipsToPixels(kForm1ClientScreenTopTwips, dpi);
    const RECT client{left, top, left + TwipsToPixels(kForm1Window.clientWidthTwips, dpi),
                      top + TwipsToPixels(kForm1Window.clientHeightTwips, dpi)};
    RECT outer = OuterRectForClient(client, kForm1Style, true, dpi);
    // Already as narrow as the load makes it, which then has nothing to move.
    outer.right = outer.left + TwipsToPixels(kForm1LoadedOuterWidthTwips, dpi);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const POINT origin{client.left, client.top};
    if (GetMonitorInfoW(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &monitor) != FALSE) {
        OffsetRect(&outer, std::max(0L, monitor.rcWork.left - outer.left),
                   std::max(0L, monitor.rcWork.top - outer.top));
    }
    return outer;
}

struct Form1::Views {
    Views(const Form1& form, const std::wstring& startFolder)
        : drive1(form.Control(Form1Control::Drive1), startFolder),
          dir1(form.Control(Form1Control::Dir1), startFolder),
          // The first extension entry's pattern: the box's text, the filter and the
          // case button agree from the first showing.
          file1(form.Control(Form1Control::File1), ExtensionPatterns().front()),
          text1(form.Control(Form1Control::Text1)),
          text2(form.Control(Form1Control::Text2)),
          command2(form.Control(Form1Control::Command2)),
          combo1(form.Control(Form1Control::Combo1)),
          combo2(form.Control(Form1Control::Combo2)),
          tips(form.Handle()),
          notice(form.Handle()) {}

    DriveListWin32 drive1;
    FolderListWin32 dir1;
    FileListWin32 file1;
    TextControlWin32 text1;
    TextControlWin32 text2;
    TextControlWin32 command2;
    ComboControlWin32 combo1;
    ComboControlWin32 combo2;
    ToolTips tips;
    UserNoticeWin32 notice;
};

Form1::Form1(AboutWindows& aboutWindows, WindowLifetime& lifetime)
    : LayoutWindow(kForm1Controls, lifetime), aboutWindows_(aboutWindows) {}

Form1::~Form1() = default;

void Form1::Create(HWND owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    UniqueMenu menu(LoadMenuW(instance, MAKEINTRESOURCEW(IDR_FORM1_MENU)));
    if (!menu) {
        ThrowLastError("The main window's menu could not be loaded.");
    }
    const std::wstring caption(kForm1Window.caption);
    // Created in place for the DPI it is most likely to get: each move of a
    // top-level window is dear under Wine.
    const int expectedDpi = SystemDpi();
    RECT outer = Form1PlacedOuterRect(expectedDpi);
    if (CreateWindowExW(0, NUMORA_FORM1_CLASS, caption.c_str(), kForm1Style, outer.left, outer.top,
                        outer.right - outer.left, outer.bottom - outer.top, owner, menu.get(),
                        instance, this) == nullptr) {
        ThrowLastError("The main window could not be created.");
    }
    menu.release();  // the window owns it now
    if (const int dpi = WindowDpi(hwnd_); dpi != expectedDpi) {
        outer = Form1PlacedOuterRect(dpi);
        SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.right - outer.left,
                     outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CreateControls();
    views_ = std::make_unique<Views>(*this, CurrentDirectory());
    views_->file1.ShowInitialFolder(views_->dir1.Path());
    views_->dir1.SetChangeCallback([this] { Dir1_Change(Dir1(), File1(), Notice()); });
    OnDpiApplied();
}

void Form1::RelayMouseMessage(const MSG& message) {
    if (views_ && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
        views_->tips.Relay(message);
    }
}

// The folder list's rows: a line of the font with a pixel of room above and
// below (at 96 DPI), indented by steps of the DPI.
void Form1::OnDpiApplied() {
    if (!views_) {
        return;
    }
    views_->dir1.SetRowHeight(FontLineHeight(hwnd_, Font()) + ScaleForDpi(2, Dpi()));
    views_->dir1.SetIndentStep(ScaleForDpi(FolderListWin32::kIndentAt96Dpi, Dpi()));
}

DriveList& Form1::Drive1() {
    return views_->drive1;
}
FolderList& Form1::Dir1() {
    return views_->dir1;
}
FileList& Form1::File1() {
    return views_->file1;
}
TextControl& Form1::Text1() {
    return views_->text1;
}
TextControl& Form1::Text2() {
    return views_->text2;
}
ComboControl& Form1::Combo1() {
    return views_->combo1;
}
ComboControl& Form1::Combo2() {
    return views_->combo2;
}
TextControl& Form1::Command2() {
    return views_->command2;
}
UserNotice& Form1::Notice() {
    return views_->notice;
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
    views_->tips.SetText(Control(control), text);
}

void Form1::OnCommand(int id, int code) {
    if (!views_) {
        return;  // the controls' notifications while they are being made
    }
    const auto notification = static_cast<WORD>(code);
    switch (id) {
        case IDC_COMMAND1_RUN:
            if (code == BN_CLICKED) Command1_Click(*this, RenameFileWin32);
            break;
        case IDC_COMMAND2_CASE:
            if (code == BN_CLICKED) Command2_Click(Command2(), Combo1(), letterCase_);
            break;
        case IDC_COMBO1_EXTENSION:
            // Every entry reached in the open list is chosen, so text and filter agree.
            if (choices_.Chosen(Control(Form1Control::Combo1), notification,
                                OneChoicePerAction::OpenList::ChoosesEachEntry))
                Combo1_Click(Combo1(), Command2(), File1(), Notice());
            break;
        case IDC_DRIVE1_DRIVES:
            if (views_->drive1.Changed(notification, choices_))
                Drive1_Change(Drive1(), Dir1(), Notice());
            break;
        case IDC_DIR1_FOLDERS:
            if (code == LBN_DBLCLK) OpenSelectedFolder();
            break;
        case IDM_MEND_EXIT:
            mend_Click(*this);
            break;
        case IDM_MVER_ABOUT:
            mver_Click(aboutWindows_);
            break;
        default:
            break;  // IDM_MFIL_NOTHING and IDCANCEL (Escape) do nothing
    }
}

void Form1::OpenSelectedFolder() {
    if (const auto folder = views_->dir1.SelectedRowFolder()) {
        OpenFolderInList(Dir1(), *folder, Notice());
    }
}

LRESULT Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            if (views_ && wParam == static_cast<WPARAM>(Form1Control::Dir1)) {
                views_->dir1.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
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
