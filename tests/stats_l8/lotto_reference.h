#pragma once

#include "tests/stats_l8/lotto_fixture.h"

#include <QMap>
#include <QString>

#include <array>
#include <vector>

struct EstimateParam;

// What a full Lotto recompute must store, worked out directly from the definitions on an
// archive in memory, with code of its own (naive scans, a neighbour-swapping sort), so that
// the engine is checked against something it does not share.
struct ReferenceStatistics {
    QString error; // the failure message, empty when the run succeeds

    struct Pair {
        int number = 0;
        double value = 0; // as stored: written with 15 significant digits
    };
    // rankings[table][pos - 1][wheel], tables in the order RITA, FREQ, RPRF, RIS2, RIS3.
    std::array<std::array<std::array<Pair, WheelCount>, 90>, 5> rankings{};

    // FL8PIRAESTRA rows: RIT then the 55 numbers.
    std::vector<std::array<int, 56>> pyramid;

    struct EstimateRow {
        int posRit = 0, posFreq = 0, posRapp = 0, pos2 = 0, pos3 = 0;
        double valRit = 0, valFreq = 0, valRapp = 0, val2 = 0, val3 = 0;
        int ritPira = 0, qntPira = 0;
        double attrit = 0, stimaOld = 0, stimaNew = 0;
    };
    // estimates[wheel][number - 1]
    std::array<std::array<EstimateRow, 90>, WheelCount> estimates{};

    struct GroupRow {
        QString group;
        std::array<int, WheelCount> values{};
        int rtt = 0;
    };
    // Group-row tables by name, rows in POS order (POS = index + 1).
    QMap<QString, std::vector<GroupRow>> groups;
};

// The estimate settings used for VALSTIMANEW: mode "P" with the five parameter groups, or any
// other mode (0).
ReferenceStatistics ComputeReference(const Archive& archive, const QDate& cutOff,
                                     const QString& kind, const EstimateParam* params);
