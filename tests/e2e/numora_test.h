// The fixture every end-to-end test starts from: a folder of its own, the
// program started there, and polled expectations that name what they saw.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "driver/numora_app.h"
#include "driver/poll.h"
#include "driver/settings.h"
#include "support/temp_folder.h"

namespace numora::e2e {

class NumoraTest : public ::testing::Test {
  protected:
    void TearDown() override;

    // Starts the program in the test's folder (or a folder below it).
    NumoraApp& StartNumora(const std::wstring& subfolder = L"");
    NumoraApp& App() const;
    HWND Control(int id) const { return App().Control(id); }

    // Every file of the test's folder with its content (its original name).
    std::map<std::wstring, std::wstring> FilesWithContent(
        const std::wstring& subfolder = L"") const;

    test_support::TempFolder folder_{WorkFolder()};

  private:
    std::unique_ptr<NumoraApp> app_;
};

std::string Describe(const std::wstring& text);
std::string Describe(const std::vector<std::wstring>& texts);
std::string Describe(const std::map<std::wstring, std::wstring>& files);

// Names a parameterised test after the `name` of its row.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

// Polls the control until its text is `expected`.
::testing::AssertionResult TextBecomes(HWND control, const std::wstring& expected);
// Polls the list box until its rows are exactly `expected`, in order.
::testing::AssertionResult ListBecomes(HWND listBox, const std::vector<std::wstring>& expected);
// Polls the folder list until its rows (indentation stripped) are `expected`.
::testing::AssertionResult FolderRowsBecome(HWND dir1, const std::vector<std::wstring>& expected);
// Holds when `condition` stays true for the whole of `span` (an event that
// must not happen gets that long to happen).
bool StaysTrueFor(const std::function<bool()>& condition, std::chrono::milliseconds span);

}  // namespace numora::e2e
