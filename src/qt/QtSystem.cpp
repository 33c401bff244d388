#include "qt/QtSystem.h"

#include <QFileInfo>
#include <QProcess>
#include <cerrno>

#include "posix/SysInfoTool.h"

namespace textmend {
namespace {

constexpr std::int32_t kFileNotFound = ENOENT;

std::string Unquoted(const std::string& path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
        return path.substr(1, path.size() - 2);
    }
    return path;
}

}  // namespace

std::optional<std::string> QtSystem::FindSysInfoTool() {
    // Looked for at every press, so a program installed while this one runs is found.
    return FindOnPath(SysInfoProgramNames(), qEnvironmentVariable("PATH").toStdString(),
                      [](const std::string& path) {
                          const QFileInfo info(QString::fromStdString(path));
                          return info.isFile() && info.isExecutable();
                      });
}

void QtSystem::StartProgram(const std::string& path) {
    // The path is the whole command: the program alone, no arguments and no
    // shell, so nothing in it can start something else.
    const QString program = QString::fromStdString(Unquoted(path));
    QProcess process;
    process.setProgram(program);
    if (!process.startDetached()) {
        throw StepError(kFileNotFound, "Cannot start " + program.toStdString());
    }
}

}  // namespace textmend
