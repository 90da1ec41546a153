// The running number of a rename run and its zero padding.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// The digit box's entries as start-up fills it. An entry means what its place
// means, whatever its text: entry k asks for k + 1 digits.
inline constexpr std::array<std::wstring_view, 6> kDigitChoiceEntries = {L"１桁", L"２桁", L"３桁",
                                                                         L"４桁", L"５桁", L"６桁"};

// The counter text stepped by one, through a double-precision number, in the
// platform's general number form ("0" -> "1", "99" -> "100").
std::wstring NextCounterText(const std::wstring& counterText);

// The padding of leading zeros for the current file. Of the given entries (the
// digit box's, read from it) the one at index k asks for k + 1 digits; a
// digit-choice text that equals none of the first six (exactly, case included)
// keeps the padding the run already holds.
std::wstring ZeroPadding(const std::wstring& digitChoiceText,
                         const std::vector<std::wstring>& digitChoiceEntries,
                         const std::wstring& counterText, const std::wstring& heldPadding);

}  // namespace numora
