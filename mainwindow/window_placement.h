#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of the given size opens in the screen's available area: centred, moved inward
// so that no part of it lies off screen while it fits, and held at the area's top-left corner
// where it does not, so that the title bar and the top of the client area stay reachable.
QPoint centredPosition(QSize window, const QRect& available);
