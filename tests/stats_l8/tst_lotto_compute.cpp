#include "stats_l8/lotto_stats_compute.h"

#include <QtTest>

namespace {

QList<int> Order(const WheelNumberStats& stats, int count) {
    QList<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers << stats[size_t(i)].number;
    return numbers;
}

LottoDraw Draw(std::array<int, 5> numbers) {
    LottoDraw draw;
    draw.numbers = numbers;
    return draw;
}

} // namespace

class TestLottoCompute : public QObject {
    Q_OBJECT

private slots:
    // Each ranking starts from the order the previous one left, so ties keep that order.
    void rankingsKeepThePreviousOrderAmongTies() {
        WheelNumberStats stats;
        for (int n = 1; n <= 90; ++n)
            stats[size_t(n - 1)] = {n, 0, 0, 0, 10, 0.5};
        const auto set = [&](int n, int delay, double frequency, double ratio, int sum2) {
            stats[size_t(n - 1)] = {n, delay, sum2, 0, frequency, ratio};
        };
        set(40, 5, 1.0, 1.0, 8);
        set(7, 5, 2.0, 9.0, 8);
        set(12, 3, 1.0, 9.0, 0);

        SortWheelRanking(stats, RankDelay);
        QCOMPARE(Order(stats, 5), QList<int>({7, 40, 12, 1, 2})); // equal delays: number order
        SortWheelRanking(stats, RankFrequency);
        QCOMPARE(Order(stats, 5), QList<int>({40, 12, 7, 1, 2})); // equal: as in the delays
        SortWheelRanking(stats, RankRatio);
        QCOMPARE(Order(stats, 5), QList<int>({12, 7, 40, 1, 2})); // equal: as in frequency
        SortWheelRanking(stats, RankSum2);
        QCOMPARE(Order(stats, 5), QList<int>({7, 40, 12, 1, 2})); // equal: as in the ratio
        SortWheelRanking(stats, RankSum3);
        QCOMPARE(Order(stats, 5), QList<int>({7, 40, 12, 1, 2})); // all equal: unchanged
    }

    // Number 1 out in the 11 newest draws: delay 0, both sums 0, frequency at its maximum 100.
    // Number 2 out in draws 1 and 2 (consecutive), then every other draw.
    void delaysSumsAndFrequency() {
        LottoDraws draws;
        for (int i = 0; i < 40; ++i) {
            std::array<int, 5> numbers{};
            int p = 0;
            if (i < 11) numbers[size_t(p++)] = 1;
            if (i == 1 || i == 2 || (i > 2 && i % 2 == 0)) numbers[size_t(p++)] = 2;
            draws.push_back(Draw(numbers));
        }
        for (int n = 3; n <= 90; ++n) // everything else in 11 older draws
            for (int k = 0; k < 11; ++k)
                draws.push_back(Draw({n, 0, 0, 0, 0}));
        WheelNumberStats stats;
        int failing = -1;
        QCOMPARE(ComputeWheelNumberStats(draws, stats, failing), NumberStatFailure::None);
        QCOMPARE(failing, 0);
        QCOMPARE(stats[0].delay, 0);
        QCOMPARE(stats[0].sum3, 0);
        QCOMPARE(stats[0].frequency, 100.0);
        QCOMPARE(stats[0].ratio, 0.01);
        QCOMPARE(stats[1].delay, 1);
        QCOMPARE(stats[1].sum2, 1);         // previous delay 0
        QCOMPARE(stats[1].sum3, 2);         // then 1 (draw 3 missed)
        QCOMPARE(stats[1].frequency, 50.0); // 11th appearance in draw 21: 1000 / 20
        QCOMPARE(stats[1].ratio, 0.04);
    }

    void pyramidWhenTheDrawsRunOut() {
        const LottoDraws draws = {Draw({1, 2, 3, 4, 5}), Draw({1, 6, 7, 0, 2})};
        const WheelPyramid pyramid = ComputeWheelPyramid(draws);
        QCOMPARE(pyramid.lastRow, 2); // the count of draws: not every number was seen
        QCOMPARE(int(pyramid.rows.size()), 3);
        QCOMPARE(pyramid.rows[1], (std::array<int, 5>{0, 6, 7, 0, 0}));
        QCOMPARE(pyramid.rows[2], (std::array<int, 5>{}));
        QCOMPARE(int(pyramid.updates.size()), 7);
        QCOMPARE(pyramid.updates[5].number, 6);
        QCOMPARE(pyramid.updates[5].row, 1);
        QCOMPARE(pyramid.updates[5].count, 2);
    }

    void amboDelay() {
        const LottoDraws draws = {Draw({1, 2, 3, 4, 5}), Draw({11, 30, 0, 0, 0}),
                                  Draw({30, 40, 22, 0, 0})};
        const int twins[] = {11, 22};
        QCOMPARE(AmboDelay(draws, twins, 2), 3); // never together: the count of draws
        const int pair[] = {4, 2};
        QCOMPARE(AmboDelay(draws, pair, 2), 0);
        const int formation[] = {11, 22, 30, 50};
        QCOMPARE(AmboDelay(draws, formation, 4), 1); // 11 and 30 in the second draw
    }
};

QTEST_GUILESS_MAIN(TestLottoCompute)
#include "tst_lotto_compute.moc"
