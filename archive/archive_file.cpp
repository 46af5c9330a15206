#include "archive/archive_file.h"

#include "common/helpers.h"
#include "common/progress.h"
#include "storage/tdm1.h"

#include <QDate>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>

#include <limits>

const QString ArchiveReloadedText = QStringLiteral("Archivio ricaricato da file !");

namespace {

const QString CrLf = QStringLiteral("\r\n");

enum class FieldKind { Date, Wheel, Number, Integer };

struct Field {
    const char* caption; // how the reasons name the field
    FieldKind kind;
    int minimum = 0;
    int maximum = 0;
};

struct ArchiveFormat {
    QString clearSql;
    QString clearFailure; // the archive could not be emptied
    QString lineFailure;  // a line could not be written
    QString readFailure;  // the file could not be read
    QString insertLabel;  // label of a failing insert, as the database module writes it
    QString insertSql;
    QList<Field> fields;
};

const ArchiveFormat& FormatOf(ArchiveGame game) {
    static const ArchiveFormat lotto = {
        QStringLiteral("delete from LOTTO1 where 1=1 "),
        QStringLiteral("Errore in caricamento archivio lotto (pick5) 01"),
        QStringLiteral("Errore in inserimento riga in archivio lotto (pick5) 02"),
        QStringLiteral("Errore in lettura file archivio lotto (pick5)"),
        QStringLiteral("Errore inserimento estrazione lotto (pick5)"),
        QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5, NUMESTRA, "
                       "APPD1, APPD2) values (?, ?, ?, ?, ?, ?, ?, ?, 0.0, 0.0)"),
        {{"Data", FieldKind::Date},
         {"Ruota", FieldKind::Wheel},
         {"N1", FieldKind::Number, 0, 90},
         {"N2", FieldKind::Number, 0, 90},
         {"N3", FieldKind::Number, 0, 90},
         {"N4", FieldKind::Number, 0, 90},
         {"N5", FieldKind::Number, 0, 90},
         {"Numero estrazione", FieldKind::Integer}}};
    static const ArchiveFormat senal = {
        QStringLiteral("delete from SENAL81 where 1=1 "),
        QStringLiteral("Errore in caricamento archivio superEnalotto (pick6) 01"),
        QStringLiteral("Errore in inserimento riga in archivio superEnalotto (pick6) 02"),
        QStringLiteral("Errore in lettura file archivio superEnalotto (pick6)"),
        QStringLiteral("Errore inserimento estrazione superEnalotto (pick6)"),
        QStringLiteral("insert into SENAL81 (DATAESTRA, CONCORSO, N1, N2, N3, N4, N5, N6, NJ, "
                       "NS) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {{"Data", FieldKind::Date},
         {"Concorso", FieldKind::Integer},
         {"N1", FieldKind::Number, 1, 90},
         {"N2", FieldKind::Number, 1, 90},
         {"N3", FieldKind::Number, 1, 90},
         {"N4", FieldKind::Number, 1, 90},
         {"N5", FieldKind::Number, 1, 90},
         {"N6", FieldKind::Number, 1, 90},
         {"Numero Jolly", FieldKind::Number, 0, 90},
         {"Numero SuperStar", FieldKind::Number, 0, 90}}};
    return game == ArchiveGame::Lotto ? lotto : senal;
}

bool AllDigits(QStringView text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

// DD.MM.YYYY (one-digit day and month allowed), a date that exists in the calendar.
bool ReadDate(const QString& token, QDate& date) {
    const QList<QStringView> parts = QStringView(token).split(QLatin1Char('.'));
    if (parts.size() != 3 || parts[0].size() > 2 || parts[1].size() > 2 || parts[2].size() != 4)
        return false;
    for (const QStringView part : parts)
        if (!AllDigits(part)) return false;
    date = QDate(parts[2].toInt(), parts[1].toInt(), parts[0].toInt());
    return date.isValid();
}

// Decimal digits with an optional sign, within the range of an INTEGER column.
bool ReadInteger(const QString& token, int& value) {
    QStringView digits(token);
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+')))
        digits = digits.mid(1);
    if (!AllDigits(digits) || digits.size() > 10) return false;
    bool ok = false;
    const qlonglong number = QStringView(token).toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return false;
    value = int(number);
    return true;
}

QString Quoted(const QString& token) {
    return QLatin1Char('"') + token + QLatin1Char('"');
}

bool ReadField(const Field& field, const QString& token, QVariantList& values, QString& reason) {
    const QString caption = QLatin1String(field.caption);
    if (token.isEmpty()) {
        reason = caption + QStringLiteral(" mancante");
        return false;
    }
    switch (field.kind) {
    case FieldKind::Date: {
        QDate date;
        if (!ReadDate(token, date)) {
            reason = caption + QLatin1Char(' ') + Quoted(token) +
                     QStringLiteral(" non valida: attesa una data del calendario GG.MM.AAAA");
            return false;
        }
        values << date;
        return true;
    }
    case FieldKind::Wheel:
        if (!WheelCodes.contains(token)) {
            reason = caption + QLatin1Char(' ') + Quoted(token) +
                     QStringLiteral(" sconosciuta: attesa una di ") +
                     WheelCodes.join(QStringLiteral(", "));
            return false;
        }
        values << token;
        return true;
    case FieldKind::Number: {
        int number = 0;
        if (!AllDigits(token) || !ReadInteger(token, number) || number < field.minimum ||
            number > field.maximum) {
            reason = caption + QLatin1Char(' ') + Quoted(token) +
                     QStringLiteral(" non valido: atteso un numero da %1 a %2")
                         .arg(field.minimum)
                         .arg(field.maximum);
            return false;
        }
        values << number;
        return true;
    }
    case FieldKind::Integer: {
        int number = 0;
        if (!ReadInteger(token, number)) {
            reason = caption + QLatin1Char(' ') + Quoted(token) +
                     QStringLiteral(" non valido: atteso un numero intero");
            return false;
        }
        values << number;
        return true;
    }
    }
    return false;
}

QString DecodeFile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    // Files written on older systems are 8-bit: their accented letters are not UTF-8.
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

ArchiveLoadResult Failure(TDM1& dm, const QString& message) {
    dm.Rollback();
    return {false, 0, message};
}

} // namespace

bool ParseArchiveLine(ArchiveGame game, const QString& line, QVariantList& values,
                      QString& reason) {
    const QList<Field>& fields = FormatOf(game).fields;
    values.clear();
    values.reserve(fields.size());
    QString rest = line;
    QString token;
    for (const Field& field : fields) {
        NextToken(rest, QLatin1Char('|'), token);
        if (!ReadField(field, token.trimmed(), values, reason)) return false;
    }
    return true;
}

ArchiveLoadResult LoadArchiveFile(TDM1& dm, ArchiveGame game, const QString& path,
                                  Progress& progress) {
    const ArchiveFormat& format = FormatOf(game);
    // What the user changed before the load (a deletion or correction in either archive) is
    // made durable first, as before every long job, so the load can never discard it.
    if (dm.InTransaction() && !dm.Commit())
        return {false, 0,
                format.clearFailure + CrLf + QStringLiteral(":") +
                    QStringLiteral("conferma delle modifiche in sospeso non riuscita ") +
                    dm.Database().lastError().databaseText().trimmed()};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(dm, format.readFailure + CrLf + QStringLiteral("file:") + path + CrLf +
                               QStringLiteral("il file non esiste o non si puo' leggere"));
    const QByteArray bytes = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    if (readFailed)
        return Failure(dm, format.readFailure + CrLf + QStringLiteral("file:") + path + CrLf +
                               QStringLiteral("lettura del file interrotta"));
    const QStringList lines = DecodeFile(bytes).split(QLatin1Char('\n'));

    QString errorText;
    if (!dm.StartTransaction())
        return Failure(dm, format.clearFailure + CrLf + QStringLiteral(":") +
                               QStringLiteral("transazione non avviata"));
    if (!dm.ExecSql(QString(), format.clearSql, errorText))
        return Failure(dm, format.clearFailure + CrLf + errorText);

    // Every token is checked before it is bound, so one prepared insert serves all the lines.
    QSqlQuery insert = dm.NewQuery();
    if (!insert.prepare(format.insertSql))
        return Failure(dm, format.clearFailure + CrLf + format.insertLabel + QLatin1Char(':') +
                               TDM1::MessageOf(insert));

    progress.SetRange(0, int(lines.size()));
    int rows = 0;
    QVariantList values;
    QString reason;
    const QString lineText = format.lineFailure + CrLf + QStringLiteral("riga estrazione:");
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty()) continue;
        if (!ParseArchiveLine(game, line, values, reason))
            return Failure(dm, lineText + line + CrLf + reason +
                                   QStringLiteral(" (riga %1 del file)").arg(i + 1));
        for (int k = 0; k < values.size(); ++k)
            insert.bindValue(k, values.at(k));
        if (!insert.exec())
            return Failure(dm, lineText + line + CrLf + format.insertLabel + QLatin1Char(':') +
                                   TDM1::MessageOf(insert));
        if (++rows % 100 == 0) {
            progress.SetPosition(i + 1);
            progress.ProcessEvents();
        }
    }
    insert.finish();
    if (rows == 0)
        return Failure(dm, format.readFailure + CrLf + QStringLiteral("file:") + path + CrLf +
                               QStringLiteral("il file non contiene estrazioni: archivio non "
                                              "modificato"));
    if (!dm.Commit()) {
        // A commit that fails leaves the engine's transaction open: end it here.
        QSqlDatabase db = dm.Database();
        const QString message = db.lastError().databaseText().trimmed();
        db.rollback();
        return {false, 0,
                format.clearFailure + CrLf + QStringLiteral(":") +
                    QStringLiteral("conferma della transazione non riuscita ") + message};
    }
    progress.SetPosition(int(lines.size()));
    if (game == ArchiveGame::Lotto)
        dm.GetLottoCutOffDate();
    else
        dm.GetSenalCutOffDate();
    return {true, rows, QString()};
}
