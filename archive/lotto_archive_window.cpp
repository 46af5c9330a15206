#include "archive/lotto_archive_window.h"

#include "archive/lotto_draw_entry.h"
#include "archive/lotto_entry_window.h"
#include "common/grid/banded_grid.h"
#include "common/grid/check_list_combo.h"
#include "common/helpers.h"
#include "common/seams.h"
#include "common/skin.h"
#include "storage/tdm1.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

ArchiveWindowTexts LottoTexts() {
    ArchiveWindowTexts texts;
    texts.caption = QStringLiteral("ARCHIVIO Estrazioni Lotto Italiano");
    texts.title = QStringLiteral("ARCHIVIO ESTRAZIONI DEL LOTTO ITALIANO");
    texts.helpCode = QStringLiteral("L8ESTRA");
    texts.deleteCaption = QStringLiteral("Elimina\nEstrazione");
    texts.editCaption = QStringLiteral("Modifica\nestrazione ");
    texts.addCaption =
        QStringLiteral("Aggiungi\nEstrazione\nalla data indicata\n(o modifica data)");
    texts.loadCaption = QStringLiteral("Carica archivio da file");
    texts.fileFilters = {QStringLiteral("File archivio Lotto (Sortavo3) (*.fl8)"),
                         QStringLiteral("File di testo (*.txt)"),
                         QStringLiteral("Tutti i files (*.*)")};
    return texts;
}

const QStringList ExtractionCaptions = {QStringLiteral("1o Estr."), QStringLiteral("2o Estr,"),
                                        QStringLiteral("3o Estr."), QStringLiteral("4o Estr."),
                                        QStringLiteral("5o Estr.")};

} // namespace

TfrmVornL8ESTRA::TfrmVornL8ESTRA(QWidget* parent)
    : TArchiveWindow(ArchiveGame::Lotto, LottoTexts(), parent) {
    // The card: one row per wheel.
    QList<GridColumn> card{{QStringLiteral("RUOTA"), QString(), 0, 44}};
    for (int k = 0; k < 5; ++k)
        card.append({QStringLiteral("N%1").arg(k + 1), ExtractionCaptions[k], 0, 52, true,
                     ColumnKind::Integer});
    CardGrid()->SetColumns(card);

    // The listing: the date, then five numbers under each wheel's band.
    QStringList bands{QString()};
    QList<GridColumn> listing{
        {QStringLiteral("DATAESTRA"), QStringLiteral("Data"), 0, 80, true, ColumnKind::Date}};
    for (int w = 0; w < WheelCount; ++w) {
        bands << WheelNames[w];
        for (int k = 1; k <= 5; ++k)
            listing.append({WheelLetters[w] + QString::number(k), QString(), w + 1, 26, true,
                            ColumnKind::Integer});
    }
    ListingGrid()->SetBands(bands);
    ListingGrid()->SetColumns(listing);
    ListingGrid()->SetCellStyle([this](int row, const QString& field) {
        const int wheel = int(WheelLetters.indexOf(field.at(0)));
        if (field == QLatin1String("DATAESTRA") || wheel < 0) return CellStyle();
        if (IsHighlighted(ListingGrid()->Value(row, field).toInt())) return cxStyleHighlight();
        // BA, FI, MI, PA, TO and RN in the number colour, the wheels between them white.
        return wheel % 2 == 0 ? cxStyleNumero() : cxStyleWhite();
    });

    m_wheels = new CheckListCombo(this);
    m_wheels->setObjectName(QStringLiteral("cbWheels"));
    for (int w = 0; w < WheelCount; ++w)
        m_wheels->AddItem(WheelNames[w], WheelNames[w]);
    m_wheels->SetEmptySelectionText(QStringLiteral("Nessuna ruota selezionata !"));
    m_wheels->setMinimumWidth(220);
    FilterLayout()->insertWidget(0, new QLabel(QStringLiteral("RUOTE"), this));
    FilterLayout()->insertWidget(1, m_wheels);
    connect(m_wheels, &CheckListCombo::checkedChanged, this, &TfrmVornL8ESTRA::WheelsChanged);
}

void TfrmVornL8ESTRA::PrepareShow() {
    m_separator = QLatin1Char(' ');
    m_wheels->SetAllChecked(true);
    WheelsChanged();
}

void TfrmVornL8ESTRA::WheelsChanged() {
    for (int w = 0; w < WheelCount; ++w)
        ListingGrid()->SetBandVisible(w + 1, m_wheels->IsChecked(w));
}

void TfrmVornL8ESTRA::Add() {
    const QDate date = ProposedDateBox();
    QString message;
    if (!InsertDrawSkeleton(DM1(), Browser(), date, message)) {
        Dialogs::Information(this, QStringLiteral("Errore in insert 01:") + message);
    } else {
        m_newDate = date;
        m_previousDate = Browser().CurrentDate();
        LoadDates();
        if (!Browser().Locate(date)) {
            Dialogs::Information(this, QStringLiteral("Errore in riposizionamento alla data:") +
                                           ShortDate(date));
        } else {
            LoadCard();
            SetState(2);
            Edit();
        }
    }
    SetRange(QDate(), Browser().CutOffDate());
    RefreshListing();
}

void TfrmVornL8ESTRA::Edit() {
    if (Browser().IsEmpty()) return;
    const bool newDraw = State() == 2;
    SetState(0);
    QString message;
    if (!FillEditTable(DM1(), Browser(), m_separator, message)) {
        Dialogs::Information(this, message);
        SetState(1);
        return;
    }
    const bool saved = TfrmVornL8EDIT::EditDraw(newDraw, Browser().CurrentDate(), this);
    if (saved) {
        SetState(1);
        if (newDraw) Browser().Locate(m_newDate);
        LoadCard();
    } else if (newDraw) {
        const bool deleted = RunStatement(DM1(), Browser().DeleteSql(m_newDate), message);
        if (!deleted)
            Dialogs::Information(this, QStringLiteral("Errore in delete from Insert Cancel 01:") +
                                           message);
        SetState(1);
        LoadDates();
        if (deleted) {
            Browser().Locate(m_previousDate);
            LoadCard();
        }
    } else {
        SetState(1);
    }
    RefreshListing();
}
