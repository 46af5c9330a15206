#include "common/grid/banded_grid.h"
#include "common/grid/check_list_combo.h"
#include "common/grid/grid_model.h"
#include "common/helpers.h"
#include "common/skin.h"
#include "report/report_texts.h"
#include "stats_l8/stat_windows.h"
#include "stats_l8/summary_window.h"
#include "storage/tdm1.h"
#include "tests/report/xls_read_back.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"
#include "tools/tdm_note.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

namespace {

// The number at rank `pos` on wheel `w` (0-based) in the fixture's rankings: every wheel holds
// the 90 numbers in a different order.
int RankedNumber(int pos, int w) {
    return (pos - 1 + 7 * w) % 90 + 1;
}

void Exec(TDM1& dm, const QString& sql) {
    QString error;
    if (!dm.ExecSql(QStringLiteral("fixture"), sql, error)) qFatal("%s", qPrintable(error));
}

// Statistic tables filled by hand: rankings, a small pyramid and group rows.
struct StatsFixture {
    TestProgramFolder folder;
    std::unique_ptr<TDM1> dm = folder.OpenModule();
    TdmNote notes{*dm};
    FakeDialogs dialogs;
    FakeModal modal;
    FakeShell shell;

    StatsFixture() {
        notes.LoadNotes();
        dm->LottoCutOffDate = QDate(2024, 3, 9);
        const QStringList tables = {"FL8RITAESTRA", "FL8FREQESTRA", "FL8RPRFESTRA", "FL8RIS2ESTRA",
                                    "FL8RIS3ESTRA"};
        for (int t = 0; t < tables.size(); ++t) {
            for (int pos = 1; pos <= 90; ++pos) {
                QStringList values{QString::number(pos)};
                for (int w = 0; w < WheelCount; ++w) {
                    const double value = t == 1 || t == 2 ? (91 - pos) / 7.0 : 91 - pos;
                    values << QString::number(RankedNumber(pos, w) + t)
                           << QString::number(value, 'g', 15);
                }
                values << QStringLiteral("0") << QStringLiteral("0");
                Exec(*dm, QStringLiteral("insert into %1 values (%2)")
                              .arg(tables.at(t), values.join(QLatin1Char(','))));
            }
        }
        // Pyramid: delay 2 has numbers on Bari only in positions 1 and 3.
        QStringList zero;
        for (int i = 0; i < 55; ++i)
            zero << QStringLiteral("0");
        QStringList row0 = zero, row2 = zero;
        for (int i = 0; i < 55; ++i)
            row0[i] = QString::number(i + 1);
        row2[0] = QStringLiteral("60");
        row2[2] = QStringLiteral("61");
        Exec(*dm, QStringLiteral("insert into FL8PIRAESTRA values (0,%1)").arg(row0.join(',')));
        Exec(*dm, QStringLiteral("insert into FL8PIRAESTRA values (2,%1)").arg(row2.join(',')));
        Exec(*dm, QStringLiteral("insert into FL8RIGACADEN values (1, '1-11-21-31-41-51-61-71-81', "
                                 "1,2,3,4,5,6,7,8,9,10,11,1)"));
    }
};

QPushButton* Button(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

// The number picker driven by a test: checks the given numbers and confirms.
std::function<int(QDialog&)> PickNumbers(QList<int> numbers) {
    return [numbers](QDialog& picker) {
        for (int n : numbers)
            picker.findChild<QCheckBox*>(QStringLiteral("cbNum%1").arg(n))->click();
        picker.findChild<QPushButton*>(QStringLiteral("ActConferma"))->click();
        return picker.result();
    };
}

QColor Background(BandedGrid& grid, int row, const QString& field) {
    return grid.Model()->StyleAt(row, grid.Model()->ColumnOf(field)).background;
}

QString Text(BandedGrid& grid, int row, const QString& field) {
    return grid.Model()->DisplayText(row, grid.Model()->ColumnOf(field));
}

QStringList VisibleFields(const BandedGrid& grid) {
    QStringList fields;
    for (const GridColumn& column : grid.Layout().columns)
        fields << column.field;
    return fields;
}

const QColor Yellow = cxStyleHighlight().background;
const QColor Green = cxStyleNota().background;
const QColor NumberColour(240, 202, 166);

} // namespace

class TestStatWindows : public QObject {
    Q_OBJECT

private slots:
    void delaysWindowLayout() {
        StatsFixture f;
        TfrmVornL8RITAESTRA window;
        window.show();
        BandedGrid& grid = *window.Grid();
        QCOMPARE(window.windowTitle(), QStringLiteral("Ritardi Lotto Italiano"));
        QCOMPARE(window.TitleLabel()->text(), QStringLiteral("TABULATO RITARDI LOTTO ITALIANO"));
        QCOMPARE(grid.RowCount(), 90);
        QCOMPARE(grid.Layout().bandCaptions.mid(1, 2), (QStringList{"BARI", "CAGLIARI"}));
        QCOMPARE(grid.Layout().bandCaptions.last(), QStringLiteral("NAZIONALE"));
        QCOMPARE(VisibleFields(grid).size(), 23);
        QCOMPARE(Text(grid, 0, QStringLiteral("BV")), QStringLiteral("90"));
        QCOMPARE(Background(grid, 0, QStringLiteral("POS")), SilverColor);
        QCOMPARE(Background(grid, 0, QStringLiteral("BN")), NumberColour);
        QCOMPARE(Background(grid, 0, QStringLiteral("BV")), QColor(Qt::white));
        QVERIFY(!Button(window, "btnNote")->isHidden());
    }

    void frequenciesShowThreeDecimals() {
        StatsFixture f;
        TfrmVornL8FREQESTRA window;
        window.show();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(Text(*window.Grid(), 0, QStringLiteral("CV")), QStringLiteral("12.857"));
        QCOMPARE(window.Grid()->Layout().columns.at(2).caption, QStringLiteral("Fr."));
    }

    // Twenty highlighted numbers are yellow on every wheel, green where they are annotated.
    void highlightAndAnnotation() {
        StatsFixture f;
        QList<int> twenty;
        for (int n = 1; n <= 20; ++n)
            twenty << n;
        f.modal.Push(PickNumbers(twenty));
        TfrmVornL8RITAESTRA window;
        window.show();
        BandedGrid& grid = *window.Grid();
        // Double-click on the number 1 of Bari (rank 1) annotates it.
        emit grid.cellDoubleClicked(0, QStringLiteral("BN"));
        QVERIFY(f.notes.IsNoted(QStringLiteral("BA"), 1));
        // Double-clicks on keys and values annotate nothing.
        emit grid.cellDoubleClicked(0, QStringLiteral("POS"));
        emit grid.cellDoubleClicked(0, QStringLiteral("BV"));
        QCOMPARE(f.notes.NoteCount(QStringLiteral("BA")), 1);

        window.HighlightButton()->click();
        QCOMPARE(window.Highlighted()[20], true);
        for (int row = 0; row < 90; ++row) {
            for (int w = 0; w < WheelCount; ++w) {
                const QString field = WheelLetters.at(w) + QStringLiteral("N");
                const int n = grid.Value(row, field).toInt();
                const QColor expected = w == 0 && n == 1 ? Green : n <= 20 ? Yellow : NumberColour;
                QCOMPARE(Background(grid, row, field), expected);
            }
        }
        QCOMPARE(grid.Model()->StyleAt(0, grid.Model()->ColumnOf(QStringLiteral("BN"))).textColor,
                 QColor(Qt::white));
        // A second double-click removes the annotation: the highlight shows again.
        emit grid.cellDoubleClicked(0, QStringLiteral("BN"));
        QVERIFY(!f.notes.IsNoted(QStringLiteral("BA"), 1));
        QCOMPARE(Background(grid, 0, QStringLiteral("BN")), Yellow);
    }

    void failedAnnotationShowsTheError() {
        StatsFixture f;
        TfrmVornL8RITAESTRA window;
        window.show();
        f.dm->Commit();
        Exec(*f.dm, QStringLiteral("create exception EX_NOTE 'bloccato'"));
        f.dm->Commit();
        Exec(*f.dm, QStringLiteral("create trigger TR_NOTE for FTABNOTE before update as begin "
                                   "exception EX_NOTE; end"));
        f.dm->Commit();
        emit window.Grid()->cellDoubleClicked(3, QStringLiteral("CN"));
        QVERIFY2(f.dialogs.LastText().startsWith(QStringLiteral("SysErr:- Insert FTABNOTE -:")),
                 qPrintable(f.dialogs.LastText()));
    }

    void pyramid() {
        StatsFixture f;
        TfrmVornL8PIRAESTRA window;
        window.show();
        BandedGrid& grid = *window.Grid();
        QCOMPARE(grid.RowCount(), 2);
        QCOMPARE(grid.Value(0, QStringLiteral("RIT")).toInt(), 2); // largest delay first
        QCOMPARE(Text(grid, 0, QStringLiteral("B1")), QStringLiteral("60"));
        QCOMPARE(Text(grid, 0, QStringLiteral("B2")), QString());
        QCOMPARE(Background(grid, 0, QStringLiteral("RIT")), SilverColor);
        QCOMPARE(Background(grid, 1, QStringLiteral("B1")), QColor(Qt::white));
        QCOMPARE(Background(grid, 1, QStringLiteral("C1")), SilverColor);
        emit grid.cellDoubleClicked(0, QStringLiteral("B2")); // empty cell
        emit grid.cellDoubleClicked(0, QStringLiteral("RIT"));
        QCOMPARE(f.notes.NoteCount(QStringLiteral("BA")), 0);
        QCOMPARE(f.notes.NoteCount(QStringLiteral("RM")), 0);
        emit grid.cellDoubleClicked(1, QStringLiteral("Z5")); // Nazionale, number 55
        QVERIFY(f.notes.IsNoted(QStringLiteral("RN"), 55));
        QCOMPARE(Background(grid, 1, QStringLiteral("Z5")), Green);
    }

    void groupRowsHideUncheckedWheels() {
        StatsFixture f;
        TfrmVornL8RIGACADEN window;
        window.show();
        BandedGrid& grid = *window.Grid();
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("GRUPPO CADENZE, RITARDI X AMBO LOTTO ITALIANO"));
        QVERIFY(window.HighlightButton()->isHidden());
        QVERIFY(window.NotesButton() == nullptr);
        QCOMPARE(Background(grid, 0, QStringLiteral("RTT")), NumberColour);
        QCOMPARE(Background(grid, 0, QStringLiteral("GRUPPO")), SilverColor);
        QVERIFY(!Background(grid, 0, QStringLiteral("RBA")).isValid());
        CheckListCombo& wheels = *window.WheelList();
        QCOMPARE(wheels.CheckedItems().size(), 11);
        wheels.SetChecked(10, false);
        QVERIFY(!VisibleFields(grid).contains(QStringLiteral("RNZ")));
        QVERIFY(VisibleFields(grid).contains(QStringLiteral("RVE")));
        wheels.SetAllChecked(false);
        QCOMPARE(VisibleFields(grid), (QStringList{"GRUPPO", "RTT"}));
        QCOMPARE(wheels.DisplayText(), QStringLiteral("Tutte le ruote sono visualizzate"));
        emit grid.cellDoubleClicked(0, QStringLiteral("RBA"));
        QCOMPARE(f.notes.NoteCount(QStringLiteral("BA")), 0);
    }

    void summaryOfTheNazionale() {
        StatsFixture f;
        TfrmVornL8XRUOTA window;
        window.show();
        BandedGrid& grid = *window.Grid();
        QCOMPARE(grid.Layout().bandCaptions.first(), QStringLiteral("BARI"));
        QCOMPARE(grid.Value(0, QStringLiteral("NR")).toInt(), RankedNumber(1, 0));
        window.WheelChoice()->setCurrentIndex(10);
        QCOMPARE(grid.Layout().bandCaptions.first(), QStringLiteral("NAZIONALE"));
        QCOMPARE(grid.RowCount(), 90);
        for (int row : {0, 44, 89}) {
            QCOMPARE(grid.Value(row, QStringLiteral("NR")).toInt(), RankedNumber(row + 1, 10));
            QCOMPARE(grid.Value(row, QStringLiteral("NF")).toInt(), RankedNumber(row + 1, 10) + 1);
            QCOMPARE(grid.Value(row, QStringLiteral("NS3")).toInt(), RankedNumber(row + 1, 10) + 4);
        }
        QLocale::setDefault(QLocale::c());
        QCOMPARE(Text(grid, 0, QStringLiteral("VF")), QStringLiteral("12.857"));
        QCOMPARE(Text(grid, 0, QStringLiteral("VR")), QStringLiteral("90"));
        emit grid.cellDoubleClicked(0, QStringLiteral("NRF"));
        QVERIFY(f.notes.IsNoted(QStringLiteral("RN"), RankedNumber(1, 10) + 2));
        QCOMPARE(Background(grid, 0, QStringLiteral("NRF")), Green);
        QCOMPARE(Background(grid, 0, QStringLiteral("NR")), NumberColour);
        emit grid.cellDoubleClicked(0, QStringLiteral("VR"));
        QCOMPARE(f.notes.NoteCount(QStringLiteral("RN")), 1);
    }

    void printingTheDelays() {
        StatsFixture f;
        f.dialogs.answers.enqueue(DialogAnswer::Ok);
        TfrmVornL8RITAESTRA window;
        window.show();
        window.PrintButton()->click();
        QCOMPARE(f.dialogs.Texts(), QStringList{PrintNoticeLandscape});
        QCOMPARE(f.shell.calls.size(), 1);
        const QString pdf = f.shell.calls.first().target;
        QVERIFY(pdf.startsWith(f.dm->AppDir + QStringLiteral("tmp/pdf_")));
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString content = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY(content.contains(QStringLiteral("TABULATO RITARDI LOTTO ITALIANO")));
        QVERIFY(content.contains(QStringLiteral("Statistiche aggiornate al:09.03.2024")));
        QVERIFY(content.contains(QStringLiteral("NAZIONALE")));

        // Cancelling the notice prints nothing.
        window.PrintButton()->click();
        QCOMPARE(f.shell.calls.size(), 1);
    }

    void exportingTheFrequencies() {
        StatsFixture f;
        f.modal.Push([](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("btnApri"))->click();
            return dialog.result();
        });
        TfrmVornL8FREQESTRA window;
        window.show();
        window.ExportButton()->click();
        QCOMPARE(f.modal.shownClasses, QStringList{QStringLiteral("TFGRID2EXL")});
        QCOMPARE(f.shell.calls.size(), 1);
        const ReadBack back = ReadXls(f.shell.calls.first().target);
        QVERIFY2(back.ok, qPrintable(back.failure));
        // Band row, caption row and the 90 positions, with the values as the grid shows them.
        QCOMPARE(back.rows, 92u);
        QCOMPARE(back.columns, 23);
        QCOMPARE(back.text.at(0).at(1), QStringLiteral("BARI"));
        QCOMPARE(back.text.at(0).at(21), QStringLiteral("NAZIONALE"));
        QCOMPARE(back.text.at(1).mid(0, 3), (QStringList{"Pos.", "N.", "Fr."}));
        QCOMPARE(back.text.at(2).at(1), QStringLiteral("2"));
        QCOMPARE(back.text.at(2).at(2).toDouble(), 12.857);
    }

    void printingThePyramid() {
        StatsFixture f;
        f.dialogs.answers.enqueue(DialogAnswer::Ok);
        TfrmVornL8PIRAESTRA window;
        window.show();
        window.PrintButton()->click();
        QCOMPARE(f.shell.calls.size(), 1);
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), f.shell.calls.first().target, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString content = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY(content.contains(QStringLiteral("TABULATO PIRAMIDALE (analitico) Lotto IT.")));
        QVERIFY2(content.contains(QStringLiteral("60 61")), qPrintable(content));
        QVERIFY(content.contains(QStringLiteral("01 02 03 04 05")));
    }

    void notesButtonRefreshesAfterAChange() {
        StatsFixture f;
        f.notes.ToggleNote(QStringLiteral("BA"), RankedNumber(1, 0) + 3); // rank 1 of the table
        TfrmVornL8RIS2ESTRA window;
        window.show();
        QCOMPARE(Background(*window.Grid(), 0, QStringLiteral("BN")), Green);
        f.dialogs.answers.enqueue(DialogAnswer::Yes);
        f.modal.Push([](QDialog& list) {
            Button(list, "btnEliminaTutte")->click();
            return list.result();
        });
        Button(window, "btnNote")->click();
        QCOMPARE(f.modal.shownClasses, QStringList{QStringLiteral("TfrmVornL8SHOWNOTE")});
        QCOMPARE(f.notes.NoteCount(QStringLiteral("BA")), 0);
        QCOMPARE(Background(*window.Grid(), 0, QStringLiteral("BN")), NumberColour);
    }
};

QTEST_MAIN(TestStatWindows)
#include "tst_stat_windows.moc"
