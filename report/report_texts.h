#pragma once

#include <QString>

// The product line and web address printed on every report page, chosen once here.
inline const QString ProductLine = QStringLiteral("Sortavo 3.0  - Rel 1.1");
inline const QString ProductWebAddress = QStringLiteral("www.sortavo.it");

// The confirmations (OK/Cancel) asked before a report is produced: the landscape reports of
// the statistic windows, and the portrait printouts of systems and progressions.
inline const QString PrintNoticeLandscape = QStringLiteral(
    "Verra' prodotto un file PDF da salvare e/o stampare.\r\n"
    "\r\n"
    "Attendere l'apertura del PDF prima di eseguire altre operazioni\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "[N.B.1] Stampare questo report in orizzontale (detto modo Landscape o Paesaggio).\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "[N.B.2] Per poter usare questa funzione:\r\n"
    "\r\n"
    " 1) E' necessario avere installato il lettore Acrobat Reader TM.\r\n"
    "\r\n"
    " 2) Nel sistema deve essere impostata una \r\n"
    "\r\n"
    "    stampante predefinita (anche se assente!).\n"
    "\r\n"
    "    In caso di segnalazioni di errore, verificate cosi':\n"
    "\r\n"
    "    Aprite il Pannello di controllo e poi \n"
    "\r\n"
    "    (oppure direttamente) [Stampanti e Fax] dal menu' di avvio.");
inline const QString PrintNoticePortrait =
    QStringLiteral("Verra' prodotto un file PDF da salvare e/o stampare.\r\n"
                   "\r\n"
                   "Attendere l'apertura del PDF prima di eseguire altre operazioni\r\n"
                   "\r\n"
                   "[N.B.] Per poter usare questa funzione:\r\n"
                   "\r\n"
                   " 1) E' necessario avere installato il lettore Acrobat Reader TM.\r\n"
                   "\r\n"
                   " 2) Nel sistema deve essere impostata una \r\n"
                   "\r\n"
                   "    stampante predefinita (anche se assente!).\n"
                   "\r\n"
                   "    Per verificarlo, aprite il Pannello di controllo \n"
                   "\r\n"
                   "    o [Stampanti e Fax] dal menu' di avvio.");
