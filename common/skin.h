#pragma once

#include "common/grid/cell_style.h"

#include <QPixmap>

class BandedGrid;
class QTableView;
class QWidget;

// The two looks of the program (the user's choice in the configuration): SkinMode 0 is the
// default look, any other value the alternative one. The operations read DM1().SkinMode and
// DM1().PanelColor() at the time they are called.
//
// A panel is a plain QFrame or QWidget whose object name starts with "pnl"; panels whose colour
// belongs to the window's design (title bands, tool bands) carry FixedColorProperty and are
// left alone.
inline constexpr const char* FixedColorProperty = "sortavoFixedColor";
// The look given to a button: "office2003" or "standard".
inline constexpr const char* ButtonLookProperty = "sortavoButtonLook";

// Buttons get the look of the mode, panels the panel colour; containers are walked too.
void ApplySkinToForm(QWidget* window);
// The same walk, buttons only.
void ApplySkinToMainWindow(QWidget* window);
// Result grids: the header picture in the alternative look, the style's header otherwise.
void ApplySkinToBandedGrid(BandedGrid* grid);
void ApplySkinToGrid(QTableView* view);
// Green panel, yellow text.
void PaintTitlePanel(QWidget* panel);
// A widget's background colour, filled.
void SetBackground(QWidget* widget, const QColor& color);
void SetTextColor(QWidget* widget, const QColor& color);

// The shared cell styles of the result grids.
CellStyle cxStyleNota();      // annotated number: green background, white text
CellStyle cxStyleNumero();    // number cell: RGB 240, 202, 166
CellStyle cxStyleSilver();    // key columns: silver
CellStyle cxStyleVerdana10(); // Verdana, 10 point
CellStyle cxStyleDefault();   // no attributes
CellStyle cxStyleWhite();     // value cells
CellStyle cxStyleHighlight(); // highlighted number: yellow
// The header picture of the alternative look: 4 x 44 pixels, two light-blue halves shading
// darker at their edges.
QPixmap cxStyleGridH();

// Colours used across the windows.
inline const QColor DarkGreenBand(1, 103, 26);
inline const QColor TitleGreen(0, 128, 0);
inline const QColor SilverColor(192, 192, 192);
