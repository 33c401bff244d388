#pragma once

#include <QKeySequenceEdit>
#include <functional>

namespace textmend {

// The key box: takes one combination at a time, each press starting afresh,
// and reports it at once. Enter and Escape without Ctrl, Alt or Meta are left
// to the dialog (OK and Cancel), Tab moves on, as in any other box.
class HotkeyEdit : public QKeySequenceEdit {
  public:
    using QKeySequenceEdit::QKeySequenceEdit;

    // The combination shown; an empty one when there is none.
    QKeyCombination Combination() const;
    // Shows combination, or nothing for an empty one, without reporting it.
    void Show(QKeyCombination combination);

    std::function<void(QKeyCombination)> onPressed;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace textmend
