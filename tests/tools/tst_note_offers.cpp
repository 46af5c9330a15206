#include "tools/note_offers.h"

#include <QtTest>

class TestNoteOffers : public QObject {
    Q_OBJECT

private slots:
    void integralOffers_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("senal");
        QTest::addColumn<QList<qint64>>("combinations"); // per k = 2..6, -1 when not offered
        QTest::newRow("4 on a wheel") << 4 << false << QList<qint64>{6, 4, -1, -1, -1};
        QTest::newRow("2 on a wheel") << 2 << false << QList<qint64>{-1, -1, -1, -1, -1};
        QTest::newRow("7 on a wheel") << 7 << false << QList<qint64>{21, 35, 35, 21, 7};
        QTest::newRow("90 on a wheel")
            << 90 << false << QList<qint64>{4005, 117480, 2555190, 43949268, 622614630};
        QTest::newRow("7 SuperEnalotto") << 7 << true << QList<qint64>{-1, -1, -1, -1, 7};
        QTest::newRow("6 SuperEnalotto") << 6 << true << QList<qint64>{-1, -1, -1, -1, -1};
        QTest::newRow("12 SuperEnalotto") << 12 << true << QList<qint64>{-1, -1, -1, -1, 924};
    }
    void integralOffers() {
        QFETCH(int, n);
        QFETCH(bool, senal);
        QFETCH(QList<qint64>, combinations);
        const QList<IntegralOffer> offers = IntegralOffers(n, senal);
        QCOMPARE(offers.size(), 5);
        for (int i = 0; i < 5; ++i) {
            const int k = i + 2;
            const IntegralOffer& offer = offers.at(i);
            QCOMPARE(offer.combinations, combinations.at(i));
            QCOMPARE(offer.Playable(), combinations.at(i) > 0);
            QCOMPARE(offer.groupSize, offer.Playable() ? k : -k);
            QCOMPARE(offer.link,
                     offer.Playable() ? QStringLiteral("Click per giocarlo") : QString());
        }
    }

    void catalogueMismatch() {
        QCOMPARE(CatalogueMismatchText(10, 10), QString());
        QCOMPARE(CatalogueMismatchText(10, 8),
                 QStringLiteral("Numeri insufficienti per il sistema scelto !\r\nNe sono "
                                "richiesti:10 \r\nAggiungere i numeri mancanti(click su [modifica] "
                                "nel pannello sopra.)"));
        QCOMPARE(CatalogueMismatchText(9, 12),
                 QStringLiteral("Troppi numeri per il sistema scelto !\r\nNe sono richiesti:9 "
                                "\r\nEliminare i numeri di troppo.\r\n(click su [modifica] nel "
                                "pannello sopra.)"));
    }
};

QTEST_GUILESS_MAIN(TestNoteOffers)
#include "tst_note_offers.moc"
