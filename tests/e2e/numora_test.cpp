#include "numora_test.h"

#include <windows.h>

#include "driver/driver_error.h"
#include "driver/folder_rows.h"
#include "driver/window_query.h"

namespace numora::e2e {
namespace {

template <typename T>
::testing::AssertionResult Becomes(const std::function<T()>& read, const T& expected,
                                   const char* what) {
    T last{};
    if (PollUntil([&] { return (last = read()) == expected; })) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << what << " stayed " << Describe(last) << " instead of becoming " << Describe(expected)
           << " within " << kUiTimeout.count() << " ms";
}

}  // namespace

void NumoraTest::TearDown() {
    app_.reset();
}

NumoraApp& NumoraTest::StartNumora(const std::wstring& subfolder) {
    app_.reset();
    app_ = std::make_unique<NumoraApp>(subfolder.empty() ? folder_.Path()
                                                         : folder_.Path() + L"\\" + subfolder);
    return *app_;
}

NumoraApp& NumoraTest::App() const {
    if (!app_) {
        throw DriverError("the test has not started the program");
    }
    return *app_;
}

std::map<std::wstring, std::wstring> NumoraTest::FilesWithContent(
    const std::wstring& subfolder) const {
    std::map<std::wstring, std::wstring> files;
    for (const auto& name : folder_.Names(subfolder)) {
        files[name] = folder_.Content(subfolder.empty() ? name : subfolder + L"\\" + name)
                          .value_or(L"(unreadable)");
    }
    return files;
}

std::string Describe(const std::wstring& text) {
    std::string quoted(1, '"');
    return quoted.append(Narrow(text)).append(1, '"');
}

std::string Describe(const std::vector<std::wstring>& texts) {
    std::string description(1, '{');
    for (std::size_t i = 0; i < texts.size(); ++i) {
        description.append(i == 0 ? "" : ", ").append(Describe(texts[i]));
    }
    return description.append(1, '}');
}

std::string Describe(const std::map<std::wstring, std::wstring>& files) {
    std::string description(1, '{');
    for (const auto& [name, content] : files) {
        description.append(description.size() == 1 ? "" : ", ").append(Narrow(name)).append(" <- ");
        description.append(Narrow(content));
    }
    return description.append(1, '}');
}

::testing::AssertionResult TextBecomes(HWND control, const std::wstring& expected) {
    return Becomes<std::wstring>([&] { return TextOf(control); }, expected, "the text");
}

::testing::AssertionResult ListBecomes(HWND listBox, const std::vector<std::wstring>& expected) {
    return Becomes<std::vector<std::wstring>>([&] { return ListBoxItems(listBox); }, expected,
                                              "the list");
}

::testing::AssertionResult FolderRowsBecome(HWND dir1, const std::vector<std::wstring>& expected) {
    return Becomes<std::vector<std::wstring>>([&] { return FolderRows(dir1); }, expected,
                                              "the folder rows");
}

bool StaysTrueFor(const std::function<bool()>& condition, std::chrono::milliseconds span) {
    return !PollUntil([&] { return !condition(); }, span);
}

}  // namespace numora::e2e
