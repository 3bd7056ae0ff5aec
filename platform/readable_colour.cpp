#include "readable_colour.h"

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ReadableColour {
namespace {

// Relative luminance of an sRGB colour.
double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor on(const QColor& background, const QColor& text, const QColor& fallback) {
    return contrast(background, text) >= kMinimumContrast ? text : fallback;
}

QColor systemText(QPalette::ColorRole role, const QColor& background, QPalette::ColorGroup group) {
    return on(background, QGuiApplication::palette().color(group, role));
}

void giveBackground(QWidget& widget, const QColor& background) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, systemText(QPalette::WindowText, background));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace ReadableColour
