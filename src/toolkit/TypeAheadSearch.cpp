#include "toolkit/TypeAheadSearch.h"

#include <QApplication>

int TypeAheadSearch::next(const QString &typed, int current, int rowCount,
                          const std::function<QString(int)> &textOf) {
  if (typed.isEmpty() || rowCount <= 0) return -1;
  if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() > QApplication::keyboardInputInterval())
    prefix_.clear();
  sinceLastKey_.start();
  prefix_ += typed;

  // "aaa" means the third row starting with "a", not a row starting with
  // "aaa": a repeated letter moves on from the current row. A longer prefix
  // may still fit the current row, so the search for it starts there.
  const bool repeated = prefix_.count(prefix_.front()) == prefix_.size();
  const QString wanted = repeated ? prefix_.left(1) : prefix_;
  const int start = repeated || current < 0 ? current + 1 : current;
  for (int i = 0; i < rowCount; ++i) {
    const int row = (std::max(0, start) + i) % rowCount;
    const QString text = textOf(row);
    if (!text.isEmpty() && text.startsWith(wanted, Qt::CaseInsensitive)) return row;
  }
  return -1;
}
