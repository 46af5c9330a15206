#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A worksheet as libfreexl reads it back: one text per cell ("" for an empty cell), numbers
// written in full, and the kind of every cell.
struct ReadBack {
    bool ok = false;
    QString failure;
    unsigned int rows = 0;
    unsigned short columns = 0;
    QList<QStringList> text;
    QList<QList<int>> kind;
};

ReadBack ReadXls(const QString& path);
