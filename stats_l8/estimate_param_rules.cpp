#include "stats_l8/estimate_param_rules.h"

#include "common/helpers.h"
#include "common/sql_text.h"

#include <QStringList>

namespace {

const char* const TermNames[GuidedTermCount] = {
    " P-RIT *",  " V-RIT *",    " P-FREQ *",   " V-FREQ *",   " P-RAPP *",
    " V-RAPP *", " P-SOMMA2 *", " V-SOMMA2 *", " P-SOMMA3 *", " V-SOMMA3 *"};

const char* const TermErrors[GuidedTermCount] = {
    "Coefficiente per posizione ritardo errato.",
    "Coefficiente per valore ritardo errato.",
    "Coefficiente per posizione Frequenza errato.",
    "Coefficiente per valore Frequenza errato.",
    "Coefficiente per posizione Rapporto Rit/Freq errato.",
    "Coefficiente per valore Rapporto Rit/Freq errato.",
    "Coefficiente per posizione Somma 2 Ritardi errato.",
    "Coefficiente per valore Somma2  Ritardi errato.",
    "Coefficiente per posizione Somma 3 Ritardi errato.",
    "Coefficiente per valore Somma3  Ritardi errato."};

bool IsNumber(const QString& text) {
    bool error = false;
    TextToFloat(text, error);
    return !error;
}

} // namespace

EstimatePreview PreviewEstimate(const GuidedTerms& terms) {
    QStringList parts;
    for (int i = 0; i < GuidedTermCount; ++i) {
        if (!terms[i].checked) continue;
        if (!IsNumber(terms[i].text))
            return {QStringLiteral("Stima = NON FORMULABILE, C'E UN ERRORE NEI VALORI."), i};
        parts << QString::fromLatin1(TermNames[i]) + terms[i].text;
    }
    if (parts.isEmpty()) return {QStringLiteral("Stima = 0"), -1};
    return {QStringLiteral("Stima = ") + parts.join(QStringLiteral(" + ")), -1};
}

QString GuidedTermError(int term) {
    return term >= 0 && term < GuidedTermCount ? QString::fromLatin1(TermErrors[term]) : QString();
}

GuidedTerms TermsOfParams(const EstimateParam (&params)[EstimateStatCount]) {
    GuidedTerms terms;
    for (int s = 0; s < EstimateStatCount; ++s) {
        terms[2 * s] = {params[s].Active, FloatToSqlText(params[s].Value1)};
        terms[2 * s + 1] = {params[s].Flag2, FloatToSqlText(params[s].Value2)};
    }
    return terms;
}

int ParamsOfTerms(GuidedTerms& terms, EstimateParam (&params)[EstimateStatCount]) {
    for (int i = 0; i < GuidedTermCount; ++i) {
        if (IsNumber(terms[i].text)) continue;
        if (terms[i].checked) return i;
        terms[i].text = QStringLiteral("0");
    }
    for (int s = 0; s < EstimateStatCount; ++s) {
        params[s].Active = terms[2 * s].checked;
        params[s].Value1 = TextToFloatOrZero(terms[2 * s].text);
        params[s].Flag2 = terms[2 * s + 1].checked;
        params[s].Value2 = TextToFloatOrZero(terms[2 * s + 1].text);
    }
    return -1;
}
