#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "engine/ScratchFile.h"
#include "engine/SystemError.h"

namespace textmend::detail {

namespace {

// Large transfers go in pieces the kernel takes whole.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

#ifdef MAP_POPULATE
constexpr int kMapAllAtOnce = MAP_POPULATE;
#else
constexpr int kMapAllAtOnce = 0;
#endif

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

std::string_view ScratchFile::ReadBack(std::size_t size) {
    struct stat status {};
    if (fstat(Descriptor(handle_), &status) != 0) {
        throw LastSystemError();
    }
    // Mapping no more than the file holds: a page past its end could not be read.
    size = std::min(size, static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)));
    if (size == 0) {
        return {};
    }
    // The file's pages are already in memory from the writing: mapping them all at
    // once costs far less than copying them out.
    void* mapped =
        mmap(nullptr, size, PROT_READ, MAP_PRIVATE | kMapAllAtOnce, Descriptor(handle_), 0);
    if (mapped == MAP_FAILED) {
        throw LastSystemError();
    }
    readBack_ = static_cast<char*>(mapped);
    readBackSize_ = size;
    return {readBack_, size};
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

void ScratchFile::ReleaseReadBack() noexcept {
    if (readBack_ != nullptr) {
        munmap(readBack_, readBackSize_);
        readBack_ = nullptr;
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

}  // namespace textmend::detail
