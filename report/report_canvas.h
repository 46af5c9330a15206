#pragma once

#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>
#include <QVariant>

#include <memory>

// Report pages painted into a PDF file: A4, portrait or landscape, with margins; every measure
// is in millimetres from the top left corner of the printable area. The file appears at its
// path only once it is complete.
class ReportCanvas final {
public:
    ReportCanvas(const QString& path, bool landscape, const QMarginsF& marginsMm);
    ~ReportCanvas();
    ReportCanvas(const ReportCanvas&) = delete;
    ReportCanvas& operator=(const ReportCanvas&) = delete;

    // False with an Italian message when the file cannot be written.
    bool Begin(QString& errorText);
    bool Finish(QString& errorText);
    void NewPage();

    double Width() const { return m_width; }
    double Height() const { return m_height; }
    double LineHeight(const QFont& font) const;
    double TextWidth(const QString& text, const QFont& font) const;
    // Height of a text wrapped at word boundaries into `width`.
    double WrappedHeight(const QString& text, const QFont& font, double width) const;

    // One line of text in the rectangle; the font shrinks (down to `minPoints`) until the text
    // fits, and a text that still does not fit is cut with an ellipsis.
    void FitText(const QRectF& rect, int alignment, const QString& text, QFont font,
                 double minPoints = 5);
    // Text wrapped at word boundaries; the font shrinks until no word is wider than the
    // rectangle and the lines fit its height.
    void WrappedText(const QRectF& rect, int alignment, const QString& text, QFont font,
                     double minPoints = 5);
    // The font size at which WrappedText would print `text` in a rectangle of that size.
    QFont WrappedFont(const QString& text, QFont font, double width, double height,
                      double minPoints = 5) const;
    void Line(double x1, double y1, double x2, double y2, const QColor& color = Qt::black,
              double widthMm = 0.2);

    static QFont Font(const QString& family, double points, bool bold = false);

private:
    double Px(double mm) const { return mm * m_dotsPerMm; }
    QRectF PxRect(const QRectF& mm) const;

    QSaveFile m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    bool m_landscape;
    QMarginsF m_margins;
    double m_dotsPerMm = 0;
    double m_width = 0;
    double m_height = 0;
};

// The rows a report prints: for every record of the query, the values of `fields` in their
// order (null for a field the query does not have). With a filter the query is restricted to
// the records that satisfy it. False with the database's message on failure.
bool ReadReportRows(const QString& sql, const QString& filter, const QStringList& fields,
                    QList<QVariantList>& rows, QString& errorText);
