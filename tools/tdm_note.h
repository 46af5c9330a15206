#pragma once

#include <QString>

class TDM1;

// The annotated-numbers module: the numbers the user noted per wheel and for the SuperEnalotto.
class TdmNote final {
public:
    explicit TdmNote(TDM1& dm);
    ~TdmNote();
    TdmNote(const TdmNote&) = delete;
    TdmNote& operator=(const TdmNote&) = delete;

    static TdmNote& Instance();

    // Loads the twelve note slots (creating their rows in an empty table).
    bool LoadNotes();

private:
    TDM1& m_dm;
    TdmNote* m_previous = nullptr;
};
