#include "stats_l8/l8_view_rules.h"

#include "common/helpers.h"
#include "common/sql_text.h"
#include "storage/tdm1.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSqlQuery>

namespace {

const QString PosField = QStringLiteral("POS");

QString RankingSql(const QString& table) {
    return QStringLiteral(" select * from ") + table + QStringLiteral(" order by Pos ");
}

GridColumn Column(const QString& field, const QString& caption, int band, int width,
                  ColumnKind kind, bool visible = true) {
    GridColumn column;
    column.field = field;
    column.caption = caption;
    column.band = band;
    column.width = width;
    column.kind = kind;
    column.visible = visible;
    return column;
}

// A number column of a ranking-like table: two characters, a wheel letter, then N.
bool IsWheelNumberField(const QString& field) {
    return field.size() == 2 && field.at(1) == QLatin1Char('N') &&
           !WheelOfLetter(field.at(0)).isEmpty();
}

// A pyramid number column: a wheel letter and the extraction position 1..5.
bool IsPyramidNumberField(const QString& field) {
    return field.size() == 2 && field.at(1) >= QLatin1Char('1') &&
           field.at(1) <= QLatin1Char('5') && !WheelOfLetter(field.at(0)).isEmpty();
}

CellLook MarkedLook(const QString& wheel, int number, const NumberMarks& marks, CellLook plain) {
    if (number > 0 && marks.noted && marks.noted(wheel, number)) return CellLook::Annotated;
    if (number > 0 && marks.highlighted && marks.highlighted(number)) return CellLook::Highlight;
    return plain;
}

// An empty cell text that is not null: a null text leaves the grid's own text.
QString BlankText() {
    return QStringLiteral("");
}

bool IsEmptyNumber(const QVariant& value) {
    return value.isNull() || value.toDouble() == 0;
}

QString PlainText(const QVariant& value) {
    if (value.isNull()) return BlankText();
    if (value.typeId() == QMetaType::Double) return QLocale().toString(value.toDouble(), 'g', 15);
    return value.toString();
}

} // namespace

L8StatText StatText(L8Stat stat) {
    switch (stat) {
    case L8Stat::Ritardi:
        return {QStringLiteral("Ritardi Lotto Italiano"),
                QStringLiteral("TABULATO RITARDI LOTTO ITALIANO"),
                RankingSql(QStringLiteral("FL8RITAESTRA"))};
    case L8Stat::Frequenze:
        return {QStringLiteral("Statistiche lotto italiano Frequenze degli estratti."),
                QStringLiteral("FREQUENZE PER ESTRATTO/RUOTA LOTTO ITALIANO"),
                RankingSql(QStringLiteral("FL8FREQESTRA"))};
    case L8Stat::RappRitFreq:
        return {QStringLiteral("Statistiche lotto italiano Rapporto Rit./Freq degli estratti."),
                QStringLiteral("RAPP. RIT/FREQ. PER ESTRATTO/RUOTA LOTTO ITALIANO"),
                RankingSql(QStringLiteral("FL8RPRFESTRA"))};
    case L8Stat::Somma2:
        return {QStringLiteral("SOMMA ULT. 2 RITARDI LOTTO ITALIANO"),
                QStringLiteral("SOMMA ULT. 2 RITARDI LOTTO ITALIANO"),
                RankingSql(QStringLiteral("FL8RIS2ESTRA"))};
    case L8Stat::Somma3:
        return {QStringLiteral("SOMMA ULT. 3 RITARDI LOTTO ITALIANO"),
                QStringLiteral("SOMMA ULTIMI 3 RITARDI LOTTO ITALIANO"),
                RankingSql(QStringLiteral("FL8RIS3ESTRA"))};
    case L8Stat::Piramide:
        return {QStringLiteral("Tabulato piramidale o analitico Lotto Italiano"),
                QStringLiteral("TABULATO PIRAMIDALE (analitico) Lotto IT."),
                QStringLiteral(" select * from FL8PIRAESTRA order by RIT desc ")};
    case L8Stat::Gemelli:
        return {QStringLiteral("GRUPPO GEMELLI RITARDI X AMBO LOTTO ITALIANO"),
                QStringLiteral("GEMELLI RITARDI X AMBO LOTTO ITALIANO"),
                RankingSql(QStringLiteral("FL8RIGAGEMEL"))};
    case L8Stat::Vertibili:
        return {QStringLiteral("GRUPPO VERTIBILI, RITARDI X AMBO LOTTO ITALIANO"),
                QStringLiteral("GRUPPO VERTIBILI, RITARDI X AMBO LOTTO ITALIANO"),
                RankingSql(QStringLiteral("FL8RIGAVERTI"))};
    case L8Stat::Cadenze:
        return {QStringLiteral("GRUPPO CADENZE, RITARDI X AMBO LOTTO ITALIANO"),
                QStringLiteral("GRUPPO CADENZE, RITARDI X AMBO LOTTO ITALIANO"),
                RankingSql(QStringLiteral("FL8RIGACADEN"))};
    case L8Stat::Radicali:
        return {QStringLiteral("GRUPPO RADICALI, RITARDI X AMBO LOTTO ITALIANO"),
                QStringLiteral("GRUPPO RADICALI, RITARDI X AMBO LOTTO ITALIANO"),
                RankingSql(QStringLiteral("FL8RIGARADIC"))};
    }
    return {};
}

bool IsRanking(L8Stat stat) {
    return stat <= L8Stat::Somma3;
}

bool IsGroupRow(L8Stat stat) {
    return stat >= L8Stat::Gemelli;
}

bool ShowsThreeDecimals(L8Stat stat) {
    return stat == L8Stat::Frequenze || stat == L8Stat::RappRitFreq;
}

ViewLayout StatLayout(L8Stat stat) {
    ViewLayout layout;
    if (IsRanking(stat)) {
        const bool decimals = ShowsThreeDecimals(stat);
        const QString numberCaption = decimals ? QStringLiteral("N.") : QStringLiteral("N");
        const QString valueCaption = decimals ? QStringLiteral("Fr.") : QStringLiteral("R.");
        const ColumnKind valueKind = decimals ? ColumnKind::Real : ColumnKind::Integer;
        layout.bands << QString();
        layout.columns << Column(PosField, QStringLiteral("Pos."), 0, 44, ColumnKind::Integer);
        for (int w = 0; w < WheelCount; ++w) {
            layout.bands << WheelNames.at(w);
            const QString letter = WheelLetters.at(w);
            layout.columns << Column(letter + QLatin1Char('N'), numberCaption, w + 1, 44,
                                     ColumnKind::Integer)
                           << Column(letter + QLatin1Char('V'), valueCaption, w + 1,
                                     decimals ? 62 : 48, valueKind);
        }
        layout.columns << Column(QStringLiteral("AN"), QString(), 0, 30, ColumnKind::Integer, false)
                       << Column(QStringLiteral("AV"), QString(), 0, 30, ColumnKind::Real, false);
    } else if (stat == L8Stat::Piramide) {
        layout.bands << QString();
        layout.columns << Column(QStringLiteral("RIT"), QStringLiteral("Rit."), 0, 36,
                                 ColumnKind::Integer);
        for (int w = 0; w < WheelCount; ++w) {
            layout.bands << WheelNames.at(w);
            for (int p = 1; p <= 5; ++p)
                layout.columns << Column(WheelLetters.at(w) + QString::number(p),
                                         QString::number(p), w + 1, 26, ColumnKind::Integer);
        }
    } else {
        const bool pairs = stat == L8Stat::Gemelli || stat == L8Stat::Vertibili;
        layout.columns << Column(PosField, QStringLiteral("Pos."), 0, 36, ColumnKind::Integer,
                                 false)
                       << Column(QStringLiteral("GRUPPO"),
                                 pairs ? QStringLiteral("Ambi")
                                       : QStringLiteral("Formazioni per ambo"),
                                 0, pairs ? 70 : 260, ColumnKind::Text);
        static const QStringList captions = {
            QStringLiteral("BA"), QStringLiteral("CA"), QStringLiteral("FI"), QStringLiteral("GE"),
            QStringLiteral("MI"), QStringLiteral("NA"), QStringLiteral("PA"), QStringLiteral("RO"),
            QStringLiteral("TO"), QStringLiteral("VE")};
        for (int w = 0; w < 10; ++w)
            layout.columns << Column(WheelResultColumns.at(w), captions.at(w), 0, 56,
                                     ColumnKind::Integer);
        layout.columns << Column(AllWheelsResultColumn, QStringLiteral("TUTTE (BA-VE)"), 0, 96,
                                 ColumnKind::Integer)
                       << Column(WheelResultColumns.at(10), QStringLiteral("NAZ."), 0, 56,
                                 ColumnKind::Integer);
    }
    return layout;
}

ViewLayout SummaryLayout(const QString& wheelName) {
    ViewLayout layout;
    layout.bands << wheelName.trimmed() << QStringLiteral("RITARDO") << QStringLiteral("FREQUENZA")
                 << QStringLiteral("RIT/FREQ.") << QStringLiteral("Ultimi 2 RIT.")
                 << QStringLiteral("ULTIMI 3 Rit");
    layout.columns << Column(PosField, QStringLiteral("P."), 0, 110, ColumnKind::Integer);
    const QStringList numbers = {QStringLiteral("NR"), QStringLiteral("NF"), QStringLiteral("NRF"),
                                 QStringLiteral("NS2"), QStringLiteral("NS3")};
    const QStringList values = {QStringLiteral("VR"), QStringLiteral("VF"), QStringLiteral("VRF"),
                                QStringLiteral("VS2"), QStringLiteral("VS3")};
    for (int band = 1; band <= 5; ++band) {
        const bool decimals = band == 2 || band == 3;
        layout.columns << Column(numbers.at(band - 1), QStringLiteral("N."), band, 64,
                                 ColumnKind::Integer)
                       << Column(values.at(band - 1), QStringLiteral("V."), band, 84,
                                 decimals ? ColumnKind::Real : ColumnKind::Integer);
    }
    return layout;
}

ViewLayout EstimateLayout() {
    ViewLayout layout;
    layout.bands << QStringLiteral("R,Num.") << QStringLiteral("RITARDO")
                 << QStringLiteral("FREQUENZA") << QStringLiteral("RIT/FREQ.")
                 << QStringLiteral("Ultimi 2 RIT.") << QStringLiteral("ULTIMI 3 Rit")
                 << QStringLiteral("STIME");
    const QString pos = QStringLiteral("Pos.");
    const QString val = QStringLiteral("Val.");
    layout.columns << Column(QStringLiteral("RUOTA"), QStringLiteral("R."), 0, 36, ColumnKind::Text)
                   << Column(QStringLiteral("NUM"), QStringLiteral("N."), 0, 36,
                             ColumnKind::Integer)
                   << Column(QStringLiteral("ATTRIT"), QStringLiteral("Attendib."), 1, 70,
                             ColumnKind::Real)
                   << Column(QStringLiteral("POSRIT"), pos, 1, 40, ColumnKind::Integer)
                   << Column(QStringLiteral("VALRIT"), val, 1, 50, ColumnKind::Real)
                   << Column(QStringLiteral("POSFREQMIN"), pos, 2, 40, ColumnKind::Integer)
                   << Column(QStringLiteral("VALFREQMIN"), val, 2, 60, ColumnKind::Real)
                   << Column(QStringLiteral("POSFREQMAX"), pos, 2, 40, ColumnKind::Integer, false)
                   << Column(QStringLiteral("VALFREQMAX"), val, 2, 50, ColumnKind::Real, false)
                   << Column(QStringLiteral("POSRAPPMIN"), pos, 3, 40, ColumnKind::Integer)
                   << Column(QStringLiteral("VALRAPPMIN"), val, 3, 60, ColumnKind::Real)
                   << Column(QStringLiteral("POSRAPPMAX"), pos, 3, 40, ColumnKind::Integer, false)
                   << Column(QStringLiteral("VALRAPPMAX"), val, 3, 50, ColumnKind::Real, false)
                   << Column(QStringLiteral("POS2RIT"), pos, 4, 40, ColumnKind::Integer)
                   << Column(QStringLiteral("VAL2RIT"), val, 4, 50, ColumnKind::Real)
                   << Column(QStringLiteral("POS3RIT"), pos, 5, 40, ColumnKind::Integer)
                   << Column(QStringLiteral("VAL3RIT"), val, 5, 50, ColumnKind::Real)
                   << Column(QStringLiteral("RITPIRA"), QStringLiteral("RITPIRA"), 6, 40,
                             ColumnKind::Real, false)
                   << Column(QStringLiteral("QNTPIRA"), QStringLiteral("QNTPIRA"), 6, 40,
                             ColumnKind::Real, false)
                   << Column(QStringLiteral("VALPIRA"), QStringLiteral("VALPIRA"), 6, 40,
                             ColumnKind::Real, false)
                   << Column(QStringLiteral("VALSTIMAOLD"), QStringLiteral("Standard"), 6, 70,
                             ColumnKind::Real)
                   << Column(QStringLiteral("VALSTIMANEW"), QStringLiteral("Person."), 6, 70,
                             ColumnKind::Real);
    return layout;
}

QString WheelOfLetter(QChar letter) {
    const int at = WheelLetters.indexOf(letter);
    return at >= 0 ? WheelCodes.at(at) : QString();
}

CellLook RankingCellLook(const QString& field, int number, const NumberMarks& marks) {
    if (field == PosField) return CellLook::Silver;
    if (field.size() == 2 && field.at(1) == QLatin1Char('V')) return CellLook::Value;
    if (!IsWheelNumberField(field)) return CellLook::Default;
    return MarkedLook(WheelOfLetter(field.at(0)), number, marks, CellLook::Number);
}

CellLook PyramidCellLook(const QString& field, int number, const NumberMarks& marks) {
    if (field == QLatin1String("RIT")) return CellLook::Silver;
    if (!IsPyramidNumberField(field)) return CellLook::Default;
    // Wheels alternate white and silver: B F M P T Z white, C G N R V silver.
    const bool white = WheelLetters.indexOf(field.at(0)) % 2 == 0;
    return MarkedLook(WheelOfLetter(field.at(0)), number, marks,
                      white ? CellLook::White : CellLook::Silver);
}

CellLook GroupRowCellLook(const QString& field) {
    if (field == AllWheelsResultColumn) return CellLook::Number;
    if (field == QLatin1String("GRUPPO")) return CellLook::Silver;
    return CellLook::Default;
}

CellLook SummaryCellLook(const QString& field, const QString& wheel, int number,
                         const NumberMarks& marks) {
    if (field == PosField) return CellLook::Silver;
    if (IsSummaryNumberField(field)) return MarkedLook(wheel, number, marks, CellLook::Number);
    if (field.startsWith(QLatin1Char('V'))) return CellLook::Value;
    return CellLook::Default;
}

CellLook EstimateCellLook(const QString& field, const QString& rowWheel, int number,
                          const NumberMarks& marks) {
    if (field == QLatin1String("NUM")) return MarkedLook(rowWheel, number, marks, CellLook::Number);
    if (field == QLatin1String("RUOTA")) return CellLook::Silver;
    if (field.startsWith(QLatin1Char('V'))) return CellLook::White;
    return CellLook::Default;
}

QString RankingAnnotationWheel(const QString& field) {
    return IsWheelNumberField(field) ? WheelOfLetter(field.at(0)) : QString();
}

QString PyramidAnnotationWheel(const QString& field) {
    return IsPyramidNumberField(field) ? WheelOfLetter(field.at(0)) : QString();
}

bool IsSummaryNumberField(const QString& field) {
    return field.startsWith(QLatin1Char('N'));
}

QString ThreeDecimals(double value) {
    QString text = FixedToSqlText(value, 5, 3);
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString StatDisplayText(L8Stat stat, const QString& field, const QVariant& value) {
    if (stat == L8Stat::Piramide) return IsEmptyNumber(value) ? BlankText() : PlainText(value);
    if (value.isNull()) return BlankText();
    if (ShowsThreeDecimals(stat) && field.size() == 2 && field.at(1) == QLatin1Char('V'))
        return ThreeDecimals(value.toDouble());
    return PlainText(value);
}

QString SummaryDisplayText(const QString& field, const QVariant& value) {
    if (value.isNull()) return BlankText();
    if (field == QLatin1String("VF") || field == QLatin1String("VRF"))
        return ThreeDecimals(value.toDouble());
    return PlainText(value);
}

QString EstimateDisplayText(const QString& field, const QVariant& value) {
    if (value.isNull()) return BlankText();
    static const QStringList decimals = {
        QStringLiteral("ATTRIT"), QStringLiteral("VALFREQMIN"), QStringLiteral("VALRAPPMIN"),
        QStringLiteral("VALSTIMAOLD"), QStringLiteral("VALSTIMANEW")};
    if (decimals.contains(field)) return ThreeDecimals(value.toDouble());
    return PlainText(value);
}

QString SummarySql(QChar letter) {
    QString sql = QStringLiteral(
        " select r.Pos, r.bn as NR, r.bv as VR, f.bn as NF, f.BV as VF, rf.bn as NRF, "
        "rf.BV as VRF, s2.bn as NS2, s2.BV as VS2, s3.bn as NS3, s3.BV as VS3 "
        " from FL8RITAESTRA r, FL8FREQESTRA f, FL8RPRFESTRA rf, FL8RIS2ESTRA s2, FL8RIS3ESTRA s3 "
        " where f.Pos = r.Pos and rf.Pos = r.Pos and s2.Pos = r.Pos and s3.Pos = r.Pos "
        " order by r.Pos ");
    sql.replace(
        QRegularExpression(QStringLiteral("\\.bn\\b"), QRegularExpression::CaseInsensitiveOption),
        QStringLiteral(".") + letter + QLatin1Char('N'));
    sql.replace(
        QRegularExpression(QStringLiteral("\\.bv\\b"), QRegularExpression::CaseInsensitiveOption),
        QStringLiteral(".") + letter + QLatin1Char('V'));
    return sql;
}

QString EstimateSql(const QStringList& wheelCodes, EstimateOrder order) {
    QString sql = QStringLiteral(" select * from FL8STIMA ");
    QStringList quoted;
    for (const QString& code : wheelCodes)
        if (WheelIndex(code) > 0) quoted << QLatin1Char('\'') + code.trimmed() + QLatin1Char('\'');
    if (!quoted.isEmpty())
        sql += QStringLiteral(" where RUOTA in (") + quoted.join(QLatin1Char(',')) +
               QStringLiteral(") ");
    switch (order) {
    case EstimateOrder::Personal:
        return sql + QStringLiteral(" order By ValStimaNew Desc,Ruota,Num; ");
    case EstimateOrder::Standard:
        return sql + QStringLiteral(" order By ValStimaOld Desc,Ruota,Num; ");
    case EstimateOrder::WheelNumber:
        break;
    }
    return sql + QStringLiteral(" order By Ruota,Num; ");
}

QString StatsUpdatedLine() {
    return QStringLiteral("Statistiche aggiornate al:") + DateToSqlText(DM1().LottoCutOffDate);
}

namespace {
// The FSTATLIST codes a full Lotto recompute stamps.
const QStringList StampedCodes = {
    QStringLiteral("L8RITAESTRA"), QStringLiteral("L8FREQESTRA"), QStringLiteral("L8RPRFESTRA"),
    QStringLiteral("L8RIS2ESTRA"), QStringLiteral("L8RIS3ESTRA"), QStringLiteral("L8STIMA"),
    QStringLiteral("L8PIRAESTRA"), QStringLiteral("L8STIMAUPD"),  QStringLiteral("L8RIGAGEMEL"),
    QStringLiteral("L8RIGAVERTI"), QStringLiteral("L8RIGACADEN"), QStringLiteral("L8RIGARADIC")};
} // namespace

bool LottoStatsAligned(const QDate& cutOff) {
    if (!cutOff.isValid()) return false;
    QStringList quoted;
    for (const QString& code : StampedCodes)
        quoted << QuotedSqlText(code);
    const QString sql = QStringLiteral(" select count(*) from FSTATLIST where FL_TIPO in (") +
                        quoted.join(QLatin1Char(',')) + QStringLiteral(") and FL_LASTUPDATE = ") +
                        DateToSqlLiteral(cutOff);
    QSqlQuery query = DM1().NewQuery();
    QString error;
    if (!DM1().OpenQuery(query, sql, error) || !query.next()) return false;
    return query.value(0).toInt() == StampedCodes.size();
}
