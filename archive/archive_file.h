#pragma once

#include <QString>
#include <QVariantList>

class Progress;
class TDM1;

// The two draw archives the program keeps.
enum class ArchiveGame { Lotto, Senal };

// Shown when an archive file has replaced the archive.
extern const QString ArchiveReloadedText; // "Archivio ricaricato da file !"

// Checks one trimmed, non-empty line of an archive file and turns its tokens into the values
// of the archive row, in column order:
//   Lotto:          DATAESTRA, RUOTA, N1..N5, NUMESTRA     (date|wheel|N1|..|N5|NUMESTRA)
//   SuperEnalotto:  DATAESTRA, CONCORSO, N1..N6, NJ, NS    (date|contest|N1|..|N6|NJ|NS)
// Tokens are cut at '|' and trimmed; a line with fewer fields repeats its last field, tokens
// past the last field are ignored. Nothing of the line reaches SQL text: the date must be a
// real calendar date written DD.MM.YYYY, the wheel one of the eleven codes and every number an
// integer in its range (Lotto numbers 0..90, 0 = wheel not drawn; SuperEnalotto N1..N6 1..90,
// Jolly and SuperStar 0..90, 0 = absent). On failure `reason` says why, in Italian.
bool ParseArchiveLine(ArchiveGame game, const QString& line, QVariantList& values, QString& reason);

struct ArchiveLoadResult {
    bool ok = false;
    int rows = 0;    // rows written when ok
    QString message; // what to tell the user when not ok
};

// Replaces the whole archive of `game` with the rows of the archive file at `path`, in one
// transaction of its own: whatever the shared transaction holds is committed first, the old
// archive is deleted, every line inserted, and the work committed at the end. Any failure
// (unreadable or empty file, a line that does not pass ParseArchiveLine, a database error)
// rolls everything back and leaves the archive exactly as it was; the message names the line.
// The game's cut-off date is read again after a successful load.
ArchiveLoadResult LoadArchiveFile(TDM1& dm, ArchiveGame game, const QString& path,
                                  Progress& progress);
