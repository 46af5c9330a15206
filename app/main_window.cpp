#include "app/main_window.h"

#include "app/private_messages.h"
#include "app/temp_folder.h"
#include "common/helpers.h"
#include "common/pictures.h"
#include "common/seams.h"
#include "common/skin.h"
#include "report/report_texts.h"
#include "storage/tdm1.h"
#include "tools/tdm_note.h"

#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

struct BoardAction {
    const char* name;
    const char* caption;
};

struct BoardGroup {
    int column; // 0 left, 1 middle, 2 right
    const char* panelName;
    const char* title;
    std::initializer_list<BoardAction> actions;
};

// The menu board: every group of every column, in order; captions as the buttons show them.
const BoardGroup BoardGroups[] = {
    {0,
     "pnlGestione",
     "Gestione programma",
     {{"ActGuidaMenu", "Guida introduttiva all'uso"},
      {"ActConfig", "Configurazioni varie"},
      {"ActFineLavoro", "Fine lavoro (ALT-F4)"}}},
    {0,
     "pnlArchivi",
     "ARCHIVI",
     {{"ActL8ESTRA", "Estrazioni del Lotto Italiano"},
      {"ActS8ESTRA", "Estrazioni del SuperEnalotto"}}},
    {1,
     "pnlStatistiche",
     "STATISTICHE",
     {{"ActLottoStats", "Lotto Italiano"},
      {"ActSuperEnalStats", "SuperEnalotto"},
      {"ActNoteLotto", "Numeri Annotati Lotto Italiano "},
      {"ActNoteSenal8", "Numeri Annotati SuperEnalotto"}}},
    {1,
     "pnlSistemi",
     "SVILUPPO SISTEMI ",
     {{"ActSISINTNC", "Sistemi integrali (N-LC) condizionabili"},
      {"ActRidottiLotto", "Ridotti Lotto (pick5)"},
      {"ActRidottiSenal8", "Ridotti SuperEnalotto (pick-6)"}}},
    {2,
     "pnlStrumenti",
     "STRUMENTI",
     {{"ActCombinazioni", "Calcolo combinazioni "},
      {"ActProgressioni", "Progressioni di puntate"},
      {"ActAnalisiStoricoL8", "Analisi statistiche su STORICO LOTTO"},
      {"ActAnalisiSenal8", "Analisi statistiche su STORICO SuperEnalotto"}}},
    {2, "pnlInfo", "Info", {}},
};

constexpr int TopBandHeight = 96;
constexpr int BottomBandHeight = 24;

const char* const ColumnNames[3] = {"pnlLeft", "pnlMiddle", "pnlRight"};

QFont VerdanaFont(int points, bool bold = false) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QLabel* GroupTitle(const QString& text, QWidget* parent) {
    auto* title = new QLabel(text, parent);
    title->setObjectName(QStringLiteral("lblGroupTitle"));
    title->setFont(VerdanaFont(14, true));
    title->setAlignment(Qt::AlignCenter);
    title->setContentsMargins(4, 4, 4, 4);
    SetBackground(title, TitleGreen);
    SetTextColor(title, Qt::white);
    return title;
}

} // namespace

const QString TfrmVornMain::NotAvailableText = QStringLiteral("Funzione non ancora disponibile.");

TfrmVornMain::TfrmVornMain(QWidget* parent)
    : QWidget(parent)
    , m_lookup(FindWindowOpener) {
    setObjectName(QStringLiteral("frmVornMain"));
    setWindowTitle(QStringLiteral("Sortavo 3.0"));
    setFont(VerdanaFont(10));

    auto* pnlTop = new QFrame(this);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->setProperty(FixedColorProperty, true);
    SetBackground(pnlTop, DarkGreenBand);
    pnlTop->setFixedHeight(TopBandHeight);
    auto* imgLogoLeft = new QLabel(pnlTop);
    imgLogoLeft->setObjectName(QStringLiteral("imgLogoLeft"));
    imgLogoLeft->setPixmap(LogoPicture(80));
    auto* imgTitle = new QLabel(pnlTop);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setPixmap(TitlePicture(520, 80));
    imgTitle->setAlignment(Qt::AlignCenter);
    auto* imgLogoRight = new QLabel(pnlTop);
    imgLogoRight->setObjectName(QStringLiteral("imgLogoRight"));
    imgLogoRight->setPixmap(LogoPicture(80));
    auto* topLayout = new QHBoxLayout(pnlTop);
    topLayout->setContentsMargins(12, 8, 12, 8);
    topLayout->addWidget(imgLogoLeft);
    topLayout->addWidget(imgTitle, 1);
    topLayout->addWidget(imgLogoRight);

    m_pnlBoard = new QFrame(this);
    m_pnlBoard->setObjectName(QStringLiteral("pnlBoard"));
    BuildBoard();

    auto* pnlBottom = new QFrame(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    pnlBottom->setFixedHeight(BottomBandHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlTop);
    layout->addWidget(m_pnlBoard, 1);
    layout->addWidget(pnlBottom);

    FitMinimumSize();

    auto* altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(altF4, &QShortcut::activated, this,
            [this] { RunAction(QStringLiteral("ActFineLavoro")); });
}

TfrmVornMain::~TfrmVornMain() {
    if (MainWindowHandle() == this) SetMainWindowHandle(nullptr);
}

void TfrmVornMain::BuildBoard() {
    QVBoxLayout* columnLayouts[3];
    for (int c = 0; c < 3; ++c) {
        m_columns[c] = new QFrame(m_pnlBoard);
        m_columns[c]->setObjectName(QLatin1String(ColumnNames[c]));
        columnLayouts[c] = new QVBoxLayout(m_columns[c]);
        columnLayouts[c]->setContentsMargins(6, 10, 6, 10);
        columnLayouts[c]->setSpacing(14);
    }
    for (const BoardGroup& group : BoardGroups) {
        auto* panel = new QFrame(m_columns[group.column]);
        panel->setObjectName(QLatin1String(group.panelName));
        panel->setProperty(FixedColorProperty, true);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        SetBackground(panel, SilverColor);
        auto* panelLayout = new QVBoxLayout(panel);
        panelLayout->setContentsMargins(2, 2, 2, 10);
        panelLayout->setSpacing(8);
        panelLayout->addWidget(GroupTitle(QString::fromUtf8(group.title), panel));
        for (const BoardAction& action : group.actions) {
            const QString name = QLatin1String(action.name);
            auto* button = new QPushButton(QString::fromUtf8(action.caption), panel);
            button->setObjectName(name);
            button->setAutoDefault(false);
            button->setMinimumHeight(34);
            auto* row = new QHBoxLayout;
            row->setContentsMargins(4, 0, 4, 0);
            row->addWidget(button);
            panelLayout->addLayout(row);
            connect(button, &QPushButton::clicked, this, [this, name] { RunAction(name); });
        }
        if (group.actions.size() == 0) { // the Info group
            auto* product = new QLabel(ProductLine, panel);
            product->setObjectName(QStringLiteral("lblProduct"));
            product->setAlignment(Qt::AlignCenter);
            auto* link = new QLabel(
                QStringLiteral("<a href=\"%1\">%2</a>")
                    .arg(QStringLiteral("https://") + ProductWebAddress, ProductWebAddress),
                panel);
            link->setObjectName(QStringLiteral("lblWebLink"));
            link->setAlignment(Qt::AlignCenter);
            link->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                          Qt::LinksAccessibleByKeyboard);
            connect(link, &QLabel::linkActivated, this,
                    [](const QString& url) { Shell::OpenUrl(url); });
            panelLayout->addWidget(product);
            panelLayout->addWidget(link);
        }
        columnLayouts[group.column]->addWidget(panel);
    }
    for (QVBoxLayout* columnLayout : columnLayouts)
        columnLayout->addStretch(1);
}

void TfrmVornMain::SetOpenerLookup(OpenerLookup lookup) {
    m_lookup = lookup ? std::move(lookup) : OpenerLookup(FindWindowOpener);
}

void TfrmVornMain::RunAction(const QString& actionName) {
    if (actionName == QLatin1String("ActFineLavoro")) {
        close();
        return;
    }
    const WindowOpener opener = m_lookup(actionName);
    if (!opener) {
        Dialogs::Information(this, NotAvailableText);
        return;
    }
    const bool answer = opener(this);
    if (actionName == QLatin1String("ActConfig"))
        ApplyLook();
    else if (answer && actionName == QLatin1String("ActNoteLotto"))
        OpenChoice(false);
    else if (answer && actionName == QLatin1String("ActNoteSenal8"))
        OpenChoice(true);
}

bool TfrmVornMain::OpenFollowUp(const QString& name) {
    const WindowOpener opener = m_lookup(name);
    if (!opener) {
        Dialogs::Information(this, NotAvailableText);
        return false;
    }
    return opener(this);
}

void TfrmVornMain::OpenChoice(bool senal) {
    if (TSceltaLottoSis.Kind.trimmed() == QLatin1String("I"))
        OpenFollowUp(FollowUp::IntegralRestoreDevelop);
    else
        OpenFollowUp(senal ? FollowUp::SenalReducedRestore : FollowUp::LottoReducedRestore);
}

void TfrmVornMain::HandleMessage(int message) {
    switch (message) {
    case PrivateMessage::MsgCloseMain:
        close();
        break;
    case PrivateMessage::MsgOpenLottoChoice:
        OpenChoice(false);
        break;
    case PrivateMessage::MsgOpenSenalChoice:
        OpenChoice(true);
        break;
    case PrivateMessage::MsgOpenSisCond:
        if (OpenFollowUp(FollowUp::ConditionedSystems)) OpenFollowUp(FollowUp::IntegralRestoreShow);
        break;
    case PrivateMessage::MsgOpenSisRedu:
        if (OpenFollowUp(FollowUp::SystemReduction)) OpenFollowUp(FollowUp::IntegralRestoreShow);
        break;
    default:
        break;
    }
}

bool TfrmVornMain::event(QEvent* event) {
    if (const int message = PrivateMessage::MessageOf(event)) {
        HandleMessage(message);
        return true;
    }
    return QWidget::event(event);
}

void TfrmVornMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shownOnce && !event->spontaneous()) {
        m_shownOnce = true;
        // Once the message loop runs: a close asked for by the first show then ends it.
        QTimer::singleShot(0, this, &TfrmVornMain::FirstShow);
    }
}

void TfrmVornMain::FirstShow() {
    SetMainWindowHandle(this);
    TDM1& dm = DM1();
    if (!QFile::exists(dm.DatabasePath)) {
        Dialogs::Information(this, QStringLiteral("Il programma non e' agganciato al database :") +
                                       dm.DatabasePath);
        PostPrivateMessage(this, PrivateMessage::MsgCloseMain);
    }
    dm.SetDatabaseName(dm.DatabasePath);
    if (!dm.OpenDatabase()) {
        Dialogs::Information(this, QStringLiteral("Errore in avvio database:\r\n\r\n") +
                                       dm.PeekLastError());
        PostPrivateMessage(this, PrivateMessage::MsgCloseMain);
        m_firstShowDone = true;
        return;
    }
    // Let the window paint before the settings are read.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ApplyLook();
    dm.GetLottoCutOffDate();
    dm.GetSenalCutOffDate();
    if (TdmNote::HasInstance()) TdmNote::Instance().LoadNotes();
    CleanTempFolder();
    m_firstShowDone = true;
}

void TfrmVornMain::ApplyLook() {
    ArrangeColumns();
    TDM1& dm = DM1();
    dm.SkinMode = dm.ReadSkin();
    dm.LoadEstimateSettings();
    ApplySkinToMainWindow(this);
    FitMinimumSize();
}

// The columns are placed by hand: the window may not get narrower than three times the widest
// column needs, so that no caption is cut.
void TfrmVornMain::FitMinimumSize() {
    int columnWidth = 0;
    int columnHeight = 0;
    for (QFrame* column : m_columns) {
        column->layout()->invalidate();
        const QSize size = column->layout()->minimumSize();
        columnWidth = std::max(columnWidth, size.width());
        columnHeight = std::max(columnHeight, size.height());
    }
    setMinimumSize(3 * columnWidth, TopBandHeight + columnHeight + BottomBandHeight);
}

void TfrmVornMain::ArrangeColumns() {
    const int third = width() / 3;
    const int height = m_pnlBoard->height();
    m_columns[0]->setGeometry(0, 0, third, height);
    m_columns[1]->setGeometry(third, 0, third, height);
    m_columns[2]->setGeometry(2 * third, 0, width() - 2 * third, height);
}

void TfrmVornMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event); // the layout has already given the board its new size
    ArrangeColumns();
}

void TfrmVornMain::CleanTempFolder() {
    BusyCursor hourglass;
    CleanTempFiles(DM1().AppDir + QStringLiteral("tmp"));
}
