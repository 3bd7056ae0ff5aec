// The program's style draws push-button and text-box panels through a cache of its own: each
// panel must be the one Fusion draws for the same options, whatever was drawn before it.

#include "window_style.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSpinBox>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <gtest/gtest.h>

#include <memory>

namespace {

QImage panel(const QStyle& style, QStyle::PrimitiveElement element, const QStyleOption& option,
             const QWidget* widget) {
    // Painted as the widget's backing store is: at the scale of the widget's screen.
    const qreal ratio = widget->devicePixelRatio();
    QImage image((option.rect.size() + QSize(8, 8)) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white); // the panels have soft edges, drawn over what lies under them
    QPainter painter(&image);
    style.drawPrimitive(element, &option, &painter, widget);
    return image;
}

// Draws the panel with Fusion and twice with the program's style, the second time from its
// cache, in the colour group the option's state gives, for a control on each screen: the test
// runs with two screens of different scales (screens.json), and the panel drawn for one must
// not be handed to the other.
void expectFusionsPanel(const QStyle& fusion, QStyle::PrimitiveElement element,
                        QStyleOption& option, const QWidget* widget = nullptr) {
    option.palette.setCurrentColorGroup(option.state & QStyle::State_Enabled ? QPalette::Active
                                                                             : QPalette::Disabled);
    const QStyle& ours = *QApplication::style();
    for (QScreen* screen : QGuiApplication::screens()) {
        SCOPED_TRACE(screen->name().toStdString());
        QWidget host;
        host.setScreen(screen);
        host.move(screen->geometry().topLeft());
        const QWidget* on = widget ? widget : &host;
        if (widget && screen != widget->screen())
            continue;
        const QImage expected = panel(fusion, element, option, on);
        EXPECT_EQ(panel(ours, element, option, on), expected);
        EXPECT_EQ(panel(ours, element, option, on), expected); // from the cache
    }
}

TEST(WindowStyle, RunsWithTwoScreensOfDifferentScales) {
#ifdef OSTRELIN_ONE_SCREEN_ONLY
    GTEST_SKIP() << "this build's offscreen platform shows one screen, whatever it is given";
#endif
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    EXPECT_NE(screens[0]->devicePixelRatio(), screens[1]->devicePixelRatio());
}

TEST(WindowStyle, ButtonPanelsAreFusionsForEveryLookAndSize) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_TRUE(qobject_cast<const WindowStyle*>(QApplication::style()));
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
        option.rect = c.rect;
        expectFusionsPanel(*fusion, QStyle::PE_PanelButtonCommand, option);
    }
}

TEST(WindowStyle, TextBoxPanelsAreFusionsForEveryLookAndSize) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QSpinBox spinBox;
    const QWidget* spinBoxEditor = spinBox.findChild<QLineEdit*>();
    ASSERT_TRUE(spinBoxEditor);
    QPalette white = QApplication::palette();
    white.setColor(QPalette::Base, Qt::white);
    QPalette dark = white;
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    const QStyle::State enabled = QStyle::State_Enabled | QStyle::State_Sunken;
    const struct {
        const char* name;
        QStyle::State state;
        int lineWidth;
        QPalette palette;
        const QWidget* widget;
    } cases[] = {
        // One size throughout, so that a cache that mixed two looks up would hand the earlier
        // panel back. Some versions of Fusion draw no panel for a spin box's editor, which then
        // must not hand its empty panel to the text boxes after it.
        {"spin_box_editor", enabled, 1, white, spinBoxEditor},
        {"plain", enabled, 1, white, nullptr},
        {"focused", enabled | QStyle::State_HasFocus, 1, white, nullptr},
        {"read_only", enabled | QStyle::State_ReadOnly, 1, white, nullptr},
        {"disabled", QStyle::State_Sunken, 1, white, nullptr},
        {"frameless", enabled, 0, white, nullptr},
        {"other_colours", enabled, 1, dark, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStyleOptionFrame option;
        option.state = c.state;
        option.lineWidth = c.lineWidth;
        option.palette = c.palette;
        option.rect = QRect(4, 4, 177, 22);
        expectFusionsPanel(*fusion, QStyle::PE_PanelLineEdit, option, c.widget);
    }
}

} // namespace
