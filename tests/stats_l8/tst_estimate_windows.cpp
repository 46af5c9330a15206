#include "common/grid/banded_grid.h"
#include "common/grid/check_list_combo.h"
#include "common/grid/grid_model.h"
#include "stats_l8/estimate_params_window.h"
#include "stats_l8/estimate_window.h"
#include "stats_l8/tdms.h"
#include "storage/tdm1.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"
#include "tools/tdm_note.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QtTest>

namespace {

// FL8STIMA with 990 rows: on every wheel number n has delay rank n, so rank 1 is the number 1.
struct EstimateFixture {
    TestProgramFolder folder;
    std::unique_ptr<TDM1> dm = folder.OpenModule();
    TDMS engine{*dm};
    TdmNote notes{*dm};
    FakeDialogs dialogs;
    FakeModal modal;

    EstimateFixture() {
        notes.LoadNotes();
        dm->LoadEstimateSettings();
        QSqlQuery insert = dm->NewQuery();
        insert.prepare(QStringLiteral(
            "insert into FL8STIMA (RUOTA, NUM, ATTRIT, POSRIT, VALRIT, POSFREQMIN, VALFREQMIN, "
            "POSFREQMAX, VALFREQMAX, POSRAPPMIN, VALRAPPMIN, POSRAPPMAX, VALRAPPMAX, POS2RIT, "
            "VAL2RIT, POS3RIT, VAL3RIT, RITPIRA, QNTPIRA, VALPIRA, VALSTIMAOLD, VALSTIMANEW) "
            "values (?, ?, 0, ?, ?, ?, ?, 1, 0, ?, ?, 1, 0, ?, ?, ?, ?, 0, 0, 0, ?, 0)"));
        for (const QString& wheel : WheelCodes) {
            for (int n = 1; n <= 90; ++n) {
                const QVariantList values = {wheel, n,   n,  91 - n, n, 10.0 + n, n,
                                             0.5,   n, 2.0 * n, n, 3.0 * n, n / 1000.0};
                for (int i = 0; i < values.size(); ++i) insert.bindValue(i, values.at(i));
                if (!insert.exec()) qFatal("%s", qPrintable(TDM1::MessageOf(insert)));
            }
        }
        dm->Commit();
    }
    double Stored(const QString& column, const QString& wheel, int number) {
        QSqlQuery query = dm->NewQuery();
        QString error;
        dm->OpenQuery(query,
                      QStringLiteral("select %1 from FL8STIMA where RUOTA = '%2' and NUM = %3")
                          .arg(column, wheel)
                          .arg(number),
                      error);
        return query.next() ? query.value(0).toDouble() : -1;
    }
    QString Setting(const QString& code, const QString& column) {
        QSqlQuery query = dm->NewQuery();
        QString error;
        dm->OpenQuery(query,
                      QStringLiteral("select %1 from FTABGEN where NOMETAB = 'STIMAPRM' and "
                                     "CODTAB = '%2'")
                          .arg(column, code),
                      error);
        return query.next() ? query.value(0).toString() : QStringLiteral("<none>");
    }
};

template <typename T>
T* Child(QWidget& window, const QString& name) {
    return window.findChild<T*>(name);
}

QPushButton* Button(QWidget& window, const QString& name) {
    return Child<QPushButton>(window, name);
}

// The guided page with only the delay rank term checked, weight `weight`.
void ChooseGuided(TfrmVornL8STIMAPARMS& params, const QString& weight) {
    Child<QRadioButton>(params, QStringLiteral("rbGuidata"))->setChecked(true);
    Button(params, QStringLiteral("btnModeOk"))->click();
    for (int term = 0; term < GuidedTermCount; ++term)
        if (params.TermCheck(term)->isChecked()) params.TermCheck(term)->click();
    params.TermField(0)->setText(weight);
    params.TermCheck(0)->click();
}

void ChooseFormula(TfrmVornL8STIMAPARMS& params, const QString& formula) {
    Child<QRadioButton>(params, QStringLiteral("rbLibera"))->setChecked(true);
    Button(params, QStringLiteral("btnModeOk"))->click();
    Child<QPlainTextEdit>(params, QStringLiteral("memFormula"))->setPlainText(formula);
}

} // namespace

class TestEstimateWindows : public QObject {
    Q_OBJECT

private slots:
    void wheelsAndOrder() {
        EstimateFixture f;
        TfrmVornL8STIMA window;
        window.show();
        BandedGrid& grid = *window.Grid();
        QCOMPARE(window.TitleLabel()->text(),
                 QStringLiteral("Lotto:Riepilogo x numero. Stime standard e personalizzata"));
        QCOMPARE(window.OrderList()->currentText(), QStringLiteral("Stima Standard / Ruota / Numero"));
        QCOMPARE(grid.RowCount(), 990);
        QCOMPARE(grid.Value(0, QStringLiteral("NUM")).toInt(), 90); // largest standard estimate
        window.WheelList()->SetAllChecked(false);
        QCOMPARE(grid.RowCount(), 990);
        QCOMPARE(window.WheelList()->DisplayText(), QStringLiteral("Nessuna ruota selezionata = TUTTE"));
        window.WheelList()->SetChecked(10, true);
        QCOMPARE(grid.RowCount(), 90);
        window.OrderList()->setCurrentIndex(2);
        QCOMPARE(grid.Value(0, QStringLiteral("RUOTA")).toString(), QStringLiteral("RN"));
        QCOMPARE(grid.Value(0, QStringLiteral("NUM")).toInt(), 1);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(grid.Model()->DisplayText(0, grid.Model()->ColumnOf(QStringLiteral("VALSTIMAOLD"))),
                 QStringLiteral("0.001"));
        QCOMPARE(grid.Layout().columns.size(), 15);

        emit grid.cellDoubleClicked(0, QStringLiteral("NUM"));
        QVERIFY(f.notes.IsNoted(QStringLiteral("RN"), 1));
        const int num = grid.Model()->ColumnOf(QStringLiteral("NUM"));
        QCOMPARE(grid.Model()->StyleAt(0, num).textColor, QColor(Qt::white));
        emit grid.cellDoubleClicked(0, QStringLiteral("POSRIT"));
        QCOMPARE(f.notes.NoteCount(QStringLiteral("RN")), 1);
    }

    void preview() {
        EstimateFixture f;
        TfrmVornL8STIMAPARMS params;
        params.show();
        QCOMPARE(params.CurrentPage(), int(TfrmVornL8STIMAPARMS::ModePage));
        QVERIFY(Child<QRadioButton>(params, QStringLiteral("rbGuidata"))->isChecked());
        QLineEdit* preview = Child<QLineEdit>(params, QStringLiteral("edtPreview"));
        QCOMPARE(preview->text(), QStringLiteral("Stima = 0"));
        ChooseGuided(params, QStringLiteral("10"));
        QCOMPARE(params.CurrentPage(), int(TfrmVornL8STIMAPARMS::WeightsPage));
        QCOMPARE(preview->text(), QStringLiteral("Stima =  P-RIT *10"));
        params.TermField(5)->setText(QStringLiteral("0,5"));
        params.TermCheck(5)->click();
        QCOMPARE(preview->text(), QStringLiteral("Stima =  P-RIT *10 +  V-RAPP *0,5"));
        params.TermField(8)->setText(QStringLiteral("dieci"));
        params.TermCheck(8)->click();
        QCOMPARE(preview->text(), QStringLiteral("Stima = NON FORMULABILE, C'E UN ERRORE NEI VALORI."));

        // The save is refused at the checked field that is no number.
        Button(params, QStringLiteral("btnSalvaP"))->click();
        QCOMPARE(f.dialogs.LastText(), QStringLiteral("Coefficiente per posizione Somma 3 Ritardi errato."));
        QCOMPARE(params.result(), int(QDialog::Rejected));
        QVERIFY(params.isVisible());
        QCOMPARE(f.Setting(QStringLiteral("RITA"), QStringLiteral("VALINT")), QStringLiteral("0"));
    }

    void formulaWithALowerCaseNameIsRefused() {
        EstimateFixture f;
        TfrmVornL8STIMAPARMS params;
        params.show();
        ChooseFormula(params, QStringLiteral("RITPO*10+\r\nrs2po"));
        Button(params, QStringLiteral("btnSalvaF"))->click();
        QCOMPARE(f.dialogs.LastText(), QStringLiteral("Errore:Errore di sintassi nella formula:r"));
        QVERIFY(params.isVisible());
        QCOMPARE(f.Setting(QStringLiteral("TIPO"), QStringLiteral("VALSTR")), QStringLiteral("P"));
        QCOMPARE(f.dm->EstimateKind, QStringLiteral("P"));
    }

    void saveLeavesTheEstimatesAsTheyAre() {
        EstimateFixture f;
        TfrmVornL8STIMA window;
        window.show();
        f.modal.Push([](QDialog& dialog) {
            auto& params = static_cast<TfrmVornL8STIMAPARMS&>(dialog);
            ChooseGuided(params, QStringLiteral("10"));
            Button(params, QStringLiteral("btnSalvaP"))->click();
            return params.result();
        });
        Button(window, QStringLiteral("btnParametri"))->click();
        QCOMPARE(f.modal.shownClasses, QStringList{QStringLiteral("TfrmVornL8STIMAPARMS")});
        QCOMPARE(f.Stored(QStringLiteral("VALSTIMANEW"), QStringLiteral("BA"), 1), 0.0);
        QCOMPARE(f.Setting(QStringLiteral("RITA"), QStringLiteral("VALINT")), QStringLiteral("1"));
        QCOMPARE(f.Setting(QStringLiteral("RITA"), QStringLiteral("VALDOUBLE")), QStringLiteral("10"));
        QCOMPARE(window.OrderList()->currentIndex(), 1);
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void saveAndRecompute_data() {
        QTest::addColumn<bool>("formula");
        QTest::newRow("guided") << false;
        QTest::newRow("formula") << true;
    }
    void saveAndRecompute() {
        QFETCH(bool, formula);
        EstimateFixture f;
        TfrmVornL8STIMA window;
        window.show();
        f.modal.Push([formula](QDialog& dialog) {
            auto& params = static_cast<TfrmVornL8STIMAPARMS&>(dialog);
            if (formula)
                ChooseFormula(params, QStringLiteral("RITPO*10"));
            else
                ChooseGuided(params, QStringLiteral("10"));
            Button(params, formula ? QStringLiteral("btnSalvaRicalcolaF")
                                   : QStringLiteral("btnSalvaRicalcolaP"))
                ->click();
            return params.result();
        });
        Button(window, QStringLiteral("btnParametri"))->click();
        QVERIFY2(f.dialogs.shown.isEmpty(), qPrintable(f.dialogs.LastText()));
        QCOMPARE(f.Stored(QStringLiteral("VALSTIMANEW"), QStringLiteral("BA"), 1), 900.0);
        QCOMPARE(f.Stored(QStringLiteral("VALSTIMANEW"), QStringLiteral("RN"), 90), 10.0);
        QCOMPARE(window.OrderList()->currentText(), QStringLiteral("Stima personal. / Ruota / Numero"));
        QCOMPARE(window.Grid()->Value(0, QStringLiteral("VALSTIMANEW")).toDouble(), 900.0);
        QVERIFY(window.ProgressBar()->isHidden());
        QVERIFY(!f.dm->InTransaction() || f.dm->Commit());
        QCOMPARE(f.Setting(QStringLiteral("TIPO"), QStringLiteral("VALSTR")),
                 formula ? QStringLiteral("F") : QStringLiteral("P"));
    }

    // A formula that fails on some row leaves every estimate as it was.
    void failedRescoringKeepsThePreviousEstimates() {
        EstimateFixture f;
        TfrmVornL8STIMA window;
        window.show();
        f.modal.Push([](QDialog& dialog) {
            auto& params = static_cast<TfrmVornL8STIMAPARMS&>(dialog);
            // 1/(RITPO-30) divides by zero on the numbers of rank 61, after sixty good rows.
            ChooseFormula(params, QStringLiteral("1/(RITPO-30)"));
            Button(params, QStringLiteral("btnSalvaRicalcolaF"))->click();
            return params.result();
        });
        Button(window, QStringLiteral("btnParametri"))->click();
        QVERIFY2(f.dialogs.LastText().startsWith(QStringLiteral("Errore in aggiornamento stima:\r\n")),
                 qPrintable(f.dialogs.LastText()));
        QCOMPARE(f.Stored(QStringLiteral("VALSTIMANEW"), QStringLiteral("BA"), 1), 0.0);
        QCOMPARE(f.Stored(QStringLiteral("ATTRIT"), QStringLiteral("BA"), 1), 0.0);
        QCOMPARE(f.Setting(QStringLiteral("FRML"), QStringLiteral("VALSTR")),
                 QStringLiteral("1/(RITPO-30)"));
        QCOMPARE(window.Grid()->RowCount(), 990);
    }
};

QTEST_MAIN(TestEstimateWindows)
#include "tst_estimate_windows.moc"
