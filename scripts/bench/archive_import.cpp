// Loading an archive file through sortavo-cli against the plainest way of writing the same
// rows: one prepared insert with bound values in one transaction, into a fresh database.
//
//   bench_archive_import lotto|senal FILE [REPEAT]
//
// Prints the best time of each over REPEAT runs (3 by default) and their ratio.

#include "archive/archive_file.h"
#include "common/progress.h"
#include "common/sql_text.h"
#include "storage/database_creation.h"
#include "storage/tdm1.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

[[noreturn]] void Fail(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::exit(1);
}

QString FreshDatabase(const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    QFile::remove(path);
    QString error;
    if (!CreateDatabaseFile(path, error)) Fail(error);
    return path;
}

QList<QVariantList> ReadRows(ArchiveGame game, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) Fail(QStringLiteral("file non leggibile: ") + path);
    QList<QVariantList> rows;
    QVariantList values;
    QString reason;
    for (const QByteArray& bytes : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.isEmpty()) continue;
        if (!ParseArchiveLine(game, line, values, reason)) Fail(reason);
        rows << values;
    }
    return rows;
}

// The baseline: the rows already in memory, one prepared insert, one transaction.
qint64 PreparedInsert(ArchiveGame game, const QString& database, const QList<QVariantList>& rows) {
    TDM1 dm(QCoreApplication::applicationDirPath());
    dm.SetDatabaseName(database);
    if (!dm.OpenDatabase()) Fail(dm.PeekLastError());
    const QString sql =
        game == ArchiveGame::Lotto
            ? QStringLiteral("insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5, NUMESTRA, "
                             "APPD1, APPD2) values (?, ?, ?, ?, ?, ?, ?, ?, 0.0, 0.0)")
            : QStringLiteral("insert into SENAL81 (DATAESTRA, CONCORSO, N1, N2, N3, N4, N5, N6, "
                             "NJ, NS) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    QElapsedTimer timer;
    timer.start();
    dm.StartTransaction();
    QSqlQuery insert = dm.NewQuery();
    if (!insert.prepare(sql)) Fail(TDM1::MessageOf(insert));
    for (const QVariantList& row : rows) {
        for (int k = 0; k < row.size(); ++k)
            insert.bindValue(k, row.at(k));
        if (!insert.exec()) Fail(TDM1::MessageOf(insert));
    }
    insert.finish();
    if (!dm.Commit()) Fail(QStringLiteral("commit non riuscito"));
    return timer.elapsed();
}

// What the load would cost with one SQL text per line (InsertLottoDraw / InsertSenalDraw).
qint64 SqlTextPerLine(ArchiveGame game, const QString& database, const QList<QVariantList>& rows) {
    TDM1 dm(QCoreApplication::applicationDirPath());
    dm.SetDatabaseName(database);
    if (!dm.OpenDatabase()) Fail(dm.PeekLastError());
    QElapsedTimer timer;
    timer.start();
    dm.StartTransaction();
    QString error;
    for (const QVariantList& row : rows) {
        QStringList t;
        for (const QVariant& value : row)
            t << (value.typeId() == QMetaType::QDate ? DateToSqlText(value.toDate())
                                                     : value.toString());
        const bool ok =
            game == ArchiveGame::Lotto
                ? dm.InsertLottoDraw(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], error)
                : dm.InsertSenalDraw(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9],
                                     error);
        if (!ok) Fail(error);
    }
    if (!dm.Commit()) Fail(QStringLiteral("commit non riuscito"));
    return timer.elapsed();
}

// The whole command, process start and file reading included.
qint64 CliImport(ArchiveGame game, const QString& database, const QString& file) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../sortavo-cli"),
                  {QStringLiteral("--db"), database,
                   game == ArchiveGame::Lotto ? QStringLiteral("import-lotto")
                                              : QStringLiteral("import-senal"),
                   file});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        Fail(QString::fromUtf8(process.readAllStandardError()));
    return timer.elapsed();
}

// The load again, in process, over a full archive: the old rows are deleted first.
qint64 Reload(ArchiveGame game, const QString& database, const QString& file) {
    TDM1 dm(QCoreApplication::applicationDirPath());
    dm.SetDatabaseName(database);
    if (!dm.OpenDatabase()) Fail(dm.PeekLastError());
    NullProgress progress;
    QElapsedTimer timer;
    timer.start();
    const ArchiveLoadResult result = LoadArchiveFile(dm, game, file, progress);
    if (!result.ok) Fail(result.message);
    return timer.elapsed();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2 || (args[0] != QLatin1String("lotto") && args[0] != QLatin1String("senal")))
        Fail(QStringLiteral("uso: bench_archive_import lotto|senal FILE [REPEAT]"));
    const ArchiveGame game =
        args[0] == QLatin1String("lotto") ? ArchiveGame::Lotto : ArchiveGame::Senal;
    const QString file = args[1];
    const int repeat = args.size() > 2 ? qMax(1, args[2].toInt()) : 3;
    const QList<QVariantList> rows = ReadRows(game, file);

    QTemporaryDir dir;
    qint64 baseline = -1, import = -1, reload = -1;
    for (int run = 0; run < repeat; ++run) {
        const qint64 b = PreparedInsert(game, FreshDatabase(dir, QStringLiteral("base.gdb")), rows);
        const QString database = FreshDatabase(dir, QStringLiteral("cli.gdb"));
        const qint64 i = CliImport(game, database, file);
        const qint64 r = Reload(game, database, file);
        baseline = baseline < 0 ? b : qMin(baseline, b);
        import = import < 0 ? i : qMin(import, i);
        reload = reload < 0 ? r : qMin(reload, r);
    }
    const qint64 text = SqlTextPerLine(game, FreshDatabase(dir, QStringLiteral("text.gdb")), rows);
    std::printf("righe                                   %lld\n", qlonglong(rows.size()));
    std::printf("insert preparato, una transazione (base) %6lld ms\n", baseline);
    std::printf("sortavo-cli import, archivio vuoto       %6lld ms  %.2fx\n", import,
                double(import) / double(baseline));
    std::printf("ricarica su archivio pieno (in processo) %6lld ms  %.2fx\n", reload,
                double(reload) / double(baseline));
    std::printf("testo SQL per riga (per confronto)       %6lld ms  %.2fx\n", text,
                double(text) / double(baseline));
    return 0;
}
