#include "report/xls_writer.h"
#include "tests/report/xls_read_back.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <freexl.h>

namespace {

GridColumn Column(const QString& field, const QString& caption, int band, ColumnKind kind,
                  bool visible = true) {
    GridColumn column;
    column.field = field;
    column.caption = caption;
    column.band = band;
    column.kind = kind;
    column.visible = visible;
    return column;
}

} // namespace

class TestXlsWriter final : public QObject {
    Q_OBJECT

private slots:
    void gridReadsBackWithBandsCaptionsAndValues();
    void gridWithoutBandCaptionsStartsWithColumnCaptions();
    void largeGridSpansContinuedStringsAndManyFatSectors();
    void tooLargeGridOrUnwritablePathFailsWithMessage();

private:
    QTemporaryDir m_dir;
};

void TestXlsWriter::gridReadsBackWithBandsCaptionsAndValues() {
    GridSnapshot grid;
    grid.bandCaptions = {QStringLiteral(" "), QStringLiteral(" BARI "), QStringLiteral("ROMA")};
    grid.columns = {
        Column(QStringLiteral("POS"), QStringLiteral("Pos."), 0, ColumnKind::Integer),
        Column(QStringLiteral("HID"), QStringLiteral("Nascosta"), 1, ColumnKind::Integer, false),
        Column(QStringLiteral("BN"), QStringLiteral("Num"), 1, ColumnKind::Integer),
        Column(QStringLiteral("BV"), QStringLiteral("Rit"), 1, ColumnKind::Real),
        Column(QStringLiteral("NOTE"), QStringLiteral("Nota è"), 2, ColumnKind::Text),
        Column(QStringLiteral("DATA"), QStringLiteral("Data Estr."), 2, ColumnKind::Date)};
    grid.rows = {
        {1, 999, 17, 12.5, QStringLiteral("prima"), QDate(2024, 3, 15)},
        {2, 999, -3, 0.0, QStringLiteral("€ ß ž"), QVariant()},
        {3, 999, 1000000000, 1.0 / 3, QString(), QDate(1946, 1, 2)},
        {4, 999, QVariant(), 1e300, QStringLiteral("prima"), QDate(2000, 2, 29)},
    };
    const QString path = m_dir.filePath(QStringLiteral("grid.xls"));
    QString error;
    QVERIFY2(WriteXlsFile(grid, path, error), qPrintable(error));

    const ReadBack back = ReadXls(path);
    QVERIFY2(back.ok, qPrintable(back.failure));
    QCOMPARE(back.columns, 5u);
    QCOMPARE(back.rows, 6u);
    // Band captions over the first column of each band, the blank band caption left out.
    QCOMPARE(back.text[0], QStringList({"", "BARI", "", "ROMA", ""}));
    QCOMPARE(back.text[1], QStringList({"Pos.", "Num", "Rit", "Nota è", "Data Estr."}));
    QCOMPARE(back.text[2], QStringList({"1", "17", "12.5", "prima", "2024-03-15"}));
    QCOMPARE(back.text[3], QStringList({"2", "-3", "0", "€ ß ž", ""}));
    QCOMPARE(back.text[4],
             QStringList({"3", "1000000000", QString::number(1.0 / 3, 'g', 17), "", "1946-01-02"}));
    QCOMPARE(back.text[5],
             QStringList({"4", "", QString::number(1e300, 'g', 17), "prima", "2000-02-29"}));
    QCOMPARE(back.kind[1][0], FREEXL_CELL_SST_TEXT);
    QCOMPARE(back.kind[2][1], FREEXL_CELL_INT);
    QCOMPARE(back.kind[2][2], FREEXL_CELL_DOUBLE);
    QCOMPARE(back.kind[2][4], FREEXL_CELL_DATE);
    QCOMPARE(back.kind[4][1], FREEXL_CELL_DOUBLE); // beyond the compact integer range
    QCOMPARE(back.kind[3][4], FREEXL_CELL_NULL);
}

void TestXlsWriter::gridWithoutBandCaptionsStartsWithColumnCaptions() {
    GridSnapshot grid;
    grid.columns = {
        Column(QStringLiteral("RIGA"), QStringLiteral("Comb.N."), 0, ColumnKind::Integer),
        Column(QStringLiteral("N1"), QStringLiteral("N1"), 0, ColumnKind::Integer)};
    grid.rows = {{1, QStringLiteral("5")}};
    const QString path = m_dir.filePath(QStringLiteral("plain.xls"));
    QString error;
    QVERIFY2(WriteXlsFile(grid, path, error), qPrintable(error));
    const ReadBack back = ReadXls(path);
    QVERIFY2(back.ok, qPrintable(back.failure));
    QCOMPARE(back.rows, 2u);
    QCOMPARE(back.text[0], QStringList({"Comb.N.", "N1"}));
    // A number that reaches the grid as text is still written as a number in a number column.
    QCOMPARE(back.text[1], QStringList({"1", "5"}));
    QCOMPARE(back.kind[1][1], FREEXL_CELL_INT);
}

void TestXlsWriter::largeGridSpansContinuedStringsAndManyFatSectors() {
    // 60000 rows of reals make a file of more than 109 FAT sectors (beyond the header's own
    // list of them); thousands of distinct texts and one long one make the string table
    // continue over many records, the long text split across two of them.
    GridSnapshot grid;
    grid.columns << Column(QStringLiteral("T"), QStringLiteral("Testo"), 0, ColumnKind::Text);
    for (int c = 0; c < 12; ++c)
        grid.columns << Column(QStringLiteral("V%1").arg(c), QStringLiteral("V%1").arg(c), 0,
                               ColumnKind::Real);
    const QString longText = QString(6000, QLatin1Char('x')) + QStringLiteral("ž");
    const int rowCount = 60000;
    for (int r = 0; r < rowCount; ++r) {
        QVariantList row;
        row << (r == 7 ? QVariant(longText)
                       : QVariant(QStringLiteral("riga %1 ").arg(r % 5000) +
                                  (r % 2 ? QStringLiteral("ä") : QStringLiteral("Ω"))));
        for (int c = 0; c < 12; ++c)
            row << r + c / 10.0 + 0.01;
        grid.rows << row;
    }
    const QString path = m_dir.filePath(QStringLiteral("large.xls"));
    QString error;
    QVERIFY2(WriteXlsFile(grid, path, error), qPrintable(error));
    QVERIFY(QFileInfo(path).size() > 109 * 128 * 512);

    const ReadBack back = ReadXls(path);
    QVERIFY2(back.ok, qPrintable(back.failure));
    QCOMPARE(back.rows, unsigned(rowCount + 1));
    QCOMPARE(back.text[1 + 7][0], longText);
    for (int r : {0, 1, 4999, 5001, 31999, 59999}) {
        if (r == 7) continue;
        QCOMPARE(back.text[1 + r][0], grid.rows[r][0].toString());
        QCOMPARE(back.text[1 + r][12], QString::number(grid.rows[r][12].toDouble(), 'g', 17));
    }
}

void TestXlsWriter::tooLargeGridOrUnwritablePathFailsWithMessage() {
    GridSnapshot grid;
    grid.columns << Column(QStringLiteral("N"), QStringLiteral("N"), 0, ColumnKind::Integer);
    grid.rows = {{1}};
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    QVERIFY(!WriteXlsFile(grid, m_dir.filePath(QStringLiteral("blocker/grid.xls")), error));
    QVERIFY(error.startsWith(QStringLiteral("Impossibile scrivere il file ")));

    for (int r = 0; r < 65535; ++r)
        grid.rows << QVariantList{r};
    error.clear();
    const QString path = m_dir.filePath(QStringLiteral("huge.xls"));
    QVERIFY(!WriteXlsFile(grid, path, error));
    QVERIFY(error.contains(QStringLiteral("troppo grande")));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestXlsWriter)
#include "tst_xls_writer.moc"
