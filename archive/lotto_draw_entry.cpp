#include "archive/lotto_draw_entry.h"

#include "archive/archive_browser.h"
#include "common/helpers.h"
#include "common/sql_text.h"
#include "storage/tdm1.h"

#include <QSqlQuery>

#include <algorithm>

const QString ZeroWarningText = QStringLiteral(
    "Attenzione ! Ci sono alcuni numeri a Zero.\r\nse non indicano estrazione assente, "
    "correggerli !");

namespace {

QString NumberOrNull(const QVariant& value) {
    return value.isNull() ? QStringLiteral("null") : QString::number(value.toInt());
}

} // namespace

QString JoinNumbers(const QVariant (&numbers)[5], QChar separator) {
    QStringList texts;
    for (const QVariant& n : numbers)
        if (!n.isNull()) texts << QString::number(n.toInt());
    return texts.join(separator);
}

bool InsertDrawSkeleton(TDM1& dm, const TArchiveBrowser& browser, const QDate& date,
                        QString& message) {
    const QString n = DateToSqlLiteral(date);
    if (!browser.IsEmpty())
        return RunStatement(
            dm,
            browser.Sql(QStringLiteral(" insert into L81 (dataEstra,ruota,numestra)"
                                       "  select ") +
                        n + QStringLiteral(", ruota,0 ") + QStringLiteral("  from L81 ") +
                        QStringLiteral(" where 1=1 ") + QStringLiteral(" group by 2 ")),
            message);
    // No wheel to copy: the first draw of an archive gets every wheel.
    for (const QString& wheel : WheelCodes)
        if (!RunStatement(dm,
                          browser.Sql(QStringLiteral(" insert into L81 (dataEstra,ruota,numestra) "
                                                     " values (") +
                                      n + QStringLiteral(", ") + QuotedSqlText(wheel) +
                                      QStringLiteral(", 0) ")),
                          message))
            return false;
    return true;
}

bool FillEditTable(TDM1& dm, const TArchiveBrowser& browser, QChar separator, QString& message) {
    QString error;
    if (!RunStatement(dm, QStringLiteral(" delete from lotto_APPINS where 1=1; "), error)) {
        message = QStringLiteral("Errore in clear appoggio 02:") + error;
        return false;
    }
    QSqlQuery card = dm.NewQuery();
    if (!dm.OpenQuery(card, browser.CardSql(), error)) {
        message = QStringLiteral("Errore in insert in appoggio 02:") + error;
        return false;
    }
    QList<QStringList> inserts;
    while (card.next()) {
        QVariant numbers[5];
        for (int k = 0; k < 5; ++k)
            numbers[k] = card.value(2 + k);
        // The wheel comes from a CHAR expression: it arrives padded with blanks.
        QStringList values{QuotedSqlText(card.value(1).toString().trimmed())};
        for (const QVariant& n : numbers)
            values << NumberOrNull(n);
        values << QuotedSqlText(JoinNumbers(numbers, separator));
        inserts << values;
    }
    card.finish();
    int prog = 0;
    for (QStringList values : std::as_const(inserts)) {
        values << QString::number(++prog);
        const QString sql =
            QStringLiteral(" insert into lotto_APPINS (ruota,n1,n2,n3,n4,n5,nums,prog)  values (  "
                           "   ") +
            values.join(QLatin1Char(',')) + QStringLiteral("     ); ");
        if (!RunStatement(dm, sql, error)) {
            message = QStringLiteral("Errore in insert in appoggio 02:") + error;
            return false;
        }
    }
    return true;
}

bool ReadEditTable(TDM1& dm, QList<LottoEditRow>& rows, QString& message) {
    rows.clear();
    QSqlQuery query = dm.NewQuery();
    if (!dm.OpenQuery(query,
                      QStringLiteral("select RUOTA, N1, N2, N3, N4, N5, NUMS, PROG from "
                                     "LOTTO_APPINS order by PROG"),
                      message))
        return false;
    while (query.next()) {
        LottoEditRow row;
        row.wheel = query.value(0).toString().trimmed();
        for (int k = 0; k < 5; ++k)
            row.numbers[k] = query.value(1 + k).isNull() ? QVariant() : query.value(1 + k).toInt();
        row.nums = query.value(6).toString();
        row.prog = query.value(7).toInt();
        rows << row;
    }
    return true;
}

bool SaveEditRow(TDM1& dm, const LottoEditRow& row, QString& message) {
    QSqlQuery update = dm.NewQuery();
    if (!update.prepare(QStringLiteral("update LOTTO_APPINS set N1 = ?, N2 = ?, N3 = ?, N4 = ?, "
                                       "N5 = ?, NUMS = ? where PROG = ?"))) {
        message = TDM1::MessageOf(update);
        return false;
    }
    for (int k = 0; k < 5; ++k)
        update.bindValue(k, row.numbers[k].isNull() ? QVariant(QMetaType::fromType<int>())
                                                    : row.numbers[k]);
    update.bindValue(5, row.nums);
    update.bindValue(6, row.prog);
    if (!update.exec()) {
        message = TDM1::MessageOf(update);
        return false;
    }
    return true;
}

bool RangeCheck(int n, QString& message) {
    if (n == 0 || (n >= 1 && n <= 90)) return true;
    message =
        QStringLiteral("Numero:") + QString::number(n) + QStringLiteral(" fuori dai limiti (1-90)");
    return false;
}

bool ChangeSeparator(TDM1& dm, QList<LottoEditRow>& rows, QChar oldSeparator, QChar newSeparator,
                     QString& message) {
    for (LottoEditRow& row : rows) {
        row.nums = row.nums.trimmed().replace(oldSeparator, newSeparator);
        QString error;
        if (!SaveEditRow(dm, row, error)) {
            message = QStringLiteral("Errore in cambio separataore :") + error;
            return false;
        }
    }
    return true;
}

bool ParseLists(TDM1& dm, QList<LottoEditRow>& rows, QChar separator, QString& message) {
    message.clear();
    for (LottoEditRow& row : rows) {
        QString list = row.nums;
        QString tokens[5];
        for (QString& token : tokens)
            NextToken(list, separator, token);
        QVariant numbers[5];
        for (int k = 0; k < 5; ++k) {
            if (IsIntegerText(tokens[k])) {
                const int n = tokens[k].trimmed().toInt();
                if (!RangeCheck(n, message)) return false;
                numbers[k] = n;
            } else if (!tokens[k].trimmed().isEmpty()) {
                return false;
            }
        }
        std::copy(std::begin(numbers), std::end(numbers), std::begin(row.numbers));
        QString error;
        if (!SaveEditRow(dm, row, error)) {
            message = QStringLiteral("Errore in conversione da lista separata 01:") + error;
            return false;
        }
    }
    return true;
}

bool SaveDraw(TDM1& dm, const QDate& date, const QList<LottoEditRow>& rows, QString& message,
              bool& zeroFound) {
    zeroFound = false;
    // Every wheel is checked before any is written, so a refused confirmation changes nothing.
    for (const LottoEditRow& row : rows) {
        int present = 0;
        for (const QVariant& n : row.numbers) {
            if (n.isNull()) continue;
            ++present;
            if (n.toInt() == 0)
                zeroFound = true;
            else if (!RangeCheck(n.toInt(), message))
                return false;
        }
        if (present < 5) {
            message = QStringLiteral("Ruota:") + row.wheel +
                      QStringLiteral(" non completa. Se estrazione assente, usare lo 0 !");
            return false;
        }
        for (int j = 0; j < 5; ++j)
            for (int k = j + 1; k < 5; ++k)
                if (row.numbers[j].toInt() != 0 &&
                    row.numbers[j].toInt() == row.numbers[k].toInt()) {
                    message = QStringLiteral("Il numero ") +
                              QString::number(row.numbers[j].toInt()) +
                              QStringLiteral(" e' ripetuto !");
                    return false;
                }
    }
    for (const LottoEditRow& row : rows) {
        const auto n = [&](int k) { return QString::number(row.numbers[k].toInt()); };
        const QString sql = QStringLiteral(" UPDATE lotto1  set       n1 = ") + n(0) +
                            QStringLiteral(" ") + QStringLiteral("     ,n2 = ") + n(1) +
                            QStringLiteral(" ") + QStringLiteral("     ,n3 = ") + n(2) +
                            QStringLiteral(" ") + QStringLiteral("     ,n4 = ") + n(3) +
                            QStringLiteral(" ") + QStringLiteral("     ,n5 = ") + n(4) +
                            QStringLiteral(" ") + QStringLiteral("  where Ruota = ") +
                            QuotedSqlText(row.wheel) + QStringLiteral(" ") +
                            QStringLiteral("    and DataEstra = ") + DateToSqlLiteral(date) +
                            QStringLiteral(" ") + QStringLiteral("     ");
        if (!dm.ExecSql(QString(), sql, message)) return false;
    }
    return true;
}
