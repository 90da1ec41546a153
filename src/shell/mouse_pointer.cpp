#include "shell/mouse_pointer.h"

namespace numora {
namespace {

HCURSOR CursorFor(MousePointer pointer) {
    return LoadCursorW(nullptr,
                       pointer == MousePointer::ArrowHourglass ? IDC_APPSTARTING : IDC_ARROW);
}

}  // namespace

void MousePointerShape::Set(MousePointer pointer) {
    pointer_ = pointer;
    // A run does not pump messages, so no WM_SETCURSOR would show the change.
    SetCursor(CursorFor(pointer));
}

bool MousePointerShape::ApplyOnSetCursor() const {
    if (pointer_ == MousePointer::Default) {
        return false;  // every control keeps its own pointer
    }
    SetCursor(CursorFor(pointer_));
    return true;
}

}  // namespace numora
