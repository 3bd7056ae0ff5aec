#pragma once

#include <QColor>

// The dark blue of the calendars: their title line, their day numbers and their month arrows.
inline const QColor kDarkBlue(0, 0, 160);
