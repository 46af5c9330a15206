#pragma once

#include <QString>

// The temporary files the program leaves in its tmp folder (printouts and exported grids).
inline constexpr int TempDeletionsPerPattern = 10;

// Deletes the program's temporary files in `folder`: for "pdf_*.pdf" and then "xls_*.xls", at
// most TempDeletionsPerPattern attempts each (a failed deletion counts too), the rest being left
// for later starts. A file is a candidate only when it is a plain file its owner may write and
// its name does not start with '.'; folders, links, read-only and hidden files stay. Returns
// the number of files deleted.
int CleanTempFiles(const QString& folder);
