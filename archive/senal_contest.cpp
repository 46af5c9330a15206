#include "archive/senal_contest.h"

#include "storage/tdm1.h"

#include <QDateTime>
#include <QSqlQuery>

namespace {

bool InRange(const QVariant& value, int minimum, int maximum) {
    return value.toInt() >= minimum && value.toInt() <= maximum;
}

QVariant Bound(const QVariant& value) {
    return value.isNull() ? QVariant(QMetaType::fromType<int>()) : QVariant(value.toInt());
}

QVariant IntOrNull(const QVariant& value) {
    return value.isNull() ? QVariant() : QVariant(value.toInt());
}

} // namespace

QString CheckContest(const SenalContestRow& row) {
    if (row.contest.isNull()) return QStringLiteral("Indicare il concorso !");
    for (int k = 0; k < 6; ++k) {
        const QString column = QStringLiteral("N") + QString::number(k + 1);
        if (row.numbers[k].isNull()) return column + QStringLiteral(" mancante  !");
        if (!InRange(row.numbers[k], 1, 90))
            return column + QStringLiteral(" deve essere compreso tra 1 e 90  !");
    }
    if (row.jolly.isNull()) return QStringLiteral("Numero Jolly mancante  !");
    if (!InRange(row.jolly, 0, 90))
        return QStringLiteral("Numero Jolly deve essere compreso tra 0 (assente) e 90  !");
    if (row.superStar.isNull()) return QStringLiteral("Numero Superstar mancante  !");
    if (!InRange(row.superStar, 0, 90))
        return QStringLiteral("Numero SuperStar deve essere compreso tra 0 (assente) e 90  !");
    for (int j = 0; j < 6; ++j)
        for (int k = j + 1; k < 6; ++k)
            if (row.numbers[j].toInt() == row.numbers[k].toInt())
                return QStringLiteral("Numero :") + QString::number(row.numbers[j].toInt()) +
                       QStringLiteral(" ripetuto !");
    return QString();
}

bool ReadContest(TDM1& dm, const QDate& date, SenalContestRow& row, QString& message) {
    row = SenalContestRow();
    message.clear();
    QSqlQuery query = dm.NewQuery();
    if (!query.prepare(QStringLiteral("select DATAESTRA, CONCORSO, N1, N2, N3, N4, N5, N6, NJ, NS "
                                      "from SENAL81 where DATAESTRA = ?"))) {
        message = TDM1::MessageOf(query);
        return false;
    }
    query.bindValue(0, QDateTime(date, QTime(0, 0)));
    if (!query.exec()) {
        message = TDM1::MessageOf(query);
        return false;
    }
    if (!query.next()) return false;
    row.date = query.value(0).toDate();
    row.contest = IntOrNull(query.value(1));
    for (int k = 0; k < 6; ++k)
        row.numbers[k] = IntOrNull(query.value(2 + k));
    row.jolly = IntOrNull(query.value(8));
    row.superStar = IntOrNull(query.value(9));
    return true;
}

bool AppendContest(TDM1& dm, const QDate& date, QString& message) {
    QSqlQuery latest = dm.NewQuery();
    if (!dm.OpenQuery(
            latest, QStringLiteral("select first 1 NUMESTRA from SENAL81 order by DATAESTRA desc"),
            message))
        return false;
    const int number = latest.next() ? latest.value(0).toInt() : 0; // null reads as 0
    latest.finish();
    QSqlQuery insert = dm.NewQuery();
    if (!insert.prepare(
            QStringLiteral("insert into SENAL81 (DATAESTRA, NUMESTRA) values (?, ?)"))) {
        message = TDM1::MessageOf(insert);
        return false;
    }
    insert.bindValue(0, QDateTime(date, QTime(0, 0)));
    insert.bindValue(1, number + 1);
    if (!insert.exec()) {
        message = TDM1::MessageOf(insert);
        return false;
    }
    return true;
}

bool SaveContest(TDM1& dm, const SenalContestRow& row, QString& message) {
    QSqlQuery update = dm.NewQuery();
    if (!update.prepare(
            QStringLiteral("update SENAL81 set CONCORSO = ?, N1 = ?, N2 = ?, N3 = ?, "
                           "N4 = ?, N5 = ?, N6 = ?, NJ = ?, NS = ? where DATAESTRA = ?"))) {
        message = TDM1::MessageOf(update);
        return false;
    }
    update.bindValue(0, Bound(row.contest));
    for (int k = 0; k < 6; ++k)
        update.bindValue(1 + k, Bound(row.numbers[k]));
    update.bindValue(7, Bound(row.jolly));
    update.bindValue(8, Bound(row.superStar));
    update.bindValue(9, QDateTime(row.date, QTime(0, 0)));
    if (!update.exec()) {
        message = TDM1::MessageOf(update);
        return false;
    }
    return true;
}
