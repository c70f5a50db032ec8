#pragma once

#include <QString>

#include "store/CXExportStorage.h"

// What the export list tells the user about a read of the reader's database.
struct ReadOutcomeNotice {
  // The sentence the empty list shows in place of rows; empty while it shows
  // rows, or while it has none for no other reason than an empty table.
  QString placeholder;
  // The line above the rows of a list that is not every feed of the
  // database; empty when the list is whole.
  QString warning;
  // A line about a list that is whole but not quite as stored: values whose
  // invalid bytes were repaired. Empty when there is nothing to say.
  QString repairNote;
  // Whether reading again may help without the user changing anything
  // (another program held the database).
  bool offerTryAgain = false;
};

// store: the store that read, whose database file the notice names. Where the
// user named that file (--database), the reader's own database and how it
// comes about are beside the point.
ReadOutcomeNotice readOutcomeNotice(const ReadResult &result, const CXExportStorage &store);
