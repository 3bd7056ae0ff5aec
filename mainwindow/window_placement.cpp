#include "window_placement.h"

#include <algorithm>

namespace {

int centredOnAxis(int size, int start, int length) {
    const int centred = start + (length - size) / 2;
    return std::max(start, std::min(centred, start + length - size));
}

} // namespace

QPoint centredPosition(QSize window, const QRect& available) {
    return {centredOnAxis(window.width(), available.left(), available.width()),
            centredOnAxis(window.height(), available.top(), available.height())};
}
