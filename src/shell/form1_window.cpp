#include "shell/form1_window.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "browse/extension_handlers.h"
#include "browse/listing.h"
#include "browse/navigation_handlers.h"
#include "rename/move_file_renamer.h"
#include "shell/combo_choice.h"
#include "shell/control_factory.h"
#include "shell/list_controls.h"
#include "shell/metrics.h"
#include "shell/standard_controls.h"

namespace numora {
namespace {

constexpr DWORD kForm1Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kForm1ExStyle = 0;

// The folder indentation of one tree level, in pixels at 96 DPI.
constexpr int kFolderIndentAt96Dpi = 12;

std::size_t IndexOf(std::wstring_view name) {
    const auto found =
        std::find_if(kForm1Controls.begin(), kForm1Controls.end(),
                     [name](const ControlLayout& layout) { return layout.name == name; });
    if (found == kForm1Controls.end()) {
        throw std::invalid_argument("The main window has no such control.");
    }
    return static_cast<std::size_t>(found - kForm1Controls.begin());
}

// The outer rectangle that puts the client area's origin at its fixed place on
// the screen at `dpi`, moved down or right only as far as keeps the caption reachable.
RECT PlacedOuterRect(int dpi) {
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

bool HasSelection(HWND combo) {
    return SendMessageW(combo, CB_GETCURSEL, 0, 0) != CB_ERR;
}

bool IsDropped(HWND combo) {
    return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

}  // namespace

struct Form1::Adapters {
    Adapters(Form1& form, const std::wstring& startFolder)
        : drive1(form.Control(L"Drive1"), startFolder),
          dir1(form.Control(L"Dir1"), startFolder),
          file1(form.Control(L"File1"), std::wstring(kInitialFilePattern)),
          text1(form.Control(L"Text1")),
          text2(form.Control(L"Text2")),
          command1(form.Control(L"Command1")),
          command2(form.Control(L"Command2")),
          combo1(form.Control(L"Combo1")),
          combo2(form.Control(L"Combo2")),
          notice(form.Handle()),
          tips(form.Handle()),
          view{drive1, dir1,     file1,    text1, text2, combo1,
               combo2, command1, command2, form,  notice} {
        file1.ShowInitialFolder(dir1.Path());
        dir1.SetChangeCallback([this] { Dir1_Change(dir1, file1, notice); });
    }

    DriveListWin32 drive1;
    FolderListWin32 dir1;
    FileListWin32 file1;
    TextControlWin32 text1;
    TextControlWin32 text2;
    TextControlWin32 command1;
    TextControlWin32 command2;
    ComboControlWin32 combo1;
    ComboControlWin32 combo2;
    UserNoticeWin32 notice;
    LetterCaseWin32 letterCase;
    ToolTips tips;
    // Every entry reached in the open list is chosen, so text and filter agree.
    ComboChoice combo1Choice{DroppedListPolicy::ChooseWhileBrowsing};
    RenameFile renameFile = MoveFileRename;
    Form1Controls view;
};

Form1::Form1(AboutWindows& aboutWindows, InstanceRule& instances, WindowLifetime& lifetime)
    : aboutWindows_(aboutWindows), instances_(instances), lifetime_(lifetime) {}

Form1::~Form1() {
    // Here, while the members the window's messages use still exist.
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

void Form1::Create(HWND owner) {
    UniqueMenu menu = BuildMenuBar(kForm1Menu);
    const std::wstring caption(kForm1Window.caption);
    // Created in place for the DPI it is most likely to get: each move of a
    // top-level window is dear under Wine.
    const int expectedDpi = SystemDpi();
    const RECT outer = PlacedOuterRect(expectedDpi);
    if (CreateWindowExW(kForm1ExStyle, NUMORA_FORM1_CLASS, caption.c_str(), kForm1Style, outer.left,
                        outer.top, outer.right - outer.left, outer.bottom - outer.top, owner,
                        menu.get(), GetModuleHandleW(nullptr), this) == nullptr) {
        ThrowLastError("The main window could not be created.");
    }
    menu.release();  // the window owns it now
    dpi_ = WindowDpi(hwnd_);
    if (dpi_ != expectedDpi) {
        PlaceWindow();
    }
    font_ = CreateMessageFont(dpi_);
    ComboFieldFit comboFit;
    for (std::size_t index = 0; index < kForm1Controls.size(); ++index) {
        controls_[index] =
            CreateLayoutControl(hwnd_, kForm1Controls[index], dpi_, font_.get(), &comboFit);
    }
    adapters_ = std::make_unique<Adapters>(*this, CurrentDirectory());
    ApplyFont();
    lastFocus_ = controls_.front();
}

LoadOutcome Form1::Load() {
    return Form_Load(adapters_->view, instances_);
}

void Form1::RelayMouseMessage(const MSG& message) {
    if (adapters_ && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
        adapters_->tips.Relay(message);
    }
}

void Form1::PlaceWindow() {
    const RECT outer = PlacedOuterRect(dpi_);
    SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::ApplyFont() {
    const int lineHeight = FontLineHeight(hwnd_, font_.get());
    adapters_->dir1.SetRowHeight(lineHeight + MulDiv(2, dpi_, kDefaultDpi));
    adapters_->dir1.SetIndentStep(MulDiv(kFolderIndentAt96Dpi, dpi_, kDefaultDpi));
}

HWND Form1::Control(std::wstring_view name) const {
    return controls_[IndexOf(name)];
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

void Form1::SetToolTip(const std::wstring& controlName, const std::wstring& text) {
    adapters_->tips.SetText(Control(controlName), text);
}

void Form1::SetMousePointer(MousePointer pointer) {
    pointer_.Set(pointer);
}

void Form1::Unload() {
    Destroy();
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            lifetime_.WindowOpened();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_DRAWITEM:
            if (adapters_ && wParam == IDC_DIR1) {
                adapters_->dir1.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
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
            OnDestroyed();
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void Form1::OnCommand(int id, int code, HWND control) {
    if (!adapters_) {
        return;
    }
    Adapters& adapters = *adapters_;
    switch (id) {
        case IDC_COMMAND1:
            if (code == BN_CLICKED) {
                Command1_Click(adapters.view, adapters.renameFile);
            }
            break;
        case IDC_COMMAND2:
            if (code == BN_CLICKED) {
                Command2_Click(adapters.command2, adapters.combo1, adapters.letterCase);
            }
            break;
        case IDC_COMBO1:
            OnCombo1Notify(code);
            break;
        case IDC_DRIVE1:
            OnDrive1Notify(code);
            break;
        case IDC_DIR1:
            if (code == LBN_DBLCLK && control != nullptr) {
                if (const auto folder = adapters.dir1.SelectedRowFolder()) {
                    OpenFolderInList(adapters.dir1, *folder, adapters.notice);
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
            OnEnterKey();
            break;
        default:
            break;  // IDM_MFIL and IDCANCEL (Escape) do nothing
    }
}

void Form1::OnCombo1Notify(int code) {
    Adapters& adapters = *adapters_;
    const HWND combo = Control(L"Combo1");
    bool chosen = false;
    if (code == CBN_SELENDOK) {
        chosen = adapters.combo1Choice.OnSelEndOk(HasSelection(combo));
    } else if (code == CBN_SELCHANGE) {
        chosen = adapters.combo1Choice.OnSelChange(IsDropped(combo), HasSelection(combo));
    } else {
        return;
    }
    PostMessageW(hwnd_, kComboActionHandled, IDC_COMBO1, 0);
    if (chosen) {
        // The box puts the entry into its text only after this notification; the
        // handler must already see it there.
        const int selected = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        adapters.combo1.SetText(adapters.combo1.List(selected));
        Combo1_Click(adapters.combo1, adapters.command2, adapters.file1);
    }
}

void Form1::OnDrive1Notify(int code) {
    Adapters& adapters = *adapters_;
    if (code == CBN_SELENDOK || code == CBN_SELCHANGE) {
        PostMessageW(hwnd_, kComboActionHandled, IDC_DRIVE1, 0);
    }
    if (adapters.drive1.OnNotify(static_cast<WORD>(code))) {
        Drive1_Change(adapters.drive1, adapters.dir1, adapters.notice);
    }
}

void Form1::OnComboActionHandled(int id) {
    if (!adapters_) {
        return;
    }
    if (id == IDC_COMBO1) {
        adapters_->combo1Choice.OnActionHandled();
    } else if (id == IDC_DRIVE1) {
        adapters_->drive1.OnActionHandled();
    }
}

// Enter on a focused button presses it; the dialog keys report it as IDOK.
void Form1::OnEnterKey() {
    const HWND focus = GetFocus();
    for (const std::wstring_view name : {L"Command1", L"Command2"}) {
        const HWND button = Control(name);
        if (focus == button) {
            SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
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
    if (adapters_) {
        ApplyFont();
    }
}

void Form1::OnDestroyed() {
    lifetime_.WindowClosed();
}

}  // namespace numora
