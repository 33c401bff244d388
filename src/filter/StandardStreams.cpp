#include "filter/StandardStreams.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "engine/ProcessText.h"

namespace textmend {

namespace {

// Read at a time: few calls, and each piece is still in the processor's cache when it
// is copied on.
constexpr std::size_t kReadPiece = std::size_t{256} << 10;

// The size of the file behind stream when it is a regular one, else 0.
std::size_t RegularFileSize(std::FILE* stream) {
#ifdef _WIN32
    struct _stat64 status {};
    const bool regular =
        _fstat64(_fileno(stream), &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat status {};
    const bool regular = fstat(fileno(stream), &status) == 0 && S_ISREG(status.st_mode);
#endif
    return regular && status.st_size > 0 ? static_cast<std::size_t>(status.st_size) : 0;
}

}  // namespace

void UseBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

bool ReadWholeStream(std::FILE* stream, std::string& text) {
    // A file's size is known before reading: its room comes at once, with some over for
    // the CRs a translation to the engine's line breaks adds (lines are rarely shorter
    // than eight bytes); room never written costs nothing. Text from a pipe gets twice
    // its room whenever it runs out, so it is copied about once in all.
    text.clear();
    const std::size_t size = RegularFileSize(stream);
    ReserveText(text, ProcessingRoom(size + size / 8), size);
    std::string piece(kReadPiece, '\0');
    std::size_t count;
    while ((count = std::fread(piece.data(), 1, piece.size(), stream)) > 0) {
        if (text.size() + count > text.capacity()) {
            ReserveText(text, 2 * ProcessingRoom(text.size() + count), text.size() + count);
        }
        text.append(piece, 0, count);
    }
    return std::ferror(stream) == 0;
}

bool CopyWholeStream(std::FILE* in, std::FILE* out) {
    std::string piece(kReadPiece, '\0');
    std::size_t count;
    while ((count = std::fread(piece.data(), 1, piece.size(), in)) > 0) {
        if (std::fwrite(piece.data(), 1, count, out) != count) {
            return false;
        }
    }
    return std::fflush(out) == 0 && std::ferror(in) == 0;
}

bool WriteWholeStream(std::FILE* stream, const std::string& text) {
    const std::size_t written = std::fwrite(text.data(), 1, text.size(), stream);
    return std::fflush(stream) == 0 && written == text.size();
}

}  // namespace textmend
