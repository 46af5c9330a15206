#pragma once

#include <QList>
#include <QString>

// What the annotated-numbers window offers for n annotated numbers: the integral systems of
// groups of 2 to 6, and the texts of a catalogue pick that does not fit.

struct IntegralOffer {
    int groupSize = 0;        // k when playable, -k otherwise
    qint64 combinations = -1; // C(n, k) when playable, -1 otherwise
    QString link;             // "Click per giocarlo" when playable, empty otherwise
    bool Playable() const { return !link.isEmpty(); }
};

// Five rows, k = 2..6. Lotto: playable when k < n. SuperEnalotto: only k = 6, when n > 6.
QList<IntegralOffer> IntegralOffers(int n, bool senal);

// The message of a catalogue system that needs `required` numbers when n are annotated;
// empty when they are exactly as many.
QString CatalogueMismatchText(int required, int n);

extern const QString PlayLinkText; // "Click per giocarlo"
