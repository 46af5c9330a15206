#pragma once

#include "storage/tdm1.h"

#include <QString>

#include <array>

// The ten guided terms of the personalised estimate, in section order: for each of delay,
// frequency, ratio, sum of two and sum of three delays, the rank term then the value term.
constexpr int GuidedTermCount = 10;

struct GuidedTerm {
    bool checked = false;
    QString text; // the coefficient as typed
};
using GuidedTerms = std::array<GuidedTerm, GuidedTermCount>;

struct EstimatePreview {
    QString text;
    int badTerm = -1; // the first checked term whose coefficient is not a number
};
EstimatePreview PreviewEstimate(const GuidedTerms& terms);

// The message shown when the coefficient of a checked term is not a number.
QString GuidedTermError(int term);

// The terms of the stored parameters and back. Weights are written with FloatToSqlText.
GuidedTerms TermsOfParams(const EstimateParam (&params)[EstimateStatCount]);
// Fails (returning the first bad term) when a checked term's coefficient is not a number; the
// unreadable coefficient of an unchecked term becomes "0" in `terms`.
int ParamsOfTerms(GuidedTerms& terms, EstimateParam (&params)[EstimateStatCount]);
