#include "archive/senal_entry_window.h"

#include "archive/edit_tracking_delegate.h"
#include "archive/senal_contest.h"
#include "archive/senal_edit_model.h"
#include "common/seams.h"
#include "common/skin.h"
#include "storage/tdm1.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfrmVornS8EDIT::TfrmVornS8EDIT(QWidget* parent)
    : TfrmVornBase(parent)
    , m_model(new TSenalEditModel(this)) {
    // A normal-size window with only a close box, unlike the other framed windows.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowNoState);
    setWindowTitle(QStringLiteral("GESTIONE ESTRAZIONI SUPERENALOTTO"));

    m_grid = new QTableView(Body());
    m_grid->setObjectName(QStringLiteral("grdContest"));
    m_grid->setModel(m_model);
    m_delegate = new EditTrackingDelegate(m_grid);
    m_grid->setItemDelegate(m_delegate);
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->setColumnWidth(TSenalEditModel::ColDate, 90);
    for (int column = TSenalEditModel::ColContest; column < TSenalEditModel::ColumnCount; ++column)
        m_grid->setColumnWidth(column, 64);
    // Room for the longer captions.
    m_grid->setColumnWidth(TSenalEditModel::ColContest, 84);
    m_grid->setColumnWidth(TSenalEditModel::ColumnCount - 1, 80);

    auto* confirm = new QPushButton(QStringLiteral("Conferma"), this);
    confirm->setObjectName(QStringLiteral("btnConfirm"));
    confirm->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);
    Footer()->setFixedHeight(40);
    auto* buttons = new QHBoxLayout(Footer());
    buttons->setContentsMargins(4, 3, 4, 3);
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);

    BodyLayout()->addWidget(m_grid, 1);
    resize(780, 240);

    connect(confirm, &QPushButton::clicked, this, &TfrmVornS8EDIT::Confirm);
    connect(cancel, &QPushButton::clicked, this, &TfrmVornS8EDIT::Cancel);
}

TfrmVornS8EDIT::~TfrmVornS8EDIT() = default;

bool TfrmVornS8EDIT::NewContest(const QDate& date) {
    QString message;
    if (!AppendContest(DM1(), date, message)) {
        Dialogs::Information(this, message);
        return false;
    }
    return ShowFor(date, QStringLiteral("NUOVA ESTRAZIONE"));
}

bool TfrmVornS8EDIT::EditContest(const QDate& date) {
    return ShowFor(date, QStringLiteral("MODIFICA ESTRAZIONE"));
}

bool TfrmVornS8EDIT::ShowFor(const QDate& date, const QString& title) {
    SenalContestRow row;
    QString message;
    if (!ReadContest(DM1(), date, row, message)) {
        if (!message.isEmpty()) Dialogs::Information(this, message);
        return false;
    }
    SetTitle(title);
    m_model->SetRow(row);
    m_editing = true;
    m_grid->setCurrentIndex(m_model->index(0, TSenalEditModel::ColN1));
    return RunModal(*this) == QDialog::Accepted;
}

void TfrmVornS8EDIT::Confirm() {
    m_delegate->Finish(true);
    const QString problem = CheckContest(m_model->Row());
    if (!problem.isEmpty()) {
        Dialogs::Information(this, problem);
        return;
    }
    QString message;
    if (!SaveContest(DM1(), m_model->Row(), message)) {
        Dialogs::Information(this, message);
        return;
    }
    m_editing = false;
    accept();
}

void TfrmVornS8EDIT::Cancel() {
    m_delegate->Finish(false);
    m_editing = false;
    reject();
}

void TfrmVornS8EDIT::done(int result) {
    if (m_editing) {
        Dialogs::Information(this, QStringLiteral("Completare o annullare la modifica in corso !"));
        return;
    }
    m_model->Clear();
    QDialog::done(result);
}
