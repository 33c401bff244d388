#include "forms/CentreWindow.h"

namespace textmend {

void CentreWindow(WindowPort& window) {
    try {
        const TwipSize screen = window.ScreenSize();
        const TwipSize outer = window.OuterSize();
        window.Move((screen.width - outer.width) / 2.0, (screen.height - outer.height) / 2.0);
    } catch (const StepError&) {
    }
}

}  // namespace textmend
