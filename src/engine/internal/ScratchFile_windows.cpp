#include <windows.h>

#include <algorithm>
#include <vector>

#include "engine/SystemError.h"
#include "engine/internal/ScratchFile.h"

namespace textmend::internal {

namespace {

// ReadFile and WriteFile take 32-bit counts.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

HANDLE FileHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Security attributes whose access list admits the current user alone, nothing inherited.
class OwnerOnlySecurity {
  public:
    OwnerOnlySecurity() {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
            return;
        }
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        user_.resize(size / sizeof(std::uint64_t) + 1);
        const bool haveUser =
            size > 0 && GetTokenInformation(token, TokenUser, user_.data(), size, &size);
        CloseHandle(token);
        if (!haveUser) {
            return;
        }
        PSID sid = reinterpret_cast<TOKEN_USER*>(user_.data())->User.Sid;
        const DWORD aclSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid);
        acl_.resize(aclSize / sizeof(std::uint64_t) + 1);
        ACL* acl = reinterpret_cast<ACL*>(acl_.data());
        valid_ = InitializeAcl(acl, aclSize, ACL_REVISION) &&
                 AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, sid) &&
                 InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
                 SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) &&
                 SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
        attributes_ = {sizeof(SECURITY_ATTRIBUTES), &descriptor_, FALSE};
    }

    SECURITY_ATTRIBUTES* attributes() { return valid_ ? &attributes_ : nullptr; }

  private:
    std::vector<std::uint64_t> user_;
    std::vector<std::uint64_t> acl_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool valid_ = false;
};

}  // namespace

std::uint32_t CurrentProcessId() {
    return GetCurrentProcessId();
}

std::optional<std::filesystem::path> ProgramFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return std::nullopt;
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool IsNameTakenError(std::int32_t code) {
    return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS;
}

std::int32_t ScratchFile::TryCreate(const std::filesystem::path& path) {
    OwnerOnlySecurity security;
    // Not shared with anyone while open, and deleted by the system when closed, even
    // when the program ends abruptly.
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, security.attributes(),
                    CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return static_cast<std::int32_t>(GetLastError());
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    open_ = true;
    return 0;
}

void ScratchFile::Write(std::string_view data) {
    while (!data.empty()) {
        // At the file's end whatever the file pointer, which reads from another thread
        // move (ReadAt).
        OVERLAPPED atEnd{};
        atEnd.Offset = 0xFFFFFFFF;
        atEnd.OffsetHigh = 0xFFFFFFFF;
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min(data.size(), kMaxTransfer));
        if (!WriteFile(FileHandle(handle_), data.data(), chunk, &written, &atEnd)) {
            throw LastSystemError();
        }
        data.remove_prefix(written);
    }
}

std::size_t ScratchFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        // On a handle opened for plain, synchronous use, the offset in OVERLAPPED says
        // where to read, and the call returns when it has.
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset + got);
        at.OffsetHigh = static_cast<DWORD>((offset + got) >> 32);
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min(size - got, kMaxTransfer));
        if (!ReadFile(FileHandle(handle_), buffer + got, chunk, &read, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            throw LastSystemError();
        }
        if (read == 0) {
            break;
        }
        got += read;
    }
    return got;
}

void ScratchFile::Remove() {
    // Closing the handle deletes the file (FILE_FLAG_DELETE_ON_CLOSE).
    open_ = false;
    const bool closed = CloseHandle(FileHandle(handle_)) != 0;
    const DWORD closeError = GetLastError();
    path_.clear();
    if (!closed) {
        throw SystemError(static_cast<std::int32_t>(closeError));
    }
}

void ScratchFile::CloseAndDeleteQuietly() noexcept {
    if (open_) {
        CloseHandle(FileHandle(handle_));
        open_ = false;
    }
}

}  // namespace textmend::internal
