#pragma once

#include "common/helpers.h"

#include <QDate>
#include <QString>

#include <array>
#include <vector>

class TDM1;

// A Lotto archive in memory: one entry per draw date, oldest first, with the five numbers of
// each of the eleven wheels in wheel order (0 = not drawn).
using WheelNumbers = std::array<int, 5>;
struct ArchiveDraw {
    QDate date;
    std::array<WheelNumbers, WheelCount> wheels{};
};
using Archive = std::vector<ArchiveDraw>;

// The draw day after `date`: Tuesday, Thursday or Saturday.
QDate NextDrawDate(const QDate& date);

// `count` draws from `first` on; every wheel gets five distinct numbers from a fixed
// pseudo-random sequence, so the same seed always gives the same archive.
Archive GenerateArchive(int count, quint32 seed, const QDate& first = QDate(1950, 1, 3));

// `count` draws in which, counting from the newest (0), draw i of wheel w holds the numbers
// (5 i + p + 7 w) mod 90 + 1 at positions p = 0..4: every number comes out once every 18
// draws, in a known place.
Archive CyclicArchive(int count, const QDate& first = QDate(1990, 1, 2));

// Access by age: draw 0 is the newest.
WheelNumbers& FromNewest(Archive& archive, int age, int wheel);

// Appends the archive to LOTTO1 in one transaction (committed); `error` holds the database's
// message on failure.
bool WriteArchive(TDM1& dm, const Archive& archive, QString& error);
