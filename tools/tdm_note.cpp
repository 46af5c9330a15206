#include "tools/tdm_note.h"

#include <QtGlobal>

namespace {
TdmNote* current = nullptr;
}

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

bool TdmNote::LoadNotes() {
    return true;
}
