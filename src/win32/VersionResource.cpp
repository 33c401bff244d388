#include "win32/VersionResource.h"

#include <vector>

namespace textmend {

AppVersion AppVersionFromFileVersion(std::uint32_t versionMs, std::uint32_t versionLs) {
    return {static_cast<int>(HIWORD(versionMs)), static_cast<int>(LOWORD(versionMs)),
            static_cast<int>(LOWORD(versionLs))};
}

std::optional<AppVersion> ReadAppVersion(HMODULE module) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (found == nullptr) {
        return std::nullopt;
    }
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
    const DWORD size = SizeofResource(module, found);
    if (bytes == nullptr || size == 0) {
        return std::nullopt;
    }
    // The query may write into its block, so it works on a copy of the resource.
    std::vector<unsigned char> block(bytes, bytes + size);
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", &value, &length) ||
        length < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
    if (info->dwSignature != VS_FFI_SIGNATURE) {
        return std::nullopt;
    }
    return AppVersionFromFileVersion(info->dwFileVersionMS, info->dwFileVersionLS);
}

}  // namespace textmend
