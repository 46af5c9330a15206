#include "common/highlight_set.h"

#include "common/number_picker.h"

bool HighlightSet::Choose(QWidget* parent) {
    NumberFlags selection = m_flags;
    if (!TfrmVornGETNUM::SelectNumbers(Caption, 0, Limit, NumberFlags{}, selection, m_first,
                                       !m_first, parent))
        return false;
    m_flags = selection;
    m_first = false;
    return true;
}
