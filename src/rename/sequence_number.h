// The running number of a rename run and its zero padding.
#pragma once

#include <string>
#include <vector>

namespace numora {

// The counter text stepped by one, through a double-precision number, in the
// platform's general number form ("0" -> "1", "99" -> "100").
std::wstring NextCounterText(const std::wstring& counterText);

// The padding of leading zeros for the current file. Of the given entries (the
// digit box's, read from it) the one at index k asks for k + 1 digits, whatever
// its text; a digit-choice text that equals none of the first six (exactly, case
// included) keeps the padding the run already holds.
std::wstring ZeroPadding(const std::wstring& digitChoiceText,
                         const std::vector<std::wstring>& digitChoiceEntries,
                         const std::wstring& counterText, const std::wstring& heldPadding);

}  // namespace numora
