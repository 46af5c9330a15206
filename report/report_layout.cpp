#include "report/report_layout.h"

#include "common/helpers.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace {

QLocale NumberLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

bool FillReportVett(const QList<GridColumn>& columns, const QStringList& bandCaptions,
                    TreportVett& vett) {
    vett = TreportVett();
    QList<const GridColumn*> described;
    int visible = 0;
    for (const GridColumn& column : columns) {
        if (!column.visible) continue;
        ++visible;
        if (described.size() < TreportVett::MaxColumns) described << &column;
    }
    double widthSum = 0;
    for (const GridColumn* column : std::as_const(described))
        widthSum += std::max(0, column->width);

    vett.ColumnCount = int(described.size());
    vett.BandCount = std::min<int>(int(bandCaptions.size()), TreportVett::MaxBands);
    for (int i = 0; i < vett.ColumnCount; ++i) {
        const GridColumn& column = *described[i];
        vett.FieldNames[i] = column.field;
        vett.Captions[i] = column.caption;
        // Columns without any width share the page evenly.
        vett.RelWidths[i] =
            widthSum > 0 ? std::max(0, column.width) / widthSum : 1.0 / vett.ColumnCount;
        vett.IsInteger[i] = column.kind == ColumnKind::Integer;
        vett.IsReal[i] = column.kind == ColumnKind::Real;
        vett.IsNumeric[i] = vett.IsInteger[i] || vett.IsReal[i];
        vett.BandIndex[i] = column.band >= 0 && column.band < vett.BandCount ? column.band : -1;
    }
    for (int b = 0; b < vett.BandCount; ++b)
        vett.BandCaptions[b] = bandCaptions[b].trimmed();
    return visible <= TreportVett::MaxColumns && bandCaptions.size() <= TreportVett::MaxBands;
}

QString ReportValueText(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return QString();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return NumberLocale().toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    case QMetaType::QDate:
        return ReportDateText(value.toDate());
    case QMetaType::QDateTime:
        return ReportDateText(value.toDateTime().date());
    case QMetaType::QString:
        return value.toString().trimmed();
    default:
        return value.toString();
    }
}

QString ReportCellText(const TreportVett& vett, int column, const QVariant& value) {
    const QString text = ReportValueText(value);
    if (column < 0 || column >= vett.ColumnCount) return text;
    if (!vett.HideValue.isEmpty() && text.trimmed() == vett.HideValue) return QString();
    if (vett.BlankNonPositive && vett.IsNumeric[column] && TextToFloatOrZero(text) <= 0)
        return QString();
    if (vett.FormatReals && vett.IsReal[column] && !text.isEmpty()) {
        bool ok = false;
        double v = value.toDouble(&ok);
        if (!ok) v = TextToFloatOrZero(text);
        return NumberLocale().toString(v, 'f', 3);
    }
    return text;
}

QString ReportDateText(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}
