#include "report/grid_report.h"
#include "report/report_layout.h"
#include "report/report_texts.h"
#include "report/system_report.h"
#include "storage/tdm1.h"
#include "tests/support/test_db.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

GridColumn Column(const QString& field, const QString& caption, int band, int width,
                  ColumnKind kind, bool visible = true) {
    GridColumn column;
    column.field = field;
    column.caption = caption;
    column.band = band;
    column.width = width;
    column.kind = kind;
    column.visible = visible;
    return column;
}

QString PdfText(const QString& path) {
    if (qEnvironmentVariableIsSet("KEEP_PDF"))
        QFile::copy(path, qEnvironmentVariable("KEEP_PDF") + QFileInfo(path).fileName());
    QProcess process;
    process.start(QStringLiteral(PDFTOTEXT),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text extractor turns runs of blanks into single blanks (and aligns with many): compare
// texts with any run of blanks standing for any other.
QRegularExpression Loose(const QString& text) {
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& word : words)
        word = QRegularExpression::escape(word);
    return QRegularExpression(words.join(QStringLiteral("\\s+")));
}

QString Decimal(const QString& integer, const QString& fraction) {
    return integer + QLocale().decimalPoint() + fraction;
}

void Exec(const QString& sql) {
    QString error;
    QVERIFY2(DM1().ExecSql(QStringLiteral("test"), sql, error), qPrintable(error));
}

} // namespace

class TestReports final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fillReportVettDescribesVisibleColumnsAndBands();
    void fillReportVettStopsAtTwentyFourColumns();
    void cellTextRules_data();
    void cellTextRules();
    void reportsInTheSameSecondGetFilesOfTheirOwn();
    void gridReportOfManyRowsSpansPages();
    void gridReportFailuresReturnTheMessage();
    void systemPrintoutShowsColumnsUpToK();
    void winCheckPrintoutLeavesZeroPointsEmpty();

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TDM1> m_dm;
};

void TestReports::init() {
    m_folder = std::make_unique<TestProgramFolder>();
    m_dm = m_folder->OpenModule();
}

void TestReports::cleanup() {
    m_dm.reset();
    m_folder.reset();
}

void TestReports::fillReportVettDescribesVisibleColumnsAndBands() {
    const QList<GridColumn> columns = {
        Column(QStringLiteral("POS"), QStringLiteral("Pos."), 0, 50, ColumnKind::Integer),
        Column(QStringLiteral("RUOTA"), QStringLiteral("Ruota"), 0, 80, ColumnKind::Text, false),
        Column(QStringLiteral("BV"), QStringLiteral("Rit."), 1, 100, ColumnKind::Real),
        Column(QStringLiteral("DESCRI"), QStringLiteral("Descr."), 2, 50, ColumnKind::Text)};
    TreportVett vett;
    vett.HideValue = QStringLiteral("x"); // a refill starts from an empty record
    QVERIFY(FillReportVett(
        columns,
        {QStringLiteral(" POS "), QStringLiteral("BARI "), QString(), QStringLiteral("vuota")},
        vett));
    QCOMPARE(vett.ColumnCount, 3);
    QCOMPARE(vett.HideValue, QString());
    QVERIFY(!vett.BlankNonPositive && !vett.FormatReals);
    QCOMPARE(vett.FieldNames[0], QStringLiteral("POS"));
    QCOMPARE(vett.FieldNames[1], QStringLiteral("BV"));
    QCOMPARE(vett.Captions[2], QStringLiteral("Descr."));
    QCOMPARE(vett.RelWidths[0], 0.25);
    QCOMPARE(vett.RelWidths[1], 0.5);
    QCOMPARE(vett.RelWidths[2], 0.25);
    QVERIFY(vett.IsNumeric[0] && vett.IsInteger[0] && !vett.IsReal[0]);
    QVERIFY(vett.IsNumeric[1] && !vett.IsInteger[1] && vett.IsReal[1]);
    QVERIFY(!vett.IsNumeric[2] && !vett.IsInteger[2] && !vett.IsReal[2]);
    QCOMPARE(vett.BandIndex[1], 1);
    QCOMPARE(vett.BandIndex[2], 2);
    QCOMPARE(vett.BandCount, 4);
    QCOMPARE(vett.BandCaptions[0], QStringLiteral("POS"));
    QCOMPARE(vett.BandCaptions[1], QStringLiteral("BARI"));
}

void TestReports::fillReportVettStopsAtTwentyFourColumns() {
    QList<GridColumn> columns;
    for (int i = 0; i < 26; ++i)
        columns << Column(QStringLiteral("C%1").arg(i), QStringLiteral("C%1").arg(i), 0, 0,
                          ColumnKind::Integer);
    TreportVett vett;
    QVERIFY(!FillReportVett(columns, {QStringLiteral("B")}, vett));
    QCOMPARE(vett.ColumnCount, TreportVett::MaxColumns);
    QCOMPARE(vett.FieldNames[23], QStringLiteral("C23"));
    // Columns without widths share the page evenly instead of dividing by zero.
    QCOMPARE(vett.RelWidths[0], 1.0 / 24);
}

void TestReports::cellTextRules_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("hideValue");
    QTest::addColumn<bool>("blankNonPositive");
    QTest::addColumn<bool>("formatReals");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");

    const int integer = int(ColumnKind::Integer);
    const int real = int(ColumnKind::Real);
    const int text = int(ColumnKind::Text);
    const int date = int(ColumnKind::Date);
    QTest::newRow("zero blanked") << integer << QString() << true << false << QVariant(0) << "";
    QTest::newRow("negative blanked")
        << integer << QString() << true << false << QVariant(-3) << "";
    QTest::newRow("positive kept") << integer << QString() << true << false << QVariant(7) << "7";
    QTest::newRow("zero without the rule")
        << integer << QString() << false << false << QVariant(0) << "0";
    QTest::newRow("negative real blanked")
        << real << QString() << true << true << QVariant(-0.5) << "";
    QTest::newRow("text never blanked")
        << text << QString() << true << false << QVariant(QStringLiteral("0")) << "0";
    QTest::newRow("real with three decimals")
        << real << QString() << false << true << QVariant(1.5) << Decimal("1", "500");
    QTest::newRow("real rounded to three decimals")
        << real << QString() << false << true << QVariant(0.12345) << Decimal("0", "123");
    // Large values keep all their integer digits instead of being rounded to five figures.
    QTest::newRow("large real keeps its digits")
        << real << QString() << false << true << QVariant(12345.678) << Decimal("12345", "678");
    QTest::newRow("real as stored")
        << real << QString() << false << false << QVariant(1.5) << Decimal("1", "5");
    QTest::newRow("empty real stays empty")
        << real << QString() << false << true << QVariant() << "";
    QTest::newRow("integer column not formatted")
        << integer << QString() << false << true << QVariant(4) << "4";
    QTest::newRow("hidden value") << text << QStringLiteral("-1") << false << false
                                  << QVariant(QStringLiteral(" -1 ")) << "";
    QTest::newRow("other value shown")
        << integer << QStringLiteral("-1") << false << false << QVariant(-12) << "-12";
    QTest::newRow("padded text trimmed")
        << text << QString() << false << false << QVariant(QStringLiteral("BA  ")) << "BA";
    QTest::newRow("date") << date << QString() << true << true << QVariant(QDate(2024, 3, 5))
                          << "05.03.2024";
}

void TestReports::cellTextRules() {
    QFETCH(int, kind);
    QFETCH(QString, hideValue);
    QFETCH(bool, blankNonPositive);
    QFETCH(bool, formatReals);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    TreportVett vett;
    FillReportVett({Column(QStringLiteral("F"), QStringLiteral("F"), 0, 10, ColumnKind(kind))}, {},
                   vett);
    vett.HideValue = hideValue;
    vett.BlankNonPositive = blankNonPositive;
    vett.FormatReals = formatReals;
    QCOMPARE(ReportCellText(vett, 0, value), expected);
}

void TestReports::reportsInTheSameSecondGetFilesOfTheirOwn() {
    TQRgen::Request request;
    FillReportVett(
        {Column(QStringLiteral("POS"), QStringLiteral("Pos."), 0, 10, ColumnKind::Integer)}, {},
        request.layout);
    request.sql = QStringLiteral("select POS from FL8RITAESTRA");
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        paths << DM1().NewPdfTempPath();
        QString error;
        QVERIFY2(TQRgen::WritePdf(request, paths.constLast(), error), qPrintable(error));
    }
    QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), 3);
    const QRegularExpression name(QStringLiteral("^pdf_\\d+\\.pdf$"));
    for (const QString& path : std::as_const(paths)) {
        QVERIFY(QFileInfo(path).absolutePath() == m_folder->Path() + QStringLiteral("tmp"));
        QVERIFY2(name.match(QFileInfo(path).fileName()).hasMatch(), qPrintable(path));
        QVERIFY(QFileInfo(path).size() > 0);
    }
}

void TestReports::gridReportOfManyRowsSpansPages() {
    const int rowCount = 200;
    for (int i = 1; i <= rowCount; ++i)
        Exec(QStringLiteral("insert into FL8RITAESTRA (POS, BN, BV, CN, CV) values "
                            "(%1, %2, %3, %4, 0)")
                 .arg(i)
                 .arg(1000 + i)
                 .arg(i % 7 == 0 ? QStringLiteral("0") : QStringLiteral("%1.25").arg(i))
                 .arg(i % 90 + 1));

    TQRgen::Request request;
    request.landscape = true;
    request.headingLines = {QStringLiteral("RITARDI ATTUALI PER RUOTA"),
                            QStringLiteral("Statistiche aggiornate al:15.03.2024")};
    request.sql = QStringLiteral("select * from FL8RITAESTRA order by POS");
    FillReportVett(
        {Column(QStringLiteral("POS"), QStringLiteral("Pos."), 0, 40, ColumnKind::Integer),
         Column(QStringLiteral("BN"), QStringLiteral("Num"), 1, 60, ColumnKind::Integer),
         Column(QStringLiteral("BV"), QStringLiteral("Ritardo"), 1, 80, ColumnKind::Real),
         Column(QStringLiteral("CN"), QStringLiteral("Estratto"), 2, 60, ColumnKind::Integer)},
        {QString(), QStringLiteral("BARI"), QStringLiteral("CAGLIARI")}, request.layout);
    request.layout.FormatReals = true;
    request.layout.BlankNonPositive = true;
    const QString path = DM1().NewPdfTempPath();
    QString error;
    QVERIFY2(TQRgen::WritePdf(request, path, error), qPrintable(error));

    const QString text = PdfText(path);
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    for (int p = 0; p < pages.size(); ++p) {
        const QString& page = pages[p];
        for (const QString& expected :
             {request.headingLines[0], request.headingLines[1], ProductLine, today,
              QStringLiteral("Pagina %1").arg(p + 1), QStringLiteral("BARI"),
              QStringLiteral("CAGLIARI"), QStringLiteral("Pos."), QStringLiteral("Ritardo"),
              QStringLiteral("Estratto")})
            QVERIFY2(page.contains(Loose(expected)),
                     qPrintable(QStringLiteral("page %1: %2").arg(p + 1).arg(expected)));
    }
    QCOMPARE(text.count(QStringLiteral("Fine Report")), 1);
    QVERIFY(pages.constLast().contains(QStringLiteral("Fine Report")));
    for (int i = 1; i <= rowCount; ++i) {
        // POS, number, delay with three decimals (blank when 0), drawn number.
        const QString delay = i % 7 == 0 ? QString() : Decimal(QString::number(i), "250");
        const QRegularExpression row(QStringLiteral("^\\s*%1\\s+%2\\s+%3\\s*%4\\s*$")
                                         .arg(i)
                                         .arg(1000 + i)
                                         .arg(QRegularExpression::escape(delay))
                                         .arg(i % 90 + 1),
                                     QRegularExpression::MultilineOption);
        QCOMPARE(text.count(row), 1);
    }
}

void TestReports::gridReportFailuresReturnTheMessage() {
    TQRgen::Request request;
    FillReportVett(
        {Column(QStringLiteral("POS"), QStringLiteral("Pos."), 0, 10, ColumnKind::Integer)}, {},
        request.layout);
    request.sql = QStringLiteral("select POS from FL8RITAESTRA");

    // A folder that cannot be created: a file stands where it should be.
    QFile blocker(m_folder->Path() + QStringLiteral("tmp/blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = blocker.fileName() + QStringLiteral("/report.pdf");
    QString error;
    QVERIFY(!TQRgen::WritePdf(request, unwritable, error));
    QVERIFY2(error.startsWith(QStringLiteral("Impossibile scrivere il file PDF ")),
             qPrintable(error));
    QVERIFY(!QFile::exists(unwritable));

    error.clear();
    const QString path = DM1().NewPdfTempPath();
    request.sql = QStringLiteral("select * from NOSUCHTABLE");
    QVERIFY(!TQRgen::WritePdf(request, path, error));
    QVERIFY2(error.contains(QStringLiteral("NOSUCHTABLE")), qPrintable(error));
    QVERIFY(!QFile::exists(path));

    // A filter restricts the rows of the query.
    Exec(QStringLiteral("insert into FL8RITAESTRA (POS) values (41)"));
    Exec(QStringLiteral("insert into FL8RITAESTRA (POS) values (42)"));
    request.sql = QStringLiteral("select POS from FL8RITAESTRA");
    request.filter = QStringLiteral("POS > 41");
    error.clear();
    QVERIFY2(TQRgen::WritePdf(request, path, error), qPrintable(error));
    const QString text = PdfText(path);
    QVERIFY(text.contains(QStringLiteral("42")));
    QVERIFY(!text.contains(QStringLiteral("41")));
}

void TestReports::systemPrintoutShowsColumnsUpToK() {
    for (int i = 1; i <= 120; ++i)
        Exec(QStringLiteral("insert into FSISOUT (RIGA, N1, N2, N3, N4, N5, N6, MARK) values "
                            "(%1, %2, %3, 0, 0, 0, 0, 0)")
                 .arg(i)
                 .arg(i % 45 + 1)
                 .arg(i % 45 + 46));
    TQRsisout::Request request;
    request.headerLines = {
        QStringLiteral("Sistema integrale di 10 numeri. Sviluppo da:45 combinazioni di 2 numeri."),
        QStringLiteral("Numeri in gioco:1 2 3 4 5 6 7 8 9 10")};
    request.sql = QStringLiteral("SELECT * from FSISOUT");
    request.k = 2;
    const QString path = DM1().NewPdfTempPath();
    QString error;
    QVERIFY2(TQRsisout::WritePdf(request, path, error), qPrintable(error));

    const QString text = PdfText(path);
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 2);
    const QString productLine =
        ProductLine + QStringLiteral(" -  Stampa sistema -  ") + ProductWebAddress;
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const QRegularExpression titles(QStringLiteral("^\\s*Comb\\.N\\s+N\\.1\\s+N\\.2\\s*$"),
                                    QRegularExpression::MultilineOption);
    for (int p = 0; p < pages.size(); ++p) {
        const QString& page = pages[p];
        QVERIFY(page.contains(request.headerLines[0]));
        QVERIFY(page.contains(request.headerLines[1]));
        QVERIFY(page.contains(QString(74, QLatin1Char('-'))));
        QVERIFY(page.contains(QStringLiteral("Pagina %1").arg(p + 1)));
        QVERIFY(page.contains(QRegularExpression(QStringLiteral("Data\\s+") + today)));
        QCOMPARE(page.count(Loose(productLine)), 2); // header and footer
        QCOMPARE(page.count(titles), 1);
    }
    QVERIFY(!text.contains(QStringLiteral("N.3")));
    QCOMPARE(text.count(QStringLiteral("Fine sistema")), 1);
    for (int i = 1; i <= 120; ++i) {
        const QRegularExpression row(
            QStringLiteral("^\\s*%1\\s+%2\\s+%3\\s*$").arg(i).arg(i % 45 + 1).arg(i % 45 + 46),
            QRegularExpression::MultilineOption);
        QCOMPARE(text.count(row), 1);
    }
}

void TestReports::winCheckPrintoutLeavesZeroPointsEmpty() {
    Exec(QStringLiteral("insert into FSISWINS (RIGA, DATAESTRA, N1, N2, N3, N4, N5, N6, MARK) "
                        "values (1, '15.03.2024', 0, 2, 1, 0, 0, 0, 0)"));
    Exec(QStringLiteral("insert into FSISWINS (RIGA, DATAESTRA, N1, N2, N3, N4, N5, N6, MARK) "
                        "values (2, '16.03.2024', 0, 0, 3, 1, null, 0, 0)"));
    TQRsisout::Request request;
    request.headerLines = {QStringLiteral("Verifica vincite.")};
    request.sql = QStringLiteral("SELECT * from FSISWINS");
    request.k = 4;
    const QString path = DM1().NewPdfTempPath();
    QString error;
    QVERIFY2(TQRsisout::WritePdf(request, path, error), qPrintable(error));
    const QString text = PdfText(path);
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("^\\s*1\\s+2\\s+1\\s*$"),
                                             QRegularExpression::MultilineOption)));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("^\\s*2\\s+3\\s+1\\s*$"),
                                             QRegularExpression::MultilineOption)));
    QCOMPARE(TQRsisout::CellText(0, 0), QStringLiteral("0"));
    QCOMPARE(TQRsisout::CellText(1, 0), QString());
    QCOMPARE(TQRsisout::CellText(5, QVariant()), QString());
    QCOMPARE(TQRsisout::CellText(3, 12), QStringLiteral("12"));
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
