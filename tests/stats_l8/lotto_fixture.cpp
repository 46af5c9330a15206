#include "tests/stats_l8/lotto_fixture.h"

#include "storage/tdm1.h"

#include <QSqlQuery>

#include <algorithm>
#include <random>

QDate NextDrawDate(const QDate& date) {
    QDate next = date.addDays(1);
    while (next.dayOfWeek() != Qt::Tuesday && next.dayOfWeek() != Qt::Thursday &&
           next.dayOfWeek() != Qt::Saturday)
        next = next.addDays(1);
    return next;
}

Archive GenerateArchive(int count, quint32 seed, const QDate& first) {
    std::mt19937 random(seed);
    Archive archive(size_t(std::max(count, 0)));
    QDate date = first;
    for (ArchiveDraw& draw : archive) {
        draw.date = date;
        date = NextDrawDate(date);
        for (WheelNumbers& numbers : draw.wheels) {
            for (size_t p = 0; p < 5; ++p) {
                int n;
                do
                    n = int(random() % 90) + 1;
                while (std::find(numbers.begin(), numbers.begin() + long(p), n) !=
                       numbers.begin() + long(p));
                numbers[p] = n;
            }
        }
    }
    return archive;
}

Archive CyclicArchive(int count, const QDate& first) {
    Archive archive(size_t(std::max(count, 0)));
    QDate date = first;
    for (int j = 0; j < count; ++j) {
        ArchiveDraw& draw = archive[size_t(j)];
        draw.date = date;
        date = NextDrawDate(date);
        const int age = count - 1 - j;
        for (int w = 0; w < WheelCount; ++w)
            for (int p = 0; p < 5; ++p)
                draw.wheels[size_t(w)][size_t(p)] = (5 * age + p + 7 * w) % 90 + 1;
    }
    return archive;
}

WheelNumbers& FromNewest(Archive& archive, int age, int wheel) {
    return archive[archive.size() - 1 - size_t(age)].wheels[size_t(wheel)];
}

bool WriteArchive(TDM1& dm, const Archive& archive, QString& error) {
    error.clear();
    if (!dm.Commit() || !dm.StartTransaction()) {
        error = QStringLiteral("transaction not started");
        return false;
    }
    QSqlQuery insert(dm.Database());
    bool ok = insert.prepare(QStringLiteral(
        "insert into LOTTO1 (DATAESTRA, RUOTA, N1, N2, N3, N4, N5, NUMESTRA, APPD1, APPD2) "
        "values (?, ?, ?, ?, ?, ?, ?, ?, 0.0, 0.0)"));
    int drawNumber = 0;
    for (auto draw = archive.begin(); ok && draw != archive.end(); ++draw) {
        ++drawNumber;
        for (int w = 0; ok && w < WheelCount; ++w) {
            insert.bindValue(0, draw->date);
            insert.bindValue(1, WheelCodes[w]);
            for (int p = 0; p < 5; ++p)
                insert.bindValue(2 + p, draw->wheels[size_t(w)][size_t(p)]);
            insert.bindValue(7, drawNumber);
            ok = insert.exec();
        }
    }
    if (!ok) error = TDM1::MessageOf(insert);
    insert.finish();
    if (!ok) {
        dm.Rollback();
        return false;
    }
    return dm.Commit();
}
