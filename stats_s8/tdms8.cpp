#include "stats_s8/tdms8.h"

#include <QtGlobal>

namespace {
TDMS8* current = nullptr;
}

TDMS8::TDMS8(TDM1& dm)
    : m_dm(dm)
    , m_previous(current) {
    current = this;
}

TDMS8::~TDMS8() {
    current = m_previous;
}

TDMS8& TDMS8::Instance() {
    Q_ASSERT(current);
    return *current;
}
