#include "filter/StandardStreams.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace textmend {

void UseBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

bool ReadWholeStream(std::FILE* stream, std::string& text) {
    char buffer[1 << 16];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) {
        text.append(buffer, count);
    }
    return std::ferror(stream) == 0;
}

bool WriteWholeStream(std::FILE* stream, const std::string& text) {
    const std::size_t written = std::fwrite(text.data(), 1, text.size(), stream);
    return std::fflush(stream) == 0 && written == text.size();
}

}  // namespace textmend
