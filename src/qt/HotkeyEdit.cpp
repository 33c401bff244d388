#include "qt/HotkeyEdit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace textmend {
namespace {

bool IsModifierKey(int key) {
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_Super_L ||
           key == Qt::Key_Super_R;
}

bool LeftToDialog(const QKeyEvent& event) {
    const bool held =
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    const int key = event.key();
    return !held && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape);
}

}  // namespace

QKeyCombination HotkeyEdit::Combination() const {
    const QKeySequence sequence = keySequence();
    return sequence.isEmpty() ? QKeyCombination::fromCombined(0) : sequence[0];
}

void HotkeyEdit::Show(QKeyCombination combination) {
    const QSignalBlocker quiet(this);
    setKeySequence(combination.toCombined() == 0 ? QKeySequence() : QKeySequence(combination));
}

void HotkeyEdit::keyPressEvent(QKeyEvent* event) {
    if (LeftToDialog(*event)) {
        event->ignore();
        return;
    }
    // The modifiers alone leave the last combination on show until a key comes.
    if (IsModifierKey(event->key()) || event->key() == Qt::Key_unknown) {
        event->accept();
        return;
    }
    QKeyCombination pressed;
    {
        const QSignalBlocker quiet(this);
        // The box starts a new sequence (it is never left waiting for more) and
        // records this one combination.
        QKeySequenceEdit::keyPressEvent(event);
        pressed = Combination();
        // Ends the sequence at one: the next press starts afresh.
        setKeySequence(QKeySequence(pressed));
    }
    if (pressed.toCombined() != 0 && onPressed) {
        onPressed(pressed);
    }
}

// A sequence ends here, not a second after the last key is let go.
void HotkeyEdit::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

}  // namespace textmend
