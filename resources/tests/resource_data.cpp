#include "resource_data.h"

namespace numora {

std::span<const std::byte> OwnResource(const wchar_t* type, const wchar_t* name) {
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(self, name, type);
    if (info == nullptr) {
        return {};
    }
    // Loaded resources belong to the module image: nothing to free.
    HGLOBAL loaded = LoadResource(self, info);
    const void* data = loaded == nullptr ? nullptr : LockResource(loaded);
    if (data == nullptr) {
        return {};
    }
    return {static_cast<const std::byte*>(data), SizeofResource(self, info)};
}

std::string_view OwnResourceText(const wchar_t* type, const wchar_t* name) {
    const std::span<const std::byte> bytes = OwnResource(type, name);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace numora
