#include "app/main_window.h"
#include "app/private_messages.h"
#include "common/helpers.h"
#include "common/seams.h"
#include "common/skin.h"
#include "report/report_texts.h"
#include "storage/tdm1.h"
#include "tests/support/fake_seams.h"
#include "tests/support/test_db.h"
#include "tools/tdm_note.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

namespace {

void WriteIni(const QString& folder, const QString& databasePath) {
    QFile ini(folder + QStringLiteral("l8ini.txt"));
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(QStringLiteral("SERVERPATH=%1\n").arg(databasePath).toUtf8());
}

void MakeFile(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// What the main window looked up, and what each name answers (a name not listed opens nothing).
struct FakeWindows {
    QStringList opened;
    QHash<QString, bool> answers;
    std::function<void()> whileOpen;

    TfrmVornMain::OpenerLookup Lookup() {
        return [this](const QString& name) -> WindowOpener {
            if (!answers.contains(name)) {
                opened << QStringLiteral("missing:") + name;
                return {};
            }
            return [this, name](QWidget*) {
                opened << name;
                if (whileOpen) whileOpen();
                return answers.value(name);
            };
        };
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<FakeModal> m_modal;
    std::unique_ptr<FakeShell> m_shell;
    std::unique_ptr<TDM1> m_dm;
    std::unique_ptr<TdmNote> m_note;
    std::unique_ptr<TfrmVornMain> m_window;

    // Modules on the test folder, as the program entry makes them (the window opens the database).
    void MakeModules() {
        m_dm = std::make_unique<TDM1>(m_folder->Path());
        m_note = std::make_unique<TdmNote>(*m_dm);
        m_window = std::make_unique<TfrmVornMain>();
    }

    void StartWindow() {
        MakeModules();
        m_window->show();
        QTRY_VERIFY(m_window->FirstShowDone());
        QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->LastText()));
    }

    void PostAndRun(int message) {
        QVERIFY(PostToMainWindow(message));
        QCoreApplication::sendPostedEvents(m_window.get());
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestProgramFolder>();
        m_dialogs = std::make_unique<FakeDialogs>();
        m_modal = std::make_unique<FakeModal>();
        m_shell = std::make_unique<FakeShell>();
        TSceltaLottoSis.Clear();
    }
    void cleanup() {
        m_window.reset();
        m_note.reset();
        m_dm.reset();
        m_shell.reset();
        m_modal.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    // Without a database the window tells why and closes, which ends the program.
    void startFailures_data() {
        QTest::addColumn<QString>("databasePath");
        QTest::addColumn<bool>("fileMissing");
        QTest::newRow("missing file") << QStringLiteral("ibdb/none.gdb") << true;
        QTest::newRow("empty path") << QString() << true;
        QTest::newRow("not a database") << QStringLiteral("l8ini.txt") << false;
    }
    void startFailures() {
        QFETCH(QString, databasePath);
        QFETCH(bool, fileMissing);
        const QString path = databasePath.isEmpty() ? QString() : m_folder->Path() + databasePath;
        WriteIni(m_folder->Path(), path);
        MakeModules();
        m_window->show();
        QTRY_VERIFY(m_window->FirstShowDone());
        QVERIFY(!m_dm->IsOpen());
        QVERIFY(!m_dm->PeekLastError().isEmpty());
        QStringList expected;
        if (fileMissing)
            expected << QStringLiteral("Il programma non e' agganciato al database :") + path;
        expected << QStringLiteral("Errore in avvio database:\r\n\r\n") + m_dm->PeekLastError();
        QCOMPARE(m_dialogs->Texts(), expected);
        QTRY_VERIFY(!m_window->isVisible());
    }

    // A good start: settings read, notes loaded, ten printouts and the spreadsheets cleaned under
    // the hourglass, and the window stays.
    void startReady() {
        {
            auto dm = m_folder->OpenModule();
            QVERIFY(dm->WriteSkin(1));
            QVERIFY(dm->Commit());
        }
        const QString tmp = m_folder->Path() + QStringLiteral("tmp/");
        for (int i = 0; i < 25; ++i)
            MakeFile(tmp + QStringLiteral("pdf_%1.pdf").arg(i));
        for (int i = 0; i < 3; ++i)
            MakeFile(tmp + QStringLiteral("xls_%1.xls").arg(i));
        const int hourglasses = BusyCursor::TotalCount();
        StartWindow();
        QVERIFY(m_dm->IsOpen());
        QCOMPARE(MainWindowHandle(), m_window.get());
        QCOMPARE(m_dm->SkinMode, 1);
        QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("ActL8ESTRA"))
                     ->property(ButtonLookProperty)
                     .toString(),
                 QStringLiteral("standard"));
        QSqlQuery query = m_dm->NewQuery();
        QString error;
        QVERIFY(m_dm->OpenQuery(query, QStringLiteral("select count(*) from FTABNOTE"), error));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), TdmNote::SlotCount);
        QCOMPARE(QDir(tmp).entryList({QStringLiteral("pdf_*.pdf")}, QDir::Files).size(), 15);
        QCOMPARE(QDir(tmp).entryList({QStringLiteral("xls_*.xls")}, QDir::Files).size(), 0);
        QVERIFY(BusyCursor::TotalCount() > hourglasses);
        QCOMPARE(BusyCursor::ActiveCount(), 0);
        QCoreApplication::processEvents();
        QVERIFY(m_window->isVisible());
    }

    void arrangeColumns_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("1000") << 1000 << QList<int>{333, 333, 334};
        QTest::newRow("1280") << 1280 << QList<int>{426, 426, 428};
        QTest::newRow("1002") << 1002 << QList<int>{334, 334, 334};
    }
    void arrangeColumns() {
        QFETCH(int, width);
        QFETCH(QList<int>, widths);
        StartWindow();
        m_window->showNormal();
        m_window->setMinimumSize(0, 0); // the least width depends on the fonts installed
        m_window->resize(width, 800);
        const char* names[] = {"pnlLeft", "pnlMiddle", "pnlRight"};
        int x = 0;
        for (int c = 0; c < 3; ++c) {
            QWidget* column = m_window->findChild<QWidget*>(QLatin1String(names[c]));
            QTRY_COMPARE(column->width(), widths[c]);
            QCOMPARE(column->x(), x);
            x += widths[c];
        }
    }

    void board_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("groupTitle");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("actions"); // name, caption, name, caption ...
        QTest::newRow("Gestione") << "pnlGestione"
                                  << "Gestione programma"
                                  << "pnlLeft"
                                  << QStringList{"ActGuidaMenu",  "Guida introduttiva all'uso",
                                                 "ActConfig",     "Configurazioni varie",
                                                 "ActFineLavoro", "Fine lavoro (ALT-F4)"};
        QTest::newRow("Archivi") << "pnlArchivi"
                                 << "ARCHIVI"
                                 << "pnlLeft"
                                 << QStringList{"ActL8ESTRA", "Estrazioni del Lotto Italiano",
                                                "ActS8ESTRA", "Estrazioni del SuperEnalotto"};
        QTest::newRow("Statistiche")
            << "pnlStatistiche"
            << "STATISTICHE"
            << "pnlMiddle" << QStringList{"ActLottoStats",     "Lotto Italiano",
                                          "ActSuperEnalStats", "SuperEnalotto",
                                          "ActNoteLotto",      "Numeri Annotati Lotto Italiano ",
                                          "ActNoteSenal8",     "Numeri Annotati SuperEnalotto"};
        QTest::newRow("Sistemi") << "pnlSistemi"
                                 << "SVILUPPO SISTEMI "
                                 << "pnlMiddle"
                                 << QStringList{"ActSISINTNC",
                                                "Sistemi integrali (N-LC) condizionabili",
                                                "ActRidottiLotto",
                                                "Ridotti Lotto (pick5)",
                                                "ActRidottiSenal8",
                                                "Ridotti SuperEnalotto (pick-6)"};
        QTest::newRow("Strumenti")
            << "pnlStrumenti"
            << "STRUMENTI"
            << "pnlRight"
            << QStringList{"ActCombinazioni",     "Calcolo combinazioni ",
                           "ActProgressioni",     "Progressioni di puntate",
                           "ActAnalisiStoricoL8", "Analisi statistiche su STORICO LOTTO",
                           "ActAnalisiSenal8",    "Analisi statistiche su STORICO SuperEnalotto"};
        QTest::newRow("Info") << "pnlInfo"
                              << "Info"
                              << "pnlRight" << QStringList{};
    }
    void board() {
        QFETCH(QString, group);
        QFETCH(QString, groupTitle);
        QFETCH(QString, column);
        QFETCH(QStringList, actions);
        MakeModules();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Sortavo 3.0"));
        QWidget* panel = m_window->findChild<QWidget*>(group);
        QVERIFY(panel);
        QCOMPARE(panel->parentWidget()->objectName(), column);
        auto* title = panel->findChild<QLabel*>(QStringLiteral("lblGroupTitle"));
        QCOMPARE(title->text(), groupTitle);
        QCOMPARE(title->font().pointSize(), 14);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(panel->palette().color(QPalette::Window), SilverColor);
        const QList<QPushButton*> buttons = panel->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), actions.size() / 2);
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i]->objectName(), actions[2 * i]);
            QCOMPARE(buttons[i]->text(), actions[2 * i + 1]);
        }
    }

    void infoGroup() {
        MakeModules();
        auto* product = m_window->findChild<QLabel*>(QStringLiteral("lblProduct"));
        QCOMPARE(product->text(), ProductLine);
        auto* link = m_window->findChild<QLabel*>(QStringLiteral("lblWebLink"));
        QVERIFY(link->text().contains(ProductWebAddress));
        emit link->linkActivated(QStringLiteral("https://") + ProductWebAddress);
        QCOMPARE(m_shell->calls.size(), 1);
        QCOMPARE(m_shell->calls[0].verb, QStringLiteral("url"));
        QCOMPARE(m_shell->calls[0].target, QStringLiteral("https://www.sortavo.it"));
    }

    // Each button runs its action: a window that is not there yet is reported; the notes hand
    // a chosen system on; the configuration is followed by the new look.
    void actions_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("present"); // names with a window, answering true
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("texts");
        const QString notAvailable = TfrmVornMain::NotAvailableText;
        QTest::newRow("no window yet")
            << "ActProgressioni"
            << "" << QStringList{} << QStringList{"missing:ActProgressioni"}
            << QStringList{notAvailable};
        QTest::newRow("shown") << "ActAnalisiStoricoL8"
                               << "" << QStringList{"ActAnalisiStoricoL8"}
                               << QStringList{"ActAnalisiStoricoL8"} << QStringList{};
        QTest::newRow("notes lotto integral")
            << "ActNoteLotto"
            << "I" << QStringList{"ActNoteLotto", FollowUp::IntegralRestoreDevelop}
            << QStringList{"ActNoteLotto", FollowUp::IntegralRestoreDevelop} << QStringList{};
        QTest::newRow("notes senal reduced")
            << "ActNoteSenal8"
            << "S8RID" << QStringList{"ActNoteSenal8", FollowUp::SenalReducedRestore}
            << QStringList{"ActNoteSenal8", FollowUp::SenalReducedRestore} << QStringList{};
        QTest::newRow("notes follow-up missing")
            << "ActNoteLotto"
            << "L8RID" << QStringList{"ActNoteLotto"}
            << QStringList{"ActNoteLotto",
                           QStringLiteral("missing:") + FollowUp::LottoReducedRestore}
            << QStringList{notAvailable};
    }
    void actions() {
        QFETCH(QString, action);
        QFETCH(QString, kind);
        QFETCH(QStringList, present);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, texts);
        MakeModules();
        FakeWindows windows;
        for (const QString& name : present)
            windows.answers.insert(name, true);
        m_window->SetOpenerLookup(windows.Lookup());
        TSceltaLottoSis.Kind = kind;
        m_window->findChild<QPushButton*>(action)->click();
        QCOMPARE(windows.opened, opened);
        QCOMPARE(m_dialogs->Texts(), texts);
    }

    // The notes window that closes without a choice opens nothing more.
    void notesWithoutChoice() {
        MakeModules();
        FakeWindows windows;
        windows.answers.insert(QStringLiteral("ActNoteLotto"), false);
        m_window->SetOpenerLookup(windows.Lookup());
        TSceltaLottoSis.Kind = QStringLiteral("I");
        m_window->RunAction(QStringLiteral("ActNoteLotto"));
        QCOMPARE(windows.opened, QStringList{QStringLiteral("ActNoteLotto")});
    }

    void configAppliesLook() {
        StartWindow();
        QCOMPARE(m_dm->SkinMode, 0);
        FakeWindows windows;
        windows.answers.insert(QStringLiteral("ActConfig"), true);
        windows.whileOpen = [this] {
            QVERIFY(m_dm->WriteSkin(1));
            m_dm->SkinMode = 0;
        };
        m_window->SetOpenerLookup(windows.Lookup());
        m_window->RunAction(QStringLiteral("ActConfig"));
        QCOMPARE(m_dm->SkinMode, 1);
        QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("ActConfig"))
                     ->property(ButtonLookProperty)
                     .toString(),
                 QStringLiteral("standard"));
    }

    void closeActions_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("ActFineLavoro") << 0;
        QTest::newRow("Alt+F4") << 1;
        QTest::newRow("MsgCloseMain") << 2;
    }
    void closeActions() {
        QFETCH(int, how);
        StartWindow();
        QVERIFY(m_window->isVisible());
        if (how == 0) {
            m_window->findChild<QPushButton*>(QStringLiteral("ActFineLavoro"))->click();
        } else if (how == 1) {
            m_window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            QTest::keyClick(m_window.get(), Qt::Key_F4, Qt::AltModifier);
        } else {
            PostAndRun(PrivateMessage::MsgCloseMain);
        }
        QTRY_VERIFY(!m_window->isVisible());
    }

    // Posted messages open their follow-ups once the message loop runs.
    void messages_data() {
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("answerTrue");
        QTest::addColumn<QStringList>("answerFalse");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<int>("infos");
        const QStringList allTrue{FollowUp::IntegralRestoreDevelop, FollowUp::IntegralRestoreShow,
                                  FollowUp::LottoReducedRestore,    FollowUp::SenalReducedRestore,
                                  FollowUp::ConditionedSystems,     FollowUp::SystemReduction};
        QTest::newRow("1034 integral") << 1034 << "I" << allTrue << QStringList{}
                                       << QStringList{FollowUp::IntegralRestoreDevelop} << 0;
        QTest::newRow("1034 reduced") << 1034 << "L8R5" << allTrue << QStringList{}
                                      << QStringList{FollowUp::LottoReducedRestore} << 0;
        QTest::newRow("1036 integral") << 1036 << "I" << allTrue << QStringList{}
                                       << QStringList{FollowUp::IntegralRestoreDevelop} << 0;
        QTest::newRow("1036 reduced") << 1036 << "S8R6" << allTrue << QStringList{}
                                      << QStringList{FollowUp::SenalReducedRestore} << 0;
        QTest::newRow("1037 true")
            << 1037 << "I" << allTrue << QStringList{}
            << QStringList{FollowUp::ConditionedSystems, FollowUp::IntegralRestoreShow} << 0;
        QTest::newRow("1037 false") << 1037 << "I" << QStringList{FollowUp::IntegralRestoreShow}
                                    << QStringList{FollowUp::ConditionedSystems}
                                    << QStringList{FollowUp::ConditionedSystems} << 0;
        QTest::newRow("1038 true")
            << 1038 << "I" << allTrue << QStringList{}
            << QStringList{FollowUp::SystemReduction, FollowUp::IntegralRestoreShow} << 0;
        QTest::newRow("1038 false") << 1038 << "I" << QStringList{FollowUp::IntegralRestoreShow}
                                    << QStringList{FollowUp::SystemReduction}
                                    << QStringList{FollowUp::SystemReduction} << 0;
        QTest::newRow("1037 window missing")
            << 1037 << "I" << QStringList{FollowUp::IntegralRestoreShow} << QStringList{}
            << QStringList{QStringLiteral("missing:") + FollowUp::ConditionedSystems} << 1;
    }
    void messages() {
        QFETCH(int, message);
        QFETCH(QString, kind);
        QFETCH(QStringList, answerTrue);
        QFETCH(QStringList, answerFalse);
        QFETCH(QStringList, opened);
        QFETCH(int, infos);
        StartWindow();
        FakeWindows windows;
        for (const QString& name : answerTrue)
            windows.answers.insert(name, true);
        for (const QString& name : answerFalse)
            windows.answers.insert(name, false);
        m_window->SetOpenerLookup(windows.Lookup());
        TSceltaLottoSis.Kind = kind;
        QVERIFY(PostToMainWindow(message));
        QVERIFY(windows.opened.isEmpty());
        QCoreApplication::sendPostedEvents(m_window.get());
        QCOMPARE(windows.opened, opened);
        QCOMPARE(m_dialogs->shown.size(), infos);
        if (infos) QCOMPARE(m_dialogs->LastText(), TfrmVornMain::NotAvailableText);
    }

    // The real table of windows.
    void opensRealWindows_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("Lotto archive") << "ActL8ESTRA"
                                       << "TfrmVornL8ESTRA";
        QTest::newRow("SuperEnalotto archive") << "ActS8ESTRA"
                                               << "TfrmVornS8ESTRA";
        QTest::newRow("calculator") << "ActCombinazioni"
                                    << "TfrmVornCOMBINAZ";
    }
    void opensRealWindows() {
        QFETCH(QString, action);
        QFETCH(QString, windowClass);
        StartWindow();
        m_window->findChild<QPushButton*>(action)->click();
        QCOMPARE(m_modal->shownClasses, QStringList{windowClass});
        QVERIFY(m_dialogs->shown.isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
