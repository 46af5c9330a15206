// The estimate table FL8STIMA: its rows from the five rankings, and its two scores.

#include "common/progress.h"
#include "common/sql_text.h"
#include "stats_l8/formula_evaluator.h"
#include "stats_l8/tdms.h"
#include "storage/tdm1.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// One wheel's rows: the ranks and values of its numbers, joined on the number columns of the
// wheel (.bn, .bv become the wheel's letter followed by N and V).
const QString EstimateRowsTemplate = QStringLiteral(
    " insert into FL8STIMA ( RUOTA, NUM, ATTRIT, POSRIT, VALRIT, POSFREQMIN, VALFREQMIN, "
    "POSFREQMAX, VALFREQMAX, POSRAPPMIN, VALRAPPMIN, POSRAPPMAX, VALRAPPMAX, POS2RIT, VAL2RIT, "
    "POS3RIT, VAL3RIT, RITPIRA, QNTPIRA, VALPIRA, VALSTIMAOLD, VALSTIMANEW ) "
    " select ':RUOTA', r.bn, 0.0, r.POS, r.bv, f.POS, f.bv, 1, 0.0, rf.POS, rf.bv, 1, 0.0, "
    "s2.POS, s2.bv, s3.POS, s3.bv, 0.0, 0, 0.0, 0.0, 0.0 "
    "   from FL8RITAESTRA r, FL8FREQESTRA f, FL8RPRFESTRA rf, FL8RIS2ESTRA s2, FL8RIS3ESTRA s3 "
    "  where f.bn = r.bn and rf.bn = r.bn and s2.bn = r.bn and s3.bn = r.bn "
    "  order by r.bn ");

// Reliability of a delay: A(x) = x / (x + 17.4952), A(0) = 0.
double Reliability(double x) {
    return x != 0 ? x / (x + 17.4952) : 0;
}

struct EstimateRow {
    QString wheel;
    int number = 0;
    int rank[EstimateStatCount] = {};
    double value[EstimateStatCount] = {};
};

} // namespace

bool TDMS::BuildEstimateRows(Progress& step) {
    step.SetRange(0, WheelCount);
    step.SetPosition(0);
    if (!m_dm.ClearTable(QStringLiteral("FL8STIMA"))) return Fail(m_dm.TakeLastError());
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        step.SetPosition(wheel + 1);
        step.ProcessEvents();
        const QString letter = WheelLetters[wheel];
        QString sql = EstimateRowsTemplate;
        sql.replace(QStringLiteral(".bn"), QLatin1Char('.') + letter + QLatin1Char('N'),
                    Qt::CaseInsensitive);
        sql.replace(QStringLiteral(".bv"), QLatin1Char('.') + letter + QLatin1Char('V'),
                    Qt::CaseInsensitive);
        sql.replace(QStringLiteral(":RUOTA"), WheelCodes[wheel], Qt::CaseInsensitive);
        QString errorText;
        if (!m_dm.ExecSql(QStringLiteral("STIMA X RUOTA") + WheelCodes[wheel], sql, errorText))
            return Fail(errorText);
    }
    return true;
}

bool TDMS::UpdateEstimates(Progress& step) {
    step.SetRange(0, 990);
    step.SetPosition(0);

    // The rows in the order they were built: wheel order, then number.
    std::vector<EstimateRow> rows;
    {
        QSqlQuery query = m_dm.NewQuery();
        query.setForwardOnly(true);
        QString message;
        if (m_dm.OpenQuery(query,
                           QStringLiteral(" select RUOTA, NUM, POSRIT, VALRIT, POSFREQMIN, "
                                          "VALFREQMIN, POSRAPPMIN, VALRAPPMIN, POS2RIT, VAL2RIT, "
                                          "POS3RIT, VAL3RIT from FL8STIMA "),
                           message)) {
            while (query.next()) {
                EstimateRow row;
                row.wheel = query.value(0).toString().trimmed();
                row.number = query.value(1).toInt();
                for (int stat = 0; stat < EstimateStatCount; ++stat) {
                    row.rank[stat] = query.value(2 + 2 * stat).toInt();
                    row.value[stat] = query.value(3 + 2 * stat).toDouble();
                }
                rows.push_back(row);
            }
            if (query.lastError().isValid()) message = TDM1::MessageOf(query);
        }
        query.finish();
        if (!message.isEmpty())
            return Fail(QStringLiteral("ERRORE AGGIORNAMENTO STIME-2. 01-") + CrLf + message);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const EstimateRow& a, const EstimateRow& b) {
        const auto place = [](const QString& wheel) {
            const int index = WheelIndex(wheel);
            return index < 0 ? WheelCount + 1 : index;
        };
        const int pa = place(a.wheel);
        const int pb = place(b.wheel);
        if (pa != pb) return pa < pb;
        if (pa > WheelCount && a.wheel != b.wheel) return a.wheel < b.wheel;
        return a.number < b.number;
    });

    const QString kind = m_dm.EstimateKind;
    const QString formulaError = QStringLiteral(
        "ERRORE UPDATE STIME-2. 04.\r\n\r\nLa valutazione della stima personalizzata ha "
        "generato un errore:");
    QSqlQuery update = m_dm.NewQuery();
    if (!update.prepare(QStringLiteral(" update FL8STIMA set ATTRIT = ?, VALSTIMAOLD = ?, "
                                       "VALSTIMANEW = ? where RUOTA = ? and NUM = ? ")) &&
        !rows.empty())
        return Fail(QStringLiteral("ERRORE UPDATE STIME-2. 02") + CrLf + TDM1::MessageOf(update));

    int counter = 0;
    for (const EstimateRow& row : rows) {
        if (++counter % 45 == 0) {
            step.SetPosition(counter);
            step.ProcessEvents();
        }
        const double delay = row.value[EstRita];
        const double frequency = row.value[EstFreq];
        const double reliability = Reliability(delay + 1);
        const double standard =
            frequency > 0 ? (reliability * 100 / frequency) / 7.5 : reliability * 100 / 7.5;
        // The value of each of the ten terms: rank score 91 - rank, and the value itself
        // (the frequency enters as its inverse).
        int score[EstimateStatCount];
        double value[EstimateStatCount];
        for (int stat = 0; stat < EstimateStatCount; ++stat) {
            score[stat] = 91 - row.rank[stat];
            value[stat] = row.value[stat];
        }
        value[EstFreq] = frequency > 0 ? 1 / frequency : 1;

        double personal = 0;
        if (kind == QLatin1String("P")) {
            for (int stat = 0; stat < EstimateStatCount; ++stat) {
                const EstimateParam& param = m_dm.EstimateParams[stat];
                if (param.Active) personal += param.Value1 * score[stat];
                if (param.Flag2) personal += param.Value2 * value[stat];
            }
            if (!std::isfinite(personal))
                return Fail(formulaError + QStringLiteral("Errore:") + OverflowText);
        } else if (kind == QLatin1String("F")) {
            QString formula = m_dm.EstimateFormula;
            for (int stat = 0; stat < EstimateStatCount; ++stat) {
                formula.replace(StatCodes[2 * stat], QString::number(score[stat]));
                formula.replace(StatCodes[2 * stat + 1], FloatToSqlText(value[stat]));
            }
            QString evaluationError;
            const long double result = Evaluate(formula, evaluationError);
            personal = double(result);
            // A result beyond the range of the stored value is an overflow too.
            if (evaluationError.isEmpty() && !std::isfinite(personal))
                evaluationError = QStringLiteral("Errore:") + OverflowText;
            if (!evaluationError.isEmpty()) return Fail(formulaError + evaluationError);
        }

        update.bindValue(0, reliability);
        update.bindValue(1, standard);
        update.bindValue(2, personal);
        update.bindValue(3, row.wheel);
        update.bindValue(4, row.number);
        if (!update.exec())
            return Fail(QStringLiteral("ERRORE UPDATE STIME-2. 02") + CrLf +
                        TDM1::MessageOf(update));
    }
    return true;
}
