#include "stats_l8/tdms.h"

#include <QtGlobal>

namespace {
TDMS* current = nullptr;
}

TDMS::TDMS(TDM1& dm)
    : m_dm(dm)
    , m_previous(current) {
    current = this;
}

TDMS::~TDMS() {
    current = m_previous;
}

TDMS& TDMS::Instance() {
    Q_ASSERT(current);
    return *current;
}
