#include "common/helpers.h"
#include "common/sql_text.h"

#include <QLocale>
#include <QtTest>

class TestHelpers : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void sqlEncodingIgnoresTheLocale() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QCOMPARE(DateToSqlText(QDate(2016, 4, 9)), QStringLiteral("09.04.2016"));
        QCOMPARE(DateToSqlText(QDate(1999, 12, 31)), QStringLiteral("31.12.1999"));
        QCOMPARE(DateToSqlLiteral(QDate(2016, 4, 9)), QStringLiteral("'09.04.2016'"));
        QCOMPARE(FloatToSqlText(12.5), QStringLiteral("12.5"));
        QCOMPARE(FloatToSqlText(3.0), QStringLiteral("3"));
        QCOMPARE(FloatToSqlText(-0.25), QStringLiteral("-0.25"));
        QCOMPARE(FloatToSqlText(1000.0 / 39), QStringLiteral("25.6410256410256"));
        QCOMPARE(FixedToSqlText(1.5, 15, 3), QStringLiteral("1.500"));
        QCOMPARE(FixedToSqlText(-2.345, 15, 2), QStringLiteral("-2.35"));
        QCOMPARE(QuotedSqlText(QStringLiteral("l'uno")), QStringLiteral("'l''uno'"));
    }

    void nextToken() {
        QString list = QStringLiteral("  12 | 34|56 ");
        QString token;
        NextToken(list, QLatin1Char('|'), token);
        QCOMPARE(token, QStringLiteral("12 "));
        QCOMPARE(list, QStringLiteral("34|56"));
        NextToken(list, QLatin1Char('|'), token);
        NextToken(list, QLatin1Char('|'), token);
        QCOMPARE(token, QStringLiteral("56"));
        QCOMPARE(list, QStringLiteral("56")); // no separator: the list stays as it is
        list = QStringLiteral("   ");
        NextToken(list, QLatin1Char('|'), token);
        QCOMPARE(token, QString());
    }

    void textToFloat_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("error");
        for (const char* locale : {"C", "it_IT"}) {
            const QString name = QLatin1String(locale);
            QTest::addRow("%s comma", locale) << name << QStringLiteral("3,5") << 3.5 << false;
            QTest::addRow("%s point", locale) << name << QStringLiteral(" 3.5 ") << 3.5 << false;
            QTest::addRow("%s mixed", locale) << name << QStringLiteral("1.234,5") << 0.0 << true;
            QTest::addRow("%s grouping", locale)
                << name << QStringLiteral("1.234") << 1.234 << false;
            QTest::addRow("%s empty", locale) << name << QString() << 0.0 << true;
            QTest::addRow("%s word", locale) << name << QStringLiteral("abc") << 0.0 << true;
        }
    }
    void textToFloat() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, error);
        QLocale::setDefault(QLocale(locale));
        bool failed = !error;
        QCOMPARE(TextToFloat(text, failed), value);
        QCOMPARE(failed, error);
        QCOMPARE(TextToFloatOrZero(text), value);
    }

    void smallHelpers() {
        QVERIFY(IsIntegerText(QStringLiteral(" 42 ")));
        QVERIFY(IsIntegerText(QStringLiteral("-7")));
        QVERIFY(!IsIntegerText(QStringLiteral("  ")));
        QVERIFY(!IsIntegerText(QStringLiteral("4a")));
        QVERIFY(!IsIntegerText(QStringLiteral("99999999999")));
        QCOMPARE(TwoDigits(7), QStringLiteral("07"));
        QCOMPARE(TwoDigits(12), QStringLiteral("12"));
        QCOMPARE(TwoDigits(123), QStringLiteral("123"));
        QCOMPARE(TwoDigitPair(5, 40), QStringLiteral("05-40"));
        QCOMPARE(IfThenFloat(true, 0, 5), 0.0);
        QCOMPARE(IfThenFloat(false, 0, 5), 5.0);
        QCOMPARE(IfThenInt(false, 1, 2), 2);
        QCOMPARE(IfThenStr(true, QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("a"));
        const QList<QPair<int, int>> decades = {{1, 1},  {10, 1}, {11, 2},
                                                {80, 8}, {81, 9}, {90, 9}};
        for (const auto& [n, decade] : decades)
            QCOMPARE(DecadeOf(n), decade);
    }

    void wheels() {
        QCOMPARE(WheelIndex(QStringLiteral(" RN ")), 11);
        QCOMPARE(WheelIndex(QStringLiteral("BA")), 1);
        QCOMPARE(WheelIndex(QStringLiteral("ba")), -1);
        QCOMPARE(WheelIndex(QStringLiteral("XX")), -1);
        QCOMPARE(WheelIndex(QString()), -1);
        QCOMPARE(WheelCodes.join(QLatin1Char(',')),
                 QStringLiteral("BA,CA,FI,GE,MI,NA,PA,RM,TO,VE,RN"));
        QCOMPARE(WheelNames.size(), WheelCount);
        QCOMPARE(WheelResultColumns.constLast(), QStringLiteral("RNZ"));
        QCOMPARE(WheelLetters, QStringLiteral("BCFGMNPRTVZ"));
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
