// Where the suite finds the program and puts its folders and pictures;
// the build passes them as Linux paths.
#pragma once

#include <string>

namespace numora::e2e {

std::wstring NumoraExePath();
std::wstring WorkFolder();        // parent of every test's own folder
std::wstring ScreenshotFolder();  // BMP pictures of the windows

}  // namespace numora::e2e
