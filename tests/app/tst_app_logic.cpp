#include "app/private_messages.h"
#include "app/temp_folder.h"
#include "common/binomial.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void MakeFile(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

int Count(const QString& folder, const QString& pattern) {
    return int(QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden).size());
}

} // namespace

class TestAppLogic : public QObject {
    Q_OBJECT

private slots:
    void combinationCount_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("90 in sestine") << 90 << 6 << qint64(622614630);
        QTest::newRow("90 in cinquine") << 90 << 5 << qint64(43949268);
        QTest::newRow("90 in quartine") << 90 << 4 << qint64(2555190);
        QTest::newRow("90 in terzine") << 90 << 3 << qint64(117480);
        QTest::newRow("90 in ambi") << 90 << 2 << qint64(4005);
        QTest::newRow("6 in sestine") << 6 << 6 << qint64(1);
        QTest::newRow("5 in sestine") << 5 << 6 << qint64(0);
        QTest::newRow("1 in ambi") << 1 << 2 << qint64(0);
        QTest::newRow("n 0 outside") << 0 << 2 << qint64(-1);
        QTest::newRow("n 91 outside") << 91 << 2 << qint64(-1);
        QTest::newRow("k 1 outside") << 90 << 1 << qint64(-1);
        QTest::newRow("k 7 outside") << 90 << 7 << qint64(-1);
    }
    void combinationCount() {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(qint64, expected);
        QCOMPARE(CombinationCount(n, k), expected);
    }

    // Every entry of the table against the product formula, exact at each step.
    void combinationTableWhole() {
        for (int n = 1; n <= 90; ++n)
            for (int k = 2; k <= 6; ++k) {
                qint64 product = k > n ? 0 : 1;
                for (int i = 1; i <= k && k <= n; ++i)
                    product = product * (n - k + i) / i;
                QCOMPARE(CombinationCount(n, k), product);
            }
    }

    // 25 printouts go in three starts (10 + 10 + 5); read-only files, folders and other names
    // stay and take no turn; the spreadsheet files have their own ten.
    void cleanTempFiles() {
        QTemporaryDir dir;
        const QString folder = dir.path();
        for (int i = 0; i < 25; ++i)
            MakeFile(folder + QStringLiteral("/pdf_%1.pdf").arg(i, 2, 10, QLatin1Char('0')));
        for (int i = 0; i < 12; ++i)
            MakeFile(folder + QStringLiteral("/xls_%1.xls").arg(i, 2, 10, QLatin1Char('0')));
        // Sorted first, so a read-only file that took a turn would show in the counts.
        MakeFile(folder + QStringLiteral("/pdf_00a.pdf"));
        QVERIFY(QFile::setPermissions(folder + QStringLiteral("/pdf_00a.pdf"),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(QDir(folder).mkdir(QStringLiteral("pdf_folder.pdf")));
        MakeFile(folder + QStringLiteral("/pdf_keep.txt"));
        MakeFile(folder + QStringLiteral("/.pdf_hidden.pdf"));

        QCOMPARE(CleanTempFiles(folder), 20);
        QCOMPARE(Count(folder, QStringLiteral("pdf_*.pdf")), 15 + 1);
        QCOMPARE(Count(folder, QStringLiteral("xls_*.xls")), 2);
        QCOMPARE(CleanTempFiles(folder), 12);
        QCOMPARE(Count(folder, QStringLiteral("pdf_*.pdf")), 5 + 1);
        QCOMPARE(CleanTempFiles(folder), 5);
        QCOMPARE(CleanTempFiles(folder), 0);
        QCOMPARE(
            QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({QStringLiteral(".pdf_hidden.pdf"), QStringLiteral("pdf_00a.pdf"),
                         QStringLiteral("pdf_folder.pdf"), QStringLiteral("pdf_keep.txt")}));
    }

    void cleanTempFilesMissingFolder() {
        QCOMPARE(CleanTempFiles(QStringLiteral("/nonexistent/sortavo/tmp")), 0);
    }

    // A message posted to the main window waits for the message loop.
    void postToMainWindow() {
        QCOMPARE(PostToMainWindow(PrivateMessage::MsgOpenLottoChoice), false);
        struct Receiver : QObject {
            QList<int> got;
            bool event(QEvent* event) override {
                if (const int message = PrivateMessage::MessageOf(event)) got << message;
                return QObject::event(event);
            }
        } receiver;
        SetMainWindowHandle(&receiver);
        QVERIFY(PostToMainWindow(PrivateMessage::MsgOpenSisCond));
        PostPrivateMessage(&receiver, PrivateMessage::MsgDevelopNow);
        QVERIFY(receiver.got.isEmpty());
        QCoreApplication::sendPostedEvents(&receiver);
        QCOMPARE(receiver.got, QList<int>({1037, 1035}));
        SetMainWindowHandle(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestAppLogic)
#include "tst_app_logic.moc"
