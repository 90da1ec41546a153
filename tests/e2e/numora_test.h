// The fixture every end-to-end test starts from: a folder of its own, the
// program started there, and polled expectations that show what they saw.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "driver.h"
#include "shell/form_handlers.h"
#include "shell/layouts.h"
#include "shell/resource_ids.h"
#include "temp_folder.h"

namespace numora::e2e {

using Files = std::map<std::wstring, std::wstring>;  // name on disk -> its original name

class NumoraTest : public ::testing::Test {
  protected:
    Numora& Start() { return app_.emplace(folder_.Path()); }
    Numora& App() { return *app_; }
    HWND Control(int id) { return app_->Control(id); }

    tools::TempFolder folder_{std::filesystem::path(L"Z:" NUMORA_E2E_WORK).make_preferred()};
    std::optional<Numora> app_;
};

// Polls until `read` gives `expected`; a failure shows the last value read.
template <typename Read, typename T>
::testing::AssertionResult Becomes(Read read, const T& expected) {
    T last{};
    if (PollUntil([&] { return (last = read()) == expected; }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "stayed " << ::testing::PrintToString(last);
}

inline ::testing::AssertionResult TextBecomes(HWND window, const std::wstring& expected) {
    return Becomes([&] { return TextOf(window); }, expected);
}

inline ::testing::AssertionResult ItemsBecome(HWND list,
                                              const std::vector<std::wstring>& expected) {
    return Becomes([&] { return ItemsOf(list); }, expected);
}

}  // namespace numora::e2e
