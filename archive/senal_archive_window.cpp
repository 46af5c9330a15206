#include "archive/senal_archive_window.h"

#include "archive/senal_entry_window.h"
#include "common/grid/banded_grid.h"
#include "common/skin.h"
#include "storage/tdm1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

ArchiveWindowTexts SenalTexts() {
    ArchiveWindowTexts texts;
    texts.caption = QStringLiteral("ARCHIVIO ESTRAZIONI DEL SuperEnalotto");
    texts.title = texts.caption;
    texts.helpCode = QStringLiteral("S8ESTRA");
    texts.deleteCaption = QStringLiteral("Elimina");
    texts.editCaption = QStringLiteral("Modifica");
    texts.addCaption = QStringLiteral("Aggiungi");
    texts.loadCaption = QStringLiteral("Carica archivio da File");
    texts.fileFilters = {QStringLiteral("File archivio DevudURU8 (Sortavo3) (*.fs8)"),
                         QStringLiteral("File di testo (*.txt)"),
                         QStringLiteral("Tutti i files (*.*)")};
    return texts;
}

const QString ListingHeading = QStringLiteral(
    "Tabulato estrazioni (ordinabile e filtrabile) se antecedente alla prima estrazione reale, "
    "le estrazioni sono simulate e ricavate da quelle del lotto");

GridColumn Number(const QString& field, const QString& caption, int width = 60) {
    return {field, caption, 0, width, true, ColumnKind::Integer};
}

} // namespace

TfrmVornS8ESTRA::TfrmVornS8ESTRA(QWidget* parent)
    : TArchiveWindow(ArchiveGame::Senal, SenalTexts(), parent) {
    auto* contest = new QHBoxLayout;
    contest->addWidget(new QLabel(QStringLiteral("Conc. Numero"), this));
    m_lblContest = new QLabel(this);
    m_lblContest->setObjectName(QStringLiteral("lblContest"));
    QFont font = m_lblContest->font();
    font.setBold(true);
    m_lblContest->setFont(font);
    contest->addWidget(m_lblContest, 1);
    NavigatorLayout()->insertLayout(2, contest);

    const QStringList extraction = {QStringLiteral("1o Estr."), QStringLiteral("2o Estr,"),
                                    QStringLiteral("3o Estr."), QStringLiteral("4o Estr."),
                                    QStringLiteral("5o Estr."), QStringLiteral("6o Estr.")};
    QList<GridColumn> card;
    for (int k = 0; k < 6; ++k)
        card << Number(QStringLiteral("N%1").arg(k + 1), extraction[k], 56);
    card << Number(QStringLiteral("NJ"), QStringLiteral("Numero Jolly"), 90)
         << Number(QStringLiteral("NS"), QStringLiteral("Super Star"), 80);
    CardGrid()->SetColumns(card);
    CardGrid()->setFixedHeight(CardGrid()->fontMetrics().height() * 4 + 16); // one contest

    QList<GridColumn> listing{
        {QStringLiteral("DATAESTRA"), QStringLiteral("Data"), 0, 110, true, ColumnKind::Date},
        Number(QStringLiteral("CONCORSO"), QStringLiteral("Conc.N."), 80)};
    for (int k = 1; k <= 6; ++k)
        listing << Number(QStringLiteral("N%1").arg(k), QStringLiteral("N%1").arg(k), 70);
    listing << Number(QStringLiteral("NJ"), QStringLiteral("N.Jolly"), 90)
            << Number(QStringLiteral("NS"), QStringLiteral("Super Star"), 100);
    ListingGrid()->SetBands({ListingHeading});
    ListingGrid()->SetColumns(listing);
    ListingGrid()->SetUserSorting(true);
    ListingGrid()->SetCellText([](int, const QString& field, const QVariant& value) {
        // DATAESTRA is a timestamp: the listing shows the day only.
        return field == QLatin1String("DATAESTRA") && !value.isNull()
                   ? value.toDate().toString(QStringLiteral("dd/MM/yyyy"))
                   : QString();
    });
    ListingGrid()->SetCellStyle([this](int row, const QString& field) {
        if (field.size() != 2 || field.at(0) != QLatin1Char('N') || !field.at(1).isDigit())
            return CellStyle();
        return IsHighlighted(ListingGrid()->Value(row, field).toInt()) ? cxStyleHighlight()
                                                                       : cxStyleNumero();
    });
}

void TfrmVornS8ESTRA::CardLoaded() {
    const QVariant contest = Browser().CurrentContest();
    m_lblContest->setText(contest.isNull() ? QString() : QString::number(contest.toInt()));
}

void TfrmVornS8ESTRA::InOwnTransaction(bool newContest, const QDate& date) {
    TfrmVornS8EDIT entry(this);
    TDM1& dm = DM1();
    if (dm.InTransaction()) dm.Commit();
    dm.StartTransaction();
    const bool saved = newContest ? entry.NewContest(date) : entry.EditContest(date);
    if (saved)
        dm.Commit();
    else
        dm.Rollback();
    ReloadAfterChange(true);
}

void TfrmVornS8ESTRA::Add() {
    InOwnTransaction(true, ProposedDateBox());
}

void TfrmVornS8ESTRA::Edit() {
    if (Browser().IsEmpty()) return;
    InOwnTransaction(false, Browser().CurrentDate());
}
