#include "rename/sequence_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <system_error>

namespace numora {
namespace {

// The counter is only ever one of the run's own whole-number texts; anything
// else is refused rather than guessed at, so the run stops on it.
double CounterValue(const std::wstring& counterText) {
    std::string narrow;
    narrow.reserve(counterText.size());
    for (const wchar_t ch : counterText) {
        if (ch < L' ' || ch > L'~') {
            throw std::invalid_argument("counter text is not a decimal number");
        }
        narrow.push_back(static_cast<char>(ch));
    }
    double value = 0.0;
    const char* const first = narrow.data();
    const char* const last = first + narrow.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last || narrow.empty()) {
        throw std::invalid_argument("counter text is not a decimal number");
    }
    return value;
}

// General number form: up to fifteen significant digits, so whole numbers
// below 1E+15 come out as their bare digits.
std::wstring GeneralNumberText(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::general, 15);
    if (error != std::errc{}) {
        throw std::range_error("number does not fit its text");
    }
    std::wstring text;
    for (const char* p = buffer.data(); p != end; ++p) {
        text.push_back(*p == 'e' ? L'E' : static_cast<wchar_t>(*p));
    }
    return text;
}

constexpr std::size_t kEntryCount = 6;  // one to six digits
constexpr std::array<double, kEntryCount - 1> kThresholds = {10.0, 100.0, 1000.0, 10000.0,
                                                             100000.0};

}  // namespace

std::wstring NextCounterText(const std::wstring& counterText) {
    return GeneralNumberText(CounterValue(counterText) + 1.0);
}

std::wstring ZeroPadding(const std::wstring& digitChoiceText,
                         const std::vector<std::wstring>& digitChoiceEntries,
                         const std::wstring& counterText, const std::wstring& heldPadding) {
    const std::size_t entries = std::min(digitChoiceEntries.size(), kEntryCount);
    for (std::size_t k = 0; k < entries; ++k) {
        if (digitChoiceText != digitChoiceEntries[k]) {
            continue;
        }
        // The value decides, not the length of the text.
        const double value = CounterValue(counterText);
        for (std::size_t t = 0; t < k; ++t) {
            if (value < kThresholds[t]) {
                return std::wstring(k - t, L'0');
            }
        }
        return std::wstring();
    }
    return heldPadding;
}

}  // namespace numora
