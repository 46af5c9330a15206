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
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_model(new TSenalEditModel(this)) {
    setWindowTitle(QStringLiteral("GESTIONE ESTRAZIONI SUPERENALOTTO"));

    auto* header = new QFrame(this);
    header->setObjectName(QStringLiteral("pnlHeader"));
    header->setProperty(FixedColorProperty, true);
    SetBackground(header, DarkGreenBand);
    m_lblTitle = new QLabel(header);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setAlignment(Qt::AlignCenter);
    SetTextColor(m_lblTitle, Qt::white);
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->addWidget(m_lblTitle, 1);

    m_grid = new QTableView(this);
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

    auto* confirm = new QPushButton(QStringLiteral("Conferma"), this);
    confirm->setObjectName(QStringLiteral("btnConfirm"));
    confirm->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);
    auto* footer = new QFrame(this);
    footer->setObjectName(QStringLiteral("pnlFooter"));
    footer->setProperty(FixedColorProperty, true);
    SetBackground(footer, SilverColor);
    auto* buttons = new QHBoxLayout(footer);
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(m_grid, 1);
    layout->addWidget(footer);
    resize(780, 200);

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
    m_lblTitle->setText(title);
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
