#include "rename/sequence_number.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace numora {
namespace {

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t ch : text) {
        out += ch < 0x80 ? static_cast<char>(ch) : '?';
    }
    return out;
}

struct PaddingRow {
    std::wstring choice;
    std::wstring counter;
    std::wstring expected;
};

TEST(ZeroPaddingTest, PadsByEntryAndValue) {
    const std::vector<PaddingRow> rows = {
        {L"１桁", L"1", L""},
        {L"１桁", L"9", L""},
        {L"１桁", L"10", L""},
        {L"１桁", L"32767", L""},
        {L"２桁", L"1", L"0"},
        {L"２桁", L"9", L"0"},
        {L"２桁", L"10", L""},
        {L"２桁", L"100", L""},
        {L"３桁", L"1", L"00"},
        {L"３桁", L"9", L"00"},
        {L"３桁", L"10", L"0"},
        {L"３桁", L"99", L"0"},
        {L"３桁", L"100", L""},
        {L"３桁", L"1000", L""},
        {L"４桁", L"7", L"000"},
        {L"４桁", L"70", L"00"},
        {L"４桁", L"700", L"0"},
        {L"４桁", L"999", L"0"},
        {L"４桁", L"7000", L""},
        {L"５桁", L"1", L"0000"},
        {L"５桁", L"99", L"000"},
        {L"５桁", L"100", L"00"},
        {L"５桁", L"9999", L"0"},
        {L"５桁", L"10000", L""},
        {L"５桁", L"32767", L""},
        {L"６桁", L"1", L"00000"},
        {L"６桁", L"10", L"0000"},
        {L"６桁", L"999", L"000"},
        {L"６桁", L"1000", L"00"},
        {L"６桁", L"9999", L"00"},
        {L"６桁", L"10000", L"0"},
        {L"６桁", L"32767", L"0"},
        {L"６桁", L"99999", L"0"},
        {L"６桁", L"100000", L""},
        {L"６桁", L"1000000", L""},
        // The value decides, not the length of the text.
        {L"３桁", L"010", L"0"},
        {L"６桁", L"00100", L"000"},
    };
    for (const PaddingRow& row : rows) {
        SCOPED_TRACE("entry " + std::to_string(row.choice[0] - L'０') + ", counter " +
                     Narrow(row.counter));
        EXPECT_EQ(ZeroPadding(row.choice, kEntries, row.counter, L"held"), row.expected);
    }
}

TEST(ZeroPaddingTest, TextMatchingNoEntryKeepsHeldPadding) {
    const std::vector<std::wstring> choices = {L"3桁", L"", L"３桁 ", L"３", L"３けた", L"6桁"};
    const std::vector<std::wstring> held = {L"", L"00", L"x"};
    for (const std::wstring& choice : choices) {
        for (const std::wstring& padding : held) {
            SCOPED_TRACE("choice '" + Narrow(choice) + "' held '" + Narrow(padding) + "'");
            EXPECT_EQ(ZeroPadding(choice, kEntries, L"1", padding), padding);
            EXPECT_EQ(ZeroPadding(choice, kEntries, L"123", padding), padding);
        }
    }
}

TEST(ZeroPaddingTest, MeaningLiesInTheEntryPosition) {
    const std::vector<std::wstring> letters = {L"a", L"b", L"c", L"d", L"e", L"f"};
    EXPECT_EQ(ZeroPadding(L"a", letters, L"1", L""), L"");
    EXPECT_EQ(ZeroPadding(L"c", letters, L"1", L""), L"00");
    EXPECT_EQ(ZeroPadding(L"f", letters, L"1", L""), L"00000");
    // Case counts: "C" is no entry.
    EXPECT_EQ(ZeroPadding(L"C", letters, L"1", L"held"), L"held");

    // The first equal entry decides.
    const std::vector<std::wstring> twice = {L"x", L"y", L"z", L"y", L"w", L"v"};
    EXPECT_EQ(ZeroPadding(L"y", twice, L"1", L""), L"0");

    // Only six entries take part.
    std::vector<std::wstring> seven = kEntries;
    seven.push_back(L"７桁");
    EXPECT_EQ(ZeroPadding(L"７桁", seven, L"1", L"held"), L"held");

    // A shorter list is compared as far as it goes.
    const std::vector<std::wstring> two = {L"１桁", L"２桁"};
    EXPECT_EQ(ZeroPadding(L"２桁", two, L"5", L""), L"0");
    EXPECT_EQ(ZeroPadding(L"３桁", two, L"5", L"held"), L"held");
}

TEST(ZeroPaddingTest, RefusesCounterThatIsNoNumberWhenItMatters) {
    EXPECT_THROW(ZeroPadding(L"３桁", kEntries, L"abc", L""), std::invalid_argument);
    // With no matching entry the counter is not looked at.
    EXPECT_EQ(ZeroPadding(L"3桁", kEntries, L"abc", L"held"), L"held");
}

TEST(NextCounterTextTest, StepsThroughDoubleAndGeneralForm) {
    const std::vector<std::pair<std::wstring, std::wstring>> rows = {
        {L"0", L"1"},
        {L"1", L"2"},
        {L"9", L"10"},
        {L"99", L"100"},
        {L"999", L"1000"},
        {L"9999", L"10000"},
        {L"32766", L"32767"},
        {L"32767", L"32768"},
        {L"-1", L"0"},
        {L"1.5", L"2.5"},
        {L"007", L"8"},
        {L"99999999999999", L"100000000000000"},
        {L"999999999999999", L"1E+15"},
    };
    for (const auto& [counter, expected] : rows) {
        SCOPED_TRACE("counter " + Narrow(counter));
        EXPECT_EQ(NextCounterText(counter), expected);
    }
}

TEST(NextCounterTextTest, EveryCounterOfTheLongestRunIsBareDigits) {
    std::wstring counter = L"0";
    for (int i = 1; i <= 32767; ++i) {
        counter = NextCounterText(counter);
        ASSERT_EQ(counter, std::to_wstring(i));
    }
}

TEST(NextCounterTextTest, RefusesTextThatIsNoNumber) {
    const std::vector<std::wstring> rows = {L"", L"abc", L"1x", L"１", L"x1"};
    for (const std::wstring& counter : rows) {
        SCOPED_TRACE("counter '" + Narrow(counter) + "'");
        EXPECT_THROW(NextCounterText(counter), std::invalid_argument);
    }
}

}  // namespace
}  // namespace numora
