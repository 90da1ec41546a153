// The about window: its controls and its own properties.
#pragma once

#include <array>

#include "shell/layout_types.h"
#include "shell/resource_ids.h"

namespace numora {

inline constexpr WindowLayout kForm2Window{L"Form2", L"Numora   バージョン情報", 4680, 3195};

// The label drawn in pure black rather than the system's text colour.
inline constexpr std::wstring_view kForm2BlackLabel = L"lblDisclaimer";

// The image first (it has no tab position), then the rest in tab order.
inline constexpr std::array<ControlLayout, 6> kForm2Controls{{
    {L"Image1",
     ControlKind::Image,
     IDC_FORM2_IMAGE1,
     L"",
     {120, 240, 510, 510},
     kNotInTabOrder,
     false},
    {L"Label1",
     ControlKind::Label,
     IDC_FORM2_LABEL1,
     L"製品名       Numora",
     {960, 360, 1935, 225},
     0,
     false},
    {L"Command1",
     ControlKind::PushButton,
     IDC_FORM2_COMMAND1,
     L"OK",
     {1680, 2400, 1215, 375},
     1,
     true},
    {L"lblVersion",
     ControlKind::Label,
     IDC_FORM2_LBLVERSION,
     L"ﾊﾞｰｼﾞｮﾝ      1.00 20010503",
     {960, 840, 2445, 225},
     2,
     false},
    {L"lblDisclaimer",
     ControlKind::Label,
     IDC_FORM2_LBLDISCLAIMER,
     L"(C) 2001 Numora",
     {960, 1320, 1710, 225},
     3,
     false},
    {L"Label2",
     ControlKind::Label,
     IDC_FORM2_LABEL2,
     L"https://numora.example/",
     {360, 1800, 3975, 225},
     4,
     false},
}};

}  // namespace numora
