#pragma once

#include <QElapsedTimer>
#include <QString>
#include <functional>

// Type-ahead for a list: letters typed in quick succession build a prefix, and
// the list moves to the next row whose text starts with it (ignoring case),
// wrapping round at the end. Typing the same letter again and again steps
// through the rows that start with that letter. A pause longer than the
// desktop's keyboard input interval starts a new prefix.
class TypeAheadSearch {
 public:
  // Adds `typed` to the prefix and returns the row to move to, or -1 when no
  // row matches. `current` is the current row (-1 for none); `textOf(row)` is
  // the row's text, empty for rows that cannot be landed on.
  int next(const QString &typed, int current, int rowCount,
           const std::function<QString(int)> &textOf);

  QString prefix() const { return prefix_; }

 private:
  QString prefix_;
  QElapsedTimer sinceLastKey_;
};
