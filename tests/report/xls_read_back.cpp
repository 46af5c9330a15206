#include "tests/report/xls_read_back.h"

#include <freexl.h>

ReadBack ReadXls(const QString& path) {
    ReadBack back;
    const void* handle = nullptr;
    int rc = freexl_open(path.toLocal8Bit().constData(), &handle);
    if (rc != FREEXL_OK) {
        back.failure = QStringLiteral("freexl_open: %1").arg(rc);
        return back;
    }
    unsigned int info = 0;
    freexl_get_info(handle, FREEXL_BIFF_VERSION, &info);
    if (info != FREEXL_BIFF_VER_8) back.failure = QStringLiteral("BIFF version %1").arg(info);
    freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &info);
    if (info != 1) back.failure = QStringLiteral("sheets: %1").arg(info);
    rc = freexl_select_active_worksheet(handle, 0);
    if (rc == FREEXL_OK) rc = freexl_worksheet_dimensions(handle, &back.rows, &back.columns);
    if (rc != FREEXL_OK) back.failure = QStringLiteral("worksheet: %1").arg(rc);
    for (unsigned int r = 0; r < back.rows && back.failure.isEmpty(); ++r) {
        QStringList line;
        QList<int> kinds;
        for (unsigned short c = 0; c < back.columns; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(handle, r, c, &cell) != FREEXL_OK) {
                back.failure = QStringLiteral("cell %1,%2").arg(r).arg(c);
                break;
            }
            kinds << cell.type;
            switch (cell.type) {
            case FREEXL_CELL_INT:
                line << QString::number(cell.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                line << QString::number(cell.value.double_value, 'g', 17);
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                line << QString::fromUtf8(cell.value.text_value);
                break;
            default:
                line << QString();
            }
        }
        back.text << line;
        back.kind << kinds;
    }
    freexl_close(handle);
    back.ok = back.failure.isEmpty();
    return back;
}
