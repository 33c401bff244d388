#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>
#include <iostream>

#include "command/CommandStart.h"
#include "posix/DetachedRun.h"
#include "posix/InstanceSocket.h"
#include "qt/CompactStyle.h"
#include "qt/FontFit.h"
#include "qt/PlatformChoice.h"
#include "qt/Program.h"
#include "qt/QtCommandServer.h"
#include "qt/QtSignals.h"
#include "textmend/version.h"

namespace {

// Long enough for a clean and paste: the wait for the shortcut's keys to be
// let go, the clipboard's read with its deadline, the write and the paste.
constexpr std::chrono::seconds kAnswerDeadline{15};

// Every size the build rendered, so that the tray and the window each draw the
// picture made for the size the screen needs rather than a scaled one.
QIcon AppIcon(const QString& name) {
    const QDir folder(":/icons/" + name);
    QIcon icon;
    for (const QString& file : folder.entryList(QDir::Files)) {
        icon.addFile(folder.filePath(file));
    }
    return icon;
}

int Finish(const textmend::StartPlan& plan) {
    std::cout << plan.output << std::flush;
    std::cerr << plan.errorLine << std::flush;
    return plan.exitStatus;
}

// The run once's text lives in this process while it holds the clipboard: the
// process ends when another program copies something. The text is served by
// the program's own owner (X11) or data-control source (Wayland), neither of
// which the toolkit tells about, so the process looks every quarter second.
void EndOnceOwnershipGoes(textmend::Program& program, int status) {
    if (status != 0 || !program.OffersOwnText()) {
        QApplication::exit(status);
        return;
    }
    auto* watch = new QTimer(QApplication::instance());
    QObject::connect(watch, &QTimer::timeout, [&program] {
        if (!program.OffersOwnText()) {
            QApplication::exit(0);
        }
    });
    watch->start(250);
}

}  // namespace

int main(int argc, char* argv[]) {
    const textmend::CommandLine line =
        textmend::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    // Wayland lets no window without the focus read the clipboard unless the
    // compositor offers data-control; elsewhere, through XWayland, the program
    // sees every copy.
    const textmend::PlatformChoice platform = textmend::ChoosePlatform();
    textmend::StartPlan plan =
        textmend::PlanStart(line, "textmend " + std::string(textmend::kVersionText) +
                                      "\nplatform: " + platform.description + "\n");
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    const std::string display = textmend::DisplayToOpen(argc, argv);
    const std::string socketPath =
        textmend::InstanceSocketPath(runtimeDir ? runtimeDir : "", display, ::getuid());
    if (plan.step == textmend::StartStep::Ask) {
        plan = textmend::PlanAfterAsking(
            line.command,
            textmend::AskRunningProgram(socketPath, *textmend::RequestLine(line.command),
                                        kAnswerDeadline),
            !display.empty());
    }
    if (plan.step == textmend::StartStep::Exit) {
        return Finish(plan);
    }
    const bool once = plan.step == textmend::StartStep::RunOnce;
    if (once) {
        if (const std::optional<int> status = textmend::BeginDetachedRun()) {
            return *status >= 0 ? *status
                                : Finish(textmend::PlanExit(textmend::CommandAnswer::Failed(
                                      std::string(textmend::kRunEndedEarly))));
        }
    }

    qputenv("QT_QPA_PLATFORM", platform.platform.c_str());
    QApplication app(argc, argv);
    QApplication::setApplicationName("Textmend");
    QApplication::setDesktopFileName("textmend");
    // The program lives in the tray: a hidden main window and closed dialogs
    // must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    QApplication::setStyle(new textmend::CompactStyle);
    QApplication::setFont(textmend::FitFont(textmend::AllLayouts()));

    const textmend::Icons icons{AppIcon("textmend"), AppIcon("textmend-autoprocess")};
    QApplication::setWindowIcon(icons.normal);

    textmend::Program program(icons);
    textmend::OnTerminationRequest([] { QApplication::quit(); });
    QObject::connect(&app, &QApplication::aboutToQuit, [&program] { program.Stop(); });
    textmend::QtCommandServer commands(
        [&program](const std::string& request, const textmend::QtCommandServer::Answer& answer) {
            program.Request(request, answer);
        });
    if (once) {
        // From inside the event loop, so that an end that comes at once can leave it.
        QTimer::singleShot(0, [&program, &line] {
            program.RunOnce(line.command, [&program](const textmend::CommandAnswer& answer) {
                const int status = Finish(textmend::PlanExit(answer));
                textmend::ReportDetachedRun(status);
                EndOnceOwnershipGoes(program, status);
            });
        });
    } else {
        if (!commands.Listen(QString::fromStdString(socketPath))) {
            std::cerr << "textmend: takes no commands: cannot listen at " << socketPath
                      << std::endl;
        }
        program.Start();
    }
    return QApplication::exec();
}
