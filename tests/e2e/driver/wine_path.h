// The suite's folders are Linux paths; Wine shows the Linux root as drive Z:.
#pragma once

#include <string>
#include <vector>

namespace numora::e2e {

// "/work/x" -> "Z:\work\x". A path that already has a drive stays as it is.
std::wstring ToWinePath(const std::string& linuxPath);

// The rows that a folder tree shows for a full path: "z:\" then each folder
// name ("Z:\a\b" -> {"z:\", "a", "b"}).
std::vector<std::wstring> PathTreeRows(const std::wstring& winePath);

}  // namespace numora::e2e
