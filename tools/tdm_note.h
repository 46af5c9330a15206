#pragma once

#include <QString>

#include "common/number_flags.h"

class TDM1;

using NoteFlags = NumberFlags;

// The annotated-numbers module: the numbers the user noted per wheel and for the SuperEnalotto.
// Twelve slots live in memory (the eleven wheels in wheel order, then "S8"); every change is
// written at once to FTABNOTE, one row per slot. It never shows a message: failures leave their
// text, read and emptied by TakeNoteError.
class TdmNote final {
public:
    static constexpr int SlotCount = 12;

    explicit TdmNote(TDM1& dm);
    ~TdmNote();
    TdmNote(const TdmNote&) = delete;
    TdmNote& operator=(const TdmNote&) = delete;

    static TdmNote& Instance();
    static bool HasInstance();

    // Fills the slots from FTABNOTE and inserts the rows of the slots it lacks.
    bool LoadNotes();

    bool IsNoted(const QString& code, int number);
    bool ToggleNote(const QString& code, int number);
    bool SetNotes(const QString& code, const NoteFlags& flags);
    bool ClearLottoNotes();
    bool ClearSenalNotes();
    // Reads a blank-separated list of numbers 1..90; count is the number of flags set.
    bool ParseNumberList(const QString& text, NoteFlags& flags, int& count);
    QString TakeNoteError();

    // 1..12 for a wheel code or "S8" (trimmed); 0 when the code has no slot.
    static int SlotOf(const QString& code);
    static QString SlotCode(int slot);

    // What a slot holds now (empty values for a code without a slot).
    QString NotesText(const QString& code) const;
    int NoteCount(const QString& code) const;
    NoteFlags Flags(const QString& code) const;

private:
    struct Slot {
        int count = 0;
        NoteFlags flags{};
        QString text;
    };

    void Rebuild(Slot& slot);
    bool Save(int slot);
    bool ClearSlot(int slot);

    TDM1& m_dm;
    TdmNote* m_previous = nullptr;
    Slot m_slots[SlotCount + 1];
    QString m_error;
};
