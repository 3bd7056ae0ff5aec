#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Text colours that stay readable on the backgrounds the window fixes: a fixed white behind
// the system's text colour is unreadable under a dark colour scheme.
namespace ReadableColour {

// The contrast ratio of two colours as WCAG 2 defines it, from 1 (same) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

// The least ratio at which body text counts as readable (WCAG 2, level AA).
inline constexpr double kMinimumContrast = 4.5;

// The text colour if it contrasts enough with the background, else the fallback.
QColor on(const QColor& background, const QColor& text, const QColor& fallback = Qt::black);

// The application palette's colour of a text role, if it is readable on the background, else
// black.
QColor systemText(QPalette::ColorRole role, const QColor& background,
                  QPalette::ColorGroup group = QPalette::Active);

// Fills the widget's background with a colour, its text in the system's text colour where that
// is readable on it, else in black.
void giveBackground(QWidget& widget, const QColor& background);

} // namespace ReadableColour
