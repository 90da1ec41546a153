// The main window's mouse pointer shapes, by their numbers.
#pragma once

namespace numora {

enum class MousePointer { Default = 0, ArrowHourglass = 13 };

}  // namespace numora
