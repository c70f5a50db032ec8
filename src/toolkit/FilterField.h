#pragma once

#include <QLineEdit>

// A line edit that a screen reader announces by its name when it takes the
// keyboard.
//
// A line edit given the focus by Tab or a shortcut selects its text while
// handling the focus-in, and Qt tells assistive technology of the focus only
// after that. Orca takes the selection's caret move in the focused field for
// the focus itself, silently, and the focus event that follows as no news:
// Ctrl+F into the field was heard as the key alone. Here the text is
// selected just after the focus has been told.
//
// Its placeholder starts at the field's leading edge, the right one in a
// window laid out from the right, whatever the placeholder's letters: Qt
// aligns a placeholder by its own first letter, so an English one sat at the
// left of a mirrored field.
class FilterField : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
};
