#include "window_style.h"

#include "window_colours.h"

#include <QAbstractSpinBox>
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

namespace {

// A cache key for a panel: its kind and what it shows (size, state, direction, colours and the
// option's own fields), or nothing where a brush is not a plain colour.
QString panelKey(QStyle::PrimitiveElement element, const QStyleOption& option,
                 const QString& fields, qreal ratio) {
    QString key = QStringLiteral("ostrelin-panel-%1-%2-%3-%4-%5x%6@%7")
                      .arg(static_cast<int>(element))
                      .arg(static_cast<int>(option.state))
                      .arg(static_cast<int>(option.direction))
                      .arg(fields)
                      .arg(option.rect.width())
                      .arg(option.rect.height())
                      .arg(ratio);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const QBrush& brush = option.palette.brush(static_cast<QPalette::ColorRole>(role));
        if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
            return {}; // a gradient or texture
        key += QLatin1Char('-') + QString::number(brush.color().rgba64(), 16);
    }
    return key;
}

} // namespace

// Fusion keeps the push-button panels it draws, but finds one again only for the same palette
// object, and every button has a palette of its own; line-edit panels it draws anew each time.
// Here both are kept by what they show, so that controls of one size and look share one
// drawing. The drawing is Fusion's own, made on a transparent image as Fusion makes its panels.
template <typename Option>
bool WindowStyle::drawCachedPanel(PrimitiveElement element, const Option& option,
                                  const QString& fields, QPainter& painter,
                                  const QWidget* widget) const {
    // The scale of the screen or image painted on, which a second screen may give otherwise.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QString key = panelKey(element, option, fields, ratio);
    if (key.isEmpty())
        return false;
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        QImage image(option.rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(0);
        QPainter imagePainter(&image);
        Option at = option;
        at.rect.moveTo(0, 0);
        QProxyStyle::drawPrimitive(element, &at, &imagePainter, widget);
        imagePainter.end();
        panel = QPixmap::fromImage(image);
        QPixmapCache::insert(key, panel);
    }
    painter.drawPixmap(option.rect, panel);
    return true;
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const bool cacheable = option && painter && !option->rect.isEmpty() &&
                           painter->deviceTransform().type() <= QTransform::TxTranslate;
    if (cacheable && element == PE_PanelButtonCommand) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option))
            if (drawCachedPanel(element, *button, QString::number(button->features), *painter,
                                widget))
                return;
    }
    // Versions of Fusion that leave a spin box's editor to the spin box draw no panel for it;
    // such an editor is drawn as it comes, so that it never hands an empty panel to a text box.
    const bool inSpinBox = widget && qobject_cast<const QAbstractSpinBox*>(widget->parentWidget());
    if (cacheable && element == PE_PanelLineEdit && !inSpinBox) {
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
            const QString fields = QStringLiteral("%1-%2-%3-%4")
                                       .arg(frame->lineWidth)
                                       .arg(frame->midLineWidth)
                                       .arg(static_cast<int>(frame->features))
                                       .arg(static_cast<int>(frame->frameShape));
            if (drawCachedPanel(element, *frame, fields, *painter, widget))
                return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
