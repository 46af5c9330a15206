// The pyramid of recent extractions and the ambo delays of the classic groups of numbers.

#include "common/progress.h"
#include "common/sql_text.h"
#include "stats_l8/tdms.h"
#include "storage/tdm1.h"

#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString GroupText(const QList<int>& group) {
    QStringList parts;
    for (int n : group)
        parts << TwoDigits(n);
    return parts.join(QLatin1Char('-'));
}

} // namespace

bool TDMS::BuildPyramid(bool updateEstimate, Progress& step, const QDate& cutOff) {
    step.SetRange(0, WheelCount);
    step.SetPosition(0);
    std::array<WheelPyramid, WheelCount> pyramids;
    int lastRow = 0;
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        step.SetPosition(wheel + 1);
        step.ProcessEvents();
        const LottoDraws* draws = WheelDraws(wheel, cutOff);
        if (!draws) return false;
        WheelPyramid& pyramid = pyramids[size_t(wheel)];
        pyramid = ComputeWheelPyramid(*draws);
        if (updateEstimate)
            for (const PyramidEstimateUpdate& update : pyramid.updates)
                if (!UpdatePyramidEstimate(WheelCodes[wheel], update.number, update.row,
                                           update.count))
                    return false;
        lastRow = std::max(lastRow, pyramid.lastRow);
    }

    if (!m_dm.ClearTable(QStringLiteral("FL8PIRAESTRA"))) return Fail(m_dm.TakeLastError());
    for (int rit = 0; rit <= lastRow; ++rit) {
        std::array<int, 5 * WheelCount> numbers{};
        for (int wheel = 0; wheel < WheelCount; ++wheel) {
            const WheelPyramid& pyramid = pyramids[size_t(wheel)];
            if (rit > pyramid.lastRow) continue; // past this wheel's own last row
            for (int p = 0; p < 5; ++p)
                numbers[size_t(wheel * 5 + p)] = pyramid.rows[size_t(rit)][size_t(p)];
        }
        if (!InsertPyramidRow(rit, numbers)) return false;
    }
    return true;
}

bool TDMS::UpdatePyramidEstimate(const QString& wheel, int number, int row, int count) {
    const QString sql = QStringLiteral(" update FL8STIMA set RITPIRA = ") + QString::number(row) +
                        QStringLiteral(", QNTPIRA = ") + QString::number(count) +
                        QStringLiteral(", VALPIRA = ") + FloatToSqlText(double(count) * row) +
                        QStringLiteral(" where RUOTA = ") + QuotedSqlText(wheel) +
                        QStringLiteral(" and NUM = ") + QString::number(number) +
                        QStringLiteral(" ");
    QString errorText;
    return m_dm.ExecSql(QStringLiteral("UPDATE STIMA PIRAMID"), sql, errorText) || Fail(errorText);
}

bool TDMS::InsertPyramidRow(int rit, const std::array<int, 5 * WheelCount>& numbers) {
    QString columns = QStringLiteral("RIT");
    QString values = QString::number(rit);
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        for (int p = 0; p < 5; ++p) {
            columns += QStringLiteral(", ") + WheelLetters[wheel] + QString::number(p + 1);
            values += QStringLiteral(", ") + QString::number(numbers[size_t(wheel * 5 + p)]);
        }
    }
    const QString sql = QStringLiteral(" insert into FL8PIRAESTRA (") + columns +
                        QStringLiteral(") values (") + values + QStringLiteral(") ");
    QString errorText;
    return m_dm.ExecSql(QStringLiteral("Insert In tabella:PIRAMIDALE"), sql, errorText) ||
           Fail(errorText + CrLf + sql);
}

bool TDMS::BuildPairListRows(const QList<int>& list, int length, const QDate& cutOff,
                             const QString& table, Progress& step) {
    const int n = std::min(length, int(list.size()));
    QList<QList<int>> pairs;
    for (int i = 0; i < n - 1; ++i)
        for (int j = i + 1; j < n; ++j)
            pairs.append({list[i], list[j]});
    return BuildGroupRows(pairs, cutOff, table, step);
}

bool TDMS::BuildReversiblePairRows(const QString& table, Progress& step, const QDate& cutOff) {
    QList<QList<int>> pairs;
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 8; ++b)
            pairs.append({a * 10 + b, b * 10 + a});
    return BuildGroupRows(pairs, cutOff, table, step);
}

bool TDMS::BuildFormationRows(const QList<int>& formations, int lastIndex, const QDate& cutOff,
                              int rows, int columns, const QString& table, Progress& step) {
    if (lastIndex + 1 != rows * columns || int(formations.size()) != lastIndex + 1)
        return Fail(QStringLiteral(
            "Gruppo di formazioni per ambo, mismatch tra lunghezza array e righexcolonne !"));
    if (rows > 20 || columns > 45)
        return Fail(QStringLiteral("Gruppo di formazioni per ambo, matrice troppo ampia !"));
    QList<QList<int>> groups;
    for (int r = 0; r < rows; ++r)
        groups.append(formations.mid(r * columns, columns));
    return BuildGroupRows(groups, cutOff, table, step);
}

bool TDMS::BuildGroupRows(const QList<QList<int>>& groups, const QDate& cutOff,
                          const QString& table, Progress& step) {
    step.SetRange(0, WheelCount);
    step.SetPosition(0);
    std::vector<std::array<int, WheelCount>> delays(size_t(groups.size()));
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        step.SetPosition(wheel + 1);
        step.ProcessEvents();
        const LottoDraws* draws = WheelDraws(wheel, cutOff);
        if (!draws) return false;
        for (int g = 0; g < int(groups.size()); ++g)
            delays[size_t(g)][size_t(wheel)] =
                AmboDelay(*draws, groups[g].constData(), int(groups[g].size()));
    }

    if (!m_dm.ClearTable(table)) return Fail(m_dm.TakeLastError());
    std::array<int, WheelCount> smallest;
    smallest.fill(100000);
    for (int g = 0; g < int(groups.size()); ++g) {
        const std::array<int, WheelCount>& values = delays[size_t(g)];
        int rtt = 1000000;
        for (int wheel = 0; wheel < WheelCount; ++wheel) {
            rtt = std::min(rtt, values[size_t(wheel)]);
            smallest[size_t(wheel)] = std::min(smallest[size_t(wheel)], values[size_t(wheel)]);
        }
        if (!InsertGroupRow(table, g + 1, GroupText(groups[g]), values, rtt)) return false;
    }
    int rtt = 1000000;
    for (int value : smallest)
        rtt = std::min(rtt, value);
    return InsertGroupRow(table, int(groups.size()) + 1, QStringLiteral("Di Gruppo"), smallest,
                          rtt);
}

bool TDMS::InsertGroupRow(const QString& table, int pos, const QString& group,
                          const std::array<int, WheelCount>& values, int rtt) {
    QString sql = QStringLiteral(" insert into ") + table + QStringLiteral(" (POS, GRUPPO, ") +
                  WheelResultColumns.join(QStringLiteral(", ")) + QStringLiteral(", ") +
                  AllWheelsResultColumn + QStringLiteral(") values (") + QString::number(pos) +
                  QStringLiteral(", ") + QuotedSqlText(group);
    for (int value : values)
        sql += QStringLiteral(", ") + QString::number(value);
    sql += QStringLiteral(", ") + QString::number(rtt) + QStringLiteral(") ");
    const QString caption = QStringLiteral("Insert In tabella:") + table;
    QString errorText;
    return m_dm.ExecSql(caption, sql, errorText) || Fail(errorText + CrLf + sql);
}
