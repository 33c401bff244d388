#include "posix/XdgAutostart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/SystemError.h"
#include "posix/ConfigHome.h"

namespace textmend {
namespace {

constexpr std::string_view kEntryName = "textmend.desktop";
// Characters that make an Exec argument need quotes.
constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
// Characters that need a backslash inside the quotes.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

[[noreturn]] void ThrowErrno() {
    throw LastSystemError();
}

// The value as the desktop entry's string type writes it: a backslash and the
// control characters it can name are escaped; this applies on top of the quoting.
std::string EscapeString(std::string_view value) {
    std::string out;
    for (char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether the entry's [Desktop Entry] group switches it off.
bool SwitchedOff(std::string_view text) {
    bool inMainGroup = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.starts_with('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inMainGroup || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false")) {
            return true;
        }
    }
    return false;
}

// Creates folder and every missing folder above it, private to the user as the
// XDG base directories should be.
void MakeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string prefix = folder.substr(0, slash);
        if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            ThrowErrno();
        }
        if (slash == std::string::npos) {
            return;
        }
    }
}

// Writes text, makes the file readable to all and flushes it to the disk; closes
// fd whatever happens. Gives 0, or the errno of the first failure.
int WriteAndClose(int fd, std::string_view text) {
    int error = 0;
    while (!text.empty() && error == 0) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written >= 0) {
            text.remove_prefix(static_cast<size_t>(written));
        } else if (errno != EINTR) {
            error = errno;
        }
    }
    if (error == 0 && (fchmod(fd, 0644) != 0 || fsync(fd) != 0)) {
        error = errno;
    }
    if (close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

// Reads the whole file into text and closes fd. Gives 0, or the errno of the failure.
int ReadAndClose(int fd, std::string& text) {
    char chunk[4096];
    int error = 0;
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof(chunk));
        if (got > 0) {
            text.append(chunk, static_cast<size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            error = got == 0 ? 0 : errno;
            break;
        }
    }
    close(fd);
    return error;
}

}  // namespace

std::string ExecValueFor(std::string_view program) {
    const bool quoted = program.find_first_of(kReservedInExec) != std::string_view::npos;
    std::string exec = quoted ? "\"" : "";
    for (char c : program) {
        if (c == '%') {
            exec += '%';  // a literal percent sign is doubled, inside quotes or not
        } else if (quoted && kEscapedInQuotes.find(c) != std::string_view::npos) {
            exec += '\\';
        }
        exec += c;
    }
    if (quoted) {
        exec += '"';
    }
    return EscapeString(exec);
}

XdgAutostart::XdgAutostart(std::string program, const std::string& configHome)
    : program_(std::move(program)),
      autostartFolder_(configHome + "/autostart"),
      entryPath_(autostartFolder_ + "/" + std::string(kEntryName)) {}

XdgAutostart::XdgAutostart(std::string program) : XdgAutostart(std::move(program), ConfigHome()) {}

bool XdgAutostart::IsEnabled() {
    const int fd = open(entryPath_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return false;
        }
        ThrowErrno();
    }
    std::string text;
    if (const int error = ReadAndClose(fd, text); error != 0) {
        throw SystemError(error);
    }
    return !SwitchedOff(text);
}

void XdgAutostart::Enable() {
    const std::string text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Textmend\n"
        "Comment=Cleans up the text on the clipboard\n"
        "Exec=" +
        ExecValueFor(program_) +
        "\n"
        "Icon=textmend\n"
        "Terminal=false\n";

    MakeFolders(autostartFolder_);
    std::string temporary = entryPath_ + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        ThrowErrno();
    }
    int error = WriteAndClose(fd, text);
    if (error == 0 && rename(temporary.c_str(), entryPath_.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temporary.c_str());
        throw SystemError(error);
    }
}

void XdgAutostart::Disable() {
    if (unlink(entryPath_.c_str()) != 0 && errno != ENOENT && errno != ENOTDIR) {
        ThrowErrno();
    }
}

}  // namespace textmend
