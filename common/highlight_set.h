#pragma once

#include "common/number_flags.h"

#include <QString>

class QWidget;

// The numbers a window highlights: up to 20, chosen with the number picker, the first time
// with nothing chosen and the list of chosen numbers shown, afterwards starting from the set.
class HighlightSet final {
public:
    static inline const QString Caption =
        QStringLiteral("Selezionare i numeri da evidenziare (da 0 a 20)");
    static constexpr int Limit = 20;

    // True when the user confirmed, and the set now holds the picker's selection.
    bool Choose(QWidget* parent);
    bool Contains(int n) const { return n >= 1 && n <= 90 && m_flags[n]; }
    const NumberFlags& Flags() const { return m_flags; }
    // Empty again, as when the window opens.
    void Clear() { *this = HighlightSet(); }

private:
    NumberFlags m_flags{};
    bool m_first = true;
};
