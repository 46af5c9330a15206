#include "common/grid/banded_grid.h"

#include "common/grid/banded_header.h"
#include "common/grid/filter_dialog.h"
#include "common/helpers.h"
#include "common/seams.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

// The footer row: one summary under each visible column that has one.
class GridFooter final : public QWidget {
public:
    explicit GridFooter(BandedGrid* grid)
        : QWidget(grid)
        , m_grid(grid) {
        setObjectName(QStringLiteral("gridFooter"));
        setFixedHeight(fontMetrics().height() + 8);
    }

    // The column under a footer position, -1 for none.
    int ColumnAt(int x) const {
        const QHeaderView* header = m_grid->m_header;
        return header->logicalIndexAt(x - Offset());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(0, 0, width(), 0);
        const QHeaderView* header = m_grid->m_header;
        painter.setPen(palette().color(QPalette::ButtonText));
        for (int column = 0; column < header->count(); ++column) {
            if (header->isSectionHidden(column)) continue;
            const QString field = m_grid->m_model->Columns().at(column).field;
            const QString text = m_grid->SummaryTextOf(field);
            if (text.isEmpty()) continue;
            const QRect cell(header->sectionViewportPosition(column) + Offset(), 1,
                             header->sectionSize(column), height() - 1);
            painter.drawRect(cell.adjusted(1, 1, -2, -2));
            painter.drawText(cell.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        const int column = ColumnAt(event->pos().x());
        if (column >= 0) m_grid->ShowFooterMenu(column, event->globalPos());
    }

private:
    int Offset() const { return m_grid->m_view->viewport()->geometry().left(); }

    BandedGrid* m_grid;
};

BandedGrid::BandedGrid(QWidget* parent)
    : QWidget(parent)
    , m_model(new GridModel(this))
    , m_proxy(new GridProxyModel(this))
    , m_view(new QTableView(this))
    , m_header(new BandedHeaderView(m_view)) {
    m_proxy->setSourceModel(m_model);
    m_view->setObjectName(QStringLiteral("gridView"));
    m_view->setHorizontalHeader(m_header);
    m_view->setModel(m_proxy);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_header->setSortIndicator(-1, Qt::AscendingOrder);
    m_header->setSortIndicatorClearable(true);
    m_header->setContextMenuPolicy(Qt::CustomContextMenu);

    m_footer = new GridFooter(this);
    m_footer->hide();

    m_filterBar = new QWidget(this);
    m_filterBar->setObjectName(QStringLiteral("filterBar"));
    auto* filterLayout = new QHBoxLayout(m_filterBar);
    filterLayout->setContentsMargins(4, 2, 4, 2);
    m_filterLabel = new QLabel(m_filterBar);
    m_filterLabel->setObjectName(QStringLiteral("lblFilter"));
    auto* clearFilter = new QPushButton(QStringLiteral("Rimuovi filtro"), m_filterBar);
    clearFilter->setObjectName(QStringLiteral("btnClearFilter"));
    filterLayout->addWidget(m_filterLabel, 1);
    filterLayout->addWidget(clearFilter);
    m_filterBar->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);
    layout->addWidget(m_filterBar);
    setFocusProxy(m_view);

    connect(clearFilter, &QPushButton::clicked, this, [this] { SetFilter(GridFilter()); });
    connect(m_header, &QHeaderView::customContextMenuRequested, this, &BandedGrid::ShowHeaderMenu);
    connect(m_header, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (!m_applying && size > 0 && column < m_model->columnCount())
            m_model->ColumnAt(column).width = size;
        m_footer->update();
    });
    connect(m_header, &QHeaderView::geometriesChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
            qOverload<>(&QWidget::update));
    connect(m_proxy, &QAbstractItemModel::modelReset, m_footer, qOverload<>(&QWidget::update));
    connect(m_proxy, &QAbstractItemModel::layoutChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_proxy, &QAbstractItemModel::rowsInserted, m_footer, qOverload<>(&QWidget::update));
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, m_footer, qOverload<>(&QWidget::update));
    connect(m_model, &GridModel::modelReset, this, &BandedGrid::ApplyColumns);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit cellDoubleClicked(DataRow(index.row()),
                                   m_model->Columns().at(index.column()).field);
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { emit focusedRowChanged(current.row()); });
}

BandedGrid::~BandedGrid() = default;

void BandedGrid::SetBands(const QStringList& captions) {
    m_bandCaptions = captions;
    m_bandVisible = QList<bool>(captions.size(), true);
    ApplyColumns();
}

void BandedGrid::SetBandCaption(int band, const QString& caption) {
    if (band < 0 || band >= m_bandCaptions.size()) return;
    m_bandCaptions[band] = caption;
    ApplyColumns();
}

void BandedGrid::SetBandVisible(int band, bool visible) {
    if (band < 0 || band >= m_bandVisible.size()) return;
    m_bandVisible[band] = visible;
    ApplyColumns();
}

bool BandedGrid::IsBandVisible(int band) const {
    return m_bandVisible.value(band, true);
}

void BandedGrid::SetColumns(const QList<GridColumn>& columns) {
    m_model->SetColumns(columns);
}

QList<GridColumn> BandedGrid::Columns() const {
    return m_model->Columns();
}

void BandedGrid::SetColumnVisible(const QString& field, bool visible) {
    const int column = m_model->ColumnOf(field);
    if (column < 0) return;
    m_model->ColumnAt(column).visible = visible;
    ApplyColumns();
}

bool BandedGrid::IsShown(int column) const {
    const GridColumn& c = m_model->Columns().at(column);
    return c.visible && IsBandVisible(c.band);
}

bool BandedGrid::IsColumnVisible(const QString& field) const {
    const int column = m_model->ColumnOf(field);
    return column >= 0 && IsShown(column);
}

void BandedGrid::SetColumnCaption(const QString& field, const QString& caption) {
    const int column = m_model->ColumnOf(field);
    if (column < 0) return;
    m_model->ColumnAt(column).caption = caption;
    emit m_model->headerDataChanged(Qt::Horizontal, column, column);
}

void BandedGrid::SetColumnWidth(const QString& field, int width) {
    const int column = m_model->ColumnOf(field);
    if (column < 0) return;
    m_model->ColumnAt(column).width = width;
    ApplyColumns();
}

void BandedGrid::ApplyColumns() {
    m_applying = true;
    QList<int> bandOfColumn;
    const QList<GridColumn>& columns = m_model->Columns();
    for (int column = 0; column < columns.size() && column < m_header->count(); ++column) {
        const GridColumn& c = columns.at(column);
        bandOfColumn << c.band;
        m_view->setColumnHidden(column, !IsShown(column));
        if (c.width > 0) m_header->resizeSection(column, c.width);
    }
    m_header->SetBands(m_bandCaptions, bandOfColumn);
    m_applying = false;
    m_footer->update();
}

bool BandedGrid::Open(const QString& sql, QString& errorText) {
    m_sql = sql;
    GridData data;
    const bool ok = FetchGridData(sql, data, errorText);
    m_model->SetGridData(std::move(data));
    if (m_proxy->sortColumn() >= 0) m_proxy->sort(m_proxy->sortColumn(), m_proxy->sortOrder());
    if (RowCount() > 0) SetFocusedRow(0);
    emit opened();
    return ok;
}

bool BandedGrid::Refresh(QString& errorText) {
    const int focused = FocusedRow();
    const QString field = FocusedField();
    const int top = TopRow();
    const bool ok = Open(m_sql, errorText);
    if (focused >= 0) {
        SetFocusedRow(std::min(focused, RowCount() - 1));
        const int column = m_model->ColumnOf(field);
        if (column >= 0 && m_view->currentIndex().isValid())
            m_view->setCurrentIndex(m_proxy->index(m_view->currentIndex().row(), column));
    }
    if (top >= 0) SetTopRow(top);
    return ok;
}

void BandedGrid::Clear() {
    m_model->Clear();
}

int BandedGrid::RowCount() const {
    return m_proxy->rowCount();
}

int BandedGrid::DataRowCount() const {
    return m_model->rowCount();
}

QVariant BandedGrid::Value(int dataRow, const QString& field) const {
    return m_model->Value(dataRow, field);
}

int BandedGrid::DataRow(int shownRow) const {
    if (shownRow < 0 || shownRow >= RowCount()) return -1;
    return m_proxy->mapToSource(m_proxy->index(shownRow, 0)).row();
}

int BandedGrid::ShownRow(int dataRow) const {
    if (dataRow < 0 || dataRow >= DataRowCount() || m_model->columnCount() == 0) return -1;
    return m_proxy->mapFromSource(m_model->index(dataRow, 0)).row();
}

int BandedGrid::FocusedRow() const {
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void BandedGrid::SetFocusedRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    int column = m_view->currentIndex().isValid() ? m_view->currentIndex().column() : -1;
    if (column < 0 || m_view->isColumnHidden(column)) {
        column = 0;
        while (column < m_model->columnCount() && m_view->isColumnHidden(column))
            ++column;
        if (column >= m_model->columnCount()) column = 0;
    }
    m_view->setCurrentIndex(m_proxy->index(row, column));
}

QString BandedGrid::FocusedField() const {
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_model->Columns().at(current.column()).field : QString();
}

int BandedGrid::TopRow() const {
    if (RowCount() == 0) return -1;
    const int row = m_view->rowAt(0);
    return row < 0 ? 0 : row;
}

void BandedGrid::SetTopRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    m_view->doItemsLayout(); // the scroll range follows the rows just read
    m_view->verticalScrollBar()->setValue(row);
}

void BandedGrid::SetCellStyle(CellStyleFunction function) {
    m_model->SetCellStyle(std::move(function));
}

void BandedGrid::SetCellText(CellTextFunction function) {
    m_model->SetCellText(std::move(function));
}

void BandedGrid::SetExporting(bool exporting) {
    m_model->SetExporting(exporting);
}

bool BandedGrid::Exporting() const {
    return m_model->Exporting();
}

void BandedGrid::Repaint() {
    m_model->Repaint();
    m_footer->update();
}

void BandedGrid::SetUserSorting(bool allowed) {
    if (allowed == UserSorting()) return;
    // Either way the rows start in the query's order.
    m_header->setSortIndicator(-1, Qt::AscendingOrder);
    m_proxy->sort(-1);
    m_view->setSortingEnabled(allowed);
}

bool BandedGrid::UserSorting() const {
    return m_view->isSortingEnabled();
}

void BandedGrid::SetFilter(const GridFilter& filter) {
    m_proxy->SetFilter(filter);
    UpdateFilterBar();
    m_footer->update();
}

GridFilter BandedGrid::Filter() const {
    return m_proxy->Filter();
}

void BandedGrid::UpdateFilterBar() {
    const GridFilter& filter = m_proxy->Filter();
    m_filterBar->setVisible(!filter.IsEmpty());
    m_filterLabel->setText(QStringLiteral("Filtro: ") + filter.Description(m_model->Columns()));
}

void BandedGrid::ShowFilterDialog(int column) {
    QList<GridColumn> shown;
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (IsShown(c)) shown << m_model->Columns().at(c);
    if (shown.isEmpty()) return;
    const QString preselected = column >= 0 && column < m_model->columnCount()
                                    ? m_model->Columns().at(column).field
                                    : QString();
    GridFilterDialog dialog(shown, Filter(), preselected, this);
    connect(&dialog, &GridFilterDialog::applied, this, &BandedGrid::SetFilter);
    if (RunModal(dialog) == QDialog::Accepted) SetFilter(dialog.Filter());
}

void BandedGrid::ShowHeaderMenu(const QPoint& position) {
    const int column = m_header->logicalIndexAt(position);
    QMenu menu(this);
    if (UserSorting() && column >= 0) {
        menu.addAction(QStringLiteral("Ordina in modo crescente"), this,
                       [this, column] { m_view->sortByColumn(column, Qt::AscendingOrder); });
        menu.addAction(QStringLiteral("Ordina in modo decrescente"), this,
                       [this, column] { m_view->sortByColumn(column, Qt::DescendingOrder); });
        menu.addAction(QStringLiteral("Annulla ordinamento"), this,
                       [this] { m_view->sortByColumn(-1, Qt::AscendingOrder); });
        menu.addSeparator();
    }
    menu.addAction(QStringLiteral("Filtra..."), this, [this, column] { ShowFilterDialog(column); });
    QAction* clear =
        menu.addAction(QStringLiteral("Rimuovi filtro"), this, [this] { SetFilter(GridFilter()); });
    clear->setEnabled(!Filter().IsEmpty());
    menu.addSeparator();
    QAction* footer = menu.addAction(QStringLiteral("Mostra riepiloghi"), this,
                                     [this](bool on) { SetFooterVisible(on); });
    footer->setCheckable(true);
    footer->setChecked(FooterVisible());
    menu.exec(m_header->mapToGlobal(position));
}

void BandedGrid::ShowFooterMenu(int column, const QPoint& globalPosition) {
    const QString field = m_model->Columns().at(column).field;
    const QList<QPair<QString, SummaryKind>> kinds = {
        {QStringLiteral("Nessuno"), SummaryKind::None},
        {QStringLiteral("Conteggio"), SummaryKind::Count},
        {QStringLiteral("Somma"), SummaryKind::Sum},
        {QStringLiteral("Minimo"), SummaryKind::Min},
        {QStringLiteral("Massimo"), SummaryKind::Max},
        {QStringLiteral("Media"), SummaryKind::Average}};
    QMenu menu(this);
    for (const auto& [text, kind] : kinds) {
        QAction* action =
            menu.addAction(text, this, [this, field, kind = kind] { SetSummary(field, kind); });
        action->setCheckable(true);
        action->setChecked(Summary(field) == kind);
    }
    menu.exec(globalPosition);
}

void BandedGrid::SetFooterVisible(bool visible) {
    m_footer->setVisible(visible);
}

bool BandedGrid::FooterVisible() const {
    return !m_footer->isHidden();
}

void BandedGrid::SetSummary(const QString& field, SummaryKind kind) {
    if (kind == SummaryKind::None)
        m_summaries.remove(field.toUpper());
    else
        m_summaries.insert(field.toUpper(), kind);
    if (kind != SummaryKind::None) SetFooterVisible(true);
    m_footer->update();
}

SummaryKind BandedGrid::Summary(const QString& field) const {
    return m_summaries.value(field.toUpper(), SummaryKind::None);
}

QVariant BandedGrid::SummaryValue(const QString& field) const {
    const SummaryKind kind = Summary(field);
    const int column = m_model->ColumnOf(field);
    if (kind == SummaryKind::None || column < 0) return QVariant();
    QVariantList values;
    values.reserve(RowCount());
    for (int row = 0; row < RowCount(); ++row)
        values << m_model->ValueAt(DataRow(row), column);
    return ComputeSummary(kind, values);
}

QString BandedGrid::SummaryTextOf(const QString& field) const {
    return SummaryText(Summary(field), SummaryValue(field));
}

QVariant BandedGrid::ShownValue(int dataRow, int column) const {
    const QString text = m_model->DisplayText(dataRow, column);
    if (text.trimmed().isEmpty()) return QVariant();
    const ColumnKind kind = m_model->Columns().at(column).kind;
    const QVariant raw = m_model->ValueAt(dataRow, column);
    const bool asStored = text == GridModel::DefaultText(raw, kind);
    switch (kind) {
    case ColumnKind::Integer: {
        if (asStored) {
            const qlonglong value = raw.toLongLong();
            return value == int(value) ? QVariant(int(value)) : QVariant(value);
        }
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (ok) return value;
        [[fallthrough]];
    }
    case ColumnKind::Real: {
        if (asStored && kind == ColumnKind::Real) return raw.toDouble();
        bool error = false;
        const double value = TextToFloat(text, error);
        return error ? QVariant(text) : QVariant(value);
    }
    case ColumnKind::Date:
        if (asStored) return raw.typeId() == QMetaType::QDateTime ? raw : QVariant(raw.toDate());
        return text;
    case ColumnKind::Text:
        break;
    }
    return text;
}

GridSnapshot BandedGrid::Layout() const {
    GridSnapshot layout;
    layout.bandCaptions = m_bandCaptions;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (!IsShown(column)) continue;
        GridColumn c = m_model->Columns().at(column);
        c.width = m_header->sectionSize(column) > 0 ? m_header->sectionSize(column) : c.width;
        layout.columns << c;
    }
    return layout;
}

GridSnapshot BandedGrid::Snapshot() const {
    GridSnapshot snapshot = Layout();
    QList<int> shown;
    for (int column = 0; column < m_model->columnCount(); ++column)
        if (IsShown(column)) shown << column;
    snapshot.rows.reserve(RowCount());
    for (int row = 0; row < RowCount(); ++row) {
        const int dataRow = DataRow(row);
        QVariantList values;
        values.reserve(shown.size());
        for (int column : std::as_const(shown))
            values << ShownValue(dataRow, column);
        snapshot.rows << values;
    }
    return snapshot;
}
