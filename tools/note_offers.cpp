#include "tools/note_offers.h"

#include "common/binomial.h"

const QString PlayLinkText = QStringLiteral("Click per giocarlo");

QList<IntegralOffer> IntegralOffers(int n, bool senal) {
    QList<IntegralOffer> offers;
    for (int k = 2; k <= 6; ++k) {
        const bool playable = senal ? (k == 6 && n > 6) : k < n;
        IntegralOffer offer;
        if (playable) {
            offer.groupSize = k;
            offer.combinations = CombinationCount(n, k);
            offer.link = PlayLinkText;
        } else {
            offer.groupSize = -k;
        }
        offers << offer;
    }
    return offers;
}

QString CatalogueMismatchText(int required, int n) {
    if (required < n)
        return QStringLiteral("Troppi numeri per il sistema scelto !\r\nNe sono richiesti:") +
               QString::number(required) + QStringLiteral(" ") + QStringLiteral("\r\n") +
               QStringLiteral("Eliminare i numeri di troppo.") + QStringLiteral("\r\n") +
               QStringLiteral("(click su [modifica] nel pannello sopra.)");
    if (required > n)
        return QStringLiteral(
                   "Numeri insufficienti per il sistema scelto !\r\nNe sono richiesti:") +
               QString::number(required) + QStringLiteral(" ") + QStringLiteral("\r\n") +
               QStringLiteral("Aggiungere i numeri mancanti") +
               QStringLiteral("(click su [modifica] nel pannello sopra.)");
    return QString();
}
