#include "tests/stats_l8/lotto_db.h"

#include "storage/tdm1.h"

#include <QSqlQuery>
#include <QSqlRecord>

QString RowText(const QVariantList& values) {
    QStringList parts;
    for (const QVariant& value : values) {
        if (value.isNull())
            parts << QStringLiteral("NULL");
        else if (value.typeId() == QMetaType::Double)
            parts << QString::number(value.toDouble(), 'g', 17);
        else if (value.typeId() == QMetaType::QDate)
            parts << value.toDate().toString(Qt::ISODate);
        else
            parts << value.toString().trimmed();
    }
    return parts.join(QLatin1Char('|'));
}

QStringList RowTexts(TDM1& dm, const QString& sql) {
    QSqlQuery query = dm.NewQuery();
    query.setForwardOnly(true);
    QString error;
    if (!dm.OpenQuery(query, sql, error)) return {QStringLiteral("ERROR ") + error};
    QStringList rows;
    while (query.next()) {
        QVariantList values;
        for (int c = 0; c < query.record().count(); ++c)
            values << query.value(c);
        rows << RowText(values);
    }
    return rows;
}

QStringList LottoStatisticsSnapshot(TDM1& dm) {
    QStringList snapshot;
    const QStringList tables = {QStringLiteral("FL8RITAESTRA"), QStringLiteral("FL8FREQESTRA"),
                                QStringLiteral("FL8RPRFESTRA"), QStringLiteral("FL8RIS2ESTRA"),
                                QStringLiteral("FL8RIS3ESTRA"), QStringLiteral("FL8STIMA"),
                                QStringLiteral("FL8PIRAESTRA"), QStringLiteral("FL8RIGAGEMEL"),
                                QStringLiteral("FL8RIGAVERTI"), QStringLiteral("FL8RIGACADEN"),
                                QStringLiteral("FL8RIGARADIC"), QStringLiteral("FMAINSTAT"),
                                QStringLiteral("FSTATLIST")};
    for (const QString& table : tables) {
        snapshot << table;
        snapshot << RowTexts(dm, QStringLiteral("select * from ") + table +
                                     QStringLiteral(" order by 1, 2"));
    }
    return snapshot;
}

bool InstallFaultTrigger(TDM1& dm, const QString& table, const QString& event, int n,
                         QString& error) {
    const QStringList statements = {
        QStringLiteral("create exception E_GUASTO 'guasto di prova'"),
        QStringLiteral("create sequence G_GUASTO"),
        QStringLiteral("create trigger T_GUASTO for %1 before %2 as begin "
                       "if (next value for G_GUASTO = %3) then exception E_GUASTO; end")
            .arg(table, event)
            .arg(n)};
    for (const QString& sql : statements) {
        if (!dm.ExecSql(QStringLiteral("trigger"), sql, error)) return false;
        dm.Commit(); // a database object is usable once its creation is committed
    }
    return true;
}
