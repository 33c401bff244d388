#include "qt/QtShell.h"

#include <QCursor>
#include <QEvent>

#include "dialogs/frmAbout.h"
#include "dialogs/frmHelp.h"
#include "qt/DialogWindow.h"
#include "qt/MainWindow.h"
#include "qt/WidgetProbe.h"

namespace textmend {

QtShell::QtShell(MainWindow& window, const Icons& icons, WidgetProbe& probe,
                 std::function<void(std::string_view)> choose, std::function<void()> quit)
    : window_(window),
      icons_(icons),
      probe_(probe),
      choose_(std::move(choose)),
      quit_(std::move(quit)) {}

void QtShell::PopupMenu() {
    const std::string chosen = window_.Menus().ExecPopup(QCursor::pos());
    if (!chosen.empty()) {
        choose_(chosen);
    }
}

template <class Dialog>
void QtShell::RunModal(Dialog& dialog) {
    // A hidden main window cannot own a dialog that is to be seen.
    QWidget* owner = window_.isVisible() ? &window_ : nullptr;
    DialogWindow window(
        dialog, [&dialog] { dialog.Form_Unload(); }, icons_, owner);
    const QString section = window.objectName();
    window.onRendered = [&] {
        probe_.Set(section, QJsonObject{{"caption", window.windowTitle()},
                                        {"visible", window.isVisible()},
                                        {"controls", window.View().Describe()}});
    };
    WatchGeometry(&window, window.onRendered);
    dialog.Form_Load(window.Port());
    window.Render();
    if (!dialog.Unloaded()) {
        window.show();
        window.Render();
        window.exec();
    }
    probe_.Remove(section);
}

void QtShell::ShowModal(frmHelp& dialog) {
    RunModal(dialog);
}

void QtShell::ShowModal(frmAbout& dialog) {
    RunModal(dialog);
}

void QtShell::EndProgram() {
    quit_();
}

}  // namespace textmend
