#pragma once

#include "storage/tdm1.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QtTest>

#include <functional>

// Shared by the archive window tests: table snapshots and clicks by object name.
inline QStringList TableRows(const QString& sql) {
    QSqlQuery query = DM1().NewQuery();
    QString error;
    if (!DM1().OpenQuery(query, sql, error)) return {QStringLiteral("error: ") + error};
    QStringList rows;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << (query.isNull(i) ? QStringLiteral("null") : query.value(i).toString());
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

inline void Click(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isEnabled(), name);
    button->click();
}

// A modal handler from checks that may stop early (QVERIFY returns from the lambda only).
inline std::function<int(QDialog&)> Drive(std::function<void(QDialog&)> body) {
    return [body](QDialog& dialog) {
        body(dialog);
        return dialog.result();
    };
}

inline void ExecOrFail(const QString& sql) {
    QString error;
    QVERIFY2(DM1().ExecSql(QString(), sql, error), qPrintable(error));
}
