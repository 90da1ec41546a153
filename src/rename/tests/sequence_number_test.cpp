#include "rename/sequence_number.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};

TEST(SequenceNumberTest, CounterStepsByOneWithoutLeadingZeros) {
    const std::pair<const wchar_t*, const wchar_t*> steps[] = {
        {L"0", L"1"}, {L"9", L"10"}, {L"99", L"100"}, {L"999", L"1000"}, {L"32766", L"32767"}};
    for (const auto& [counter, next] : steps) EXPECT_EQ(NextCounterText(counter), next);
}

TEST(SequenceNumberTest, PaddingFillsUpToTheChosenWidthByValue) {
    const struct {
        const wchar_t *choice, *counter, *held, *padding;
    } rows[] = {
        {L"１桁", L"1", L"", L""},
        {L"２桁", L"9", L"", L"0"},
        {L"２桁", L"10", L"", L""},
        {L"３桁", L"1", L"", L"00"},
        {L"３桁", L"99", L"", L"0"},
        {L"３桁", L"100", L"", L""},
        {L"３桁", L"1000", L"", L""},
        {L"４桁", L"7", L"", L"000"},
        {L"４桁", L"700", L"", L"0"},
        {L"４桁", L"7000", L"", L""},
        {L"５桁", L"1", L"", L"0000"},
        {L"５桁", L"9999", L"", L"0"},
        {L"５桁", L"10000", L"", L""},
        {L"６桁", L"9999", L"", L"00"},
        {L"６桁", L"32767", L"", L"0"},
        {L"６桁", L"100000", L"", L""},
        // A choice that equals no entry keeps what the run holds.
        {L"3桁", L"1", L"", L""},
        {L"", L"1", L"", L""},
        {L"３桁 ", L"5", L"00", L"00"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ZeroPadding(row.choice, kEntries, row.counter, row.held), row.padding)
            << ::testing::PrintToString(std::wstring(row.choice) + L" " + row.counter);
    }
}

TEST(SequenceNumberTest, TheFirstEqualEntryDecidesByItsPosition) {
    const std::vector<std::wstring> entries = {L"a", L"b", L"c", L"b", L"e", L"f"};
    EXPECT_EQ(ZeroPadding(L"b", entries, L"1", L""), L"0");
    EXPECT_EQ(ZeroPadding(L"f", entries, L"1", L""), L"00000");
}

}  // namespace
}  // namespace numora
