#pragma once

#include <QFont>

// The window's typeface at a size in points; on Linux fontconfig gives a metric-compatible
// face (Liberation Sans) where Arial itself is not installed.
inline QFont arialFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
