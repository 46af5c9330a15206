#include "common/grid/banded_grid.h"
#include "report/grid_export_window.h"
#include "report/print_report.h"
#include "storage/tdm1.h"
#include "tests/report/xls_read_back.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

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

// Drives the export window: clicks one button and returns the window's result.
std::function<int(QDialog&)> Click(const QString& button, QStringList* texts = nullptr) {
    return [button, texts](QDialog& dialog) {
        if (texts) {
            *texts << dialog.windowTitle();
            for (auto* b : dialog.findChildren<QPushButton*>())
                *texts << b->text();
            for (auto* g : dialog.findChildren<QGroupBox*>())
                *texts << g->title();
        }
        dialog.findChild<QPushButton*>(button)->click();
        return dialog.result();
    };
}

} // namespace

class TestGridExport final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowShowsItsChoices();
    void saveWritesTheGridWithTheXlsExtension();
    void openWritesToTheTmpFolderAndOpensTheFile();
    void cancelledOrFailedSaveKeepsTheWindowOpen();
    void layoutOfAGridDescribesItsShownColumns();
    void printGridWritesThenOpensOrPrints();
    void printSystemOpensThePrintout();

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<TDM1> m_dm;
    std::unique_ptr<BandedGrid> m_grid;
};

void TestGridExport::init() {
    m_folder = std::make_unique<TestProgramFolder>();
    m_dm = m_folder->OpenModule();
    QString error;
    for (int i = 1; i <= 30; ++i)
        QVERIFY(DM1().ExecSql(QStringLiteral("test"),
                              QStringLiteral("insert into FSISOUT (RIGA, N1, N2, N3, N4, N5, N6, "
                                             "MARK) values (%1, %2, %3, 0, 0, 0, 0, %4)")
                                  .arg(i)
                                  .arg(i)
                                  .arg(i + 40)
                                  .arg(i % 2),
                              error));
    m_grid = std::make_unique<BandedGrid>();
    m_grid->SetBands({QStringLiteral("Sistema"), QStringLiteral("Numeri")});
    m_grid->SetColumns(
        {Column(QStringLiteral("RIGA"), QStringLiteral("Comb.N."), 0, ColumnKind::Integer),
         Column(QStringLiteral("N1"), QStringLiteral("N1"), 1, ColumnKind::Integer),
         Column(QStringLiteral("N2"), QStringLiteral("N2"), 1, ColumnKind::Integer),
         Column(QStringLiteral("MARK"), QStringLiteral("Mark"), 0, ColumnKind::Integer, false)});
    QVERIFY2(m_grid->Open(QStringLiteral("select * from FSISOUT order by riga"), error),
             qPrintable(error));
}

void TestGridExport::cleanup() {
    CloseGridExport();
    m_grid.reset();
    m_dm.reset();
    m_folder.reset();
}

void TestGridExport::windowShowsItsChoices() {
    FakeDialogs dialogs;
    FakeModal modal;
    QStringList texts;
    bool excelChosen = false;
    bool expandShown = true;
    modal.Push([&](QDialog& dialog) {
        excelChosen = dialog.findChild<QRadioButton*>(QStringLiteral("rbExcel"))->isChecked();
        auto* expand = dialog.findChild<QCheckBox*>(QStringLiteral("cbEspandi"));
        expandShown = expand->isVisible() || expand->isChecked();
        return Click(QStringLiteral("btnAnnulla"), &texts)(dialog);
    });
    QVERIFY(OpenGridExport());
    ExportGrid(m_grid.get(), true);
    QCOMPARE(modal.shownClasses, QStringList{QStringLiteral("TFGRID2EXL")});
    for (const QString& text :
         {QStringLiteral("Esporta "), QStringLiteral("    Salva             "),
          QStringLiteral("Apri XLS salva/stampa"), QStringLiteral("Annulla"),
          QStringLiteral(" Verso ")})
        QVERIFY2(texts.contains(text), qPrintable(text));
    QVERIFY(excelChosen);
    QVERIFY(!expandShown);
    QVERIFY(dialogs.shown.isEmpty()); // the program folder was found
}

void TestGridExport::saveWritesTheGridWithTheXlsExtension() {
    FakeDialogs dialogs;
    FakeModal modal;
    const QString chosen = m_folder->Path() + QStringLiteral("sistema.txt");
    dialogs.fileNames.enqueue(chosen);
    int result = -1;
    modal.Push([&](QDialog& dialog) { return result = Click(QStringLiteral("btnSalva"))(dialog); });
    QVERIFY(OpenGridExport());
    ExportGrid(m_grid.get(), false);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].kind, QStringLiteral("save"));
    QCOMPARE(dialogs.shown[0].filters, TFGRID2EXL::SaveFilters);
    QCOMPARE(TFGRID2EXL::SaveFilters,
             QStringList({"file HTML  (*.html)", "file EXCEL (*.xls)", "File di testo (*.txt)",
                          "qualsiasi file (*.*)"}));
    QVERIFY(!QFile::exists(chosen));

    const ReadBack back = ReadXls(m_folder->Path() + QStringLiteral("sistema.xls"));
    QVERIFY2(back.ok, qPrintable(back.failure));
    QCOMPARE(back.columns, 3u);
    QCOMPARE(back.rows, 32u);
    QCOMPARE(back.text[0], QStringList({"Sistema", "Numeri", ""}));
    QCOMPARE(back.text[1], QStringList({"Comb.N.", "N1", "N2"}));
    for (int i = 1; i <= 30; ++i)
        QCOMPARE(back.text[1 + i],
                 QStringList({QString::number(i), QString::number(i), QString::number(i + 40)}));
    QVERIFY(!m_grid->Exporting());
}

void TestGridExport::openWritesToTheTmpFolderAndOpensTheFile() {
    FakeDialogs dialogs;
    FakeModal modal;
    FakeShell shell;
    modal.Push(Click(QStringLiteral("btnApri")));
    QVERIFY(OpenGridExport());
    ExportGrid(m_grid.get(), false);
    QCOMPARE(shell.calls.size(), 1);
    QCOMPARE(shell.calls[0].verb, QStringLiteral("open"));
    const QFileInfo file(shell.calls[0].target);
    QVERIFY2(
        QRegularExpression(QStringLiteral("^xls_\\d+\\.xls$")).match(file.fileName()).hasMatch(),
        qPrintable(file.fileName()));
    QCOMPARE(QDir(shell.calls[0].workingFolder), QDir(m_folder->Path() + QStringLiteral("tmp")));
    QCOMPARE(file.absolutePath(), QDir(m_folder->Path() + QStringLiteral("tmp")).absolutePath());
    const ReadBack back = ReadXls(file.filePath());
    QVERIFY2(back.ok, qPrintable(back.failure));
    QCOMPARE(back.rows, 32u);
}

void TestGridExport::cancelledOrFailedSaveKeepsTheWindowOpen() {
    FakeDialogs dialogs;
    FakeModal modal;
    FakeShell shell;
    QFile blocker(m_folder->Path() + QStringLiteral("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    dialogs.fileNames.enqueue(QString()); // the save dialog cancelled
    dialogs.fileNames.enqueue(blocker.fileName() + QStringLiteral("/griglia.xls"));
    int openAfterCancel = -1;
    int openAfterFailure = -1;
    int result = -1;
    modal.Push([&](QDialog& dialog) {
        auto* save = dialog.findChild<QPushButton*>(QStringLiteral("btnSalva"));
        save->click();
        openAfterCancel = dialog.isVisible();
        save->click();
        openAfterFailure = dialog.isVisible();
        result = Click(QStringLiteral("btnAnnulla"))(dialog);
        return result;
    });
    QVERIFY(OpenGridExport());
    ExportGrid(m_grid.get(), false);
    QCOMPARE(openAfterCancel, 1);
    QCOMPARE(openAfterFailure, 1);
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(dialogs.shown.size(), 3); // two save dialogs and the failure
    QVERIFY2(dialogs.shown[2].text.startsWith(QStringLiteral("Impossibile scrivere il file ")),
             qPrintable(dialogs.shown[2].text));
    QVERIFY(shell.calls.isEmpty());
}

void TestGridExport::layoutOfAGridDescribesItsShownColumns() {
    TreportVett vett;
    QVERIFY(FillReportVett(*m_grid, vett));
    QCOMPARE(vett.ColumnCount, 3);
    QCOMPARE(vett.FieldNames[0], QStringLiteral("RIGA"));
    QCOMPARE(vett.FieldNames[2], QStringLiteral("N2"));
    QCOMPARE(vett.BandIndex[1], 1);
    QCOMPARE(vett.BandCaptions[1], QStringLiteral("Numeri"));
    QCOMPARE(vett.RelWidths[0] + vett.RelWidths[1] + vett.RelWidths[2], 1.0);

    m_grid->SetBandVisible(1, false);
    QVERIFY(FillReportVett(*m_grid, vett));
    QCOMPARE(vett.ColumnCount, 1);
    QCOMPARE(vett.FieldNames[0], QStringLiteral("RIGA"));
}

void TestGridExport::printGridWritesThenOpensOrPrints() {
    FakeShell shell;
    TreportVett vett;
    FillReportVett(*m_grid, vett);
    QString error;
    const QString first = DM1().NewPdfTempPath();
    QVERIFY2(PrintGrid(true, QString(), {QStringLiteral("SISTEMA")}, m_grid->Sql(), QString(), vett,
                       true, false, first, error),
             qPrintable(error));
    const QString second = DM1().NewPdfTempPath();
    QVERIFY2(PrintGrid(false, QStringLiteral("Titolo"), {}, m_grid->Sql(), QString(), vett, false,
                       true, second, error),
             qPrintable(error));
    QVERIFY(QFileInfo(first).size() > 0 && QFileInfo(second).size() > 0);
    QCOMPARE(shell.calls.size(), 2);
    QCOMPARE(shell.calls[0].verb, QStringLiteral("open"));
    QCOMPARE(shell.calls[0].target, first);
    QCOMPARE(QDir(shell.calls[0].workingFolder), QFileInfo(first).dir());
    QCOMPARE(shell.calls[1].verb, QStringLiteral("print"));
    QCOMPARE(shell.calls[1].target, second);

    // Nothing is opened when the file cannot be written.
    const QString unwritable = m_folder->Path() + QStringLiteral("missing/nofolder/report.pdf");
    QFile blocker(m_folder->Path() + QStringLiteral("missing"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    error.clear();
    QVERIFY(!PrintGrid(true, QString(), {}, m_grid->Sql(), QString(), vett, true, false, unwritable,
                       error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(shell.calls.size(), 2);
}

void TestGridExport::printSystemOpensThePrintout() {
    FakeShell shell;
    QString error;
    const QString path = DM1().NewPdfTempPath();
    QVERIFY2(PrintSystem({QStringLiteral("Verifica vincite.")},
                         QStringLiteral("SELECT * from FSISOUT"), QString(), 2, 30, true, false,
                         path, error),
             qPrintable(error));
    QCOMPARE(shell.calls.size(), 1);
    QCOMPARE(shell.calls[0].verb, QStringLiteral("open"));
    QCOMPARE(shell.calls[0].target, path);

    error.clear();
    QVERIFY(!PrintSystem({}, QStringLiteral("SELECT * from NOSUCHTABLE"), QString(), 2, 0, true,
                         false, DM1().NewPdfTempPath(), error));
    QVERIFY(error.contains(QStringLiteral("NOSUCHTABLE")));
    QCOMPARE(shell.calls.size(), 1);
}

QTEST_MAIN(TestGridExport)
#include "tst_grid_export.moc"
