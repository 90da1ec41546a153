#include "rename/sequence_number.h"

#include <gtest/gtest.h>

#include <tuple>

namespace numora {
namespace {

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};

TEST(SequenceNumberTest, CounterStepsByOneWithoutLeadingZeros) {
    const std::pair<const wchar_t*, const wchar_t*> steps[] = {
        {L"0", L"1"}, {L"9", L"10"}, {L"99", L"100"}, {L"999", L"1000"}, {L"32766", L"32767"}};
    for (const auto& [counter, next] : steps) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(counter)));
        EXPECT_EQ(NextCounterText(counter), next);
    }
}

TEST(SequenceNumberTest, PaddingFillsUpToTheChosenWidthByValue) {
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> rows[] = {
        {L"１桁", L"1", L""},      {L"２桁", L"9", L"0"},     {L"２桁", L"10", L""},
        {L"３桁", L"1", L"00"},    {L"３桁", L"99", L"0"},    {L"３桁", L"1000", L""},
        {L"４桁", L"7", L"000"},   {L"５桁", L"1", L"0000"},  {L"５桁", L"10000", L""},
        {L"６桁", L"9999", L"00"}, {L"６桁", L"32767", L"0"}, {L"６桁", L"100000", L""},
        {L"3桁", L"1", L""},       {L"", L"1", L""}};  // no entry: what the run holds, here none
    for (const auto& [choice, counter, padding] : rows) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(choice) + L" " + counter));
        EXPECT_EQ(ZeroPadding(choice, kEntries, counter, L""), padding);
    }
    EXPECT_EQ(ZeroPadding(L"３桁 ", kEntries, L"5", L"00"), L"00")
        << "no entry: what the run holds";
    const std::vector<std::wstring> repeating = {L"a", L"b", L"c", L"b", L"e", L"f"};
    EXPECT_EQ(ZeroPadding(L"b", repeating, L"1", L""), L"0") << "the first equal entry decides";
    EXPECT_EQ(ZeroPadding(L"f", repeating, L"1", L""), L"00000");
}

}  // namespace
}  // namespace numora
