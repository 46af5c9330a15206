#pragma once

#include <QPixmap>

// The program's pictures, drawn rather than shipped: a logo of three drawn balls and the title
// lettering of the top bands.
QPixmap LogoPicture(int height);
QPixmap TitlePicture(int width, int height);
