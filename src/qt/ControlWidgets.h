#pragma once

// Widgets that show a state and never change it by themselves: a click is only
// reported, and the new state is drawn from the core afterwards.

#include <QCheckBox>
#include <QColor>
#include <QIcon>
#include <QLine>
#include <QRadioButton>
#include <QWidget>

namespace textmend {

class StateRadioButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    void nextCheckState() override {}
};

class StateCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {}
};

// A straight line in its parent's coordinates; the widget covers the line's box.
class LineWidget : public QWidget {
  public:
    LineWidget(QLine line, QColor colour, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLine line_;
    QColor colour_;
};

// A picture box holding an icon, drawn at its own size from the top left
// corner, or scaled down when the box is smaller.
class IconBox : public QWidget {
  public:
    IconBox(QIcon icon, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QIcon icon_;
};

}  // namespace textmend
