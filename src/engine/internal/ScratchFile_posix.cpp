#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "engine/SystemError.h"
#include "engine/internal/ScratchFile.h"

namespace textmend::internal {

namespace {

// Large transfers go in pieces the kernel takes whole.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

int Descriptor(std::intptr_t handle) {
    return static_cast<int>(handle);
}

}  // namespace

std::uint32_t CurrentProcessId() {
    return static_cast<std::uint32_t>(getpid());
}

std::optional<std::filesystem::path> ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty()) {
        return std::nullopt;
    }
    return program.parent_path();
}

bool IsNameTakenError(std::int32_t code) {
    return code == EEXIST;
}

std::int32_t ScratchFile::TryCreate(const std::filesystem::path& path) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        return errno;
    }
    handle_ = fd;
    open_ = true;
    return 0;
}

void ScratchFile::Write(std::string_view data) {
    while (!data.empty()) {
        const ssize_t written =
            write(Descriptor(handle_), data.data(), std::min(data.size(), kMaxTransfer));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw LastSystemError();
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::size_t ScratchFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t read =
            pread(Descriptor(handle_), buffer + got, std::min(size - got, kMaxTransfer),
                  static_cast<off_t>(offset + got));
        if (read < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw LastSystemError();
        }
        if (read == 0) {
            break;
        }
        got += static_cast<std::size_t>(read);
    }
    return got;
}

void ScratchFile::Remove() {
    open_ = false;
    const bool closed = close(Descriptor(handle_)) == 0;
    const int closeError = errno;
    const bool deleted = unlink(path_.c_str()) == 0;
    const int deleteError = errno;
    if (deleted) {
        path_.clear();
    }
    if (!closed) {
        throw SystemError(closeError);
    }
    if (!deleted) {
        throw SystemError(deleteError);
    }
}

void ScratchFile::CloseAndDeleteQuietly() noexcept {
    if (open_) {
        close(Descriptor(handle_));
        open_ = false;
    }
    if (!path_.empty()) {
        unlink(path_.c_str());
    }
}

}  // namespace textmend::internal
