// The one file-system operation a rename run needs, injected so the engine
// stays free of windows.h.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace numora {

struct RenameOutcome {
    bool succeeded = false;
    std::uint32_t errorCode = 0;  // the system's error code when it failed
};

// Renames oldName to newName (full paths). Must fail, replacing nothing, when
// newName exists or oldName does not.
using RenameFile =
    std::function<RenameOutcome(const std::wstring& oldName, const std::wstring& newName)>;

}  // namespace numora
