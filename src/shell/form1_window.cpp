#include "shell/form1_window.h"

#include <algorithm>
#include <string>
#include <utility>

#include "browse/extension_handlers.h"
#include "browse/listing.h"
#include "browse/navigation_handlers.h"
#include "rename/rename_file_win32.h"
#include "shell/control_factory.h"
#include "shell/list_controls.h"
#include "shell/metrics.h"
#include "win32/failure.h"

namespace numora {

RECT Form1PlacedOuterRect(int dpi) {
    const RECT client{
        TwipsToPixels(kForm1ClientScreenLeftTwips, dpi),
        TwipsToPixels(kForm1ClientScreenTopTwips, dpi),
        TwipsToPixels(kForm1ClientScreenLeftTwips + kForm1Window.clientWidthTwips, dpi),
        TwipsToPixels(kForm1ClientScreenTopTwips + kForm1Window.clientHeightTwips, dpi)};
    RECT outer = OuterRectForClient(client, kForm1Style, kForm1ExStyle, true, dpi);
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

struct Form1::Controls {
    Controls(const Form1& form, const std::wstring& startFolder)
        : drive1(form.Control(Form1Control::Drive1), startFolder),
          dir1(form.Control(Form1Control::Dir1), startFolder),
          // The first extension entry's pattern: the box's text, the filter and the
          // case button agree from the first showing.
          file1(form.Control(Form1Control::File1), ExtensionPatterns().front()),
          text1(form.Control(Form1Control::Text1)),
          text2(form.Control(Form1Control::Text2)),
          command2(form.Control(Form1Control::Command2)),
          combo1(form.Control(Form1Control::Combo1)),
          combo2(form.Control(Form1Control::Combo2)) {}

    DriveListWin32 drive1;
    FolderListWin32 dir1;
    FileListWin32 file1;
    TextControlWin32 text1;
    TextControlWin32 text2;
    TextControlWin32 command2;
    ComboControlWin32 combo1;
    ComboControlWin32 combo2;
};

Form1::Form1(AboutWindows& aboutWindows, WindowLifetime& lifetime)
    : aboutWindows_(aboutWindows), lifetime_(lifetime) {}

Form1::~Form1() {
    // Here, while the members the window's messages use still exist.
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

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
    if (CreateWindowExW(kForm1ExStyle, NUMORA_FORM1_CLASS, caption.c_str(), kForm1Style, outer.left,
                        outer.top, outer.right - outer.left, outer.bottom - outer.top, owner,
                        menu.get(), instance, this) == nullptr) {
        ThrowLastError("The main window could not be created.");
    }
    menu.release();  // the window owns it now
    dpi_ = WindowDpi(hwnd_);
    if (dpi_ != expectedDpi) {
        outer = Form1PlacedOuterRect(dpi_);
        SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.right - outer.left,
                     outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    font_ = CreateMessageFont(dpi_);
    ComboFieldFit comboFit;
    for (std::size_t row = 0; row < kForm1Controls.size(); ++row) {
        controls_[row] =
            CreateLayoutControl(hwnd_, kForm1Controls[row], dpi_, font_.get(), &comboFit);
    }
    views_ = std::make_unique<Controls>(*this, CurrentDirectory());
    tips_.emplace(hwnd_);
    notice_.emplace(hwnd_);
    views_->file1.ShowInitialFolder(views_->dir1.Path());
    views_->dir1.SetChangeCallback([this] { Dir1_Change(Dir1(), File1(), Notice()); });
    ApplyFont();
    lastFocus_ = Control(Form1Control::Drive1);
}

void Form1::RelayMouseMessage(const MSG& message) {
    if (tips_ && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
        tips_->Relay(message);
    }
}

void Form1::ApplyFont() {
    // A line of the font with a pixel of room above and below (at 96 DPI).
    views_->dir1.SetRowHeight(FontLineHeight(hwnd_, font_.get()) + MulDiv(2, dpi_, kDefaultDpi));
    views_->dir1.SetIndentStep(MulDiv(FolderListWin32::kIndentAt96Dpi, dpi_, kDefaultDpi));
}

HWND Form1::Control(Form1Control control) const {
    return GetDlgItem(hwnd_, static_cast<int>(control));
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

void Form1::SetOuterWidthTwips(int twips) {
    RECT outer{};
    if (GetWindowRect(hwnd_, &outer) == FALSE) {
        ThrowLastError("The main window's width could not be read.");
    }
    const int width = TwipsToPixels(twips, dpi_);
    if (width == outer.right - outer.left) {
        return;  // as created: a move of a top-level window is dear under Wine
    }
    if (SetWindowPos(hwnd_, nullptr, 0, 0, width, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) == FALSE) {
        ThrowLastError("The main window's width could not be set.");
    }
}

void Form1::SetToolTip(Form1Control control, const std::wstring& text) {
    tips_->SetText(Control(control), text);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            lifetime_.WindowOpened();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM:
            if (views_ && wParam == IDC_DIR1) {
                views_->dir1.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            }
            break;
        case WM_SETCURSOR:
            return OnSetCursor(wParam, lParam);
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case kComboActionHandled:
            OnComboActionHandled(static_cast<int>(wParam));
            return 0;
        case WM_NCDESTROY:
            lifetime_.WindowClosed();
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void Form1::OnCommand(int id, int code) {
    if (!views_) {
        return;  // the controls' notifications while they are being made
    }
    switch (id) {
        case IDC_COMMAND1:
            if (code == BN_CLICKED) {
                Command1_Click(*this, RenameFileWin32);
            }
            break;
        case IDC_COMMAND2:
            if (code == BN_CLICKED) {
                Command2_Click(Command2(), Combo1(), letterCase_);
            }
            break;
        case IDC_COMBO1:
            OnCombo1Notify(code);
            break;
        case IDC_DRIVE1:
            if (views_->drive1.OnNotify(static_cast<WORD>(code))) {
                Drive1_Change(Drive1(), Dir1(), Notice());
            }
            break;
        case IDC_DIR1:
            if (code == LBN_DBLCLK) {
                if (const auto folder = views_->dir1.SelectedRowFolder()) {
                    OpenFolderInList(Dir1(), *folder, Notice());
                }
            }
            break;
        case IDM_MEND:
            mend_Click(*this);
            break;
        case IDM_MVER:
            mver_Click(aboutWindows_);
            break;
        case IDOK:
            PressFocusedButton();
            break;
        default:
            break;  // IDM_MFIL and IDCANCEL (Escape) do nothing
    }
}

void Form1::OnCombo1Notify(int code) {
    const HWND combo = Control(Form1Control::Combo1);
    if (TakeComboNotification(combo, static_cast<WORD>(code), combo1Choice_)) {
        // The box puts the entry into its text only after this notification; the
        // handler must already see it there.
        const int selected = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        Combo1().SetText(Combo1().List(selected));
        Combo1_Click(Combo1(), Command2(), File1());
    }
}

void Form1::OnComboActionHandled(int id) {
    if (id == IDC_COMBO1) {
        combo1Choice_.OnActionHandled();
    } else if (id == IDC_DRIVE1 && views_) {
        views_->drive1.OnActionHandled();
    }
}

void Form1::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus) != FALSE) {
            lastFocus_ = focus;
        }
    } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) != FALSE) {
        SetFocus(lastFocus_);
    }
}

LRESULT Form1::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) == HTCLIENT && pointer_.ApplyOnSetCursor()) {
        return TRUE;
    }
    return DefaultHandling(WM_SETCURSOR, wParam, lParam);
}

void Form1::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    RelayoutForDpi(hwnd_, suggested, dpi_, controls_, kForm1Controls, font_);
    if (views_) {
        ApplyFont();
    }
}

}  // namespace numora
