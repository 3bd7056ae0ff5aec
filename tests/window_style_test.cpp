// The program's style draws push-button panels through a cache of its own: each panel must be
// the one Fusion draws for the same options, whatever was drawn before it.

#include "window_style.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

QImage panel(const QStyle& style, const QStyleOptionButton& option) {
    QImage image(option.rect.size() + QSize(8, 8), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter);
    return image;
}

TEST(WindowStyle, ButtonPanelsAreFusionsForEveryLookAndSize) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStyle& ours = *QApplication::style();
    ASSERT_TRUE(dynamic_cast<const WindowStyle*>(&ours));
    QPalette white = QApplication::palette();
    white.setColor(QPalette::Button, Qt::white);
    QPalette dark = white;
    dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    const QStyle::State enabled = QStyle::State_Enabled | QStyle::State_Raised;
    const struct {
        const char* name;
        QStyle::State state;
        QStyleOptionButton::ButtonFeatures features;
        QPalette palette;
        QRect rect;
    } cases[] = {
        // Each row shares its size with the row before, so a cache that mixed two looks up would
        // hand the earlier panel back.
        {"plain", enabled, {}, white, QRect(4, 4, 256, 27)},
        {"pressed", enabled | QStyle::State_Sunken, {}, white, QRect(4, 4, 256, 27)},
        {"hovered", enabled | QStyle::State_MouseOver, {}, white, QRect(4, 4, 256, 27)},
        {"focused", enabled | QStyle::State_HasFocus, {}, white, QRect(4, 4, 256, 27)},
        {"default", enabled, QStyleOptionButton::DefaultButton, white, QRect(4, 4, 256, 27)},
        {"disabled", QStyle::State_Raised, {}, white, QRect(4, 4, 256, 27)},
        {"other_colours", enabled, {}, dark, QRect(4, 4, 256, 27)},
        {"wider", enabled, {}, white, QRect(4, 4, 520, 27)},
        {"elsewhere", enabled, {}, white, QRect(0, 2, 520, 27)},
        {"flat_pressed", enabled | QStyle::State_Sunken, QStyleOptionButton::Flat, white,
         QRect(0, 2, 520, 27)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStyleOptionButton option;
        option.state = c.state;
        option.features = c.features;
        option.palette = c.palette;
        option.palette.setCurrentColorGroup(c.state & QStyle::State_Enabled ? QPalette::Active
                                                                            : QPalette::Disabled);
        option.rect = c.rect;
        const QImage expected = panel(*fusion, option);
        EXPECT_EQ(panel(ours, option), expected);
        EXPECT_EQ(panel(ours, option), expected); // and again, from the cache
    }
}

} // namespace
