#include "stats_l8/stats_hub_window.h"

#include "app/private_messages.h"

#include "common/bar_progress.h"
#include "common/seams.h"
#include "common/skin.h"
#include "common/sql_text.h"
#include "stats_l8/estimate_window.h"
#include "stats_l8/l8_view_rules.h"
#include "stats_l8/stat_windows.h"
#include "stats_l8/summary_window.h"
#include "stats_l8/tdms.h"
#include "storage/tdm1.h"
#include "tools/notes_windows.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLabel* Heading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setProperty(FixedColorProperty, true);
    label->setAutoFillBackground(true);
    SetBackground(label, TitleGreen);
    SetTextColor(label, Qt::white);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(12);
    label->setFont(font);
    label->setMinimumHeight(28);
    label->setWordWrap(true);
    return label;
}

} // namespace

TfrmVornL8STATS::TfrmVornL8STATS(QWidget* parent)
    : TfrmVornBase(parent) {
    setObjectName(QStringLiteral("TfrmVornL8STATS"));
    setWindowTitle(QStringLiteral("Statistiche del lotto Italiano"));
    SetTitle(QStringLiteral("STATISTICHE DEL LOTTO ITALIANO"));

    auto* strip = new QFrame(Body());
    strip->setObjectName(QStringLiteral("pnlInfo"));
    strip->setProperty(FixedColorProperty, true);
    SetBackground(strip, TitleGreen);
    auto* stripLayout = new QHBoxLayout(strip);
    m_info = new QLabel(strip);
    m_info->setObjectName(QStringLiteral("lblInfo"));
    m_info->setAlignment(Qt::AlignCenter);
    // On a narrow screen the line wraps instead of losing its ends (and the date).
    m_info->setWordWrap(true);
    SetTextColor(m_info, QColor(255, 255, 0));
    QFont bold = m_info->font();
    bold.setBold(true);
    bold.setPointSize(11);
    m_info->setFont(bold);
    m_recompute = new QPushButton(strip);
    m_recompute->setObjectName(QStringLiteral("btnElaboraStats"));
    m_recompute->setMinimumHeight(32);
    m_recompute->setAutoDefault(false);
    stripLayout->addWidget(m_info, 1);
    stripLayout->addWidget(m_recompute);
    BodyLayout()->addWidget(strip);

    m_progressPanel = new QFrame(Body());
    m_progressPanel->setObjectName(QStringLiteral("pnlProgress"));
    auto* progressLayout = new QGridLayout(m_progressPanel);
    m_total = new QProgressBar(m_progressPanel);
    m_total->setObjectName(QStringLiteral("pbTotale"));
    m_step = new QProgressBar(m_progressPanel);
    m_step->setObjectName(QStringLiteral("pbParziale"));
    progressLayout->addWidget(new QLabel(QStringLiteral("Totale"), m_progressPanel), 0, 0);
    progressLayout->addWidget(m_total, 0, 1);
    progressLayout->addWidget(new QLabel(QStringLiteral("Parziale"), m_progressPanel), 1, 0);
    progressLayout->addWidget(m_step, 1, 1);
    BodyLayout()->addWidget(m_progressPanel);

    // Two panels side by side, each a third of the width.
    m_panels = new QWidget(Body());
    auto* columns = new QHBoxLayout(m_panels);
    auto* left = new QFrame(m_panels);
    left->setObjectName(QStringLiteral("pnlSingoli"));
    auto* right = new QFrame(m_panels);
    right->setObjectName(QStringLiteral("pnlAmbi"));
    for (QFrame* panel : {left, right}) {
        panel->setFrameShape(QFrame::StyledPanel);
        // The stretch factors alone decide the width: a third of the window each.
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        new QVBoxLayout(panel);
    }
    columns->addWidget(left, 1);
    columns->addWidget(right, 1);
    auto* rest = new QWidget(m_panels);
    rest->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    columns->addWidget(rest, 1);
    BodyLayout()->addWidget(m_panels, 1);

    left->layout()->addWidget(Heading(left, QStringLiteral("NUMERI SINGOLI (Estratto semplice)")));
    const struct {
        const char* caption;
        const char* name;
        L8Stat stat;
    } singles[] = {{"RITARDI", "btnRitardi", L8Stat::Ritardi},
                   {"FREQUENZE", "btnFrequenze", L8Stat::Frequenze},
                   {"RAPP. RITARDO/FREQUENZA", "btnRapporto", L8Stat::RappRitFreq},
                   {"TABULATO Piramidale (o Analitico)", "btnPiramide", L8Stat::Piramide},
                   {"SOMMA RITARDI (Ultimi 2)", "btnSomma2", L8Stat::Somma2},
                   {"SOMMA RITARDI (Ultimi 3)", "btnSomma3", L8Stat::Somma3}};
    for (const auto& item : singles) {
        const L8Stat stat = item.stat;
        connect(AddButton(left, QString::fromLatin1(item.caption), QString::fromLatin1(item.name)),
                &QPushButton::clicked, this, [this, stat] { ShowStatWindow(stat, this); });
    }
    left->layout()->addWidget(Heading(left, QStringLiteral("RIEPILOGHI")));
    connect(AddButton(left, QStringLiteral("RUOTA PER RUOTA"), QStringLiteral("btnRuota")),
            &QPushButton::clicked, this, [this] {
                TfrmVornL8XRUOTA window(0, this);
                RunModal(window);
            });
    connect(
        AddButton(left, QStringLiteral("RIEPILOGO PER NUMERO E STIME"), QStringLiteral("btnStime")),
        &QPushButton::clicked, this, [this] {
            TfrmVornL8STIMA window(this);
            RunModal(window);
        });
    connect(AddButton(left, QStringLiteral("Numeri annotati"), QStringLiteral("btnNote")),
            &QPushButton::clicked, this, &TfrmVornL8STATS::OpenNotes);
    qobject_cast<QVBoxLayout*>(left->layout())->addStretch();

    right->layout()->addWidget(Heading(right, QStringLiteral("AMBI (Ritardi)")));
    right->layout()->addWidget(Heading(right, QStringLiteral("Formazioni classiche")));
    const struct {
        const char* caption;
        const char* name;
        L8Stat stat;
    } groups[] = {{"Gruppo Gemelli ", "btnGemelli", L8Stat::Gemelli},
                  {"Gruppo VERTIBILI", "btnVertibili", L8Stat::Vertibili},
                  {"Gruppo RADICALI", "btnRadicali", L8Stat::Radicali},
                  {"Gruppo CADENZE", "btnCadenze", L8Stat::Cadenze}};
    for (const auto& item : groups) {
        const L8Stat stat = item.stat;
        connect(AddButton(right, QString::fromLatin1(item.caption), QString::fromLatin1(item.name)),
                &QPushButton::clicked, this, [this, stat] { ShowStatWindow(stat, this); });
    }
    qobject_cast<QVBoxLayout*>(right->layout())->addStretch();

    connect(m_recompute, &QPushButton::clicked, this, &TfrmVornL8STATS::Recompute);
}

QPushButton* TfrmVornL8STATS::AddButton(QWidget* panel, const QString& caption,
                                        const QString& name) {
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumHeight(34);
    panel->layout()->addWidget(button);
    return button;
}

void TfrmVornL8STATS::showEvent(QShowEvent* event) {
    TfrmVornBase::showEvent(event);
    if (!event->spontaneous()) ShowAlignment();
}

void TfrmVornL8STATS::ShowAlignment() {
    const QDate date = DM1().LottoCutOffDate;
    const bool aligned = LottoStatsAligned(date);
    m_info->setText((aligned ? QStringLiteral("Le statistiche sono allineate all'ultima estrazione "
                                              "in archivio del:")
                             : QStringLiteral("Le statistiche NON sono allineate all'ultima "
                                              "estrazione in archivio del:")) +
                    DateToSqlText(date));
    m_recompute->setText(aligned ? QStringLiteral("Forza ricalcolo")
                                 : QStringLiteral("Rielabora statistiche"));
    m_progressPanel->setVisible(!aligned);
    for (QProgressBar* bar : {m_total, m_step}) {
        bar->setRange(0, 100);
        bar->setValue(0);
    }
}

void TfrmVornL8STATS::Recompute() {
    m_progressPanel->show();
    const QDate date = DM1().GetLottoCutOffDate();
    TDMS& engine = TDMS::Instance();
    bool ok = false;
    {
        BusyCursor busy;
        m_panels->setEnabled(false);
        m_recompute->setEnabled(false);
        BarProgress total(m_total);
        BarProgress step(m_step);
        ok = engine.UpdateLottoStatistics(total, step, date);
        m_panels->setEnabled(true);
        m_recompute->setEnabled(true);
    }
    if (ok)
        ShowAlignment();
    else
        Dialogs::Information(this, QStringLiteral("Errore:") + engine.RecomputeFailureText(date));
    engine.ClearErrorText();
}

void TfrmVornL8STATS::OpenNotes() {
    if (!ChooseFromNotes(this, NotesMode::Lotto)) return;
    PostToMainWindow(PrivateMessage::MsgOpenLottoChoice);
    accept();
}
