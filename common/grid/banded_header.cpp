#include "common/grid/banded_header.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

BandedHeaderView::BandedHeaderView(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

void BandedHeaderView::SetBands(const QStringList& captions, const QList<int>& bandOfColumn) {
    m_captions = captions;
    m_bandOfColumn = bandOfColumn;
    updateGeometry();
    viewport()->update();
}

void BandedHeaderView::SetHeaderBrush(const QBrush& brush) {
    m_brush = brush;
    viewport()->update();
}

int BandedHeaderView::BaseHeight() const {
    return fontMetrics().height() + 8;
}

int BandedHeaderView::BandRowHeight() const {
    return HasBands() ? BaseHeight() : 0;
}

QSize BandedHeaderView::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(std::max(size.height(), BaseHeight()) + BandRowHeight());
    return size;
}

QRect BandedHeaderView::BandRect(int band) const {
    QRect rect;
    for (int visual = 0; visual < count(); ++visual) {
        const int logical = logicalIndex(visual);
        if (isSectionHidden(logical) || m_bandOfColumn.value(logical, -1) != band) continue;
        const QRect section(sectionViewportPosition(logical), 0, sectionSize(logical),
                            BandRowHeight());
        rect = rect.isNull() ? section : rect.united(section);
    }
    return rect;
}

void BandedHeaderView::PaintCell(QPainter* painter, const QRect& rect, const QString& text,
                                 Qt::Alignment alignment, int logicalIndex) const {
    if (m_brush.style() != Qt::NoBrush) {
        painter->save();
        painter->setBrushOrigin(rect.topLeft());
        painter->fillRect(rect, m_brush);
        painter->setPen(QColor(129, 169, 226).darker(130));
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(rect.adjusted(3, 0, -3, 0), int(alignment), text);
        painter->restore();
        return;
    }
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text = text;
    option.textAlignment = alignment;
    option.position = QStyleOptionHeader::Middle;
    if (logicalIndex >= 0 && isSortIndicatorShown() && sortIndicatorSection() == logicalIndex)
        option.sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder
                                   ? QStyleOptionHeader::SortDown
                                   : QStyleOptionHeader::SortUp;
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
}

void BandedHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QRect captionRect = rect.adjusted(0, BandRowHeight(), 0, 0);
    const QString caption =
        model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    PaintCell(painter, captionRect, caption, Qt::AlignCenter, logicalIndex);
}

void BandedHeaderView::paintEvent(QPaintEvent* event) {
    QHeaderView::paintEvent(event);
    if (!HasBands()) return;
    QPainter painter(viewport());
    for (int band = 0; band < m_captions.size(); ++band) {
        // A band whose columns are split by another band's columns gets one caption per run.
        QRect run;
        for (int visual = 0; visual <= count(); ++visual) {
            const int logical = visual < count() ? logicalIndex(visual) : -1;
            const bool member = logical >= 0 && !isSectionHidden(logical) &&
                                m_bandOfColumn.value(logical, -1) == band;
            if (member) {
                const QRect section(sectionViewportPosition(logical), 0, sectionSize(logical),
                                    BandRowHeight());
                run = run.isNull() ? section : run.united(section);
            } else if (logical >= 0 && isSectionHidden(logical)) {
                continue;
            } else if (!run.isNull()) {
                PaintCell(&painter, run, m_captions.at(band).trimmed(), Qt::AlignCenter, -1);
                run = QRect();
            }
        }
    }
}

void BandedHeaderView::mousePressEvent(QMouseEvent* event) {
    if (event->position().y() < BandRowHeight()) {
        event->accept(); // the band row is not a column: no sorting, no resizing from it
        return;
    }
    QHeaderView::mousePressEvent(event);
}

void BandedHeaderView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->position().y() < BandRowHeight()) {
        event->accept();
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}
