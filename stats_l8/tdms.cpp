#include "stats_l8/tdms.h"

#include "common/progress.h"
#include "common/sql_text.h"
#include "storage/tdm1.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtGlobal>

#include <algorithm>
#include <functional>

const QStringList LottoStatCodes = {
    QStringLiteral("L8RITAESTRA"), QStringLiteral("L8FREQESTRA"), QStringLiteral("L8RPRFESTRA"),
    QStringLiteral("L8RIS2ESTRA"), QStringLiteral("L8RIS3ESTRA"), QStringLiteral("L8STIMA"),
    QStringLiteral("L8PIRAESTRA"), QStringLiteral("L8STIMAUPD"),  QStringLiteral("L8RIGAGEMEL"),
    QStringLiteral("L8RIGAVERTI"), QStringLiteral("L8RIGACADEN"), QStringLiteral("L8RIGARADIC")};

namespace {

TDMS* current = nullptr;
const QString CrLf = QStringLiteral("\r\n");

const char* const RankingTables[RankingCount] = {"FL8RITAESTRA", "FL8FREQESTRA", "FL8RPRFESTRA",
                                                 "FL8RIS2ESTRA", "FL8RIS3ESTRA"};

QString DatabaseMessage(const QSqlError& error) {
    const QString database = error.databaseText().trimmed();
    return database.isEmpty() ? error.text().trimmed() : database;
}

} // namespace

TDMS::TDMS(TDM1& dm)
    : m_dm(dm)
    , m_previous(current) {
    current = this;
}

TDMS::~TDMS() {
    current = m_previous;
}

TDMS& TDMS::Instance() {
    Q_ASSERT(current);
    return *current;
}

bool TDMS::Fail(const QString& text) {
    m_errorText = text;
    return false;
}

bool TDMS::Stamp(const QString& code, const QDate& date) {
    return m_dm.SetStatLastUpdate(code, date) || Fail(m_dm.TakeLastError());
}

bool TDMS::UpdateLottoStatistics(Progress& overall, Progress& step, const QDate& cutOff) {
    overall.SetRange(0, 15);
    overall.SetPosition(0);
    step.SetPosition(0);

    if (m_dm.InTransaction() && !m_dm.Commit())
        return Fail(QStringLiteral("Errore in chiusura della transazione aperta:") + CrLf +
                    DatabaseMessage(m_dm.Database().lastError()));
    if (!m_dm.StartTransaction())
        return Fail(QStringLiteral("Errore in avvio della transazione:") + CrLf +
                    DatabaseMessage(m_dm.Database().lastError()));

    const auto stamp = [&](std::initializer_list<int> codes) {
        for (int code : codes)
            if (!Stamp(LottoStatCodes[code], cutOff)) return false;
        return true;
    };
    const QList<int> twins = {11, 22, 33, 44, 55, 66, 77, 88};
    QList<int> cadences;
    for (int ending = 1; ending <= 10; ++ending)
        for (int n = ending; n <= 90; n += 10)
            cadences << n;
    QList<int> radicals;
    for (int r = 1; r <= 8; ++r)
        radicals << r << r * 10 << r * 11 << r * 10 + 9;

    const std::function<bool()> steps[] = {
        [&] { return ClearMainStat(); },
        [&] { return ComputeNumberStats(step, cutOff); },
        [&] {
            return stamp({0, 1, 2, 3, 4});
        },
        [&] { return BuildEstimateRows(step); },
        [&] { return stamp({5}); },
        [&] { return BuildPyramid(true, step, cutOff); },
        [&] { return stamp({6}); },
        [&] { return UpdateEstimates(step); },
        [&] { return stamp({7}); },
        [&] {
            return BuildPairListRows(twins, int(twins.size()), cutOff,
                                     QStringLiteral("FL8RIGAGEMEL"), step);
        },
        [&] { return stamp({8}); },
        [&] { return BuildReversiblePairRows(QStringLiteral("FL8RIGAVERTI"), step, cutOff); },
        [&] { return stamp({9}); },
        [&] {
            return BuildFormationRows(cadences, int(cadences.size()) - 1, cutOff, 10, 9,
                                      QStringLiteral("FL8RIGACADEN"), step);
        },
        [&] { return stamp({10}); },
        [&] {
            return BuildFormationRows(radicals, int(radicals.size()) - 1, cutOff, 8, 4,
                                      QStringLiteral("FL8RIGARADIC"), step);
        },
        [&] { return stamp({11}); },
    };

    // Each wheel's draws are read once and serve every step of this run.
    m_keepDraws = true;
    m_keptCutOff = cutOff;
    m_kept.fill(false);
    const auto forgetDraws = [&] {
        m_keepDraws = false;
        for (LottoDraws& draws : m_keptDraws)
            LottoDraws().swap(draws);
    };

    int number = 0;
    for (const auto& run : steps) {
        ++number;
        if (!run()) {
            forgetDraws();
            m_dm.Rollback();
            return false;
        }
        overall.SetPosition(std::min(number, 15));
        overall.ProcessEvents();
    }
    forgetDraws();
    if (!m_dm.Commit()) {
        const QString message = DatabaseMessage(m_dm.Database().lastError());
        m_dm.Rollback();
        return Fail(QStringLiteral("Errore in conferma dell'aggiornamento:") + CrLf + message);
    }
    return true;
}

bool TDMS::ClearMainStat() {
    QString errorText;
    return m_dm.ExecSql(QStringLiteral("Pulizia MAINSTAT"),
                        QStringLiteral("delete from FMAINSTAT where 1=1 "), errorText) ||
           Fail(errorText);
}

// Draw loading -------------------------------------------------------------------------------

int TDMS::LoadWheelDraws(const QString& wheel, const QDate& cutOff) {
    return LoadDraws(wheel, cutOff, false);
}

int TDMS::LoadWheelDrawsFrom(const QString& wheel, const QDate& start) {
    return LoadDraws(wheel, start, true);
}

int TDMS::LoadDraws(const QString& wheel, const QDate& date, bool fromDate) {
    m_draws.clear();
    if (!date.isValid()) return 0; // no draw is on either side of no date
    // The plan walks the wheel's own date index between the bounds; left to itself the
    // optimizer walks the date index of every wheel and filters, twice as slow.
    const QString sql = QStringLiteral(" select * from LOTTO1 where RUOTA = ") +
                        QuotedSqlText(wheel) + QStringLiteral(" and DATAESTRA ") +
                        (fromDate ? QStringLiteral(">= ") : QStringLiteral("<= ")) +
                        DateToSqlLiteral(date) +
                        (fromDate ? QStringLiteral(" plan (LOTTO1 order IX_LOTTO1_RUOTA_DATA) "
                                                   "order by DATAESTRA asc ")
                                  : QStringLiteral(" plan (LOTTO1 order IX_LOTTO1_RUOTA_DATA_DESC) "
                                                   "order by DATAESTRA desc "));
    QSqlQuery query = m_dm.NewQuery();
    query.setForwardOnly(true);
    QString message;
    if (m_dm.OpenQuery(query, sql, message)) {
        const QSqlRecord record = query.record();
        const int dateColumn = record.indexOf(QStringLiteral("DATAESTRA"));
        int numberColumns[5];
        for (int p = 0; p < 5; ++p)
            numberColumns[p] = record.indexOf(QStringLiteral("N") + QString::number(p + 1));
        m_draws.reserve(MaxLoadedDraws);
        while (int(m_draws.size()) < MaxLoadedDraws && query.next()) {
            LottoDraw draw;
            for (int p = 0; p < 5; ++p)
                draw.numbers[size_t(p)] = query.value(numberColumns[p]).toInt(); // NULL gives 0
            draw.date = query.value(dateColumn).toDate();
            m_draws.push_back(draw);
        }
        if (query.lastError().isValid()) message = DatabaseMessage(query.lastError());
    }
    query.finish();
    if (!message.isEmpty()) {
        m_draws.clear();
        m_errorText = QStringLiteral("Errore in caricamento estrazioni:") + CrLf + message;
        return -1;
    }
    return int(m_draws.size());
}

const LottoDraws* TDMS::WheelDraws(int wheel, const QDate& cutOff) {
    const bool reuse = m_keepDraws && cutOff == m_keptCutOff;
    if (reuse && m_kept[size_t(wheel)]) return &m_keptDraws[size_t(wheel)];
    if (LoadWheelDraws(WheelCodes[wheel], cutOff) < 1) return nullptr;
    if (!reuse) return &m_draws;
    m_keptDraws[size_t(wheel)] = m_draws;
    m_kept[size_t(wheel)] = true;
    return &m_keptDraws[size_t(wheel)];
}

// Number statistics and rankings ------------------------------------------------------------

bool TDMS::ComputeNumberStats(Progress& step, const QDate& cutOff) {
    step.SetRange(0, WheelCount);
    step.SetPosition(0);
    for (WheelNumberStats& wheel : m_stats)
        for (int n = 1; n <= 90; ++n)
            wheel[size_t(n - 1)] = NumberStat{n, 0, 0, 0, 0, 0};

    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        step.SetPosition(wheel + 1);
        step.ProcessEvents();
        const LottoDraws* draws = WheelDraws(wheel, cutOff);
        if (!draws) return false;
        int failing = 0;
        switch (ComputeWheelNumberStats(*draws, m_stats[size_t(wheel)], failing)) {
        case NumberStatFailure::None:
            break;
        case NumberStatFailure::NeverDrawn:
            return Fail(QStringLiteral("N.") + QString::number(failing) +
                        QStringLiteral(" non trovato Ritardo in ruota:") + WheelCodes[wheel] +
                        QStringLiteral(" La data massima estrazione e' troppo bassa!"));
        case NumberStatFailure::TooFewAppearances:
            return Fail(QStringLiteral("N.") + QString::number(failing) +
                        QStringLiteral(" in ruota:") + WheelCodes[wheel] +
                        QStringLiteral(" Non trovate 10 uscite x la frequenza ! La data "
                                       "massima estrazione e' troppo bassa!"));
        }
    }

    for (int kind = 0; kind < RankingCount; ++kind)
        if (!WriteRanking(RankingKind(kind))) return false;
    return true;
}

bool TDMS::WriteRanking(RankingKind kind) {
    for (WheelNumberStats& wheel : m_stats)
        SortWheelRanking(wheel, kind);
    const QString table = QLatin1String(RankingTables[kind]);
    if (!m_dm.ClearTable(table)) return Fail(m_dm.TakeLastError());
    for (int pos = 1; pos <= 90; ++pos) {
        std::array<RankingPair, WheelCount> pairs;
        for (int wheel = 0; wheel < WheelCount; ++wheel) {
            const NumberStat& stat = m_stats[size_t(wheel)][size_t(pos - 1)];
            pairs[size_t(wheel)] = {stat.number, RankingValue(stat, kind)};
        }
        if (!InsertWheelRanking(table, pos, pairs, RankingPair())) return false;
    }
    return true;
}

bool TDMS::InsertWheelRanking(const QString& table, int pos,
                              const std::array<RankingPair, WheelCount>& pairs, RankingPair all) {
    QString columns = QStringLiteral("POS");
    QString values = QString::number(pos);
    const auto add = [&](QChar letter, const RankingPair& pair) {
        columns +=
            QStringLiteral(", ") + letter + QStringLiteral("N, ") + letter + QLatin1Char('V');
        values += QStringLiteral(", ") + QString::number(pair.number) + QStringLiteral(", ") +
                  FloatToSqlText(pair.value);
    };
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        add(WheelLetters[wheel], pairs[size_t(wheel)]);
    add(QLatin1Char('A'), all);
    const QString sql = QStringLiteral(" insert into ") + table + QStringLiteral(" (") + columns +
                        QStringLiteral(") values (") + values + QStringLiteral(") ");
    QString errorText;
    return m_dm.ExecSql(QStringLiteral("Insert In tabella:") + table, sql, errorText) ||
           Fail(errorText + CrLf + sql);
}

QString TDMS::RecomputeFailureText(const QDate& cutOff) const {
    if (!m_errorText.isEmpty()) return m_errorText;
    if (!cutOff.isValid())
        return QStringLiteral("Archivio del Lotto vuoto: nessuna estrazione da elaborare.");
    return QStringLiteral("Aggiornamento non riuscito: una ruota non ha estrazioni fino al ") +
           DateToSqlText(cutOff) + QLatin1Char('.');
}
