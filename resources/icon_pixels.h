#pragma once

#include <QtGlobal>

#include <array>

namespace Resources {

// One image of the application icon: a square of premultiplied ARGB pixels, row by row.
struct IconImage {
    int size;
    const quint32* pixels;
};

// Written at build time from the icon's images of 32, 48, 128 and 256 pixels.
extern const std::array<IconImage, 4> kIconImages;

} // namespace Resources
