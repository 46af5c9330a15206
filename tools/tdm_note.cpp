#include "tools/tdm_note.h"

#include "common/helpers.h"
#include "storage/tdm1.h"

#include <QSqlQuery>
#include <QtGlobal>

namespace {

TdmNote* current = nullptr;

const QString ConversionError = QStringLiteral("Errore in conversione numerica..");

bool ValidNumber(int number) {
    return number >= 1 && number <= 90;
}

} // namespace

TdmNote::TdmNote(TDM1& dm)
    : m_dm(dm)
    , m_previous(current) {
    current = this;
}

TdmNote::~TdmNote() {
    current = m_previous;
}

TdmNote& TdmNote::Instance() {
    Q_ASSERT(current);
    return *current;
}

bool TdmNote::HasInstance() {
    return current != nullptr;
}

int TdmNote::SlotOf(const QString& code) {
    const QString trimmed = code.trimmed();
    if (trimmed == SenalGameCode) return SlotCount;
    const int wheel = WheelIndex(trimmed);
    return wheel >= 1 ? wheel : 0;
}

QString TdmNote::SlotCode(int slot) {
    if (slot == SlotCount) return SenalGameCode;
    return slot >= 1 && slot <= WheelCount ? WheelCodes.at(slot - 1) : QString();
}

QString TdmNote::TakeNoteError() {
    const QString text = m_error;
    m_error.clear();
    return text;
}

bool TdmNote::ParseNumberList(const QString& text, NoteFlags& flags, int& count) {
    flags.fill(false);
    count = 0;
    const QStringList pieces = text.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        bool ok = false;
        const int number = piece.toInt(&ok);
        // A number outside 1..90 has no flag: it is as wrong as a piece that is no number.
        if (!ok || !ValidNumber(number)) {
            m_error = ConversionError;
            return false;
        }
        if (!flags[number]) ++count;
        flags[number] = true;
    }
    return true;
}

void TdmNote::Rebuild(Slot& slot) {
    slot.count = 0;
    slot.text.clear();
    for (int n = 1; n <= 90; ++n) {
        if (!slot.flags[n]) continue;
        ++slot.count;
        slot.text += QLatin1Char(' ') + TwoDigits(n);
    }
}

// The statement holds only what the program itself made: the slot's own code and the text
// rebuilt from its flags (blanks and two-digit numbers), never a text received from outside.
bool TdmNote::Save(int slot) {
    const Slot& s = m_slots[slot];
    const QString sql = QStringLiteral(" UPDATE FTABNOTE    SET   VALSTR = '") + s.text +
                        QStringLiteral("' ") + QStringLiteral("        ,NUMIN  = ") +
                        QString::number(s.count) + QStringLiteral(" ") +
                        QStringLiteral(" where RUOTA = '") + SlotCode(slot) + QStringLiteral("' ");
    QString errorText;
    if (m_dm.ExecSql(QStringLiteral("- Insert FTABNOTE -"), sql, errorText)) return true;
    m_error = errorText;
    return false;
}

bool TdmNote::LoadNotes() {
    for (Slot& slot : m_slots)
        slot = Slot();

    struct Row {
        QString code;
        QString text;
    };
    QList<Row> rows;
    {
        QSqlQuery query = m_dm.NewQuery();
        QString errorText;
        if (!m_dm.OpenQuery(query, QStringLiteral(" Select * from FTABNOTE "), errorText)) {
            m_error = errorText;
            return false;
        }
        while (query.next())
            rows.append({query.value(QStringLiteral("RUOTA")).toString(),
                         query.value(QStringLiteral("VALSTR")).toString()});
    }

    bool present[SlotCount + 1] = {};
    for (const Row& row : std::as_const(rows)) {
        const int slot = SlotOf(row.code);
        if (slot == 0) continue; // a row of no known code is left as it is
        present[slot] = true;
        Slot& s = m_slots[slot];
        s.text = row.text;
        if (!ParseNumberList(row.text, s.flags, s.count)) return false;
    }

    for (int slot = 1; slot <= SlotCount; ++slot) {
        if (present[slot]) continue;
        const QString sql =
            QStringLiteral(" insert into FTABNOTE (RUOTA,VALSTR,NUMIN)  values ('") +
            SlotCode(slot) + QStringLiteral("',' ',0)");
        QString errorText;
        if (!m_dm.ExecSql(QStringLiteral("Insert FTABNOTE"), sql, errorText)) {
            m_error = errorText;
            return false;
        }
        m_slots[slot].text = QStringLiteral(" ");
    }
    return true;
}

bool TdmNote::IsNoted(const QString& code, int number) {
    const int slot = SlotOf(code);
    if (slot == 0) {
        m_error = QStringLiteral("ISINNOTA: conv ruota idx fallita x ruota:") + code;
        return false;
    }
    return ValidNumber(number) && m_slots[slot].flags[number];
}

bool TdmNote::ToggleNote(const QString& code, int number) {
    const int slot = SlotOf(code);
    if (slot == 0) {
        m_error = QStringLiteral("FLIP: conv ruota idx fallita x ruota:") + code;
        return false;
    }
    if (!ValidNumber(number)) {
        m_error = QStringLiteral("FLIP: numero fuori intervallo:") + QString::number(number);
        return false;
    }
    Slot& s = m_slots[slot];
    s.flags[number] = !s.flags[number];
    Rebuild(s);
    return Save(slot);
}

bool TdmNote::SetNotes(const QString& code, const NoteFlags& flags) {
    const int slot = SlotOf(code);
    if (slot == 0) {
        m_error = QStringLiteral("SETNOTE: conv ruota idx fallita x ruota:") + code;
        return false;
    }
    Slot& s = m_slots[slot];
    s.flags = flags;
    s.flags[0] = false;
    Rebuild(s);
    return Save(slot);
}

bool TdmNote::ClearSlot(int slot) {
    m_slots[slot] = Slot();
    return Save(slot);
}

bool TdmNote::ClearLottoNotes() {
    for (int slot = 1; slot <= WheelCount; ++slot)
        if (!ClearSlot(slot)) return false;
    return true;
}

bool TdmNote::ClearSenalNotes() {
    return ClearSlot(SlotCount);
}

QString TdmNote::NotesText(const QString& code) const {
    const int slot = SlotOf(code);
    return slot ? m_slots[slot].text : QString();
}

int TdmNote::NoteCount(const QString& code) const {
    const int slot = SlotOf(code);
    return slot ? m_slots[slot].count : 0;
}

NoteFlags TdmNote::Flags(const QString& code) const {
    const int slot = SlotOf(code);
    return slot ? m_slots[slot].flags : NoteFlags{};
}
