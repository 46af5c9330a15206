#include "archive/lotto_entry_window.h"

#include "archive/edit_tracking_delegate.h"
#include "archive/lotto_draw_entry.h"
#include "archive/lotto_edit_model.h"
#include "common/seams.h"
#include "common/skin.h"
#include "storage/tdm1.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString PendingEditQuestion = QStringLiteral(
    "============= ATTENZIONE =========\r\n\r\nLa modifica in corso non e' stata\r\n\r\n"
    "confermata o annullata.\r\n\r\nProseguendo con la chiusura, \r\n\r\nverra' annullata.\r\n\r\n"
    "-----------------------------------\r\n\r\n       Conferma uscita ?           ");

const QChar SeparatorChars[3] = {QLatin1Char('.'), QLatin1Char(','), QLatin1Char(' ')};

} // namespace

TfrmVornL8EDIT::TfrmVornL8EDIT(QWidget* parent)
    : QDialog(parent)
    , m_model(new TLottoEditModel(DM1(), this)) {
    setWindowTitle(QStringLiteral("MODIFICA/AGGIUNGI ESTRAZIONE LOTTO ITALIANO"));

    m_lblMode = new QLabel(this);
    m_lblMode->setObjectName(QStringLiteral("lblMode"));
    m_lblMode->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_edtDate = new QLineEdit(this);
    m_edtDate->setObjectName(QStringLiteral("edtDate"));
    m_edtDate->setReadOnly(true);
    m_edtDate->setMaximumWidth(110);
    auto* top = new QHBoxLayout;
    top->addWidget(m_lblMode, 1);
    top->addWidget(m_edtDate);

    auto* mode = new QGroupBox(QStringLiteral("Modifica con:"), this);
    mode->setObjectName(QStringLiteral("grpMode"));
    m_rbGrid = new QRadioButton(QStringLiteral("Griglia Numerica"), mode);
    m_rbGrid->setObjectName(QStringLiteral("rbGrid"));
    m_rbList = new QRadioButton(QStringLiteral("Lista con separatore"), mode);
    m_rbList->setObjectName(QStringLiteral("rbList"));
    auto* modeLayout = new QVBoxLayout(mode);
    modeLayout->addWidget(m_rbGrid);
    modeLayout->addWidget(m_rbList);

    m_grpSeparator = new QGroupBox(QStringLiteral("Separatore"), this);
    m_grpSeparator->setObjectName(QStringLiteral("grpSeparator"));
    auto* separatorLayout = new QGridLayout(m_grpSeparator);
    const QString captions[3] = {QStringLiteral(" . (punto)"), QStringLiteral(",  (Virgola)"),
                                 QStringLiteral("  (Spazio)")};
    const QString names[3] = {QStringLiteral("rbPoint"), QStringLiteral("rbComma"),
                              QStringLiteral("rbBlank")};
    for (int i = 0; i < 3; ++i) {
        m_rbSeparator[i] = new QRadioButton(captions[i], m_grpSeparator);
        m_rbSeparator[i]->setObjectName(names[i]);
        separatorLayout->addWidget(m_rbSeparator[i], i / 2, i % 2); // two columns
        connect(m_rbSeparator[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) SeparatorChosen();
        });
    }
    auto* tools = new QHBoxLayout;
    tools->addWidget(mode);
    tools->addWidget(m_grpSeparator);
    tools->addStretch(1);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdEdit"));
    m_grid->setModel(m_model);
    m_delegate = new EditTrackingDelegate(m_grid);
    m_grid->setItemDelegate(m_delegate);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    for (int column = TLottoEditModel::ColWheel; column <= TLottoEditModel::ColN5; ++column)
        m_grid->setColumnWidth(column, 56);

    auto* confirm = new QPushButton(QStringLiteral("Conferma"), this);
    confirm->setObjectName(QStringLiteral("btnConfirm"));
    confirm->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(tools);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(560, 460);

    connect(m_rbList, &QRadioButton::toggled, this, [this] {
        if (!m_updating) ApplyEntryMode();
    });
    connect(confirm, &QPushButton::clicked, this, &TfrmVornL8EDIT::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_model, &TLottoEditModel::saveFailed, this,
            [this](const QString& message) { Dialogs::Information(this, message); });
}

TfrmVornL8EDIT::~TfrmVornL8EDIT() = default;

bool TfrmVornL8EDIT::EditDraw(bool newDraw, const QDate& date, QWidget* parent) {
    TfrmVornL8EDIT window(parent);
    window.Setup(newDraw, date);
    return RunModal(window) == QDialog::Accepted;
}

void TfrmVornL8EDIT::Setup(bool newDraw, const QDate& date) {
    m_newDraw = newDraw;
    m_date = date;
}

bool TfrmVornL8EDIT::ListMode() const {
    return m_rbList->isChecked();
}

bool TfrmVornL8EDIT::IsEditingRow() const {
    return m_delegate->IsEditing();
}

void TfrmVornL8EDIT::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    ApplySkinToForm(this);
    m_separator = QLatin1Char(' ');
    m_updating = true;
    m_rbGrid->setChecked(true);
    m_updating = false;
    ApplyEntryMode();
    m_lblMode->setText(m_newDraw ? QStringLiteral("Nuova estrazione del")
                                 : QStringLiteral("Modifica estrazione del"));
    m_edtDate->setText(m_date.toString(QStringLiteral("dd.MM.yyyy")));
    QString message;
    if (!m_model->Load(message)) Dialogs::Information(this, QStringLiteral("Errore:") + message);
    GoToFirstRow();
}

void TfrmVornL8EDIT::ApplyEntryMode() {
    const bool list = ListMode();
    for (int column = TLottoEditModel::ColN1; column <= TLottoEditModel::ColN5; ++column)
        m_grid->setColumnHidden(column, list);
    m_model->SetNumbersEditable(!list);
    m_grid->setColumnHidden(TLottoEditModel::ColNums, !list);
    m_grpSeparator->setVisible(list);
    if (list) {
        m_updating = true;
        const int chosen = m_separator == QLatin1Char(',')   ? 1
                           : m_separator == QLatin1Char(' ') ? 2
                                                             : 0;
        m_rbSeparator[chosen]->setChecked(true);
        m_updating = false;
    }
}

void TfrmVornL8EDIT::SeparatorChosen() {
    if (m_updating) return;
    const QChar old = m_separator;
    for (int i = 0; i < 3; ++i)
        if (m_rbSeparator[i]->isChecked()) m_separator = SeparatorChars[i];
    CommitPendingEdit();
    QString message;
    if (!ChangeSeparator(DM1(), m_model->Rows(), old, m_separator, message))
        Dialogs::Information(this, message);
    m_model->RowsChanged();
    GoToFirstRow();
}

void TfrmVornL8EDIT::GoToFirstRow() {
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(
            m_model->index(0, ListMode() ? TLottoEditModel::ColNums : TLottoEditModel::ColN1));
}

bool TfrmVornL8EDIT::CommitPendingEdit() {
    if (!m_delegate->IsEditing()) return true;
    m_delegate->Finish(true);
    return true;
}

void TfrmVornL8EDIT::Confirm() {
    CommitPendingEdit();
    QString message;
    if (ListMode()) {
        const bool parsed = ParseLists(DM1(), m_model->Rows(), m_separator, message);
        m_model->RowsChanged();
        if (!parsed) {
            if (!message.isEmpty()) Dialogs::Information(this, message);
            return;
        }
        m_updating = true;
        m_rbGrid->setChecked(true);
        m_updating = false;
        ApplyEntryMode();
        GoToFirstRow();
        if (Dialogs::YesNoCancel(this, QStringLiteral("Conferma numeri da registrare ?")) !=
            DialogAnswer::Yes)
            return;
    }
    bool zeroFound = false;
    bool saved = false;
    {
        BusyCursor busy;
        saved = SaveDraw(DM1(), m_date, m_model->Rows(), message, zeroFound);
    }
    if (!saved) {
        Dialogs::Information(this, message);
        return;
    }
    if (zeroFound) Dialogs::Information(this, ZeroWarningText);
    accept();
}

void TfrmVornL8EDIT::done(int result) {
    if (m_delegate->IsEditing()) {
        if (Dialogs::YesNoCancel(this, PendingEditQuestion) != DialogAnswer::Yes) return;
        m_delegate->Finish(false);
    }
    QDialog::done(result);
}
