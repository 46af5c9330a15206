#include "report/grid_report.h"

#include "report/report_canvas.h"
#include "report/report_texts.h"

#include <QDate>

#include <cmath>

namespace {

const QMarginsF PageMargins(5, 8, 5, 10); // left, top, right, bottom, in millimetres
const QString Verdana = QStringLiteral("Verdana");
const QString Arial = QStringLiteral("Arial");
const QColor Silver(192, 192, 192);
constexpr double CellPadding = 0.4;
constexpr int MaxCaptionLines = 3;

struct Place {
    double x = 0;
    double width = 0;
};

class GridReportPainter final {
public:
    GridReportPainter(ReportCanvas& canvas, const TQRgen::Request& request)
        : m_canvas(canvas)
        , m_request(request)
        , m_layout(request.layout)
        , m_date(ReportDateText(QDate::currentDate())) {
        Measure();
    }

    void Paint(const QList<QVariantList>& rows) {
        int page = 1;
        double y = Header(page);
        const double bottom = m_canvas.Height() - m_footerHeight;
        int rowsOnPage = 0; // a page always takes one row, however tall its header
        for (const QVariantList& row : rows) {
            if (rowsOnPage > 0 && y + m_rowHeight > bottom) {
                Footer();
                m_canvas.NewPage();
                y = Header(++page);
                rowsOnPage = 0;
            }
            Row(row, y);
            y += m_rowHeight;
            ++rowsOnPage;
        }
        if (rowsOnPage > 0 && y + m_summaryHeight > bottom) {
            Footer();
            m_canvas.NewPage();
            y = Header(++page);
        }
        Summary(y);
        Footer();
    }

private:
    void Measure() {
        const int count = m_layout.ColumnCount;
        // Whole millimetres per column out of the width left after one unit per column,
        // placed from 1 with one unit between columns.
        const double usable = std::floor(m_canvas.Width()) - count;
        double x = 1;
        for (int i = 0; i < count; ++i) {
            const double width = std::max(0.0, std::trunc(usable * m_layout.RelWidths[i]));
            m_columns << Place{x, width};
            x += width + 1;
        }
        for (int b = 0; b < m_layout.BandCount; ++b) {
            Place band;
            bool found = false;
            double sum = 0;
            for (int i = 0; i < count; ++i) {
                if (m_layout.BandIndex[i] != b) continue;
                if (!found) band.x = m_columns[i].x;
                found = true;
                sum += m_columns[i].width;
            }
            band.width = sum + 1;
            m_bands << (found && !m_layout.BandCaptions[b].isEmpty() ? band : Place{0, -1});
        }

        const QFont title = ReportCanvas::Font(Verdana, 8);
        const QFont arial = ReportCanvas::Font(Arial, 10);
        const QFont caption = ReportCanvas::Font(Verdana, 10);
        m_titleHeight = m_canvas.LineHeight(title);
        m_lineHeight = m_canvas.LineHeight(arial);
        m_rowHeight = m_lineHeight + 0.6;
        m_footerHeight = m_canvas.LineHeight(title) + 1.5;
        m_summaryHeight = m_lineHeight + 2;
        for (const Place& band : std::as_const(m_bands))
            if (band.width >= 0) m_bandHeight = m_lineHeight + 0.6;

        const double captionRoom = m_canvas.LineHeight(caption) * MaxCaptionLines;
        double captionHeight = m_canvas.LineHeight(caption);
        for (int i = 0; i < count; ++i) {
            const double width = std::max(0.0, m_columns[i].width - 2 * CellPadding);
            const QFont font =
                m_canvas.WrappedFont(m_layout.Captions[i], caption, width, captionRoom);
            captionHeight = std::max(
                captionHeight,
                std::min(captionRoom, m_canvas.WrappedHeight(m_layout.Captions[i], font, width)));
        }
        m_captionHeight = captionHeight + 0.6;
    }

    QStringList HeadingLines() const {
        QStringList lines;
        for (const QString& line : m_request.headingLines)
            lines << line.split(QLatin1Char('\n'));
        for (QString& line : lines)
            if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        return lines;
    }

    double Header(int page) {
        const double width = m_canvas.Width();
        double y = 0;
        const QString title = m_request.title.trimmed().isEmpty() ? ProductLine : m_request.title;
        m_canvas.FitText(QRectF(0, y, width, m_titleHeight), Qt::AlignHCenter | Qt::AlignVCenter,
                         title, ReportCanvas::Font(Verdana, 8));
        y += m_titleHeight + 0.5;
        const QFont arial = ReportCanvas::Font(Arial, 10);
        m_canvas.FitText(QRectF(0, y, width / 2, m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         m_date, arial);
        m_canvas.FitText(QRectF(width / 2, y, width / 2, m_lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Pagina ") + QString::number(page), arial);
        y += m_lineHeight + 1;

        m_canvas.Line(0, y, width, y, Silver, 0.4);
        y += 0.8;
        const QFont memo = ReportCanvas::Font(Verdana, 8);
        for (const QString& line : HeadingLines()) {
            const double height = m_canvas.WrappedHeight(line, memo, width);
            m_canvas.WrappedText(QRectF(0, y, width, height), Qt::AlignLeft | Qt::AlignTop, line,
                                 memo);
            y += height;
        }
        y += 1;

        if (m_bandHeight > 0) {
            const QFont band = ReportCanvas::Font(Arial, 10, true);
            for (int b = 0; b < m_bands.size(); ++b) {
                const Place& place = m_bands[b];
                if (place.width < 0) continue;
                m_canvas.FitText(QRectF(place.x, y, place.width, m_lineHeight),
                                 Qt::AlignHCenter | Qt::AlignVCenter, m_layout.BandCaptions[b],
                                 band);
                m_canvas.Line(place.x + 0.3, y + m_bandHeight - 0.2, place.x + place.width - 0.3,
                              y + m_bandHeight - 0.2, Qt::gray, 0.2);
            }
            y += m_bandHeight + 0.4;
        }

        const QFont caption = ReportCanvas::Font(Verdana, 10);
        for (int i = 0; i < m_columns.size(); ++i) {
            const Place& place = m_columns[i];
            m_canvas.WrappedText(
                QRectF(place.x + CellPadding, y, std::max(0.0, place.width - 2 * CellPadding),
                       m_captionHeight),
                Qt::AlignHCenter | Qt::AlignVCenter, m_layout.Captions[i], caption);
            const double rule = place.x + place.width + 0.5;
            m_canvas.Line(rule, y, rule, y + m_captionHeight, Qt::black, 0.15);
        }
        y += m_captionHeight + 0.3;
        m_canvas.Line(0, y, width, y, Qt::black, 0.25);
        return y + 0.5;
    }

    void Row(const QVariantList& values, double y) {
        const QFont font = ReportCanvas::Font(Arial, 10);
        for (int i = 0; i < m_columns.size(); ++i) {
            const QString text =
                ReportCellText(m_layout, i, i < values.size() ? values[i] : QVariant());
            const Place& place = m_columns[i];
            const int alignment = m_layout.IsNumeric[i] ? Qt::AlignRight : Qt::AlignLeft;
            m_canvas.FitText(QRectF(place.x + CellPadding, y,
                                    std::max(0.0, place.width - 2 * CellPadding), m_rowHeight),
                             alignment | Qt::AlignVCenter, text, font);
        }
    }

    void Summary(double y) {
        const double width = m_canvas.Width();
        m_canvas.Line(0, y + 0.5, width, y + 0.5, Qt::black, 0.25);
        m_canvas.FitText(QRectF(1, y + 1, width - 1, m_lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fine Report"),
                         ReportCanvas::Font(Arial, 10, true));
    }

    void Footer() {
        const double width = m_canvas.Width();
        const double y = m_canvas.Height() - m_footerHeight;
        m_canvas.Line(0, y + 0.5, width, y + 0.5, Silver, 0.3);
        m_canvas.FitText(QRectF(0, y + 1, width, m_footerHeight - 1),
                         Qt::AlignHCenter | Qt::AlignVCenter, ProductLine,
                         ReportCanvas::Font(Verdana, 8));
    }

    ReportCanvas& m_canvas;
    const TQRgen::Request& m_request;
    const TreportVett& m_layout;
    const QString m_date;
    QList<Place> m_columns;
    QList<Place> m_bands; // width < 0: the band prints no caption
    double m_titleHeight = 0;
    double m_lineHeight = 0;
    double m_rowHeight = 0;
    double m_bandHeight = 0;
    double m_captionHeight = 0;
    double m_footerHeight = 0;
    double m_summaryHeight = 0;
};

} // namespace

bool TQRgen::WritePdf(const Request& request, const QString& pdfPath, QString& errorText) {
    QStringList fields;
    for (int i = 0; i < request.layout.ColumnCount; ++i)
        fields << request.layout.FieldNames[i];
    QList<QVariantList> rows;
    if (!ReadReportRows(request.sql, request.filter, fields, rows, errorText)) return false;
    return WritePdf(request, rows, pdfPath, errorText);
}

bool TQRgen::WritePdf(const Request& request, const QList<QVariantList>& rows,
                      const QString& pdfPath, QString& errorText) {
    ReportCanvas canvas(pdfPath, request.landscape, PageMargins);
    if (!canvas.Begin(errorText)) return false;
    GridReportPainter(canvas, request).Paint(rows);
    return canvas.Finish(errorText);
}
