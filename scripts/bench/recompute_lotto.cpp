// The full Lotto recompute against reading every LOTTO1 row once, on the same database.
//
//   bench_recompute_lotto DATABASE [REPEAT]
//
// DATABASE holds a Lotto archive (scripts/bench/recompute-lotto makes one of 10,000 draws).
// Prints the best time of each over REPEAT runs (3 by default) and the ratios.

#include "common/progress.h"
#include "stats_l8/tdms.h"
#include "storage/tdm1.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdio>

namespace {

[[noreturn]] void Fail(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::exit(1);
}

std::unique_ptr<TDM1> Open(const QString& database) {
    auto dm = std::make_unique<TDM1>(QCoreApplication::applicationDirPath());
    dm->SetDatabaseName(database);
    if (!dm->OpenDatabase()) Fail(dm->PeekLastError());
    return dm;
}

// The baseline: every row of LOTTO1, every column, read once.
qint64 ReadEveryRow(const QString& database, qint64& rows) {
    auto dm = Open(database);
    QElapsedTimer timer;
    timer.start();
    QSqlQuery query = dm->NewQuery();
    query.setForwardOnly(true);
    QString error;
    if (!dm->OpenQuery(query, QStringLiteral("select * from LOTTO1"), error)) Fail(error);
    const int columns = query.record().count();
    qint64 sum = 0;
    rows = 0;
    while (query.next()) {
        for (int c = 0; c < columns; ++c)
            sum += query.value(c).toLongLong();
        ++rows;
    }
    query.finish();
    dm->Commit();
    const qint64 elapsed = timer.elapsed();
    if (sum == 42) std::printf(" "); // keeps the reads
    return elapsed;
}

// Milliseconds at each position of the overall progress.
class TimedProgress final : public Progress {
public:
    void SetRange(int, int) override { m_timer.start(); }
    void SetPosition(int) override { marks << m_timer.elapsed(); }
    QList<qint64> marks;

private:
    QElapsedTimer m_timer;
};

// The engine in this process, connection already open.
qint64 InProcess(const QString& database, QList<qint64>& marks) {
    auto dm = Open(database);
    TDMS engine(*dm);
    const QDate cutOff = dm->GetLottoCutOffDate();
    TimedProgress overall;
    NullProgress step;
    QElapsedTimer timer;
    timer.start();
    if (!engine.UpdateLottoStatistics(overall, step, cutOff)) Fail(engine.GetErrorText());
    const qint64 elapsed = timer.elapsed();
    marks = overall.marks;
    return elapsed;
}

// The whole command: process start, connection, recompute, progress output.
qint64 Command(const QString& database) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../sortavo-cli"),
                  {QStringLiteral("--db"), database, QStringLiteral("recompute-lotto")});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        Fail(QString::fromUtf8(process.readAllStandardError()));
    return timer.elapsed();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) Fail(QStringLiteral("uso: bench_recompute_lotto DATABASE [REPEAT]"));
    const QString database = args[0];
    const int repeat = args.size() > 1 ? qMax(1, args[1].toInt()) : 3;

    qint64 rows = 0, baseline = -1, engine = -1, command = -1;
    QList<qint64> marks, bestMarks;
    for (int run = 0; run < repeat; ++run) {
        const qint64 b = ReadEveryRow(database, rows);
        const qint64 e = InProcess(database, marks);
        if (engine < 0 || e < engine) bestMarks = marks;
        const qint64 c = Command(database);
        baseline = baseline < 0 ? b : qMin(baseline, b);
        engine = engine < 0 ? e : qMin(engine, e);
        command = command < 0 ? c : qMin(command, c);
    }
    std::printf("righe LOTTO1                              %lld\n", qlonglong(rows));
    std::printf("lettura di ogni riga una volta (base)     %6lld ms\n", baseline);
    std::printf("ricalcolo completo, in processo           %6lld ms  %.2fx\n", engine,
                double(engine) / double(baseline));
    std::printf("sortavo-cli recompute-lotto (processo)    %6lld ms  %.2fx\n", command,
                double(command) / double(baseline));
    std::printf("tempi per passo (ms, il ricalcolo piu' veloce):");
    for (int i = 1; i < bestMarks.size(); ++i)
        std::printf(" %d:%lld", i, qlonglong(bestMarks[i] - bestMarks[i - 1]));
    std::printf("\n");
    return 0;
}
