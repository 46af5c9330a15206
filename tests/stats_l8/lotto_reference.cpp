#include "tests/stats_l8/lotto_reference.h"

#include "storage/tdm1.h"

#include <algorithm>

namespace {

double Stored(double value) {
    return QString::number(value, 'g', 15).toDouble();
}

bool Holds(const WheelNumbers& draw, int n) {
    return std::count(draw.begin(), draw.end(), n) > 0;
}

struct Entry {
    int number, delay, sum2, sum3;
    long long spanDraws; // d10 - 1
    double frequency;
    // Ratio (delay + 1) / frequency = (delay + 1) * (d10 - 1) / 1000, compared as integers.
    long long ratioThousandths;
};

// Neighbour swaps while a later entry ranks strictly before the earlier one.
template <typename Before> void BubbleSort(std::vector<Entry>& entries, Before before) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (size_t i = 0; i + 1 < entries.size(); ++i) {
            if (before(entries[i + 1], entries[i])) {
                std::swap(entries[i], entries[i + 1]);
                swapped = true;
            }
        }
    }
}

QString GroupText(const std::vector<int>& group) {
    QString text;
    for (int n : group)
        text += (text.isEmpty() ? QString() : QStringLiteral("-")) + QString::asprintf("%02d", n);
    return text;
}

} // namespace

ReferenceStatistics ComputeReference(const Archive& archive, const QDate& cutOff,
                                     const QString& kind, const EstimateParam* params) {
    ReferenceStatistics result;

    // Draws of each wheel up to the cut-off date, newest first, at most 10000.
    std::array<std::vector<WheelNumbers>, WheelCount> draws;
    for (int w = 0; w < WheelCount; ++w)
        for (auto it = archive.rbegin(); it != archive.rend(); ++it)
            if (it->date <= cutOff && draws[size_t(w)].size() < 10000)
                draws[size_t(w)].push_back(it->wheels[size_t(w)]);

    std::array<std::vector<Entry>, WheelCount> entries;
    for (int w = 0; w < WheelCount; ++w) {
        const auto& d = draws[size_t(w)];
        if (d.empty()) return result; // fails without a message
        for (int n = 1; n <= 90; ++n) {
            // Draws numbered from 1, the newest.
            int d0 = 0;
            for (int i = 1; i <= int(d.size()) && d0 == 0; ++i)
                if (Holds(d[size_t(i - 1)], n)) d0 = i;
            if (d0 == 0) {
                result.error = QStringLiteral("N.%1 non trovato Ritardo in ruota:%2 La data "
                                              "massima estrazione e' troppo bassa!")
                                   .arg(n)
                                   .arg(WheelCodes[w]);
                return result;
            }
            int span = 1;
            std::vector<int> later;
            for (int i = d0 + 1; i <= int(d.size()) && later.size() < 10; ++i) {
                ++span;
                if (Holds(d[size_t(i - 1)], n)) later.push_back(i);
            }
            if (later.size() < 10) {
                result.error = QStringLiteral("N.%1 in ruota:%2 Non trovate 10 uscite x la "
                                              "frequenza ! La data massima estrazione e' "
                                              "troppo bassa!")
                                   .arg(n)
                                   .arg(WheelCodes[w]);
                return result;
            }
            const int r = d0 - 1;
            const int previous = later[0] - d0 - 1;
            const int beforeThat = later[1] - later[0] - 1;
            const long long spanDraws = span + r - 1;
            entries[size_t(w)].push_back({n, r, r + previous, r + previous + beforeThat, spanDraws,
                                          1000.0 / double(spanDraws), (r + 1) * spanDraws});
        }
    }

    // The five rankings, each from the order the previous one left.
    for (int table = 0; table < 5; ++table) {
        for (int w = 0; w < WheelCount; ++w) {
            auto& e = entries[size_t(w)];
            switch (table) {
            case 0:
                BubbleSort(e, [](const Entry& a, const Entry& b) { return a.delay > b.delay; });
                break;
            case 1:
                BubbleSort(e, [](const Entry& a, const Entry& b) {
                    return a.spanDraws > b.spanDraws; // smaller frequency first
                });
                break;
            case 2:
                BubbleSort(e, [](const Entry& a, const Entry& b) {
                    return a.ratioThousandths > b.ratioThousandths;
                });
                break;
            case 3:
                BubbleSort(e, [](const Entry& a, const Entry& b) { return a.sum2 > b.sum2; });
                break;
            case 4:
                BubbleSort(e, [](const Entry& a, const Entry& b) { return a.sum3 > b.sum3; });
                break;
            }
            for (int pos = 1; pos <= 90; ++pos) {
                const Entry& x = e[size_t(pos - 1)];
                const double values[5] = {double(x.delay), x.frequency,
                                          double(x.ratioThousandths) / 1000.0, double(x.sum2),
                                          double(x.sum3)};
                result.rankings[size_t(table)][size_t(pos - 1)][size_t(w)] = {
                    x.number, Stored(values[table])};
                auto& row = result.estimates[size_t(w)][size_t(x.number - 1)];
                const double stored = Stored(values[table]);
                switch (table) {
                case 0:
                    row.posRit = pos, row.valRit = stored;
                    break;
                case 1:
                    row.posFreq = pos, row.valFreq = stored;
                    break;
                case 2:
                    row.posRapp = pos, row.valRapp = stored;
                    break;
                case 3:
                    row.pos2 = pos, row.val2 = stored;
                    break;
                case 4:
                    row.pos3 = pos, row.val3 = stored;
                    break;
                }
            }
        }
    }

    // Pyramid: each number sits in the row of its most recent draw, at its position there.
    int lastRow = 0;
    std::array<std::vector<std::array<int, 5>>, WheelCount> pyramid;
    for (int w = 0; w < WheelCount; ++w) {
        const auto& d = draws[size_t(w)];
        int wheelLast = 0;
        for (int n = 1; n <= 90; ++n) {
            int age = 0;
            while (!Holds(d[size_t(age)], n))
                ++age; // every number was found above
            const int position = int(std::find(d[size_t(age)].begin(), d[size_t(age)].end(), n) -
                                     d[size_t(age)].begin());
            if (pyramid[size_t(w)].size() <= size_t(age))
                pyramid[size_t(w)].resize(size_t(age) + 1);
            pyramid[size_t(w)][size_t(age)][size_t(position)] = n;
            wheelLast = std::max(wheelLast, age);
            result.estimates[size_t(w)][size_t(n - 1)].ritPira = age;
        }
        for (int n = 1; n <= 90; ++n) {
            auto& row = result.estimates[size_t(w)][size_t(n - 1)];
            row.qntPira = int(std::count_if(pyramid[size_t(w)][size_t(row.ritPira)].begin(),
                                            pyramid[size_t(w)][size_t(row.ritPira)].end(),
                                            [](int x) { return x != 0; }));
        }
        lastRow = std::max(lastRow, wheelLast);
    }
    for (int rit = 0; rit <= lastRow; ++rit) {
        std::array<int, 56> row{};
        row[0] = rit;
        for (int w = 0; w < WheelCount; ++w)
            if (size_t(rit) < pyramid[size_t(w)].size())
                for (int p = 0; p < 5; ++p)
                    row[size_t(1 + 5 * w + p)] = pyramid[size_t(w)][size_t(rit)][size_t(p)];
        result.pyramid.push_back(row);
    }

    // Estimates.
    for (int w = 0; w < WheelCount; ++w) {
        for (auto& row : result.estimates[size_t(w)]) {
            const double x = row.valRit + 1;
            row.attrit = x / (x + 17.4952);
            row.stimaOld = (row.attrit * 100 / row.valFreq) / 7.5;
            row.stimaNew = 0;
            if (kind == QLatin1String("P")) {
                const double scores[5] = {double(91 - row.posRit), double(91 - row.posFreq),
                                          double(91 - row.posRapp), double(91 - row.pos2),
                                          double(91 - row.pos3)};
                const double values[5] = {row.valRit, 1 / row.valFreq, row.valRapp, row.val2,
                                          row.val3};
                for (int s = 0; s < 5; ++s) {
                    if (params[s].Active) row.stimaNew += params[s].Value1 * scores[s];
                    if (params[s].Flag2) row.stimaNew += params[s].Value2 * values[s];
                }
            }
        }
    }

    // Group rows: the first draw holding two numbers of the group ends the walk.
    const auto groupRows = [&](const QString& table, const std::vector<std::vector<int>>& list) {
        std::vector<ReferenceStatistics::GroupRow> rows;
        ReferenceStatistics::GroupRow summary;
        summary.group = QStringLiteral("Di Gruppo");
        summary.values.fill(100000);
        for (const auto& group : list) {
            ReferenceStatistics::GroupRow row;
            row.group = GroupText(group);
            for (int w = 0; w < WheelCount; ++w) {
                const auto& d = draws[size_t(w)];
                int walked = 0;
                while (walked < int(d.size())) {
                    int inGroup = 0;
                    for (int n : d[size_t(walked)])
                        inGroup += std::count(group.begin(), group.end(), n) > 0 ? 1 : 0;
                    if (inGroup >= 2) break;
                    ++walked;
                }
                row.values[size_t(w)] = walked;
                summary.values[size_t(w)] = std::min(summary.values[size_t(w)], walked);
            }
            row.rtt = *std::min_element(row.values.begin(), row.values.end());
            rows.push_back(row);
        }
        summary.rtt = *std::min_element(summary.values.begin(), summary.values.end());
        rows.push_back(summary);
        result.groups[table] = rows;
    };
    std::vector<std::vector<int>> twins, reversibles, cadences, radicals;
    for (int a = 11; a <= 88; a += 11)
        for (int b = a + 11; b <= 88; b += 11)
            twins.push_back({a, b});
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 8; ++b)
            reversibles.push_back({10 * a + b, 10 * b + a});
    for (int c = 1; c <= 10; ++c) {
        cadences.emplace_back();
        for (int k = 0; k < 9; ++k)
            cadences.back().push_back(c + 10 * k);
    }
    for (int r = 1; r <= 8; ++r)
        radicals.push_back({r, 10 * r, 11 * r, 10 * r + 9});
    groupRows(QStringLiteral("FL8RIGAGEMEL"), twins);
    groupRows(QStringLiteral("FL8RIGAVERTI"), reversibles);
    groupRows(QStringLiteral("FL8RIGACADEN"), cadences);
    groupRows(QStringLiteral("FL8RIGARADIC"), radicals);
    return result;
}
