#pragma once

#include "archive/archive_file.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

class TDM1;

// Replaces the table token of a query template (L81, S81) in every occurrence, whatever its
// case, by the archive table's name.
QString ApplyTableToken(const QString& templateText, const QString& token, const QString& table);

// The date offered for a new draw: the first Tuesday, Thursday or Saturday after `latest`.
// An empty archive (null date) gets the first such day from today on.
QDate ProposedDrawDate(const QDate& latest);

// The draw dates of one archive and the current one: what the archive windows of both games
// browse. It also holds the game's query templates, with the table token in them.
class TArchiveBrowser final {
public:
    TArchiveBrowser(TDM1& dm, ArchiveGame game);
    TArchiveBrowser(const TArchiveBrowser&) = delete;
    TArchiveBrowser& operator=(const TArchiveBrowser&) = delete;

    ArchiveGame Game() const { return m_game; }
    QString Table() const; // LOTTO1, SENAL81
    // A template of this archive with its token replaced.
    QString Sql(const QString& templateText) const;

    // Reopens the date list and stands on its last (latest) date; the proposed and the latest
    // date follow it. On failure the list is empty and `errorText` holds the database message.
    bool LoadDates(QString& errorText);
    void Reset();

    bool IsEmpty() const { return m_dates.isEmpty(); }
    int Count() const { return int(m_dates.size()); }
    int Position() const { return m_position; } // -1 when empty
    QDate CurrentDate() const;
    QVariant CurrentContest() const; // SuperEnalotto: CONCORSO of the current contest
    QList<QDate> Dates() const { return m_dates; }

    // Moving past either end leaves the current draw as it is.
    void First();
    void Prior();
    void Next();
    void Last();
    bool Locate(const QDate& date);

    QDate ProposedDate() const { return m_proposedDate; }
    QDate LatestDate() const { return m_latestDate; }

    // Queries of the current state.
    QString CardSql() const; // the card of the current date
    QString ListingSql(const QDate& from, const QDate& to) const;
    QString DeleteSql(const QDate& date) const;
    // The latest draw of this archive, also kept by the general data module.
    QDate CutOffDate();

    // The find window: years with draws (newest first), and the dates of a year (bound :ANNO).
    QString YearsSql() const;
    QString YearDatesSql() const;

private:
    TDM1& m_dm;
    ArchiveGame m_game;
    QList<QDate> m_dates;
    QList<QVariant> m_contests;
    int m_position = -1;
    QDate m_proposedDate;
    QDate m_latestDate;
};

// Runs one statement in the shared transaction; on failure `message` holds the database's
// message (without the leading colon of an error text without label).
bool RunStatement(TDM1& dm, const QString& sql, QString& message);
