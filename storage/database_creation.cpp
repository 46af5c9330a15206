#include "storage/database_creation.h"

#include "storage/tdm1.h"

#include <QFile>
#include <QFileInfo>

#include <ibase.h>

namespace {

QString StatusText(const ISC_STATUS* status) {
    QString text;
    char buffer[1024];
    const ISC_STATUS* cursor = status;
    while (fb_interpret(buffer, sizeof buffer, &cursor)) {
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += QString::fromUtf8(buffer);
    }
    return text;
}

bool IsLocalPath(const QString& path) {
    // host:path reaches a server; a bare path (or a Windows drive letter) is a local file.
    const int colon = path.indexOf(QLatin1Char(':'));
    return colon < 0 || colon == 1;
}

} // namespace

QString SchemaScript() {
    QFile file(QStringLiteral(":/storage/schema.sql"));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList SplitSqlScript(const QString& script) {
    QStringList statements;
    QString current;
    bool inQuote = false;
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!inQuote && c == QLatin1Char('-') && i + 1 < script.size() &&
            script.at(i + 1) == QLatin1Char('-')) {
            while (i < script.size() && script.at(i) != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char('\'')) inQuote = !inQuote;
        if (!inQuote && c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty()) statements << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty()) statements << current.trimmed();
    return statements;
}

bool CreateDatabaseFile(const QString& path, QString& error) {
    if (path.trimmed().isEmpty()) {
        error = QStringLiteral("Percorso del database non indicato.");
        return false;
    }
    const bool local = IsLocalPath(path);
    if (local && QFileInfo::exists(path)) {
        error = QStringLiteral("Il file %1 esiste gia': il database non viene ricreato.").arg(path);
        return false;
    }
    const QStringList statements = SplitSqlScript(SchemaScript());
    if (statements.isEmpty()) {
        error = QStringLiteral("Schema del database non disponibile.");
        return false;
    }

    ISC_STATUS_ARRAY status;
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    QString quotedPath = path;
    quotedPath.replace(QLatin1Char('\''), QStringLiteral("''"));
    const QByteArray create =
        QStringLiteral("CREATE DATABASE '%1' USER '%2' PASSWORD '%3' PAGE_SIZE 8192 "
                       "DEFAULT CHARACTER SET UTF8")
            .arg(quotedPath, TDM1::UserName, TDM1::Password)
            .toUtf8();
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, create.constData(), 3, nullptr)) {
        error = QStringLiteral("Creazione del database non riuscita: ") + StatusText(status);
        return false;
    }

    // Tables are created first, each in its own transaction, so that the rows inserted later
    // see committed metadata.
    for (const QString& statement : statements) {
        const QByteArray sql = statement.toUtf8();
        if (isc_start_transaction(status, &tr, 1, &db, 0, nullptr) ||
            isc_dsql_execute_immediate(status, &db, &tr, 0, sql.constData(), 3, nullptr) ||
            isc_commit_transaction(status, &tr)) {
            error = QStringLiteral("Errore nello schema del database: ") + StatusText(status) +
                    QStringLiteral("\r\n") + statement;
            ISC_STATUS_ARRAY ignored;
            if (tr) isc_rollback_transaction(ignored, &tr);
            isc_drop_database(ignored, &db);
            if (db) isc_detach_database(ignored, &db);
            return false;
        }
    }
    if (isc_detach_database(status, &db)) {
        error = QStringLiteral("Chiusura del database non riuscita: ") + StatusText(status);
        return false;
    }
    return true;
}
