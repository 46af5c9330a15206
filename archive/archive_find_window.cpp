#include "archive/archive_find_window.h"

#include "archive/archive_browser.h"
#include "common/seams.h"
#include "common/skin.h"
#include "storage/tdm1.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QSqlQuery>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidget* NewList(const QString& name, const QString& caption, QWidget* parent) {
    auto* list = new QTableWidget(0, 1, parent);
    list->setObjectName(name);
    list->setHorizontalHeaderLabels({caption});
    list->horizontalHeader()->setStretchLastSection(true);
    list->verticalHeader()->hide();
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list; // typing searches the list (the view's keyboard search)
}

} // namespace

bool TArchiveFindWindow::FindDate(ArchiveGame game, QDate& date, QWidget* parent) {
    std::unique_ptr<TArchiveFindWindow> window;
    if (game == ArchiveGame::Lotto)
        window = std::make_unique<TfrmKelvARCHIVE_FINDL8>(parent);
    else
        window = std::make_unique<TfrmKelvARCHIVE_FINDS8>(parent);
    if (RunModal(*window) != QDialog::Accepted || !window->SelectedDate().isValid()) return false;
    date = window->SelectedDate();
    return true;
}

TArchiveFindWindow::TArchiveFindWindow(ArchiveGame game, QWidget* parent)
    : QDialog(parent)
    , m_game(game) {
    setWindowTitle(QStringLiteral("Sortavo 3. - Modulo Archivio Estrazioni"));
    m_years = NewList(QStringLiteral("lstYears"), QStringLiteral("Anno"), this);
    m_dates = NewList(QStringLiteral("lstDates"), QStringLiteral("Data Estrazione"), this);
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_years);
    lists->addWidget(m_dates, 2);
    auto* select = new QPushButton(QStringLiteral("Seleziona"), this);
    select->setObjectName(QStringLiteral("btnSelect"));
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(select);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(420, 480);

    connect(m_years, &QTableWidget::currentCellChanged, this, [this] { OpenDates(); });
    connect(m_dates, &QTableWidget::cellDoubleClicked, this, &TArchiveFindWindow::Select);
    connect(select, &QPushButton::clicked, this, &TArchiveFindWindow::Select);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TArchiveFindWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    ApplySkinToGrid(m_years);
    ApplySkinToGrid(m_dates);
    OpenYears();
}

void TArchiveFindWindow::done(int result) {
    m_years->setRowCount(0);
    m_dates->setRowCount(0);
    QDialog::done(result);
}

void TArchiveFindWindow::OpenYears() {
    TArchiveBrowser browser(DM1(), m_game);
    QSqlQuery query = DM1().NewQuery();
    QString error;
    const QSignalBlocker blocker(m_years);
    m_years->setRowCount(0);
    if (DM1().OpenQuery(query, browser.YearsSql(), error)) {
        while (query.next()) {
            const int row = m_years->rowCount();
            m_years->insertRow(row);
            m_years->setItem(row, 0, new QTableWidgetItem(query.value(0).toString()));
        }
    }
    // The newest year first, with its dates.
    if (m_years->rowCount() > 0) m_years->setCurrentCell(0, 0);
    OpenDates();
}

void TArchiveFindWindow::OpenDates() {
    m_dates->setRowCount(0);
    const QTableWidgetItem* year = m_years->currentItem();
    if (!year) return;
    TArchiveBrowser browser(DM1(), m_game);
    QSqlQuery query = DM1().NewQuery();
    if (!query.prepare(browser.YearDatesSql())) return;
    query.bindValue(QStringLiteral(":ANNO"), year->text().toInt());
    if (!query.exec()) return;
    while (query.next()) {
        const QDate date = query.value(0).toDate();
        auto* item = new QTableWidgetItem(date.toString(QStringLiteral("dd/MM/yyyy")));
        item->setData(Qt::UserRole, date);
        const int row = m_dates->rowCount();
        m_dates->insertRow(row);
        m_dates->setItem(row, 0, item);
    }
    if (m_dates->rowCount() > 0) m_dates->setCurrentCell(0, 0);
}

void TArchiveFindWindow::Select() {
    const QTableWidgetItem* item = m_dates->currentItem();
    if (!item) return;
    m_selected = item->data(Qt::UserRole).toDate();
    accept();
}
