#include "archive/archive_window.h"

#include "archive/archive_find_window.h"

#include "common/base_window.h"
#include "common/grid/banded_grid.h"
#include "common/progress.h"
#include "common/seams.h"
#include "common/skin.h"
#include "report/report_texts.h"
#include "storage/tdm1.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QDate FirstListingDate(1946, 1, 1);

const QString LoadWarning = QStringLiteral(
    "=============================\r\n        ATTENZIONE             \r\n"
    "=============================\r\n Questa operazione modifichera'   \r\n\r\n"
    " l'archivio attuale, sostituendone \r\n\r\n il contenuto con quello del file   \r\n\r\n"
    " che verra' indicato.");

// The load keeps the window painted; its controls are disabled meanwhile.
class WindowLoadProgress final : public Progress {
public:
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    void ProcessEvents() override {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
};

QPushButton* NewButton(const QString& name, const QString& caption, QWidget* parent,
                       const QString& hint = QString()) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

QDateEdit* NewDateBox(const QString& name, QWidget* parent) {
    auto* box = new QDateEdit(parent);
    box->setObjectName(name);
    box->setCalendarPopup(true);
    box->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    box->setMinimumDate(QDate(1800, 1, 1));
    return box;
}

QLabel* NewLabel(const QString& text, QWidget* parent, const QString& name = QString()) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

} // namespace

QString HelpPageUrl(const QString& code) {
    return QStringLiteral("https://") + ProductWebAddress +
           QStringLiteral("/presentazione-software1.aspx?hlp=1&code=") + code +
           QStringLiteral("#aContent");
}

TArchiveWindow::TArchiveWindow(ArchiveGame game, const ArchiveWindowTexts& texts, QWidget* parent)
    : QDialog(parent)
    , m_game(game)
    , m_browser(DM1(), game)
    , m_texts(texts) {
    setWindowTitle(texts.caption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    SetMaximizedOnWorkArea(this);
    BuildLayout(texts);
}

void TArchiveWindow::BuildLayout(const ArchiveWindowTexts& texts) {
    // Header band, as in the base window.
    auto* header = new QFrame(this);
    header->setObjectName(QStringLiteral("pnlHeader"));
    header->setProperty(FixedColorProperty, true);
    SetBackground(header, DarkGreenBand);
    header->setFixedHeight(58);
    auto* titleArea = new QFrame(header);
    titleArea->setObjectName(QStringLiteral("pnlTitleArea"));
    titleArea->setProperty(FixedColorProperty, true);
    titleArea->setFrameShape(QFrame::StyledPanel);
    SetBackground(titleArea, palette().color(QPalette::Button));
    auto* title = NewLabel(texts.title, titleArea, QStringLiteral("lblTitle"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* titleLayout = new QHBoxLayout(titleArea);
    titleLayout->setContentsMargins(8, 2, 8, 2);
    titleLayout->addWidget(title, 1);
    auto* close = NewButton(QStringLiteral("btnClose"), QStringLiteral("Chiudi (ALT-F4)"), header);
    close->setMinimumSize(130, 36);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(6, 5, 6, 5);
    headerLayout->addWidget(titleArea, 1);
    headerLayout->addSpacing(10);
    headerLayout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(altF4, &QShortcut::activated, this, &QDialog::reject);

    // Navigator.
    auto* navigator = new QFrame(this);
    navigator->setObjectName(QStringLiteral("pnlNavigator"));
    navigator->setFrameShape(QFrame::StyledPanel);
    m_navigatorLayout = new QVBoxLayout(navigator);
    m_navigatorLayout->addWidget(NewLabel(QStringLiteral("Estrazione del"), navigator));
    m_lblCurrentDate = NewLabel(QString(), navigator, QStringLiteral("lblCurrentDate"));
    QFont dateFont = m_lblCurrentDate->font();
    dateFont.setPointSize(dateFont.pointSize() + 4);
    dateFont.setBold(true);
    m_lblCurrentDate->setFont(dateFont);
    m_navigatorLayout->addWidget(m_lblCurrentDate);
    auto* moves = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        void (TArchiveBrowser::*move)();
    } buttons[] = {
        {"btnFirst", "<<", "Prima estrazione", &TArchiveBrowser::First},
        {"btnPrior", "<", "Estrazione precedente", &TArchiveBrowser::Prior},
        {"btnNext", ">", "Estrazione successiva", &TArchiveBrowser::Next},
        {"btnLast", ">>", "Ultima estrazione", &TArchiveBrowser::Last},
    };
    for (const auto& b : buttons) {
        auto* button = NewButton(QLatin1String(b.name), QLatin1String(b.caption), navigator,
                                 QLatin1String(b.hint));
        const auto move = b.move;
        connect(button, &QPushButton::clicked, this, [this, move] { Navigate(move); });
        moves->addWidget(button);
    }
    auto* find = NewButton(QStringLiteral("btnFind"), QStringLiteral("Cerca.."), navigator,
                           QStringLiteral("Cerca una estrazione per data"));
    connect(find, &QPushButton::clicked, this, &TArchiveWindow::Find);
    moves->addWidget(find);
    m_navigatorLayout->addLayout(moves);

    // Edit panel.
    m_pnlEdit = new QFrame(this);
    m_pnlEdit->setObjectName(QStringLiteral("pnlEdit"));
    m_pnlEdit->setFrameShape(QFrame::StyledPanel);
    auto* edit = new QGridLayout(m_pnlEdit);
    edit->addWidget(NewLabel(QStringLiteral("Nuova estrazione al"), m_pnlEdit), 0, 0);
    m_edtNewDate = NewDateBox(QStringLiteral("edtNewDate"), m_pnlEdit);
    edit->addWidget(m_edtNewDate, 0, 1);
    auto* del = NewButton(QStringLiteral("btnDelete"), texts.deleteCaption, m_pnlEdit);
    auto* modify = NewButton(QStringLiteral("btnEdit"), texts.editCaption, m_pnlEdit);
    auto* add = NewButton(QStringLiteral("btnAdd"), texts.addCaption, m_pnlEdit);
    auto* load = NewButton(QStringLiteral("btnLoadFile"), texts.loadCaption, m_pnlEdit);
    edit->addWidget(del, 1, 0);
    edit->addWidget(modify, 1, 1);
    edit->addWidget(add, 2, 0);
    edit->addWidget(load, 2, 1);
    connect(del, &QPushButton::clicked, this, &TArchiveWindow::Delete);
    connect(modify, &QPushButton::clicked, this, [this] { Edit(); });
    connect(add, &QPushButton::clicked, this, [this] { Add(); });
    connect(load, &QPushButton::clicked, this, &TArchiveWindow::LoadFromFile);

    m_cardGrid = new BandedGrid(this);
    m_cardGrid->setObjectName(QStringLiteral("grdCard"));

    auto* left = new QVBoxLayout;
    left->addWidget(navigator);
    // The Lotto card has eleven rows below the edit panel; the SuperEnalotto card one row.
    if (m_game == ArchiveGame::Lotto) {
        left->addWidget(m_pnlEdit);
        left->addWidget(m_cardGrid, 1);
    } else {
        left->addWidget(m_cardGrid);
        left->addWidget(m_pnlEdit);
        left->addStretch(1);
    }

    // Filter bar and listing.
    auto* filter = new QFrame(this);
    filter->setObjectName(QStringLiteral("pnlFilter"));
    filter->setFrameShape(QFrame::StyledPanel);
    m_filterLayout = new QHBoxLayout(filter);
    m_filterLayout->addWidget(NewLabel(QStringLiteral("DAL"), filter));
    m_edtFrom = NewDateBox(QStringLiteral("edtFrom"), filter);
    m_filterLayout->addWidget(m_edtFrom);
    m_filterLayout->addWidget(NewLabel(QStringLiteral("FINO AL"), filter));
    m_edtTo = NewDateBox(QStringLiteral("edtTo"), filter);
    m_filterLayout->addWidget(m_edtTo);
    auto* highlight =
        NewButton(QStringLiteral("btnHighlight"), QStringLiteral("EVIDENZIA NUMERI"), filter);
    m_filterLayout->addWidget(highlight);
    m_filterLayout->addStretch(1);
    connect(highlight, &QPushButton::clicked, this, &TArchiveWindow::Highlight);
    for (QDateEdit* box : {m_edtFrom, m_edtTo})
        connect(box, &QDateEdit::dateChanged, this, [this] {
            if (!m_loading) RefreshListing();
        });
    m_listingGrid = new BandedGrid(this);
    m_listingGrid->setObjectName(QStringLiteral("grdListing"));
    auto* right = new QVBoxLayout;
    right->addWidget(filter);
    right->addWidget(m_listingGrid, 1);

    auto* body = new QFrame(this);
    body->setObjectName(QStringLiteral("pnlClient"));
    auto* bodyLayout = new QHBoxLayout(body);
    bodyLayout->setContentsMargins(4, 4, 4, 4);
    auto* leftColumn = new QWidget(body);
    leftColumn->setLayout(left);
    leftColumn->setFixedWidth(m_game == ArchiveGame::Lotto ? 360 : 560);
    left->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addWidget(leftColumn);
    bodyLayout->addLayout(right, 1);

    // Footer band with the help button.
    auto* footer = new QFrame(this);
    footer->setObjectName(QStringLiteral("pnlFooter"));
    footer->setProperty(FixedColorProperty, true);
    SetBackground(footer, SilverColor);
    auto* footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(4, 2, 4, 2);
    auto* help = NewButton(QStringLiteral("btnHelp"),
                           QStringLiteral("Come funziona ? (Help On line)"), footer);
    footerLayout->addWidget(help);
    footerLayout->addStretch(1);
    connect(help, &QPushButton::clicked, this,
            [this] { Shell::OpenUrl(HelpPageUrl(m_texts.helpCode)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(body, 1);
    layout->addWidget(footer);
}

QString TArchiveWindow::ShortDate(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

QDate TArchiveWindow::ProposedDateBox() const {
    return m_edtNewDate->date();
}

void TArchiveWindow::SetRange(const QDate& from, const QDate& to) {
    const bool loading = m_loading;
    m_loading = true;
    if (from.isValid()) m_edtFrom->setDate(from);
    m_edtTo->setDate(to.isValid() ? to : QDate::currentDate());
    m_loading = loading;
}

void TArchiveWindow::LoadDates() {
    QString error;
    if (!m_browser.LoadDates(error))
        Dialogs::Information(this, QStringLiteral("Errore apertura archivio 01!"));
    m_edtNewDate->setDate(m_browser.ProposedDate());
}

void TArchiveWindow::LoadCard() {
    QString error;
    m_lblCurrentDate->setText(m_browser.CurrentDate().toString(QStringLiteral("dd/MM/yyyy")));
    if (m_browser.IsEmpty())
        m_cardGrid->Clear();
    else if (!m_cardGrid->Open(m_browser.CardSql(), error))
        Dialogs::Information(this, QStringLiteral("Errore apertura archivio 02!"));
    CardLoaded();
}

void TArchiveWindow::SetState(int state) {
    m_state = state;
    m_pnlEdit->setEnabled(state == 1);
}

void TArchiveWindow::ResetWindow() {
    LoadDates();
    LoadCard();
    SetState(1);
}

void TArchiveWindow::RefreshListing() {
    BusyCursor busy;
    QString error;
    if (!m_listingGrid->Open(m_browser.ListingSql(m_edtFrom->date(), m_edtTo->date()), error))
        Dialogs::Information(this, QStringLiteral("Errore apertura archivio 01!") +
                                       QStringLiteral("\r\n") + error);
}

void TArchiveWindow::ReloadAfterChange(bool fromTheStart) {
    m_loading = true;
    ResetWindow();
    SetRange(fromTheStart ? FirstListingDate : QDate(), m_browser.CutOffDate());
    RefreshListing();
    m_loading = false;
}

void TArchiveWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    ApplySkinToForm(this);
    ApplySkinToBandedGrid(m_cardGrid);
    ApplySkinToBandedGrid(m_listingGrid);
    m_highlight.Clear();
    m_loading = true;
    PrepareShow();
    ResetWindow();
    SetRange(FirstListingDate, m_browser.LatestDate());
    RefreshListing();
    m_loading = false;
}

void TArchiveWindow::done(int result) {
    m_browser.CutOffDate();
    m_browser.Reset();
    m_cardGrid->Clear();
    m_listingGrid->Clear();
    QDialog::done(result);
}

void TArchiveWindow::Navigate(void (TArchiveBrowser::*move)()) {
    (m_browser.*move)();
    LoadCard();
}

void TArchiveWindow::Find() {
    QDate date;
    if (!TArchiveFindWindow::FindDate(m_game, date, this)) return;
    if (!m_browser.Locate(date)) {
        Dialogs::Information(this, QStringLiteral("Errore in posizionamento estrazione"));
        return;
    }
    LoadCard();
}

void TArchiveWindow::Delete() {
    if (m_browser.IsEmpty()) return;
    const QDate date = m_browser.CurrentDate();
    if (Dialogs::YesNoCancel(this, QStringLiteral("!*** ATTENZIONE **!") + QStringLiteral("\r\n") +
                                       QStringLiteral("Richiesta eliminazione estrazione del:") +
                                       ShortDate(date) + QStringLiteral(" ") +
                                       QStringLiteral("\r\n") + QStringLiteral("Conferma ?")) !=
        DialogAnswer::Yes)
        return;
    QString message;
    {
        BusyCursor busy;
        if (!RunStatement(DM1(), m_browser.DeleteSql(date), message))
            Dialogs::Information(this, QStringLiteral("Errore in cancellazione 01:") + message);
    }
    // The Lotto window keeps the start of the range; the SuperEnalotto one starts it again.
    ReloadAfterChange(m_game == ArchiveGame::Senal);
}

void TArchiveWindow::Highlight() {
    if (m_highlight.Choose(this)) RefreshListing();
}

void TArchiveWindow::LoadFromFile() {
    if (Dialogs::YesNoCancel(this, LoadWarning) != DialogAnswer::Yes) return;
    const QString path = Dialogs::OpenFileName(this, QString(), m_texts.fileFilters);
    if (path.isEmpty()) return;
    m_browser.Reset();
    m_cardGrid->Clear();
    ArchiveLoadResult result;
    {
        BusyCursor busy;
        WindowLoadProgress progress;
        setEnabled(false);
        result = LoadArchiveFile(DM1(), m_game, path, progress);
        setEnabled(true);
    }
    if (!result.ok) {
        Dialogs::Information(this, result.message);
        ResetWindow();
        return;
    }
    ReloadAfterChange(true);
    Dialogs::Information(this, ArchiveReloadedText);
}
