#pragma once

#include <QColor>
#include <QFont>

#include <optional>

// The look of one grid cell. An invalid colour or an absent font keeps the grid's default.
struct CellStyle {
    QColor background;
    QColor textColor;
    std::optional<QFont> font;

    bool IsDefault() const { return !background.isValid() && !textColor.isValid() && !font; }
};
