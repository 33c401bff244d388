#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstring>
#include <iostream>

#include "qt/CompactStyle.h"
#include "qt/FontFit.h"
#include "qt/PlatformChoice.h"
#include "qt/Program.h"
#include "qt/QtSignals.h"
#include "textmend/version.h"

namespace {

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

}  // namespace

int main(int argc, char* argv[]) {
    // Wayland lets no window without the focus read the clipboard unless the
    // compositor offers data-control; elsewhere, through XWayland, the program
    // sees every copy.
    const textmend::PlatformChoice platform = textmend::ChoosePlatform();
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "textmend " << textmend::kVersionText << "\nplatform: " << platform.description
                  << std::endl;
        return 0;
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
    program.Start();
    return QApplication::exec();
}
