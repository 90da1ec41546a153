#include "rename/sequence_number.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numora {
namespace {

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};

TEST(SequenceNumberTest, CounterStepsByOneWithoutLeadingZeros) {
    const std::vector<std::pair<std::wstring, std::wstring>> steps = {
        {L"0", L"1"}, {L"9", L"10"}, {L"99", L"100"}, {L"999", L"1000"}, {L"32766", L"32767"}};
    for (const auto& [counter, next] : steps) {
        EXPECT_EQ(NextCounterText(counter), next) << "after " << ::testing::PrintToString(counter);
    }
}

struct PaddingRow {
    std::wstring choice;
    std::wstring counter;
    std::wstring held;  // the padding the run holds
    std::wstring expected;
};

TEST(SequenceNumberTest, PaddingFillsUpToTheChosenWidthByValue) {
    const std::vector<PaddingRow> rows = {
        {L"１桁", L"1", L"", L""},
        {L"１桁", L"10", L"", L""},
        {L"２桁", L"1", L"", L"0"},
        {L"２桁", L"9", L"", L"0"},
        {L"２桁", L"10", L"", L""},
        {L"２桁", L"100", L"", L""},
        {L"３桁", L"1", L"", L"00"},
        {L"３桁", L"9", L"", L"00"},
        {L"３桁", L"10", L"", L"0"},
        {L"３桁", L"99", L"", L"0"},
        {L"３桁", L"100", L"", L""},
        {L"３桁", L"1000", L"", L""},
        {L"４桁", L"7", L"", L"000"},
        {L"４桁", L"70", L"", L"00"},
        {L"４桁", L"700", L"", L"0"},
        {L"４桁", L"7000", L"", L""},
        {L"５桁", L"1", L"", L"0000"},
        {L"５桁", L"9999", L"", L"0"},
        {L"５桁", L"10000", L"", L""},
        {L"６桁", L"1", L"", L"00000"},
        {L"６桁", L"9999", L"", L"00"},
        {L"６桁", L"10000", L"", L"0"},
        {L"６桁", L"32767", L"", L"0"},
        {L"６桁", L"100000", L"", L""},
        // A choice equal to no entry keeps what the run holds: the plain digit,
        // an empty text, another case.
        {L"3桁", L"1", L"", L""},
        {L"", L"1", L"", L""},
        {L"3桁", L"5", L"00", L"00"},
        {L"３桁 ", L"1", L"", L""},
    };
    for (const PaddingRow& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.choice) + " at " +
                     ::testing::PrintToString(row.counter));
        EXPECT_EQ(ZeroPadding(row.choice, kEntries, row.counter, row.held), row.expected);
    }
}

TEST(SequenceNumberTest, TheFirstEqualEntryDecidesAndOnlyItsPositionCounts) {
    // The texts are read from the list: what matters is where the choice stands in it.
    const std::vector<std::wstring> renamed = {L"a", L"b", L"c", L"b", L"e", L"f"};
    EXPECT_EQ(ZeroPadding(L"b", renamed, L"1", L""), L"0");
    EXPECT_EQ(ZeroPadding(L"f", renamed, L"1", L""), L"00000");
}

}  // namespace
}  // namespace numora
