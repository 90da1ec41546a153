// A spare drive letter mapped to a folder for the length of a test.
#pragma once

#include <windows.h>

#include <string>

namespace numora::testing {

// A lower-case letter that no drive uses, or 0 when all are taken.
inline wchar_t UnusedDriveLetter() {
    const DWORD drives = ::GetLogicalDrives();
    for (int bit = 25; bit >= 3; --bit) {
        if ((drives & (1u << bit)) == 0) return static_cast<wchar_t>(L'a' + bit);
    }
    return 0;
}

class ListingMappedDrive {
  public:
    // target need not exist: a drive that leads nowhere is how a drive without
    // its medium looks.
    explicit ListingMappedDrive(const std::wstring& target) : letter_(UnusedDriveLetter()) {
        if (letter_ != 0) {
            mapped_ = ::DefineDosDeviceW(0, Device().c_str(), target.c_str()) != 0;
        }
    }
    ~ListingMappedDrive() {
        if (mapped_) ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, Device().c_str(), nullptr);
    }
    ListingMappedDrive(const ListingMappedDrive&) = delete;
    ListingMappedDrive& operator=(const ListingMappedDrive&) = delete;

    bool Mapped() const { return mapped_; }
    wchar_t Letter() const { return letter_; }
    std::wstring Root() const { return {letter_, L':', L'\\'}; }

  private:
    std::wstring Device() const { return {static_cast<wchar_t>(letter_ - L'a' + L'A'), L':'}; }

    wchar_t letter_;
    bool mapped_ = false;
};

}  // namespace numora::testing
