#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "browse/control_error.h"
#include "browse/directory_reader.h"
#include "browse/folder_path.h"
#include "listing_test_text.h"
#include "support/temp_folder.h"
#include "unused_drive_letter.h"

namespace numora {
namespace {

using test_support::TempFolder;
using testing::Printable;
using testing::UnusedDriveLetter;

std::wstring AsciiUpper(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return text;
}

wchar_t SystemDriveLetter() {
    wchar_t windows[MAX_PATH + 1] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH + 1);
    return *DriveLetterOf(windows);
}

// Puts the process's current directory back however the test ends.
class CurrentDirectoryGuard {
  public:
    CurrentDirectoryGuard() {
        wchar_t buffer[MAX_PATH + 1] = {};
        saved_.assign(buffer, ::GetCurrentDirectoryW(MAX_PATH + 1, buffer));
    }
    ~CurrentDirectoryGuard() { ::SetCurrentDirectoryW(saved_.c_str()); }
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

  private:
    std::wstring saved_;
};

// Puts an environment variable back however the test ends.
class EnvironmentVariableGuard {
  public:
    explicit EnvironmentVariableGuard(std::wstring name) : name_(std::move(name)) {
        wchar_t buffer[MAX_PATH + 1] = {};
        const DWORD length = ::GetEnvironmentVariableW(name_.c_str(), buffer, MAX_PATH + 1);
        existed_ = length > 0 && length <= MAX_PATH;
        value_.assign(buffer, existed_ ? length : 0);
    }
    ~EnvironmentVariableGuard() {
        ::SetEnvironmentVariableW(name_.c_str(), existed_ ? value_.c_str() : nullptr);
    }
    EnvironmentVariableGuard(const EnvironmentVariableGuard&) = delete;
    EnvironmentVariableGuard& operator=(const EnvironmentVariableGuard&) = delete;

  private:
    std::wstring name_;
    std::wstring value_;
    bool existed_ = false;
};

TEST(ResolveOpenableFolderTest, ARootIsItsLowerCaseLetterAndOneBackslash) {
    const wchar_t letter = SystemDriveLetter();
    const std::wstring root{letter, L':', L'\\'};
    const std::wstring requests[] = {root, AsciiUpper(root), AsciiUpper(root) + L"\\", root + L".",
                                     root + L"windows\\.."};
    for (const auto& request : requests) {
        SCOPED_TRACE(Printable(request));
        EXPECT_EQ(ResolveOpenableFolder(request), root);
    }
}

class ResolveFolderTest : public ::testing::Test {
  protected:
    ResolveFolderTest()
        : base(ResolveOpenableFolder(folder.Path())),
          inner(JoinFolder(JoinFolder(base, L"MixedCase写真"), L"Inner Dir")) {
        folder.AddFolder(L"MixedCase写真");
        folder.AddFolder(L"MixedCase写真\\Inner Dir");
    }
    TempFolder folder;
    std::wstring base;
    std::wstring inner;
};

TEST_F(ResolveFolderTest, TheTempFolderResolvesToItselfInListForm) {
    EXPECT_EQ(CompareStringOrdinal(base.c_str(), -1, folder.Path().c_str(), -1, TRUE), CSTR_EQUAL)
        << Printable(base) << " vs " << Printable(folder.Path());
    EXPECT_EQ(base, NormalizeFolderPath(base));
    EXPECT_EQ(ResolveOpenableFolder(base), base);
}

TEST_F(ResolveFolderTest, SpellsEveryNameAsTheFileSystemDoes) {
    const std::wstring requests[] = {
        inner,
        inner + L"\\",
        AsciiUpper(inner),
        AsciiUpper(inner) + L"\\",
        JoinFolder(folder.Path(), L"mixedcase写真\\inner dir"),
        JoinFolder(folder.Path(), L"MIXEDCASE写真\\INNER DIR\\..\\Inner Dir"),
        JoinFolder(folder.Path(), L"mixedcase写真\\.\\inner dir\\."),
    };
    for (const auto& request : requests) {
        SCOPED_TRACE(Printable(request));
        EXPECT_EQ(ResolveOpenableFolder(request), inner);
    }
}

TEST_F(ResolveFolderTest, AShortAliasBecomesTheLongName) {
    wchar_t shortPath[MAX_PATH + 1] = {};
    const DWORD length = ::GetShortPathNameW(inner.c_str(), shortPath, MAX_PATH + 1);
    ASSERT_GT(length, 0u);
    ASSERT_NE(std::wstring(shortPath, length), inner) << "no 8.3 alias to test with";
    EXPECT_EQ(ResolveOpenableFolder(std::wstring(shortPath, length)), inner)
        << Printable(std::wstring(shortPath, length));
}

TEST_F(ResolveFolderTest, ADriveTextOpensThatDrivesCurrentDirectory) {
    const CurrentDirectoryGuard guard;
    ASSERT_NE(::SetCurrentDirectoryW(AsciiUpper(inner).c_str()), 0);
    const wchar_t letter = *DriveLetterOf(inner);
    const std::wstring requests[] = {
        DriveDisplayText(letter, L""),
        DriveDisplayText(letter, L"SYSTEM"),
        DriveDisplayText(letter, L"写真　ディスク"),
        AsciiUpper(DriveDisplayText(letter, L"")),
    };
    for (const auto& request : requests) {
        SCOPED_TRACE(Printable(request));
        EXPECT_EQ(ResolveOpenableFolder(request), inner);
    }
}

TEST_F(ResolveFolderTest, AFolderThatCannotBeOpenedThrows) {
    const std::wstring file = folder.AddFile(L"plain.txt");
    const wchar_t unused = UnusedDriveLetter();
    ASSERT_NE(unused, 0);
    const std::wstring requests[] = {
        JoinFolder(folder.Path(), L"missing"),
        JoinFolder(folder.Path(), L"missing\\deeper"),
        file,
        JoinFolder(folder.Path(), L"Mixed*"),
        JoinFolder(folder.Path(), L"MixedCase??"),
        std::wstring{unused, L':'},
        DriveDisplayText(unused, L"GONE"),
        std::wstring{unused, L':', L'\\'},
        L"",
    };
    for (const auto& request : requests) {
        SCOPED_TRACE(Printable(request));
        EXPECT_THROW(ResolveOpenableFolder(request), ControlError);
    }
}

// A drive that the system lists but whose root leads nowhere is not ready. The
// test prefix maps r: to a missing folder (scripts/lib/wine-env.sh).
TEST(ResolveOpenableFolderTest, ADriveLeadingNowhereIsNotReady) {
    constexpr wchar_t kLetter = L'r';
    ASSERT_NE(::GetLogicalDrives() & (1u << (kLetter - L'a')), 0u)
        << "drive r: must be listed: link dosdevices/r: to a missing folder";
    const std::wstring root{kLetter, L':', L'\\'};
    EXPECT_THROW(ResolveOpenableFolder(std::wstring{kLetter, L':'}), ControlError);
    EXPECT_THROW(ResolveOpenableFolder(DriveDisplayText(kLetter, L"DATA")), ControlError);
    EXPECT_THROW(ResolveOpenableFolder(root), ControlError);
    EXPECT_THROW(ListFiles(root, L"*.*"), ControlError);
}

// Each drive keeps its own current directory, which the system holds in the
// environment variable "=X:"; without one a drive opens at its root.
TEST_F(ResolveFolderTest, ADriveThatIsNotCurrentOpensAtItsOwnCurrentDirectory) {
    const wchar_t letter = *DriveLetterOf(inner);
    wchar_t other = 0;
    for (wchar_t candidate = L'z'; candidate > L'a' && other == 0; --candidate) {
        const std::wstring root{candidate, L':', L'\\'};
        if (candidate != letter && ::GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES) {
            other = candidate;
        }
    }
    if (other == 0) {
        GTEST_SKIP() << "needs a second drive that can be opened";
    }
    const CurrentDirectoryGuard guard;
    const std::wstring variable{L'=', static_cast<wchar_t>(letter - L'a' + L'A'), L':'};
    const EnvironmentVariableGuard saved(variable);
    ASSERT_NE(::SetCurrentDirectoryW(std::wstring{other, L':', L'\\'}.c_str()), 0);

    ASSERT_NE(::SetEnvironmentVariableW(variable.c_str(), AsciiUpper(inner).c_str()), 0);
    EXPECT_EQ(ResolveOpenableFolder(DriveDisplayText(letter, L"DATA")), inner);
    EXPECT_EQ(ResolveOpenableFolder(std::wstring{letter, L':'}), inner);

    ASSERT_NE(::SetEnvironmentVariableW(variable.c_str(), nullptr), 0);
    EXPECT_EQ(ResolveOpenableFolder(DriveDisplayText(letter, L"DATA")),
              (std::wstring{letter, L':', L'\\'}));
}

}  // namespace
}  // namespace numora
