// The version block, read back the way Explorer's property sheet reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace numora {
namespace {

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

class VersionBlock {
  public:
    static VersionBlock OfThisProgram() {
        const std::wstring path = OwnPath();
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        std::vector<std::byte> data(size);
        if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, data.data())) {
            data.clear();
        }
        return VersionBlock(std::move(data));
    }

    bool Empty() const { return data_.empty(); }

    // A binary value; its length counts bytes.
    std::span<const std::byte> Value(const std::wstring& subBlock) const {
        const auto [value, length] = Query(subBlock);
        return {static_cast<const std::byte*>(value), length};
    }

    // A string value; its length counts characters, the terminating zero included.
    std::optional<std::wstring> String(const std::wstring& language,
                                       const std::wstring& key) const {
        const auto [value, length] = Query(L"\\StringFileInfo\\" + language + L"\\" + key);
        if (value == nullptr) {
            return std::nullopt;
        }
        std::wstring text(static_cast<const wchar_t*>(value), length);
        while (!text.empty() && text.back() == L'\0') {
            text.pop_back();
        }
        return text;
    }

  private:
    explicit VersionBlock(std::vector<std::byte> data) : data_(std::move(data)) {}

    std::pair<const void*, UINT> Query(const std::wstring& subBlock) const {
        void* value = nullptr;
        UINT length = 0;
        // VerQueryValueW takes a non-const block although it only reads it.
        if (data_.empty() || !VerQueryValueW(const_cast<std::byte*>(data_.data()), subBlock.c_str(),
                                             &value, &length)) {
            return {nullptr, 0};
        }
        return {value, value == nullptr ? 0 : length};
    }

    std::vector<std::byte> data_;
};

constexpr const wchar_t* kJapaneseUnicode = L"041104B0";

TEST(VersionResource, FixedPartNamesVersionOneOfAWindowsApplication) {
    const VersionBlock block = VersionBlock::OfThisProgram();
    ASSERT_FALSE(block.Empty()) << "the executable carries no version block";
    const std::span<const std::byte> root = block.Value(L"\\");
    ASSERT_EQ(root.size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed{};
    std::memcpy(&fixed, root.data(), sizeof fixed);

    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(fixed.dwFileVersionMS), 1u);
    EXPECT_EQ(LOWORD(fixed.dwFileVersionMS), 0u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(HIWORD(fixed.dwProductVersionMS), 1u);
    EXPECT_EQ(LOWORD(fixed.dwProductVersionMS), 0u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0u);
    EXPECT_EQ(fixed.dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed.dwFileFlags & fixed.dwFileFlagsMask, 0u) << "marked debug or pre-release";
}

TEST(VersionResource, TranslationIsJapaneseWithTheUnicodeCodePage) {
    const VersionBlock block = VersionBlock::OfThisProgram();
    const std::span<const std::byte> translation = block.Value(L"\\VarFileInfo\\Translation");
    ASSERT_EQ(translation.size(), 2 * sizeof(WORD)) << "expected exactly one language pair";
    WORD pair[2] = {};
    std::memcpy(pair, translation.data(), sizeof pair);
    EXPECT_EQ(pair[0], 0x0411);
    EXPECT_EQ(pair[1], 0x04B0);
}

struct StringRow {
    const wchar_t* key;
    const wchar_t* expected;
};

const StringRow kStrings[] = {
    {L"FileVersion", L"1.00"},    {L"ProductVersion", L"1.00"},
    {L"ProductName", L"Numora"},  {L"FileDescription", L"Numora"},
    {L"InternalName", L"numora"}, {L"OriginalFilename", L"numora.exe"},
};

TEST(VersionResource, JapaneseStringTableHoldsTheProductTexts) {
    const VersionBlock block = VersionBlock::OfThisProgram();
    for (const StringRow& row : kStrings) {
        SCOPED_TRACE(testing::Message() << "key " << row.key);
        const std::optional<std::wstring> value = block.String(kJapaneseUnicode, row.key);
        ASSERT_TRUE(value.has_value()) << "missing";
        EXPECT_EQ(*value, row.expected);
    }
}

TEST(VersionResource, CopyrightLineNamesTheProductOnOneLine) {
    const std::optional<std::wstring> copyright =
        VersionBlock::OfThisProgram().String(kJapaneseUnicode, L"LegalCopyright");
    ASSERT_TRUE(copyright.has_value());
    EXPECT_NE(copyright->find(L"Numora"), std::wstring::npos);
    EXPECT_EQ(copyright->find_first_of(L"\r\n"), std::wstring::npos);
}

TEST(VersionResource, NoStringTableUnderAnotherLanguage) {
    const VersionBlock block = VersionBlock::OfThisProgram();
    for (const wchar_t* language : {L"040904B0", L"041103A4", L"040904E4"}) {
        SCOPED_TRACE(testing::Message() << "language block " << language);
        EXPECT_FALSE(block.String(language, L"ProductName").has_value());
    }
}

}  // namespace
}  // namespace numora
