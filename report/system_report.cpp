#include "report/system_report.h"

#include "report/report_canvas.h"
#include "report/report_layout.h"
#include "report/report_texts.h"

#include <QDate>

const QString TQRsisout::DashLine = QString(74, QLatin1Char('-'));

namespace {

const QMarginsF PageMargins(5, 8, 5, 10); // left, top, right, bottom, in millimetres
const QString Arial = QStringLiteral("Arial");
const QColor Silver(192, 192, 192);
constexpr double RowNumberWidth = 24;
constexpr double NumberWidth = 16;

const QStringList ColumnTitles = {
    QStringLiteral("Comb.N"), QStringLiteral("N.1"), QStringLiteral("N.2"), QStringLiteral("N.3"),
    QStringLiteral("N.4"),    QStringLiteral("N.5"), QStringLiteral("N.6")};

QString HeaderProductLine() {
    return ProductLine + QStringLiteral(" -  Stampa sistema -  ") + ProductWebAddress;
}

class SystemReportPainter final {
public:
    SystemReportPainter(ReportCanvas& canvas, const TQRsisout::Request& request)
        : m_canvas(canvas)
        , m_columns(std::clamp(request.k, 2, 6) + 1)
        , m_date(ReportDateText(QDate::currentDate())) {
        for (const QString& line : request.headerLines)
            for (QString part : line.split(QLatin1Char('\n'))) {
                if (part.endsWith(QLatin1Char('\r'))) part.chop(1);
                m_memo << part;
            }
        m_memo << TQRsisout::DashLine;
        m_lineHeight = m_canvas.LineHeight(ReportCanvas::Font(Arial, 10));
        m_rowHeight = m_lineHeight + 0.8;
        m_footerHeight = m_canvas.LineHeight(ReportCanvas::Font(Arial, 8)) + 1.5;
    }

    void Paint(const QList<QVariantList>& rows) {
        int page = 1;
        double y = Header(page);
        const double bottom = m_canvas.Height() - m_footerHeight;
        int rowsOnPage = 0;
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
        if (rowsOnPage > 0 && y + m_lineHeight + 2 > bottom) {
            Footer();
            m_canvas.NewPage();
            y = Header(++page);
        }
        m_canvas.FitText(QRectF(1, y + 1, m_canvas.Width() - 1, m_lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fine sistema"),
                         ReportCanvas::Font(Arial, 10, true));
        Footer();
    }

private:
    double ColumnX(int column) const {
        return column == 0 ? 0 : RowNumberWidth + (column - 1) * NumberWidth;
    }
    double ColumnWidth(int column) const { return column == 0 ? RowNumberWidth : NumberWidth; }
    double TableWidth() const { return ColumnX(m_columns); }

    // Vertical rules on both sides of every shown column.
    void ColumnRules(double top, double bottom) {
        for (int c = 0; c <= m_columns; ++c)
            m_canvas.Line(ColumnX(c), top, ColumnX(c), bottom, Qt::black, 0.15);
    }

    double Header(int page) {
        const double width = m_canvas.Width();
        double y = 0;
        m_canvas.FitText(QRectF(0, y, width, m_lineHeight), Qt::AlignHCenter | Qt::AlignVCenter,
                         HeaderProductLine(), ReportCanvas::Font(Arial, 10, true));
        y += m_lineHeight + 1;
        const QFont arial = ReportCanvas::Font(Arial, 10);
        m_canvas.FitText(QRectF(0, y, width / 2, m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Data     ") + m_date, arial);
        m_canvas.FitText(QRectF(width / 2, y, width / 2, m_lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Pagina ") + QString::number(page), arial);
        y += m_lineHeight + 1;

        m_canvas.Line(0, y, width, y, Silver, 0.4);
        y += 0.8;
        for (const QString& line : std::as_const(m_memo)) {
            const double height = m_canvas.WrappedHeight(line, arial, width - 2);
            m_canvas.WrappedText(QRectF(1, y, width - 2, height), Qt::AlignLeft | Qt::AlignTop,
                                 line, arial);
            y += height;
        }
        y += 0.6;
        m_canvas.Line(0, y, width, y, Silver, 0.4);
        y += 1.5;

        const QFont bold = ReportCanvas::Font(Arial, 10, true);
        for (int c = 0; c < m_columns; ++c)
            m_canvas.FitText(QRectF(ColumnX(c) + 0.5, y, ColumnWidth(c) - 1, m_rowHeight),
                             Qt::AlignHCenter | Qt::AlignVCenter, ColumnTitles[c], bold);
        ColumnRules(y, y + m_rowHeight);
        m_canvas.Line(0, y, TableWidth(), y, Qt::black, 0.15);
        y += m_rowHeight;
        m_canvas.Line(0, y, width, y, Qt::black, 0.3);
        return y + 0.3;
    }

    void Row(const QVariantList& values, double y) {
        const QFont font = ReportCanvas::Font(Arial, 10);
        for (int c = 0; c < m_columns; ++c)
            m_canvas.FitText(QRectF(ColumnX(c) + 0.5, y, ColumnWidth(c) - 1, m_rowHeight),
                             Qt::AlignHCenter | Qt::AlignVCenter,
                             TQRsisout::CellText(c, c < values.size() ? values[c] : QVariant()),
                             font);
        ColumnRules(y, y + m_rowHeight);
        m_canvas.Line(0, y + m_rowHeight, TableWidth(), y + m_rowHeight, Silver, 0.1);
    }

    void Footer() {
        const double width = m_canvas.Width();
        const double y = m_canvas.Height() - m_footerHeight;
        m_canvas.Line(0, y + 0.5, width, y + 0.5, Silver, 0.3);
        m_canvas.FitText(QRectF(0, y + 1, width, m_footerHeight - 1),
                         Qt::AlignHCenter | Qt::AlignVCenter, HeaderProductLine(),
                         ReportCanvas::Font(Arial, 8));
    }

    ReportCanvas& m_canvas;
    const int m_columns; // Comb.N and N.1 .. N.k
    const QString m_date;
    QStringList m_memo;
    double m_lineHeight = 0;
    double m_rowHeight = 0;
    double m_footerHeight = 0;
};

} // namespace

QString TQRsisout::CellText(int column, const QVariant& value) {
    const QString text = ReportValueText(value);
    return column > 0 && text == QLatin1String("0") ? QString() : text;
}

bool TQRsisout::WritePdf(const Request& request, const QString& pdfPath, QString& errorText) {
    const QStringList fields = {QStringLiteral("RIGA"), QStringLiteral("N1"), QStringLiteral("N2"),
                                QStringLiteral("N3"),   QStringLiteral("N4"), QStringLiteral("N5"),
                                QStringLiteral("N6")};
    QList<QVariantList> rows;
    if (!ReadReportRows(request.sql, request.filter, fields, rows, errorText)) return false;
    return WritePdf(request, rows, pdfPath, errorText);
}

bool TQRsisout::WritePdf(const Request& request, const QList<QVariantList>& rows,
                         const QString& pdfPath, QString& errorText) {
    ReportCanvas canvas(pdfPath, false, PageMargins);
    if (!canvas.Begin(errorText)) return false;
    SystemReportPainter(canvas, request).Paint(rows);
    return canvas.Finish(errorText);
}
