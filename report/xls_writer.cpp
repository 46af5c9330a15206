#include "report/xls_writer.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <cmath>
#include <cstring>

namespace {

// Record types of the workbook stream.
enum : quint16 {
    RecBof = 0x0809,
    RecEof = 0x000A,
    RecCodepage = 0x0042,
    RecWindow1 = 0x003D,
    RecDate1904 = 0x0022,
    RecFont = 0x0031,
    RecXf = 0x00E0,
    RecStyle = 0x0293,
    RecBoundSheet = 0x0085,
    RecSst = 0x00FC,
    RecContinue = 0x003C,
    RecExtSst = 0x00FF,
    RecIndex = 0x020B,
    RecDefColWidth = 0x0055,
    RecColInfo = 0x007D,
    RecDimensions = 0x0200,
    RecRow = 0x0208,
    RecDbCell = 0x00D7,
    RecLabelSst = 0x00FD,
    RecNumber = 0x0203,
    RecRk = 0x027E,
    RecWindow2 = 0x023E,
    RecMergedCells = 0x00E5,
};

constexpr int MaxRecordData = 8224; // longest record body a reader accepts
constexpr int MaxRows = 65536;
constexpr int MaxColumns = 256;
constexpr int RowsPerBlock = 32;
constexpr int MaxTextLength = 32767;
constexpr quint16 CellXf = 15; // the default cell format
constexpr quint16 DateXf = 16; // the default cell format with the built-in short date

void PutU8(QByteArray& out, quint8 v) {
    out.append(char(v));
}
void PutU16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}
void PutU32(QByteArray& out, quint32 v) {
    PutU16(out, quint16(v & 0xFFFF));
    PutU16(out, quint16(v >> 16));
}
void PutF64(QByteArray& out, double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    PutU32(out, quint32(bits & 0xFFFFFFFFu));
    PutU32(out, quint32(bits >> 32));
}
void SetU32(QByteArray& out, int at, quint32 v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = char((v >> (8 * i)) & 0xFF);
}

bool IsLatin1(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF) return false;
    return true;
}

// A text with an 8-bit length, as font and sheet names are stored.
void PutShortText(QByteArray& out, const QString& text) {
    const QString t = text.left(255);
    const bool wide = !IsLatin1(t);
    PutU8(out, quint8(t.size()));
    PutU8(out, wide ? 1 : 0);
    for (QChar c : t)
        wide ? PutU16(out, c.unicode()) : PutU8(out, quint8(c.unicode()));
}

// A cell of the worksheet.
struct Cell {
    enum Kind { Text, Rk, Number } kind = Text;
    int column = 0;
    quint16 xf = CellXf;
    quint32 rk = 0;    // Rk
    double number = 0; // Number
    int sstIndex = 0;  // Text
};

// Excel's compact number form: a 30-bit integer or a double whose low 34 bits are zero.
bool ToRk(double v, quint32& rk) {
    if (v == std::floor(v) && v >= -536870912.0 && v <= 536870911.0) {
        rk = (quint32(qint32(v)) << 2) | 2u;
        return true;
    }
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) != 0) return false;
    rk = quint32(bits >> 32);
    return true;
}

Cell NumberCell(int column, double v, quint16 xf = CellXf) {
    Cell cell;
    cell.column = column;
    cell.xf = xf;
    if (ToRk(v, cell.rk)) {
        cell.kind = Cell::Rk;
    } else {
        cell.kind = Cell::Number;
        cell.number = v;
    }
    return cell;
}

// The shared string table: every text cell refers to one entry.
class StringTable final {
public:
    int Add(const QString& text) {
        ++m_total;
        const auto found = m_index.constFind(text);
        if (found != m_index.constEnd()) return *found;
        const int index = int(m_strings.size());
        m_index.insert(text, index);
        m_strings << text;
        return index;
    }

    // SST, its CONTINUE records and EXTSST, appended to the workbook stream `out`.
    void Write(QByteArray& out) const {
        const int count = int(m_strings.size());
        const int perBucket = std::max(8, (count + 127) / 128);
        struct Bucket {
            quint32 streamPos;
            quint16 recordOffset;
        };
        QList<Bucket> buckets;

        QByteArray body;
        quint16 type = RecSst;
        auto flush = [&] {
            PutU16(out, type);
            PutU16(out, quint16(body.size()));
            out.append(body);
            body.clear();
            type = RecContinue;
        };
        PutU32(body, quint32(m_total));
        PutU32(body, quint32(count));
        for (int i = 0; i < count; ++i) {
            const QString text = m_strings[i].left(MaxTextLength);
            const bool wide = !IsLatin1(text);
            const int charSize = wide ? 2 : 1;
            // The length and flags never part from the first character.
            if (MaxRecordData - body.size() < 3 + charSize) flush();
            if (i % perBucket == 0)
                buckets.append({quint32(out.size() + 4 + body.size()), quint16(4 + body.size())});
            PutU16(body, quint16(text.size()));
            PutU8(body, wide ? 1 : 0);
            int written = 0;
            while (written < text.size()) {
                const int room = (MaxRecordData - body.size()) / charSize;
                if (room == 0) {
                    flush();
                    PutU8(body, wide ? 1 : 0); // a continued text restates its width
                    continue;
                }
                const int take = std::min<int>(room, int(text.size()) - written);
                for (int c = written; c < written + take; ++c)
                    wide ? PutU16(body, text[c].unicode()) : PutU8(body, quint8(text[c].unicode()));
                written += take;
            }
        }
        flush();

        QByteArray ext;
        PutU16(ext, quint16(perBucket));
        for (const Bucket& bucket : std::as_const(buckets)) {
            PutU32(ext, bucket.streamPos);
            PutU16(ext, bucket.recordOffset);
            PutU16(ext, 0);
        }
        PutU16(out, RecExtSst);
        PutU16(out, quint16(ext.size()));
        out.append(ext);
    }

private:
    QHash<QString, int> m_index;
    QStringList m_strings;
    int m_total = 0;
};

class WorkbookStream final {
public:
    int Record(quint16 type, const QByteArray& body) {
        const int position = int(m_out.size());
        PutU16(m_out, type);
        PutU16(m_out, quint16(body.size()));
        m_out.append(body);
        return position;
    }
    QByteArray& Bytes() { return m_out; }
    int Size() const { return int(m_out.size()); }

private:
    QByteArray m_out;
};

QByteArray BofBody(quint16 kind) {
    QByteArray b;
    PutU16(b, 0x0600); // BIFF8
    PutU16(b, kind);
    PutU16(b, 0x0DBB); // build
    PutU16(b, 0x07CC); // year
    PutU32(b, 0);      // file history
    PutU32(b, 0x06);   // lowest version that can read the file
    return b;
}

QByteArray FontBody() {
    QByteArray b;
    PutU16(b, 200);    // 10 points, in twips
    PutU16(b, 0);      // plain
    PutU16(b, 0x7FFF); // automatic colour
    PutU16(b, 400);    // normal weight
    PutU16(b, 0);      // no super/subscript
    PutU8(b, 0);       // no underline
    PutU8(b, 0);       // family
    PutU8(b, 0);       // character set
    PutU8(b, 0);
    PutShortText(b, QStringLiteral("Arial"));
    return b;
}

QByteArray XfBody(bool style, quint16 format) {
    QByteArray b;
    PutU16(b, 0);                              // font 0
    PutU16(b, format);                         // number format
    PutU16(b, style ? 0xFFF5 : 0x0001);        // locked; style records have no parent
    PutU8(b, 0x20);                            // bottom aligned
    PutU8(b, 0);                               // no rotation
    PutU8(b, 0);                               // no indent
    PutU8(b, style ? 0 : (format ? 0x04 : 0)); // a cell record states its own number format
    PutU32(b, 0);                              // no borders
    PutU32(b, 0);
    PutU16(b, 0x20C0); // automatic pattern colours
    return b;
}

// Days since 30 December 1899, the day numbering of the 1900 date system (dates after
// February 1900).
double DateSerial(const QDateTime& when) {
    const double days = double(QDate(1899, 12, 30).daysTo(when.date()));
    return days + when.time().msecsSinceStartOfDay() / 86400000.0;
}

// The cells of one grid value, or false when the cell stays empty.
bool ValueCell(const QVariant& value, const GridColumn& column, int index, StringTable& strings,
               Cell& cell) {
    if (!value.isValid() || value.isNull()) return false;
    const bool numericColumn =
        column.kind == ColumnKind::Integer || column.kind == ColumnKind::Real;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        cell = NumberCell(index, value.toDouble());
        return true;
    case QMetaType::Double:
    case QMetaType::Float: {
        const double v = value.toDouble();
        if (!std::isfinite(v)) return false;
        cell = NumberCell(index, v);
        return true;
    }
    case QMetaType::QDate:
        cell = NumberCell(index, DateSerial(value.toDate().startOfDay()), DateXf);
        return value.toDate().isValid();
    case QMetaType::QDateTime:
        cell = NumberCell(index, DateSerial(value.toDateTime()), DateXf);
        return value.toDateTime().isValid();
    default:
        break;
    }
    const QString text = value.toString();
    if (text.trimmed().isEmpty()) return false;
    if (numericColumn) {
        bool ok = false;
        const double v = text.trimmed().toDouble(&ok);
        if (ok && std::isfinite(v)) {
            cell = NumberCell(index, v);
            return true;
        }
    }
    cell = Cell();
    cell.kind = Cell::Text;
    cell.column = index;
    cell.sstIndex = strings.Add(text);
    return true;
}

Cell TextCell(int column, const QString& text, StringTable& strings) {
    Cell cell;
    cell.kind = Cell::Text;
    cell.column = column;
    cell.sstIndex = strings.Add(text);
    return cell;
}

QByteArray CellRecord(int row, const Cell& cell, quint16& type) {
    QByteArray b;
    PutU16(b, quint16(row));
    PutU16(b, quint16(cell.column));
    PutU16(b, cell.xf);
    switch (cell.kind) {
    case Cell::Text:
        type = RecLabelSst;
        PutU32(b, quint32(cell.sstIndex));
        break;
    case Cell::Rk:
        type = RecRk;
        PutU32(b, cell.rk);
        break;
    case Cell::Number:
        type = RecNumber;
        PutF64(b, cell.number);
        break;
    }
    return b;
}

struct Merge {
    int row, firstColumn, lastColumn;
};

// The workbook stream: globals, then the one worksheet.
QByteArray WorkbookStreamBytes(const GridSnapshot& grid) {
    QList<GridColumn> columns;
    QList<int> sourceIndex;
    for (int i = 0; i < grid.columns.size(); ++i) {
        if (!grid.columns[i].visible) continue;
        columns << grid.columns[i];
        sourceIndex << i;
    }

    // The cells, row by row.
    StringTable strings;
    QList<QList<Cell>> sheet;
    QList<Merge> merges;
    bool hasBands = false;
    for (const GridColumn& column : std::as_const(columns)) {
        if (column.band >= 0 && column.band < grid.bandCaptions.size() &&
            !grid.bandCaptions[column.band].trimmed().isEmpty())
            hasBands = true;
    }
    if (hasBands) {
        QList<Cell> bandRow;
        for (int first = 0; first < columns.size();) {
            int last = first;
            while (last + 1 < columns.size() && columns[last + 1].band == columns[first].band)
                ++last;
            const int band = columns[first].band;
            const QString caption = band >= 0 && band < grid.bandCaptions.size()
                                        ? grid.bandCaptions[band].trimmed()
                                        : QString();
            if (!caption.isEmpty()) {
                bandRow << TextCell(first, caption, strings);
                if (last > first) merges.append({0, first, last});
            }
            first = last + 1;
        }
        sheet << bandRow;
    }
    QList<Cell> captionRow;
    for (int c = 0; c < columns.size(); ++c)
        if (!columns[c].caption.isEmpty()) captionRow << TextCell(c, columns[c].caption, strings);
    sheet << captionRow;
    for (const QVariantList& values : grid.rows) {
        QList<Cell> row;
        for (int c = 0; c < columns.size(); ++c) {
            Cell cell;
            const int source = sourceIndex[c];
            if (source < values.size() && ValueCell(values[source], columns[c], c, strings, cell))
                row << cell;
        }
        sheet << row;
    }

    WorkbookStream out;

    // Workbook globals.
    out.Record(RecBof, BofBody(0x0005));
    {
        QByteArray b;
        PutU16(b, 0x04B0); // texts are UTF-16
        out.Record(RecCodepage, b);
    }
    {
        QByteArray b;
        PutU16(b, 0x0168); // position and size of the window, in twips
        PutU16(b, 0x001E);
        PutU16(b, 0x4000);
        PutU16(b, 0x2000);
        PutU16(b, 0x0038); // horizontal and vertical scroll bars, sheet tabs
        PutU16(b, 0);      // active sheet
        PutU16(b, 0);      // first visible tab
        PutU16(b, 1);      // selected sheets
        PutU16(b, 0x0258); // tab bar width ratio
        out.Record(RecWindow1, b);
    }
    {
        QByteArray b;
        PutU16(b, 0);
        out.Record(RecDate1904, b);
    }
    for (int i = 0; i < 5; ++i) // font 4 is never referenced; Excel expects the first five
        out.Record(RecFont, FontBody());
    for (int i = 0; i < 15; ++i)
        out.Record(RecXf, XfBody(true, 0));
    out.Record(RecXf, XfBody(false, 0));
    out.Record(RecXf, XfBody(false, 14));
    {
        QByteArray b;
        PutU16(b, 0x8000); // built-in style on format 0
        PutU8(b, 0);       // "Normal"
        PutU8(b, 0xFF);
        out.Record(RecStyle, b);
    }
    int sheetPositionField = 0;
    {
        QByteArray b;
        PutU32(b, 0); // set once the worksheet's position is known
        PutU8(b, 0);  // visible
        PutU8(b, 0);  // worksheet
        PutShortText(b, QStringLiteral("Foglio1"));
        sheetPositionField = out.Record(RecBoundSheet, b) + 4;
    }
    strings.Write(out.Bytes());
    out.Record(RecEof, {});

    // The worksheet.
    const int rowCount = int(sheet.size());
    const int columnCount = int(columns.size());
    const int sheetStart = out.Size();
    SetU32(out.Bytes(), sheetPositionField, quint32(sheetStart));
    out.Record(RecBof, BofBody(0x0010));

    QList<int> dataRows; // rows that hold at least one cell
    for (int r = 0; r < rowCount; ++r)
        if (!sheet[r].isEmpty()) dataRows << r;
    QList<QList<int>> blocks;
    for (int r : std::as_const(dataRows)) {
        if (blocks.isEmpty() || r / RowsPerBlock != blocks.constLast().constFirst() / RowsPerBlock)
            blocks.append(QList<int>());
        blocks.last() << r;
    }

    const int firstDataRow = dataRows.isEmpty() ? 0 : dataRows.constFirst();
    const int endDataRow = dataRows.isEmpty() ? 0 : dataRows.constLast() + 1;
    int indexPosition = 0;
    {
        QByteArray b;
        PutU32(b, 0);
        PutU32(b, quint32(firstDataRow));
        PutU32(b, quint32(endDataRow));
        PutU32(b, 0); // position of DEFCOLWIDTH, set below
        for (int i = 0; i < blocks.size(); ++i)
            PutU32(b, 0); // position of each DBCELL, set below
        indexPosition = out.Record(RecIndex, b);
    }
    {
        QByteArray b;
        PutU16(b, 8);
        const int at = out.Record(RecDefColWidth, b);
        SetU32(out.Bytes(), indexPosition + 4 + 12, quint32(at));
    }
    for (int c = 0; c < columnCount; ++c) {
        QByteArray b;
        PutU16(b, quint16(c));
        PutU16(b, quint16(c));
        // Grid pixels to 1/256 of a character of the default font (about 7 pixels).
        const int width = std::clamp(columns[c].width * 256 / 7, 256, 255 * 256);
        PutU16(b, quint16(width));
        PutU16(b, CellXf);
        PutU16(b, 0);
        PutU16(b, 0);
        out.Record(RecColInfo, b);
    }
    {
        QByteArray b;
        PutU32(b, quint32(firstDataRow));
        PutU32(b, quint32(endDataRow));
        PutU16(b, 0);
        PutU16(b, quint16(columnCount));
        PutU16(b, 0);
        out.Record(RecDimensions, b);
    }
    for (int blockIndex = 0; blockIndex < blocks.size(); ++blockIndex) {
        const QList<int>& block = blocks[blockIndex];
        int firstRowRecord = 0;
        for (int i = 0; i < block.size(); ++i) {
            const QList<Cell>& cells = sheet[block[i]];
            QByteArray b;
            PutU16(b, quint16(block[i]));
            PutU16(b, quint16(cells.constFirst().column));
            PutU16(b, quint16(cells.constLast().column + 1));
            PutU16(b, 0x00FF); // default height
            PutU16(b, 0);
            PutU16(b, 0);
            PutU16(b, 0x0100);
            PutU16(b, 0x000F); // default cell format
            const int at = out.Record(RecRow, b);
            if (i == 0) firstRowRecord = at;
        }
        QList<int> firstCells;
        for (int r : block) {
            bool first = true;
            for (const Cell& cell : sheet[r]) {
                quint16 type = 0;
                const QByteArray body = CellRecord(r, cell, type);
                const int at = out.Record(type, body);
                if (first) firstCells << at;
                first = false;
            }
        }
        QByteArray b;
        const int dbCellPosition = out.Size();
        PutU32(b, quint32(dbCellPosition - firstRowRecord));
        int previous = firstRowRecord + 20; // the end of the first ROW record
        for (int at : std::as_const(firstCells)) {
            PutU16(b, quint16(at - previous));
            previous = at;
        }
        out.Record(RecDbCell, b);
        SetU32(out.Bytes(), indexPosition + 4 + 16 + 4 * blockIndex, quint32(dbCellPosition));
    }
    {
        QByteArray b;
        PutU16(b, 0x06B6); // grid lines, headers, zeros, selected, page view
        PutU16(b, 0);      // top row
        PutU16(b, 0);      // left column
        PutU16(b, 64);     // automatic grid colour
        PutU16(b, 0);
        PutU16(b, 0);
        PutU16(b, 0);
        PutU32(b, 0);
        out.Record(RecWindow2, b);
    }
    for (int first = 0; first < merges.size(); first += 1026) {
        QByteArray b;
        const int count = std::min<int>(1026, int(merges.size()) - first);
        PutU16(b, quint16(count));
        for (int i = first; i < first + count; ++i) {
            PutU16(b, quint16(merges[i].row));
            PutU16(b, quint16(merges[i].row));
            PutU16(b, quint16(merges[i].firstColumn));
            PutU16(b, quint16(merges[i].lastColumn));
        }
        out.Record(RecMergedCells, b);
    }
    out.Record(RecEof, {});
    return out.Bytes();
}

// Compound file (version 3, 512-byte sectors) with the one stream "Workbook".
constexpr quint32 FreeSector = 0xFFFFFFFF;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FatSector = 0xFFFFFFFD;
constexpr quint32 DifatSector = 0xFFFFFFFC;
constexpr quint32 NoStream = 0xFFFFFFFF;
constexpr int SectorSize = 512;
constexpr int HeaderDifatEntries = 109;
constexpr int MiniStreamCutoff = 4096;

QByteArray DirectoryEntry(const QString& name, quint8 type, quint32 child, quint32 start,
                          quint32 size) {
    QByteArray e;
    for (QChar c : name)
        PutU16(e, c.unicode());
    e.append(64 - e.size(), '\0');
    PutU16(e, name.isEmpty() ? 0 : quint16(2 * (name.size() + 1)));
    PutU8(e, type);
    PutU8(e, 1); // black
    PutU32(e, NoStream);
    PutU32(e, NoStream);
    PutU32(e, child);
    e.append(16 + 4 + 8 + 8, '\0'); // class id, state bits, times
    PutU32(e, start);
    PutU32(e, size);
    PutU32(e, 0);
    return e;
}

QByteArray CompoundFile(QByteArray stream) {
    // A stream below the cut-off would belong to the mini stream: pad it instead, as Excel's
    // readers accept zeros after the last record.
    if (stream.size() < MiniStreamCutoff) stream.append(MiniStreamCutoff - stream.size(), '\0');
    const quint32 streamSize = quint32(stream.size());
    stream.append((SectorSize - stream.size() % SectorSize) % SectorSize, '\0');
    const int streamSectors = int(stream.size() / SectorSize);

    int fatSectors = 1;
    int difatSectors = 0;
    for (;;) {
        difatSectors =
            fatSectors > HeaderDifatEntries ? (fatSectors - HeaderDifatEntries + 126) / 127 : 0;
        const int total = streamSectors + 1 + fatSectors + difatSectors;
        if (fatSectors * 128 >= total) break;
        ++fatSectors;
    }
    const int directorySector = streamSectors;
    const int firstFat = directorySector + 1;
    const int firstDifat = firstFat + fatSectors;

    QList<quint32> fat(fatSectors * 128, FreeSector);
    for (int i = 0; i < streamSectors; ++i)
        fat[i] = i + 1 < streamSectors ? quint32(i + 1) : EndOfChain;
    fat[directorySector] = EndOfChain;
    for (int i = 0; i < fatSectors; ++i)
        fat[firstFat + i] = FatSector;
    for (int i = 0; i < difatSectors; ++i)
        fat[firstDifat + i] = DifatSector;

    QByteArray file;
    file.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    file.append(16, '\0'); // class id
    PutU16(file, 0x003E);  // minor version
    PutU16(file, 0x0003);  // major version 3
    PutU16(file, 0xFFFE);  // little endian
    PutU16(file, 9);       // 512-byte sectors
    PutU16(file, 6);       // 64-byte mini sectors
    file.append(6, '\0');
    PutU32(file, 0); // directory sectors (always 0 in version 3)
    PutU32(file, quint32(fatSectors));
    PutU32(file, quint32(directorySector));
    PutU32(file, 0); // transactions
    PutU32(file, MiniStreamCutoff);
    PutU32(file, EndOfChain); // no mini FAT
    PutU32(file, 0);
    PutU32(file, difatSectors ? quint32(firstDifat) : EndOfChain);
    PutU32(file, quint32(difatSectors));
    for (int i = 0; i < HeaderDifatEntries; ++i)
        PutU32(file, i < fatSectors ? quint32(firstFat + i) : FreeSector);

    file.append(stream);
    file.append(DirectoryEntry(QStringLiteral("Root Entry"), 5, 1, EndOfChain, 0));
    file.append(DirectoryEntry(QStringLiteral("Workbook"), 2, NoStream, 0, streamSize));
    file.append(DirectoryEntry(QString(), 0, NoStream, 0, 0));
    file.append(DirectoryEntry(QString(), 0, NoStream, 0, 0));
    for (quint32 entry : std::as_const(fat))
        PutU32(file, entry);
    int nextFat = HeaderDifatEntries;
    for (int d = 0; d < difatSectors; ++d) {
        for (int i = 0; i < 127; ++i, ++nextFat)
            PutU32(file, nextFat < fatSectors ? quint32(firstFat + nextFat) : FreeSector);
        PutU32(file, d + 1 < difatSectors ? quint32(firstDifat + d + 1) : EndOfChain);
    }
    return file;
}

} // namespace

QByteArray XlsWorkbookFile(const GridSnapshot& grid) {
    int visible = 0;
    for (const GridColumn& column : grid.columns)
        if (column.visible) ++visible;
    const int headerRows = 2; // at most: bands and captions
    if (visible > MaxColumns || grid.rows.size() + headerRows > MaxRows) return {};
    return CompoundFile(WorkbookStreamBytes(grid));
}

bool WriteXlsFile(const GridSnapshot& grid, const QString& path, QString& errorText) {
    const QByteArray bytes = XlsWorkbookFile(grid);
    if (bytes.isEmpty()) {
        errorText = QStringLiteral("La griglia e' troppo grande per un file XLS (al massimo "
                                   "%1 righe e %2 colonne).")
                        .arg(MaxRows - 2)
                        .arg(MaxColumns);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        errorText = QStringLiteral("Impossibile scrivere il file ") +
                    QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

QString WithXlsExtension(const QString& path) {
    const int nameStart =
        int(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')))) + 1;
    const int dot = int(path.lastIndexOf(QLatin1Char('.')));
    const QString stem = dot >= nameStart ? path.left(dot) : path;
    return stem + QStringLiteral(".xls");
}
