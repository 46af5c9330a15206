#include "tools/notes_windows.h"

#include "common/binomial.h"
#include "common/grid/banded_grid.h"
#include "common/helpers.h"
#include "common/number_flags.h"
#include "common/number_picker.h"
#include "common/seams.h"
#include "common/skin.h"
#include "tools/note_offers.h"
#include "tools/tdm_note.h"

#include <QBoxLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString ClearCaption = QStringLiteral("Elimina tutte le annotazioni");
const QString ClearQuestion = QStringLiteral("Conferma azzeramento di TUTTE le annotazioni ?");
const QString ClearError = QStringLiteral("Errore in azzeramento annotazioni:");
const QString ReadError = QStringLiteral("Errore di sistema in lettura numeri :\r\n");

// Link cells: the colour 16776176 of the program's palette (RGB 240, 250, 255), blue text.
CellStyle LinkStyle() {
    CellStyle style;
    style.background = QColor(240, 250, 255);
    style.textColor = QColor(0, 0, 192);
    QFont font;
    font.setUnderline(true);
    style.font = font;
    return style;
}

GridColumn Column(const QString& field, const QString& caption, int width, ColumnKind kind,
                  bool visible = true) {
    GridColumn column;
    column.field = field;
    column.caption = caption;
    column.width = width;
    column.kind = kind;
    column.visible = visible;
    return column;
}

QList<GridColumn> ListColumns(NotesMode mode, const QString& textCaption,
                              const QString& countCaption, const QString& wheelCaption) {
    return {Column(QStringLiteral("RUOTA"), wheelCaption, 60, ColumnKind::Text,
                   mode == NotesMode::Lotto),
            Column(QStringLiteral("VALSTR"), textCaption, 420, ColumnKind::Text),
            Column(QStringLiteral("NUMIN"), countCaption, 90, ColumnKind::Integer)};
}

bool ClearNotes(NotesMode mode) {
    TdmNote& notes = TdmNote::Instance();
    return mode == NotesMode::Lotto ? notes.ClearLottoNotes() : notes.ClearSenalNotes();
}

// The help text of the plain list, seven lines.
const QString ListHelp =
    QStringLiteral("Per mettere un numero negli appunti (dopo aver chiuso questa form),\n"
                   "fare doppio click sul numero in una delle statistiche:\n"
                   "il numero viene messo in nota, un secondo doppio click toglie l'annotazione.\n"
                   "I numeri annotati sono mostrati in verde in questa e nelle altre statistiche.\n"
                   "Per giocare i numeri annotati (sistemi integrali o ridotti)\n"
                   "usare il pulsante \"Numeri annotati\" del menu' principale\n"
                   "o delle finestre riepilogative delle statistiche.");

} // namespace

QString NotesCaption(NotesMode mode) {
    return mode == NotesMode::Lotto ? QStringLiteral("ANNOTAZIONI NUMERI Lotto IT.")
                                    : QStringLiteral("ANNOTAZIONI NUMERI SUPERENALOTTO (pick-6).");
}

QString NotesTitle(NotesMode mode) {
    return mode == NotesMode::Lotto ? QStringLiteral("ANNOTAZIONI NUMERI Lotto IT.")
                                    : QStringLiteral("ANNOTAZIONI NUMERI SUPERENALOTTO.");
}

QString NotesListSql(NotesMode mode) {
    if (mode == NotesMode::Senal)
        return QStringLiteral(" select a.* from FTABNOTE a where NUMIN<>0 AND RUOTA = 'S8' ");
    return QStringLiteral(
        " select 1,a.* from FTABNOTE a where NUMIN<>0 AND RUOTA <> 'S8' AND RUOTA <> 'RN'  union "
        " select 2,a.* from FTABNOTE a where NUMIN<>0 AND RUOTA <> 'S8' AND RUOTA = 'RN'  order "
        "by 1,2 ");
}

// ---------------------------------------------------------------------------------------------

TfrmVornL8SHOWNOTE::TfrmVornL8SHOWNOTE(NotesMode mode, QWidget* parent)
    : TfrmVornBase1Grid(parent)
    , m_mode(mode) {
    setObjectName(QStringLiteral("TfrmVornL8SHOWNOTE"));
    setWindowTitle(NotesCaption(mode));
    SetTitle(NotesTitle(mode));
    Grid()->SetColumns(ListColumns(mode, QStringLiteral("Numeri messi in nota"),
                                   QStringLiteral("Quanti sono"), QStringLiteral("Ruota")));
    SetGridQuery(NotesListSql(mode));
    ExportButton()->hide();
    PrintButton()->hide();
    SetHighlightEnabled(false);
    InfoLabel()->setText(ListHelp);
    InfoLabel()->show();
    m_clear = AddToolButton(ClearCaption, QStringLiteral("btnEliminaTutte"));
    connect(m_clear, &QPushButton::clicked, this, &TfrmVornL8SHOWNOTE::ClearAll);
    connect(Grid(), &BandedGrid::opened, this, &TfrmVornL8SHOWNOTE::ListOpened);
}

void TfrmVornL8SHOWNOTE::ListOpened() {
    m_clear->setVisible(Grid()->RowCount() > 0);
}

void TfrmVornL8SHOWNOTE::ClearAll() {
    if (Dialogs::YesNoCancel(this, ClearQuestion) != DialogAnswer::Yes) return;
    {
        BusyCursor busy;
        if (!ClearNotes(m_mode))
            Dialogs::Information(this, ClearError + TdmNote::Instance().TakeNoteError());
    }
    OpenGrid();
    m_changed = true;
    accept();
}

NotesListResult ShowNotesList(QWidget* parent, NotesMode mode) {
    TfrmVornL8SHOWNOTE window(mode, parent);
    const bool ok = RunModal(window) == QDialog::Accepted;
    return {ok, window.Changed()};
}

// ---------------------------------------------------------------------------------------------

TfrmVornL8NOTE::TfrmVornL8NOTE(NotesMode mode, QWidget* parent)
    : TfrmVornBase1Grid(parent)
    , m_mode(mode) {
    setObjectName(QStringLiteral("TfrmVornL8NOTE"));
    setWindowTitle(NotesCaption(mode));
    SetTitle(NotesTitle(mode));
    Grid()->SetColumns(ListColumns(mode, QStringLiteral("NUMERI ANNOTATI"),
                                   QStringLiteral("Annotazioni"), QStringLiteral("RUOTA")));
    SetGridQuery(NotesListSql(mode));
    PrintButton()->hide();
    SetHighlightEnabled(false);
    m_clear = AddToolButton(ClearCaption, QStringLiteral("btnEliminaTutte"));
    connect(m_clear, &QPushButton::clicked, this, &TfrmVornL8NOTE::ClearAll);

    // The right-hand panel: the selected row and the systems to play it with.
    m_panel = RightPanel();
    // The list keeps room for its numbers also on a narrow screen; the system grids scroll.
    m_panel->setMinimumWidth(480);
    Grid()->setMinimumWidth(300);
    auto* layout = new QVBoxLayout(m_panel);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(new QLabel(QStringLiteral("RUOTA")));
    m_code = new QLabel;
    m_code->setObjectName(QStringLiteral("lblRuota"));
    QFont bold = m_code->font();
    bold.setBold(true);
    m_code->setFont(bold);
    codeRow->addWidget(m_code);
    codeRow->addSpacing(20);
    codeRow->addWidget(new QLabel(QStringLiteral("Numeri annotati")));
    m_count = new QLineEdit;
    m_count->setObjectName(QStringLiteral("edtQuanti"));
    m_count->setReadOnly(true);
    m_count->setMaximumWidth(60);
    codeRow->addWidget(m_count);
    auto* edit = new QPushButton(QStringLiteral("Modifica numeri"));
    edit->setObjectName(QStringLiteral("btnModifica"));
    connect(edit, &QPushButton::clicked, this, &TfrmVornL8NOTE::EditNumbers);
    codeRow->addWidget(edit);
    codeRow->addStretch();
    layout->addLayout(codeRow);

    auto* heading = new QLabel(QStringLiteral("SISTEMI IN CUI GIOCARLI"));
    heading->setObjectName(QStringLiteral("lblSistemi"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(bold);
    layout->addWidget(heading);

    layout->addWidget(new QLabel(QStringLiteral("RIDOTTI")));
    m_catalogue = new BandedGrid;
    m_catalogue->setObjectName(QStringLiteral("grdRidotti"));
    m_catalogue->SetColumns(
        {Column(QStringLiteral("GIOCO"), QStringLiteral("Gioco"), 40, ColumnKind::Text, false),
         Column(QStringLiteral("NUMERI"), QStringLiteral("Numeri"), 60, ColumnKind::Integer),
         Column(QStringLiteral("TIPO"), QStringLiteral("Tipo"), 50, ColumnKind::Text),
         Column(QStringLiteral("DESCRI"), QStringLiteral("Ok o no ?"), 300, ColumnKind::Text),
         Column(QStringLiteral("QCOMBS"), QStringLiteral("Combinazioni"), 90, ColumnKind::Integer),
         Column(QStringLiteral("COSTO"), QStringLiteral("Costo"), 60, ColumnKind::Real, false),
         Column(QStringLiteral("NOME"), QStringLiteral("Nome"), 150, ColumnKind::Text, false),
         Column(QStringLiteral("GIOCALO"), QString(), 130, ColumnKind::Text)});
    layout->addWidget(m_catalogue, 3);

    layout->addWidget(new QLabel(QStringLiteral("INTEGRALE")));
    m_integral = new BandedGrid;
    m_integral->setObjectName(QStringLiteral("grdIntegrale"));
    m_integral->SetColumns(
        {Column(QStringLiteral("GRUPPI"), QStringLiteral("Sviluppato a gruppi di.."), 160,
                ColumnKind::Integer),
         Column(QStringLiteral("COMBINAZIONI"), QStringLiteral("Combinazioni"), 110,
                ColumnKind::Integer),
         Column(QStringLiteral("GIOCALO"), QString(), 130, ColumnKind::Text)});
    layout->addWidget(m_integral, 2);

    for (BandedGrid* grid : {m_catalogue, m_integral}) {
        grid->SetCellStyle([grid](int row, const QString& field) {
            if (field == QLatin1String("GIOCALO") &&
                !grid->Value(row, field).toString().trimmed().isEmpty())
                return LinkStyle();
            return CellStyle();
        });
    }
    // Offers that cannot be played show empty cells.
    m_integral->SetCellText([](int, const QString&, const QVariant& value) {
        const QString text = value.toString();
        if (text.startsWith(QLatin1Char('-')) || text == QLatin1String("0"))
            return QStringLiteral("");
        return QString();
    });
    connect(m_catalogue->View(), &QTableView::clicked, this, [this](const QModelIndex& index) {
        const int row = m_catalogue->DataRow(index.row());
        if (m_catalogue->FocusedField() == QLatin1String("GIOCALO")) CatalogueLinkClicked(row);
    });
    connect(m_integral->View(), &QTableView::clicked, this, [this](const QModelIndex& index) {
        const int row = m_integral->DataRow(index.row());
        if (m_integral->FocusedField() == QLatin1String("GIOCALO")) IntegralLinkClicked(row);
    });

    connect(Grid(), &BandedGrid::opened, this, &TfrmVornL8NOTE::ListOpened);
    connect(Grid(), &BandedGrid::focusedRowChanged, this, &TfrmVornL8NOTE::RowChanged);
}

void TfrmVornL8NOTE::ListOpened() {
    const bool rows = Grid()->RowCount() > 0;
    m_panel->setVisible(rows);
    m_catalogue->setVisible(rows);
    m_integral->setVisible(rows);
    m_clear->setVisible(rows);
    if (rows) RowChanged();
}

void TfrmVornL8NOTE::RowChanged() {
    m_integral->Clear();
    const int shown = Grid()->FocusedRow();
    if (shown < 0) {
        m_catalogue->Clear();
        return;
    }
    const int row = Grid()->DataRow(shown);
    m_rowCode = Grid()->Value(row, QStringLiteral("RUOTA")).toString().trimmed();
    m_rowText = Grid()->Value(row, QStringLiteral("VALSTR")).toString();
    m_rowCount = Grid()->Value(row, QStringLiteral("NUMIN")).toInt();
    m_code->setText(m_rowCode);
    m_count->setText(QString::number(m_rowCount));
    m_catalogue->Clear();
    if (m_rowCount <= 1) return;

    const QString n = QString::number(m_rowCount);
    const QString game = m_mode == NotesMode::Lotto ? QStringLiteral("L8") : QStringLiteral("S8");
    const QString sql =
        QStringLiteral(" Select GIOCO,NUMERI,TIPO,DESCOK as DESCRI,QCOMBS         ,COSTO,NOME,"
                       "GIOCALO  from   FTABSIS   where NUMERI = ") +
        n + QStringLiteral(" ") + QStringLiteral("    and GIOCO = '") + game +
        QStringLiteral("' ") + QStringLiteral(" union ") +
        QStringLiteral(" Select GIOCO,NUMERI,TIPO,DESCMANCA as DESCRI,QCOMBS ") +
        QStringLiteral("        ,COSTO,NOME,GIOCALO ") + QStringLiteral(" from   FTABSIS ") +
        QStringLiteral("  where NUMERI > ") + n + QStringLiteral(" ") +
        QStringLiteral("    and GIOCO = '") + game + QStringLiteral("' ") +
        QStringLiteral(" union ") +
        QStringLiteral(" Select GIOCO,NUMERI,TIPO,DESCTROPPI as DESCRI,QCOMBS ") +
        QStringLiteral("        ,COSTO,NOME,GIOCALO ") + QStringLiteral(" from   FTABSIS ") +
        QStringLiteral("  where NUMERI < ") + n + QStringLiteral(" ") +
        QStringLiteral("    and GIOCO = '") + game + QStringLiteral("' ");
    QString error;
    if (!m_catalogue->Open(sql, error))
        Dialogs::Information(this, QStringLiteral("Errore apertura archivio 01"));

    GridData data;
    data.fields = {QStringLiteral("GRUPPI"), QStringLiteral("COMBINAZIONI"),
                   QStringLiteral("GIOCALO")};
    data.kinds = {ColumnKind::Integer, ColumnKind::Integer, ColumnKind::Text};
    for (const IntegralOffer& offer : IntegralOffers(m_rowCount, m_mode == NotesMode::Senal))
        data.rows.append({offer.groupSize, offer.combinations, offer.link});
    m_integral->Model()->SetGridData(std::move(data));
}

bool TfrmVornL8NOTE::TakeNumbers(const QString& text, int expected) {
    TdmNote& notes = TdmNote::Instance();
    NoteFlags flags;
    int count = 0;
    if (!notes.ParseNumberList(text, flags, count)) {
        Dialogs::Information(this, ReadError + notes.TakeNoteError());
        return false;
    }
    if (count != expected) {
        Dialogs::Information(this, QStringLiteral("Errore di sistema in conversione numeri 02."));
        return false;
    }
    std::copy(flags.begin(), flags.end(), TSceltaLottoSis.Chosen);
    return true;
}

void TfrmVornL8NOTE::CatalogueLinkClicked(int row) {
    if (row < 0 ||
        m_catalogue->Value(row, QStringLiteral("GIOCALO")).toString().trimmed().isEmpty())
        return;
    const int required = m_catalogue->Value(row, QStringLiteral("NUMERI")).toInt();
    const QString mismatch = CatalogueMismatchText(required, m_rowCount);
    if (!mismatch.isEmpty()) {
        Dialogs::Information(this, mismatch);
        return;
    }
    TSceltaLottoSis.Clear();
    TSceltaLottoSis.NumberCount = m_rowCount;
    TSceltaLottoSis.Kind = m_catalogue->Value(row, QStringLiteral("TIPO")).toString().trimmed();
    TSceltaLottoSis.Name = m_catalogue->Value(row, QStringLiteral("NOME")).toString().trimmed();
    TSceltaLottoSis.Extra = m_catalogue->Value(row, QStringLiteral("QCOMBS")).toInt();
    if (!TakeNumbers(m_rowText, required)) return;
    accept();
}

void TfrmVornL8NOTE::IntegralLinkClicked(int row) {
    if (row < 0 || m_integral->Value(row, QStringLiteral("GIOCALO")).toString().isEmpty()) return;
    const int k = m_integral->Value(row, QStringLiteral("GRUPPI")).toInt();
    TSceltaLottoSis.Clear();
    TSceltaLottoSis.ComboLength = k;
    TSceltaLottoSis.NumberCount = m_rowCount;
    TSceltaLottoSis.Kind = QStringLiteral("I");
    TSceltaLottoSis.Name = QStringLiteral("INTEGRALE");
    TSceltaLottoSis.Extra = int(CombinationCount(m_rowCount, k));
    if (!TakeNumbers(m_rowText, m_rowCount)) return;
    accept();
}

void TfrmVornL8NOTE::ClearAll() {
    if (Dialogs::YesNoCancel(this, ClearQuestion) != DialogAnswer::Yes) return;
    {
        BusyCursor busy;
        if (!ClearNotes(m_mode))
            Dialogs::Information(this, ClearError + TdmNote::Instance().TakeNoteError());
    }
    OpenGrid();
}

void TfrmVornL8NOTE::EditNumbers() {
    if (m_rowCode.isEmpty()) return;
    TdmNote& notes = TdmNote::Instance();
    NoteFlags flags;
    int count = 0;
    notes.ParseNumberList(m_rowText, flags, count);
    notes.TakeNoteError();
    const NumberFlags excluded{};
    if (!TfrmVornGETNUM::SelectNumbers(QStringLiteral("Modificare i numeri annotati su ") +
                                           m_rowCode,
                                       0, 90, excluded, flags, true, true, this))
        return;
    const QString code = m_rowCode;
    if (!notes.SetNotes(code, flags))
        Dialogs::Information(this, QStringLiteral("SysErr:") + notes.TakeNoteError());
    OpenGrid();
    if (notes.NoteCount(code) == 0) return;
    for (int shown = 0; shown < Grid()->RowCount(); ++shown) {
        if (Grid()->Value(Grid()->DataRow(shown), QStringLiteral("RUOTA")).toString().trimmed() ==
            code) {
            Grid()->SetFocusedRow(shown);
            break;
        }
    }
}

bool ChooseFromNotes(QWidget* parent, NotesMode mode) {
    TfrmVornL8NOTE window(mode, parent);
    return RunModal(window) == QDialog::Accepted;
}
