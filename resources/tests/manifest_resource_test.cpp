// The application manifest: its text, and what the loader made of it for this process.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "resource_data.h"

namespace numora {
namespace {

std::string_view ManifestText() {
    return OwnResourceText(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID);
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Appends piece by piece: GCC 12 misreports a restrict overlap in "<" + std::string(...).
std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::string joined;
    for (const std::string_view piece : pieces) {
        joined.append(piece);
    }
    return joined;
}

// The start tags "<name ...>" in xml, each from '<' to its '>'.
std::vector<std::string_view> StartTags(std::string_view xml, std::string_view name) {
    std::vector<std::string_view> tags;
    const std::string open = Joined({"<", name});
    for (std::size_t at = xml.find(open); at != std::string_view::npos;
         at = xml.find(open, at + 1)) {
        const std::size_t after = at + open.size();
        if (after < xml.size() && (IsSpace(xml[after]) || xml[after] == '>' || xml[after] == '/')) {
            const std::size_t end = xml.find('>', after);
            if (end != std::string_view::npos) {
                tags.push_back(xml.substr(at, end - at + 1));
            }
        }
    }
    return tags;
}

std::optional<std::string_view> Attribute(std::string_view tag, std::string_view name) {
    const std::string key = Joined({name, "=\""});
    for (std::size_t at = tag.find(key); at != std::string_view::npos; at = tag.find(key, at + 1)) {
        if (at > 0 && IsSpace(tag[at - 1])) {
            const std::size_t begin = at + key.size();
            const std::size_t end = tag.find('"', begin);
            if (end != std::string_view::npos) {
                return tag.substr(begin, end - begin);
            }
        }
    }
    return std::nullopt;
}

std::wstring Widen(std::string_view ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

struct AttributeRow {
    const char* name;
    const char* value;
};

void ExpectAttributes(std::string_view tag, std::initializer_list<AttributeRow> rows) {
    for (const AttributeRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "attribute " << row.name);
        const std::optional<std::string_view> value = Attribute(tag, row.name);
        ASSERT_TRUE(value.has_value()) << "missing in " << tag;
        EXPECT_EQ(*value, row.value);
    }
}

TEST(ManifestResource, RunsAsInvokerWithoutUiAccess) {
    const std::vector<std::string_view> levels =
        StartTags(ManifestText(), "requestedExecutionLevel");
    ASSERT_EQ(levels.size(), 1u);
    ExpectAttributes(levels.front(), {{"level", "asInvoker"}, {"uiAccess", "false"}});
}

TEST(ManifestResource, SupportsWindows7To11) {
    std::vector<std::string> ids;
    for (const std::string_view tag : StartTags(ManifestText(), "supportedOS")) {
        const std::optional<std::string_view> id = Attribute(tag, "Id");
        ASSERT_TRUE(id.has_value()) << tag;
        ids.emplace_back(*id);
    }
    std::sort(ids.begin(), ids.end());
    const std::vector<std::string> expected = {
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
    };
    EXPECT_EQ(ids, expected);
}

struct SettingRow {
    const char* name;
    const char* nameSpace;
    const char* value;
};

constexpr const char* k2005 = "http://schemas.microsoft.com/SMI/2005/WindowsSettings";
constexpr const char* k2016 = "http://schemas.microsoft.com/SMI/2016/WindowsSettings";

const SettingRow kSettings[] = {
    {"dpiAware", k2005, "true/pm"},
    {"dpiAwareness", k2016, "PerMonitorV2, PerMonitor"},
    {"longPathAware", k2016, "true"},
};

TEST(ManifestResource, LoaderReportsTheWindowsSettings) {
    for (const SettingRow& row : kSettings) {
        SCOPED_TRACE(testing::Message() << "setting " << row.name);
        wchar_t value[64] = {};
        SIZE_T written = 0;
        const BOOL found =
            QueryActCtxSettingsW(0, nullptr, Widen(row.nameSpace).c_str(), Widen(row.name).c_str(),
                                 value, std::size(value), &written);
        ASSERT_TRUE(found) << "error " << GetLastError();
        EXPECT_EQ(std::wstring(value), Widen(row.value));
    }
}

struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;

std::wstring Lowered(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z') {
            c = static_cast<wchar_t>(c - L'A' + L'a');
        }
    }
    return text;
}

// Version 6 lives in the side-by-side store; without the dependency the loader
// would hand out the version 5 copy from the system folder.
TEST(ManifestResource, LoaderBindsCommonControlsFromTheSideBySideStore) {
    UniqueModule comctl(LoadLibraryW(L"comctl32.dll"));
    ASSERT_TRUE(comctl) << "error " << GetLastError();
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(comctl.get(), path, MAX_PATH);
    ASSERT_GT(length, 0u);
    const std::wstring folder = Lowered(path);
    EXPECT_NE(folder.find(L"\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::wstring::npos)
        << "loaded from " << path;
}

}  // namespace
}  // namespace numora
