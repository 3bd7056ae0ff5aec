#include "window_style.h"

#include "window_colours.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon WindowStyle::arrow(bool left) const {
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kDarkBlue);
        const qreal s = size;
        QPainterPath triangle;
        if (left) {
            triangle.moveTo(0.30 * s, 0.50 * s);
            triangle.lineTo(0.70 * s, 0.20 * s);
            triangle.lineTo(0.70 * s, 0.80 * s);
        } else {
            triangle.moveTo(0.70 * s, 0.50 * s);
            triangle.lineTo(0.30 * s, 0.20 * s);
            triangle.lineTo(0.30 * s, 0.80 * s);
        }
        triangle.closeSubpath();
        painter.drawPath(triangle);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    if (icon == SP_ArrowLeft || icon == SP_ArrowBack)
        return arrow(true);
    if (icon == SP_ArrowRight || icon == SP_ArrowForward)
        return arrow(false);
    return QProxyStyle::standardIcon(icon, option, widget);
}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    // Grid lines of the calendars in the button-shadow colour; Fusion draws a lighter shade of
    // the background.
    if (hint == SH_Table_GridLineColor && option)
        return static_cast<int>(option->palette.color(QPalette::Dark).rgba());
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
