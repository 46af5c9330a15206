#include "report/report_canvas.h"

#include "storage/tdm1.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

constexpr int Resolution = 720; // dots per inch: ten dots a point

} // namespace

ReportCanvas::ReportCanvas(const QString& path, bool landscape, const QMarginsF& marginsMm)
    : m_file(path)
    , m_landscape(landscape)
    , m_margins(marginsMm) {}

ReportCanvas::~ReportCanvas() {
    if (m_painter.isActive()) m_painter.end();
    m_file.cancelWriting();
}

bool ReportCanvas::Begin(QString& errorText) {
    if (!m_file.open(QIODevice::WriteOnly)) {
        errorText = QStringLiteral("Impossibile scrivere il file PDF ") +
                    QDir::toNativeSeparators(m_file.fileName()) + QStringLiteral(": ") +
                    m_file.errorString();
        return false;
    }
    m_writer = std::make_unique<QPdfWriter>(&m_file);
    m_writer->setResolution(Resolution);
    m_writer->setCreator(QStringLiteral("Sortavo"));
    m_writer->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), m_landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        m_margins, QPageLayout::Millimeter));
    m_dotsPerMm = Resolution / 25.4;
    const QRectF area = m_writer->pageLayout().paintRect(QPageLayout::Millimeter);
    m_width = area.width();
    m_height = area.height();
    if (!m_painter.begin(m_writer.get())) {
        errorText = QStringLiteral("Impossibile scrivere il file PDF ") +
                    QDir::toNativeSeparators(m_file.fileName());
        return false;
    }
    return true;
}

bool ReportCanvas::Finish(QString& errorText) {
    m_painter.end();
    m_writer.reset();
    if (!m_file.commit()) {
        errorText = QStringLiteral("Impossibile scrivere il file PDF ") +
                    QDir::toNativeSeparators(m_file.fileName()) + QStringLiteral(": ") +
                    m_file.errorString();
        return false;
    }
    return true;
}

void ReportCanvas::NewPage() {
    m_writer->newPage();
}

QFont ReportCanvas::Font(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

double ReportCanvas::LineHeight(const QFont& font) const {
    return QFontMetricsF(font, m_writer.get()).height() / m_dotsPerMm;
}

double ReportCanvas::TextWidth(const QString& text, const QFont& font) const {
    return QFontMetricsF(font, m_writer.get()).horizontalAdvance(text) / m_dotsPerMm;
}

double ReportCanvas::WrappedHeight(const QString& text, const QFont& font, double width) const {
    const QRectF bounds = QFontMetricsF(font, m_writer.get())
                              .boundingRect(QRectF(0, 0, Px(width), 1e9), Qt::TextWordWrap, text);
    return bounds.height() / m_dotsPerMm;
}

QRectF ReportCanvas::PxRect(const QRectF& mm) const {
    return QRectF(Px(mm.x()), Px(mm.y()), Px(mm.width()), Px(mm.height()));
}

void ReportCanvas::FitText(const QRectF& rect, int alignment, const QString& text, QFont font,
                           double minPoints) {
    if (text.isEmpty()) return;
    const double room = Px(rect.width());
    while (font.pointSizeF() > minPoints &&
           QFontMetricsF(font, m_writer.get()).horizontalAdvance(text) > room)
        font.setPointSizeF(std::max(minPoints, font.pointSizeF() - 0.5));
    const QFontMetricsF metrics(font, m_writer.get());
    const QString shown = metrics.horizontalAdvance(text) > room
                              ? metrics.elidedText(text, Qt::ElideRight, room)
                              : text;
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(PxRect(rect), alignment | Qt::TextSingleLine, shown);
}

QFont ReportCanvas::WrappedFont(const QString& text, QFont font, double width, double height,
                                double minPoints) const {
    const QRectF room(0, 0, Px(width), 1e9);
    for (;;) {
        const QRectF bounds =
            QFontMetricsF(font, m_writer.get()).boundingRect(room, Qt::TextWordWrap, text);
        if ((bounds.width() <= room.width() && bounds.height() <= Px(height)) ||
            font.pointSizeF() <= minPoints)
            return font;
        font.setPointSizeF(std::max(minPoints, font.pointSizeF() - 0.5));
    }
}

void ReportCanvas::WrappedText(const QRectF& rect, int alignment, const QString& text, QFont font,
                               double minPoints) {
    if (text.isEmpty()) return;
    m_painter.setFont(WrappedFont(text, font, rect.width(), rect.height(), minPoints));
    m_painter.setPen(Qt::black);
    m_painter.save();
    m_painter.setClipRect(PxRect(rect));
    m_painter.drawText(PxRect(rect), alignment | Qt::TextWordWrap, text);
    m_painter.restore();
}

void ReportCanvas::Line(double x1, double y1, double x2, double y2, const QColor& color,
                        double widthMm) {
    QPen pen(color);
    pen.setWidthF(Px(widthMm));
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
}

bool ReadReportRows(const QString& sql, const QString& filter, const QStringList& fields,
                    QList<QVariantList>& rows, QString& errorText) {
    rows.clear();
    const QString text = filter.trimmed().isEmpty() ? sql
                                                    : QStringLiteral("select * from (") + sql +
                                                          QStringLiteral(") where ") + filter;
    QSqlQuery query = DM1().NewQuery();
    query.setForwardOnly(true);
    if (!DM1().OpenQuery(query, text, errorText)) return false;
    const QSqlRecord record = query.record();
    QList<int> columns;
    for (const QString& field : fields) {
        int found = -1;
        for (int i = 0; i < record.count() && found < 0; ++i)
            if (record.fieldName(i).trimmed().compare(field.trimmed(), Qt::CaseInsensitive) == 0)
                found = i;
        columns << found;
    }
    while (query.next()) {
        QVariantList row;
        row.reserve(columns.size());
        for (int column : std::as_const(columns))
            row << (column >= 0 ? query.value(column) : QVariant());
        rows << row;
    }
    if (query.lastError().isValid()) {
        errorText = TDM1::MessageOf(query);
        rows.clear();
        return false;
    }
    query.finish();
    return true;
}
