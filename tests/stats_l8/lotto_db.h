#pragma once

#include "common/progress.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class TDM1;

// Rows of a query, every value as text (reals with 17 significant digits, texts trimmed), so
// that two table contents compare exactly and a difference shows the row it is in.
QStringList RowTexts(TDM1& dm, const QString& sql);
QString RowText(const QVariantList& values);

// Every table a Lotto recompute writes, and the FSTATLIST dates.
QStringList LottoStatisticsSnapshot(TDM1& dm);

// A trigger that raises "guasto di prova" on the n-th insert (or update) of a table.
bool InstallFaultTrigger(TDM1& dm, const QString& table, const QString& event, int n,
                         QString& error);

// Records what a job reports.
class RecordingProgress final : public Progress {
public:
    void SetRange(int min, int max) override {
        minimum = min;
        maximum = max;
    }
    void SetPosition(int position) override { positions << position; }
    int minimum = 0;
    int maximum = 0;
    QList<int> positions;
};
