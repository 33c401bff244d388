#include "qt/QtShell.h"

#include <QCursor>
#include <QEvent>

#include "forms/DialogForm.h"
#include "qt/DialogWindow.h"
#include "qt/MainWindow.h"
#include "qt/WidgetProbe.h"

namespace textmend {

QtShell::QtShell(MainWindow& window, const Icons& icons, WidgetProbe& probe,
                 std::function<void()> quit, Dispatch dispatch)
    : window_(window),
      icons_(icons),
      probe_(probe),
      quit_(std::move(quit)),
      dispatch_(std::move(dispatch)) {}

void QtShell::PopupMenu() {
    window_.Menus().ExecPopup(QCursor::pos());
}

void QtShell::ShowModal(DialogForm& dialog) {
    // A hidden main window cannot own a dialog that is to be seen.
    QWidget* owner = window_.isVisible() ? &window_ : nullptr;
    DialogWindow window(
        dialog, [&dialog] { dialog.Form_Unload(); }, dispatch_, icons_, owner);
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

void QtShell::EndProgram() {
    quit_();
}

}  // namespace textmend
