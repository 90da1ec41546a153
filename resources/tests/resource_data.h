// Access to the resources compiled into this test program itself.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>
#include <string_view>

namespace numora {

// The raw bytes of one of this executable's resources; empty when it has none of that name.
std::span<const std::byte> OwnResource(const wchar_t* type, const wchar_t* name);

// The same bytes seen as narrow text (manifests, pixel maps).
std::string_view OwnResourceText(const wchar_t* type, const wchar_t* name);

}  // namespace numora
