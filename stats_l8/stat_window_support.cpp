#include "stats_l8/stat_window_support.h"

#include "common/base_grid_window.h"
#include "common/grid/banded_grid.h"
#include "common/helpers.h"
#include "common/seams.h"
#include "common/skin.h"
#include "report/print_report.h"
#include "report/report_texts.h"
#include "storage/tdm1.h"
#include "tools/notes_windows.h"
#include "tools/tdm_note.h"

CellStyle StyleOfLook(CellLook look) {
    switch (look) {
    case CellLook::Number:
        return cxStyleNumero();
    case CellLook::Value:
    case CellLook::White:
        return cxStyleWhite();
    case CellLook::Silver:
        return cxStyleSilver();
    case CellLook::Highlight:
        return cxStyleHighlight();
    case CellLook::Annotated:
        return cxStyleNota();
    case CellLook::Default:
        break;
    }
    return cxStyleDefault();
}

NumberMarks MarksOf(std::function<bool(int)> highlighted) {
    NumberMarks marks;
    marks.noted = [](const QString& wheel, int number) {
        return TdmNote::Instance().IsNoted(wheel, number);
    };
    marks.highlighted = std::move(highlighted);
    return marks;
}

bool ToggleAnnotation(QWidget* parent, const QString& wheel, int number) {
    if (wheel.isEmpty() || number <= 0) return false;
    TdmNote& notes = TdmNote::Instance();
    if (notes.ToggleNote(wheel, number)) return true;
    Dialogs::Information(parent, QStringLiteral("SysErr:") + notes.TakeNoteError());
    return false;
}

bool ShowLottoNotesList(QWidget* parent) {
    return ShowNotesList(parent, NotesMode::Lotto).changed;
}

namespace {

void Print(QWidget* parent, const QString& title, const QString& sql, const TreportVett& vett) {
    if (Dialogs::OkCancel(parent, PrintNoticeLandscape) != DialogAnswer::Ok) return;
    BusyCursor busy;
    QString error;
    if (!PrintGrid(true, QString(), {title, StatsUpdatedLine()}, sql, QString(), vett, true, false,
                   DM1().NewPdfTempPath(), error))
        Dialogs::Information(parent, QStringLiteral("Errore in creazione del PDF:\r\n") + error);
}

} // namespace

void PrintStatistics(QWidget* parent, const QString& title, const QString& sql,
                     const BandedGrid& grid, bool threeDecimals) {
    TreportVett vett;
    FillReportVett(grid, vett);
    vett.FormatReals = threeDecimals;
    Print(parent, title, sql, vett);
}

void PrintPyramid(QWidget* parent, const QString& title) {
    // Fifty-six columns do not fit a page: each wheel's five numbers become one text column.
    QString sql = QStringLiteral(" select RIT");
    QList<GridColumn> columns;
    GridColumn rit;
    rit.field = QStringLiteral("RIT");
    rit.caption = QStringLiteral("Rit.");
    rit.width = 40;
    rit.kind = ColumnKind::Integer;
    columns << rit;
    for (int w = 0; w < WheelCount; ++w) {
        const QChar letter = WheelLetters.at(w);
        QStringList parts;
        for (int p = 1; p <= 5; ++p) {
            const QString field = letter + QString::number(p);
            parts << QStringLiteral("iif(%1 > 0, ' ' || lpad(cast(%1 as varchar(2)), 2, '0'), '')")
                         .arg(field);
        }
        sql += QStringLiteral(", trim(") + parts.join(QStringLiteral(" || ")) +
               QStringLiteral(") as ") + letter;
        GridColumn column;
        column.field = letter;
        column.caption = WheelNames.at(w);
        column.width = 100;
        column.kind = ColumnKind::Text;
        columns << column;
    }
    sql += QStringLiteral(" from FL8PIRAESTRA order by RIT desc ");
    TreportVett vett;
    FillReportVett(columns, {QString()}, vett);
    Print(parent, title, sql, vett);
}
