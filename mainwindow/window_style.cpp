#include "window_style.h"

#include "window_colours.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
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

// Fusion keeps each push-button panel it draws, but finds it again only for the same palette
// object, and every button has a palette of its own. Here a panel is kept by what it shows: its
// size, state, kind and colours, so that buttons of one size and look share it. The panel is
// Fusion's own, copied pixel for pixel.
bool WindowStyle::drawCachedButtonPanel(const QStyleOption& option, QPainter& painter,
                                        const QWidget* widget) const {
    if (option.rect.isEmpty() || painter.deviceTransform().type() > QTransform::TxTranslate)
        return false;
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option);
    const qreal ratio = qApp->devicePixelRatio();
    QString key = QStringLiteral("ostrelin-button-panel-%1-%2-%3-%4x%5@%6")
                      .arg(static_cast<int>(option.state))
                      .arg(static_cast<int>(option.direction))
                      .arg(button ? static_cast<int>(button->features) : -1)
                      .arg(option.rect.width())
                      .arg(option.rect.height())
                      .arg(ratio);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const QBrush& brush = option.palette.brush(static_cast<QPalette::ColorRole>(role));
        if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
            return false; // a gradient or texture: drawn as it comes
        key += QLatin1Char('-') + QString::number(brush.color().rgba64(), 16);
    }
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        QImage image(option.rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(0);
        QPainter imagePainter(&image);
        if (button) {
            QStyleOptionButton at = *button;
            at.rect.moveTo(0, 0);
            QProxyStyle::drawPrimitive(PE_PanelButtonCommand, &at, &imagePainter, widget);
        } else {
            QStyleOption at = option;
            at.rect.moveTo(0, 0);
            QProxyStyle::drawPrimitive(PE_PanelButtonCommand, &at, &imagePainter, widget);
        }
        imagePainter.end();
        panel = QPixmap::fromImage(image);
        QPixmapCache::insert(key, panel);
    }
    painter.drawPixmap(option.rect, panel);
    return true;
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelButtonCommand && option && painter &&
        drawCachedButtonPanel(*option, *painter, widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
