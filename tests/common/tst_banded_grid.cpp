#include "common/grid/banded_grid.h"
#include "common/grid/banded_header.h"
#include "common/grid/filter_dialog.h"
#include "common/skin.h"
#include "storage/tdm1.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

// A ranking table of 90 rows: POS 1..90, BN = 91 - POS, BV = POS / 4 (null every tenth row).
class TestBandedGrid : public QObject {
    Q_OBJECT

    TestProgramFolder m_folder;
    std::unique_ptr<TDM1> m_dm;
    const QString m_sql =
        QStringLiteral(" select POS, BN, BV, CN, 'ab' as T from FL8RITAESTRA order by Pos ");

    QList<GridColumn> Columns() const {
        return {{QStringLiteral("POS"), QStringLiteral("P."), 0, 40},
                {QStringLiteral("BN"), QStringLiteral("N"), 1, 50},
                {QStringLiteral("BV"), QStringLiteral("R."), 1, 100},
                {QStringLiteral("CN"), QStringLiteral("N"), 2, 50},
                {QStringLiteral("T"), QStringLiteral("Testo"), 2, 50}};
    }

    void Open(BandedGrid& grid) {
        grid.SetBands({QStringLiteral("P."), QStringLiteral("BARI"), QStringLiteral("CAGLIARI")});
        grid.SetColumns(Columns());
        QString error;
        QVERIFY2(grid.Open(m_sql, error), qPrintable(error));
    }

private slots:
    void initTestCase() {
        m_dm = m_folder.OpenModule();
        QString error;
        for (int pos = 1; pos <= 90; ++pos) {
            const QString bv = pos % 10 == 0 ? QStringLiteral("null") : QString::number(pos / 4.0);
            QVERIFY2(m_dm->ExecSql(QStringLiteral("ins"),
                                   QStringLiteral("insert into FL8RITAESTRA (POS, BN, BV, CN) "
                                                  "values (%1, %2, %3, %4)")
                                       .arg(pos)
                                       .arg(91 - pos)
                                       .arg(bv)
                                       .arg(pos % 7),
                                   error),
                     qPrintable(error));
        }
        QVERIFY(m_dm->Commit());
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void readsEveryRowAndOutlivesTheCommit() {
        BandedGrid grid;
        Open(grid);
        QVERIFY(m_dm->Commit()); // closes every cursor of the transaction
        QCOMPARE(grid.RowCount(), 90);
        QCOMPARE(grid.Value(0, QStringLiteral("bn")).toInt(), 90);
        QCOMPARE(grid.Value(89, QStringLiteral("POS")).toInt(), 90);
        QCOMPARE(grid.Value(4, QStringLiteral("T")).toString(), QStringLiteral("ab"));
        QVERIFY(grid.Value(9, QStringLiteral("BV")).isNull());
        const QList<GridColumn> columns = grid.Columns();
        QCOMPARE(columns.at(1).kind, ColumnKind::Integer);
        QCOMPARE(columns.at(2).kind, ColumnKind::Real);
        QCOMPARE(columns.at(4).kind, ColumnKind::Text);
        QCOMPARE(grid.FocusedRow(), 0);
    }

    void withoutColumnsShowsEveryField() {
        BandedGrid grid;
        QString error;
        QVERIFY(grid.Open(QStringLiteral("select POS, BN from FL8RITAESTRA"), error));
        QCOMPARE(grid.Layout().columns.size(), 2);
        QCOMPARE(grid.Layout().columns.at(1).caption, QStringLiteral("BN"));
    }

    void aFailingQueryLeavesTheGridEmpty() {
        BandedGrid grid;
        Open(grid);
        QString error;
        QVERIFY(!grid.Open(QStringLiteral("select * from NO_SUCH_TABLE"), error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(grid.RowCount(), 0);
        QCOMPARE(grid.Layout().columns.size(), 5); // the window's columns stay
    }

    void modelsPassTheTester() {
        BandedGrid grid;
        QAbstractItemModelTester modelTester(
            grid.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester proxyTester(
            grid.View()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        Open(grid);
        grid.SetFilter({{{QStringLiteral("CN"), FilterOperator::Equal, QStringLiteral("3")}}});
        grid.SetUserSorting(true);
        grid.View()->sortByColumn(2, Qt::DescendingOrder);
        grid.SetCellStyle([](int, const QString&) { return cxStyleSilver(); });
        grid.SetExporting(true);
        QString error;
        QVERIFY(grid.Refresh(error));
        grid.Clear();
    }

    void layoutDescribesVisibleColumnsInOrder() {
        BandedGrid grid;
        Open(grid);
        grid.SetColumnVisible(QStringLiteral("CN"), false);
        grid.SetColumnWidth(QStringLiteral("BN"), 70);
        GridSnapshot layout = grid.Layout();
        QStringList fields;
        for (const GridColumn& column : layout.columns)
            fields << column.field;
        QCOMPARE(fields, (QStringList{"POS", "BN", "BV", "T"}));
        QCOMPARE(layout.columns.at(1).width, 70);
        QCOMPARE(layout.columns.at(3).band, 2);
        QCOMPARE(layout.bandCaptions.at(1), QStringLiteral("BARI"));

        grid.SetBandVisible(1, false); // BARI hides BN and BV
        QVERIFY(!grid.IsColumnVisible(QStringLiteral("BN")));
        QVERIFY(grid.View()->isColumnHidden(1));
        layout = grid.Layout();
        QCOMPARE(layout.columns.size(), 2);
        QCOMPARE(layout.columns.at(1).field, QStringLiteral("T"));
        grid.SetBandVisible(1, true);
        QVERIFY(grid.IsColumnVisible(QStringLiteral("BV")));
        grid.SetBandCaption(0, QStringLiteral("ROMA"));
        QCOMPARE(grid.Layout().bandCaptions.at(0), QStringLiteral("ROMA"));
    }

    void snapshotHoldsTheValuesAsShown() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        BandedGrid grid;
        Open(grid);
        // Values with three decimals; a number 0 shown blank; the text column in capitals.
        grid.SetCellText([](int, const QString& field, const QVariant& value) -> QString {
            if (field == QLatin1String("BV") && !value.isNull())
                return QLocale().toString(value.toDouble(), 'f', 3);
            if (field == QLatin1String("CN") && value.toInt() == 0)
                return QString(QLatin1String(""));
            if (field == QLatin1String("T")) return value.toString().toUpper();
            return QString();
        });
        grid.SetColumnVisible(QStringLiteral("POS"), false);
        const GridSnapshot snapshot = grid.Snapshot();
        QCOMPARE(snapshot.columns.size(), 4);
        QCOMPARE(snapshot.rows.size(), 90);
        const QVariantList row = snapshot.rows.at(0); // POS 1
        QCOMPARE(row.at(0).typeId(), QMetaType::Int);
        QCOMPARE(row.at(0).toInt(), 90);
        QCOMPARE(row.at(1).typeId(), QMetaType::Double);
        QCOMPARE(row.at(1).toDouble(), 0.25);
        QCOMPARE(row.at(2).toInt(), 1);
        QCOMPARE(row.at(3).toString(), QStringLiteral("AB"));
        QCOMPARE(grid.View()->model()->index(0, 2).data().toString(), QStringLiteral("0,250"));
        QVERIFY(snapshot.rows.at(6).at(2).isNull()); // POS 7: CN 0 shown blank
        QVERIFY(snapshot.rows.at(9).at(1).isNull()); // POS 10: BV null
        // A displayed value rounds: 4.25 (POS 17) shows and exports as 4.250.
        QCOMPARE(snapshot.rows.at(16).at(1).toDouble(), 4.25);
    }

    void stylesComeFromTheWindowAndStopWhileExporting() {
        BandedGrid grid;
        Open(grid);
        grid.SetCellStyle([&grid](int row, const QString& field) {
            if (field == QLatin1String("BN") && grid.Value(row, field).toInt() == 88)
                return cxStyleNota();
            return field == QLatin1String("POS") ? cxStyleSilver() : cxStyleDefault();
        });
        const QAbstractItemModel* model = grid.View()->model();
        QCOMPARE(model->index(2, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 128, 0));
        QCOMPARE(model->index(2, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
        QCOMPARE(model->index(5, 0).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(192, 192, 192));
        QVERIFY(!model->index(3, 1).data(Qt::BackgroundRole).isValid());
        grid.SetExporting(true);
        QVERIFY(!model->index(2, 1).data(Qt::BackgroundRole).isValid());
        QVERIFY(!model->index(5, 0).data(Qt::BackgroundRole).isValid());
        grid.SetExporting(false);
        QVERIFY(model->index(5, 0).data(Qt::BackgroundRole).isValid());
    }

    void footerSummariesFollowTheShownRows() {
        BandedGrid grid;
        Open(grid);
        QVERIFY(!grid.FooterVisible());
        grid.SetSummary(QStringLiteral("BN"), SummaryKind::Sum);
        QVERIFY(grid.FooterVisible());
        QCOMPARE(grid.SummaryValue(QStringLiteral("BN")).toLongLong(), 4095);
        grid.SetSummary(QStringLiteral("BV"), SummaryKind::Count);
        QCOMPARE(grid.SummaryValue(QStringLiteral("BV")).toInt(), 81); // nulls are not counted
        grid.SetSummary(QStringLiteral("BV"), SummaryKind::Max);
        QCOMPARE(grid.SummaryValue(QStringLiteral("BV")).toDouble(), 89 / 4.0);
        grid.SetFilter(
            {{{QStringLiteral("POS"), FilterOperator::LessOrEqual, QStringLiteral("4")}}});
        QCOMPARE(grid.SummaryValue(QStringLiteral("BN")).toLongLong(), 90 + 89 + 88 + 87);
        grid.SetSummary(QStringLiteral("BV"), SummaryKind::Average);
        QCOMPARE(grid.SummaryValue(QStringLiteral("BV")).toDouble(), 0.625);
        grid.SetSummary(QStringLiteral("BN"), SummaryKind::Min);
        QCOMPARE(grid.SummaryTextOf(QStringLiteral("BN")), QStringLiteral("Min: 87"));
        grid.SetSummary(QStringLiteral("BN"), SummaryKind::None);
        QVERIFY(grid.SummaryTextOf(QStringLiteral("BN")).isEmpty());
    }

    void filterDialogFiltersTheRows() {
        FakeModal modal;
        BandedGrid grid;
        Open(grid);
        QStringList texts;
        modal.Push([&texts](QDialog& dialog) {
            auto& filter = static_cast<GridFilterDialog&>(dialog);
            texts << dialog.windowTitle() << dialog.findChild<QLabel*>("lblShowRows")->text();
            for (auto* button : dialog.findChildren<QPushButton*>())
                texts << button->text();
            filter.SetCondition(0, QStringLiteral("BN"), FilterOperator::Greater,
                                QStringLiteral("80"));
            dialog.findChild<QPushButton*>("btnAddCondition")->click();
            filter.SetCondition(1, QStringLiteral("CN"), FilterOperator::NotEqual,
                                QStringLiteral("0"));
            dialog.findChild<QPushButton*>("btnOk")->click();
            return dialog.result();
        });
        grid.ShowFilterDialog(1);
        QVERIFY(texts.contains(QStringLiteral("Filtra")));
        QVERIFY(texts.contains(QStringLiteral("Mostra le righe dove:")));
        QVERIFY(texts.contains(QStringLiteral("Aggiungi una &Condizione")));
        QVERIFY(texts.contains(QStringLiteral("&Applica")));
        QVERIFY(texts.contains(QStringLiteral("Annulla")));
        // BN > 80 is POS 1..10; CN = POS mod 7 is 0 at POS 7.
        QCOMPARE(grid.RowCount(), 9);
        QCOMPARE(grid.Snapshot().rows.size(), 9);
        QCOMPARE(grid.DataRow(6), 7);
        QVERIFY(grid.findChild<QWidget*>("filterBar")->isVisibleTo(&grid));
        QCOMPARE(grid.findChild<QLabel*>("lblFilter")->text(),
                 QStringLiteral("Filtro: N e' maggiore di 80 e N e' diverso da 0"));

        // Cancel keeps the filter; "Applica" applies without closing.
        modal.Push([](QDialog& dialog) {
            static_cast<GridFilterDialog&>(dialog).SetCondition(
                0, QStringLiteral("POS"), FilterOperator::Equal, QStringLiteral("3"));
            dialog.findChild<QPushButton*>("btnApply")->click();
            dialog.findChild<QPushButton*>("btnCancel")->click();
            return dialog.result();
        });
        grid.ShowFilterDialog();
        QCOMPARE(grid.RowCount(), 1); // applied
        grid.findChild<QPushButton*>("btnClearFilter")->click();
        QCOMPARE(grid.RowCount(), 90);
    }

    void filterConditions_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("rows");
        QTest::newRow("real with comma") << "BV" << int(FilterOperator::Equal) << "0,5" << 1;
        QTest::newRow("not a number") << "BN" << int(FilterOperator::Equal) << "abc" << 0;
        QTest::newRow("not a number, different")
            << "BN" << int(FilterOperator::NotEqual) << "x" << 90;
        QTest::newRow("null is blank") << "BV" << int(FilterOperator::Blank) << "" << 9;
        QTest::newRow("null never equal") << "BV" << int(FilterOperator::Less) << "1" << 3;
        QTest::newRow("text any case") << "T" << int(FilterOperator::Equal) << "AB" << 90;
        QTest::newRow("contains shown text") << "BN" << int(FilterOperator::Contains) << "9" << 10;
        QTest::newRow("begins with") << "POS" << int(FilterOperator::BeginsWith) << "8" << 11;
    }
    void filterConditions() {
        QFETCH(QString, field);
        QFETCH(int, op);
        QFETCH(QString, value);
        QFETCH(int, rows);
        BandedGrid grid;
        Open(grid);
        grid.SetFilter({{{field, FilterOperator(op), value}}});
        QCOMPARE(grid.RowCount(), rows);
    }

    void anyConditionMayHold() {
        BandedGrid grid;
        Open(grid);
        GridFilter filter;
        filter.matchAll = false;
        filter.conditions = {{QStringLiteral("POS"), FilterOperator::Equal, QStringLiteral("1")},
                             {QStringLiteral("POS"), FilterOperator::Equal, QStringLiteral("90")}};
        grid.SetFilter(filter);
        QCOMPARE(grid.RowCount(), 2);
    }

    void userSortingComparesNumbers() {
        BandedGrid grid;
        Open(grid);
        grid.resize(600, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const auto clickCaption = [&grid](int column) {
            BandedHeaderView* header = grid.Header();
            const QPoint at(header->sectionViewportPosition(column) + 5,
                            header->height() - 5); // the caption row, below the band row
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        };
        clickCaption(2); // not allowed: nothing happens
        QCOMPARE(grid.DataRow(0), 0);
        grid.SetUserSorting(true);
        QCOMPARE(grid.DataRow(0), 0); // allowing it keeps the query's order
        clickCaption(2);
        clickCaption(2);
        QCOMPARE(grid.Header()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(grid.Value(grid.DataRow(0), QStringLiteral("POS")).toInt(), 89);
        QVERIFY(grid.Value(grid.DataRow(89), QStringLiteral("BV")).isNull());
        QString error;
        QVERIFY(grid.Refresh(error)); // the order survives a reopen
        QCOMPARE(grid.Value(grid.DataRow(0), QStringLiteral("POS")).toInt(), 89);
        grid.SetUserSorting(false);
        QCOMPARE(grid.DataRow(0), 0);
    }

    void refreshKeepsTheFocusedAndTopRows() {
        BandedGrid grid;
        Open(grid);
        grid.resize(400, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.SetTopRow(40);
        grid.SetFocusedRow(45);
        QCOMPARE(grid.TopRow(), 40);
        QString error;
        QVERIFY(grid.Refresh(error));
        QCOMPARE(grid.FocusedRow(), 45);
        QCOMPARE(grid.TopRow(), 40);
        QVERIFY(grid.Open(m_sql, error)); // opening anew starts at the top
        QCOMPARE(grid.FocusedRow(), 0);
    }

    void doubleClickNamesDataRowAndField() {
        BandedGrid grid;
        Open(grid);
        grid.SetUserSorting(true);
        grid.View()->sortByColumn(0, Qt::DescendingOrder);
        QSignalSpy spy(&grid, &BandedGrid::cellDoubleClicked);
        emit grid.View()->doubleClicked(grid.View()->model()->index(0, 1));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 89);
        QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("BN"));
    }

    void headerHasABandRow() {
        BandedGrid plain;
        BandedGrid banded;
        Open(banded);
        QVERIFY(banded.Header()->sizeHint().height() > plain.Header()->sizeHint().height());
        banded.resize(600, 300);
        banded.show();
        QVERIFY(QTest::qWaitForWindowExposed(&banded));
        const QRect bari = banded.Header()->BandRect(1);
        QCOMPARE(bari.width(), 150); // BN + BV
        banded.SetColumnVisible(QStringLiteral("BV"), false);
        QCOMPARE(banded.Header()->BandRect(1).width(), 50);
        QVERIFY(!banded.grab().isNull());
    }
};

QTEST_MAIN(TestBandedGrid)
#include "tst_banded_grid.moc"
