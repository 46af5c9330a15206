#include "stats_l8/estimate_params_window.h"

#include "common/helpers.h"
#include "common/seams.h"
#include "stats_l8/formula_evaluator.h"
#include "storage/tdm1.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int FormulaMaxLength = 290;

const char* const SectionTitles[EstimateStatCount] = {
    " Ritardo", " Frequenza", " Rapporto ritardo/frequenza", " Somma ultimi 2 ritardi",
    " Somma ultimi 3 ritardi"};

QLabel* Heading(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* Text(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QPushButton* Button(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QString WithoutLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

TfrmVornL8STIMAPARMS::TfrmVornL8STIMAPARMS(QWidget* parent)
    : TfrmVornBase(parent) {
    setObjectName(QStringLiteral("TfrmVornL8STIMAPARMS"));
    setWindowTitle(QStringLiteral("Settaggio parametri stima personalizzata"));
    SetTitle(QStringLiteral("Settaggio parametri per STIMA personalizzata"));

    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("pcPages"));
    m_pages->addWidget(BuildModePage());
    m_pages->addWidget(BuildWeightsPage());
    m_pages->addWidget(BuildFormulaPage());
    m_pages->addWidget(BuildGuidePage());
    BodyLayout()->addWidget(m_pages);

    LoadSettings();
    ShowPage(ModePage);
}

int TfrmVornL8STIMAPARMS::CurrentPage() const {
    return m_pages->currentIndex();
}

void TfrmVornL8STIMAPARMS::ShowPage(Page page) {
    m_pages->setCurrentIndex(page);
}

QWidget* TfrmVornL8STIMAPARMS::BuildModePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        Heading(QStringLiteral("CREA LA FUNZIONE DI VALUTAZIONE PER LA STIMA PERSONALIZZATA")));
    layout->addWidget(Text(QStringLiteral(
        "La stima personalizzata assegna un punteggio ad ogni numero di ogni ruota.\n"
        "Si puo' definire in due modi:\n"
        " - in modo guidato, scegliendo quali posizioni e quali valori delle statistiche "
        "(ritardo, frequenza, rapporto ritardo/frequenza, somma degli ultimi 2 e 3 ritardi) "
        "entrano nel calcolo e con quale coefficiente;\n"
        " - in modo libero, scrivendo una formula con le variabili delle statistiche.")));
    m_guided = new QRadioButton(QStringLiteral("Definizione guidata"));
    m_guided->setObjectName(QStringLiteral("rbGuidata"));
    m_free = new QRadioButton(QStringLiteral("Definizione LIBERA della formula."));
    m_free->setObjectName(QStringLiteral("rbLibera"));
    layout->addWidget(m_guided);
    layout->addWidget(m_free);
    QPushButton* ok = Button(QStringLiteral("Ok"), QStringLiteral("btnModeOk"));
    connect(ok, &QPushButton::clicked, this, &TfrmVornL8STIMAPARMS::ModeChosen);
    layout->addWidget(ok, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

QWidget* TfrmVornL8STIMAPARMS::BuildWeightsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("parametri"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Heading(QStringLiteral("Setting dei parametri per il calcolo")));
    auto* hintRow = new QHBoxLayout;
    hintRow->addWidget(
        Text(QStringLiteral(
            "Scegliere e modificare i coefficienti per il calcolo della STIMA\r\nPoi "
            "[SALVA] per applicarli.")),
        1);
    QPushButton* how = Button(QStringLiteral("COME SI FA ?"), QStringLiteral("btnComeSiFa"));
    connect(how, &QPushButton::clicked, this, [this] { ShowPage(GuidePage); });
    hintRow->addWidget(how);
    layout->addLayout(hintRow);

    auto* sections = new QGridLayout;
    for (int s = 0; s < EstimateStatCount; ++s) {
        auto* box = new QGroupBox(QString::fromLatin1(SectionTitles[s]));
        auto* grid = new QGridLayout(box);
        for (int part = 0; part < 2; ++part) {
            const int term = 2 * s + part;
            m_checks[term] = new QCheckBox(part == 0 ? QStringLiteral("Moltiplica POSIZIONE per")
                                                     : QStringLiteral("Moltiplica VALORE per"));
            m_checks[term]->setObjectName(QStringLiteral("chkTerm%1").arg(term));
            m_fields[term] = new QLineEdit(QStringLiteral("1"));
            m_fields[term]->setObjectName(QStringLiteral("edtTerm%1").arg(term));
            m_fields[term]->setMaxLength(10);
            m_fields[term]->setMaximumWidth(90);
            connect(m_checks[term], &QCheckBox::clicked, this,
                    &TfrmVornL8STIMAPARMS::RefreshPreview);
            grid->addWidget(m_checks[term], part, 0);
            grid->addWidget(m_fields[term], part, 1);
        }
        sections->addWidget(box, s / 3, s % 3);
    }
    layout->addLayout(sections);
    layout->addWidget(
        Text(QStringLiteral("  Con i parametri attuali, la formula per la stima sarebbe:")));
    m_preview = new QLineEdit;
    m_preview->setObjectName(QStringLiteral("edtPreview"));
    m_preview->setReadOnly(true);
    layout->addWidget(m_preview);
    layout->addStretch();
    layout->addWidget(SaveButtons(false));
    return page;
}

QWidget* TfrmVornL8STIMAPARMS::BuildFormulaPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Heading(QStringLiteral("FORMULA DA APPLICARE")));
    layout->addWidget(Text(QStringLiteral(
        "Scrivere la formula con numeri, parentesi, gli operatori + - * / ^ e le variabili:\n"
        "RITPO = POSIZIONE NEI RITARDI\n"
        "FREPO = POSIZIONE NELLA FREQUENZA\n"
        "RITVA = VALORE DEL RITARDO\n"
        "FREVA = VALORE DELLA FREQUENZA\n"
        "RRFPO = POS. IN RAPP. RITARDO FREQUENZA\n"
        "RRFVA = VALORE DEL RAPPORTO\n"
        "RS2PO = POSIZIONE IN SOMMA 2 RITARDI\n"
        "RS2VA = VALORE SOMMA 2 RITARDI\n"
        "RS3PO = POSIZIONE IN SOMMA 3 RITARDI\n"
        "RS3VA = VALORE SOMMA 3 RITARDI\n"
        "Le variabili vanno scritte in maiuscolo. Esempi:\n"
        "RITPO*10\n"
        "((RITPO*10)+(RS2PO*5))")));
    m_formula = new QPlainTextEdit;
    m_formula->setObjectName(QStringLiteral("memFormula"));
    connect(m_formula, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_formula->toPlainText();
        if (text.size() > FormulaMaxLength) m_formula->setPlainText(text.left(FormulaMaxLength));
    });
    layout->addWidget(m_formula);
    layout->addWidget(SaveButtons(true));
    return page;
}

QWidget* TfrmVornL8STIMAPARMS::BuildGuidePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Guida al setting"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Heading(QStringLiteral("Guida al setting")));
    layout->addWidget(Text(QStringLiteral(
        "Ogni statistica ordina i 90 numeri di ogni ruota in una classifica, dalla posizione 1 "
        "alla 90. Le classifiche mettono al primo posto: il ritardo piu' grande, la frequenza "
        "piu' bassa, il rapporto ritardo/frequenza piu' grande, le somme dei ritardi piu' "
        "grandi.\n\n"
        "\"Moltiplica POSIZIONE per\": la posizione conta 90 punti al primo posto e 1 punto "
        "all'ultimo; i punti vengono moltiplicati per il coefficiente.\n\n"
        "\"Moltiplica VALORE per\": il valore della statistica (per la frequenza il suo "
        "inverso) viene moltiplicato per il coefficiente.\n\n"
        "La stima e' la somma dei termini scelti: ad esempio, con solo \"Moltiplica POSIZIONE "
        "per\" 10 nel Ritardo, il numero piu' ritardato di una ruota vale 900 e il meno "
        "ritardato 10.\n\n"
        "Dopo [SALVA] i coefficienti valgono per il prossimo ricalcolo delle statistiche; "
        "[SALVA e RICALCOLA] ricalcola subito la stima personalizzata.")));
    layout->addStretch();
    QPushButton* ok = Button(QStringLiteral("Ok "), QStringLiteral("btnGuideOk"));
    connect(ok, &QPushButton::clicked, this, [this] { ShowPage(WeightsPage); });
    layout->addWidget(ok, 0, Qt::AlignLeft);
    return page;
}

QWidget* TfrmVornL8STIMAPARMS::SaveButtons(bool formula) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    const QString suffix = formula ? QStringLiteral("F") : QStringLiteral("P");
    QPushButton* cancel =
        Button(QStringLiteral("ANNULLA MODIFICHE"), QStringLiteral("btnAnnulla") + suffix);
    QPushButton* saveAndRecompute =
        Button(QStringLiteral("SALVA e RICALCOLA"), QStringLiteral("btnSalvaRicalcola") + suffix);
    QPushButton* save = Button(QStringLiteral("SALVA"), QStringLiteral("btnSalva") + suffix);
    QPushButton* mode = Button(QStringLiteral("Cambia modalita' di definizione"),
                               QStringLiteral("btnCambiaModo") + suffix);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(saveAndRecompute, &QPushButton::clicked, this, [this] { Save(true); });
    connect(save, &QPushButton::clicked, this, [this] { Save(false); });
    connect(mode, &QPushButton::clicked, this, [this] { ShowPage(ModePage); });
    for (QPushButton* button : {cancel, saveAndRecompute, save, mode})
        layout->addWidget(button);
    layout->addStretch();
    return row;
}

void TfrmVornL8STIMAPARMS::LoadSettings() {
    TDM1& dm = DM1();
    if (dm.EstimateKind == QLatin1String("F")) {
        m_free->setChecked(true);
        m_formula->setPlainText(dm.EstimateFormula);
        return;
    }
    m_guided->setChecked(true);
    const GuidedTerms terms = TermsOfParams(dm.EstimateParams);
    for (int i = 0; i < GuidedTermCount; ++i) {
        m_checks[i]->setChecked(terms[i].checked);
        m_fields[i]->setText(terms[i].text);
    }
    RefreshPreview();
}

GuidedTerms TfrmVornL8STIMAPARMS::Terms() const {
    GuidedTerms terms;
    for (int i = 0; i < GuidedTermCount; ++i)
        terms[i] = {m_checks[i]->isChecked(), m_fields[i]->text()};
    return terms;
}

void TfrmVornL8STIMAPARMS::RefreshPreview() {
    const EstimatePreview preview = PreviewEstimate(Terms());
    m_preview->setText(preview.text);
    if (preview.badTerm >= 0) m_fields[preview.badTerm]->setFocus();
}

void TfrmVornL8STIMAPARMS::ModeChosen() {
    ShowPage(m_free->isChecked() ? FormulaPage : WeightsPage);
}

void TfrmVornL8STIMAPARMS::Save(bool recompute) {
    // A refused value keeps the window open; otherwise it closes with the outcome.
    if (m_pages->currentIndex() == FormulaPage)
        SaveFormula(recompute);
    else
        SaveGuided(recompute);
}

bool TfrmVornL8STIMAPARMS::SaveGuided(bool recompute) {
    GuidedTerms terms = Terms();
    EstimateParam params[EstimateStatCount];
    const int bad = ParamsOfTerms(terms, params);
    for (int i = 0; i < GuidedTermCount; ++i)
        m_fields[i]->setText(terms[i].text);
    if (bad >= 0) {
        Dialogs::Information(this, GuidedTermError(bad));
        m_fields[bad]->setFocus();
        return false;
    }
    TDM1& dm = DM1();
    for (int s = 0; s < EstimateStatCount; ++s)
        dm.EstimateParams[s] = params[s];
    dm.EstimateKind = QStringLiteral("P");
    const bool ok = dm.SaveEstimateParams();
    if (!ok)
        Dialogs::Information(this,
                             QStringLiteral("Attenzione ! Errore nel salvataggio parametri:\r\n") +
                                 dm.TakeLastError());
    done(recompute && ok ? QDialog::Accepted : QDialog::Rejected);
    return true;
}

bool TfrmVornL8STIMAPARMS::SaveFormula(bool recompute) {
    const QString formula = WithoutLineBreaks(m_formula->toPlainText());
    QString check = formula;
    for (const QString& name : StatCodes)
        check.replace(name, QStringLiteral("1"));
    QString error;
    Evaluate(check, error);
    if (!error.isEmpty()) {
        Dialogs::Information(this, error);
        m_formula->setFocus();
        return false;
    }
    TDM1& dm = DM1();
    dm.EstimateKind = QStringLiteral("F");
    dm.EstimateFormula = formula;
    const bool ok = dm.SaveEstimateFormula();
    if (!ok)
        Dialogs::Information(this,
                             QStringLiteral("Attenzione ! Errore nel salvataggio formula:\r\n") +
                                 dm.TakeLastError());
    done(recompute && ok ? QDialog::Accepted : QDialog::Rejected);
    return true;
}
