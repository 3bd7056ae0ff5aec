// What assistive technology and the keyboard get from the window: spoken names and roles, the
// labels tied to their boxes, buttons pressed with Return, and the calendars' focus frame.

#include "form_fixture.h"
#include "month_calendar.h"
#include "push_button.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

TEST(Accessibility, EveryControlIsNamedAsASightedUserReadsIt) {
    struct Named {
        const char* object;
        const char* name;
        QAccessible::Role role;
    };
    const Named controls[] = {
        {"Text1", "Date #1", QAccessible::EditableText},
        {"Text2", "Date #2", QAccessible::EditableText},
        {"Text3", "Full Result", QAccessible::EditableText},
        {"Text4", "Just Year", QAccessible::EditableText},
        {"Text5", "Just Month", QAccessible::EditableText},
        {"Text6", "Just Day", QAccessible::EditableText},
        {"Calendar1", "Older date", QAccessible::Table},
        {"Calendar2", "Newer date", QAccessible::Table},
        {"Label1", "Date #1:", QAccessible::StaticText},
        {"Label3", " Full Result:", QAccessible::StaticText},
        {"PushButton1", "Start Finding Difference", QAccessible::Button},
        {"PushButton3", "Load Sample/Example Dates", QAccessible::Button},
        {"Frame4", "Older date", QAccessible::Grouping},
        {"Frame2", "Results", QAccessible::Grouping},
    };
    FormFixture fixture;
    auto form = fixture.make();
    for (const Named& c : controls) {
        SCOPED_TRACE(c.object);
        auto* widget = control<QWidget>(*form, c.object);
        ASSERT_NE(widget, nullptr); // the object names stay the control names
        QAccessibleInterface* iface = accessible(widget);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), c.name);
        if (qobject_cast<QCalendarWidget*>(widget))
            continue; // the calendar's role is its grid's, checked below
        EXPECT_EQ(iface->role(), c.role);
    }
}

TEST(Accessibility, TheCalendarsTitleControlsHaveNames) {
    FormFixture fixture;
    auto form = fixture.make();
    for (const char* calendarName : {"Calendar1", "Calendar2"}) {
        auto* calendar = control<MonthCalendar>(*form, calendarName);
        struct Part {
            const char* object;
            const char* name;
        };
        for (const Part& p :
             {Part{"qt_calendar_prevmonth", "Previous month"},
              Part{"qt_calendar_nextmonth", "Next month"}, Part{"qt_calendar_monthbutton", "Month"},
              Part{"qt_calendar_yearbutton", "Year"}, Part{"qt_calendar_yearedit", "Year"}}) {
            SCOPED_TRACE(std::string(calendarName) + " " + p.object);
            auto* part = calendar->findChild<QWidget*>(QString::fromLatin1(p.object));
            ASSERT_NE(part, nullptr);
            EXPECT_EQ(accessible(part)->text(QAccessible::Name).toStdString(), p.name);
        }
        auto* grid = calendar->findChild<QTableView*>(QLatin1String(MonthCalendar::kDateGrid));
        EXPECT_EQ(accessible(grid)->role(), QAccessible::Table);
    }
}

TEST(Accessibility, EachLabelLabelsItsBoxWithoutAnAccessKey) {
    FormFixture fixture;
    auto form = fixture.make();
    const std::pair<const char*, const char*> pairs[] = {{"Label1", "Text1"}, {"Label2", "Text2"},
                                                         {"Label3", "Text3"}, {"Label4", "Text4"},
                                                         {"Label5", "Text5"}, {"Label6", "Text6"}};
    for (const auto& [labelName, boxName] : pairs) {
        SCOPED_TRACE(labelName);
        auto* label = control<QLabel>(*form, labelName);
        auto* box = control<QWidget>(*form, boxName);
        EXPECT_EQ(label->buddy(), box);
        EXPECT_FALSE(label->text().contains(QLatin1Char('&')));
        // Each relation names what the other object is to the one asked: the label is the
        // box's label, and the box is labelled by it.
        // The box's labels are its own label and the caption of the frame around it.
        QList<QObject*> labels;
        for (const auto& relation : accessible(box)->relations(QAccessible::Label))
            labels.append(relation.first->object());
        EXPECT_TRUE(labels.contains(label));
        EXPECT_TRUE(labels.contains(box->parentWidget()));
        const auto labelled = accessible(label)->relations(QAccessible::Labelled);
        ASSERT_FALSE(labelled.isEmpty());
        for (const auto& relation : labelled)
            EXPECT_EQ(relation.first->object(), box);
    }
}

class Keyboard : public testing::Test {
protected:
    void SetUp() override {
        form = fixture.make();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    FormFixture fixture;
    std::unique_ptr<Form1> form;
};

TEST_F(Keyboard, ReturnEnterAndSpacePressAFocusedButton) {
    struct Press {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int presses;
    };
    for (const Press& p : {Press{"return", Qt::Key_Return, Qt::NoModifier, 1},
                           Press{"keypad_enter", Qt::Key_Enter, Qt::KeypadModifier, 1},
                           Press{"space", Qt::Key_Space, Qt::NoModifier, 1},
                           Press{"ctrl_return", Qt::Key_Return, Qt::ControlModifier, 0},
                           Press{"letter", Qt::Key_A, Qt::NoModifier, 0}}) {
        SCOPED_TRACE(p.name);
        auto* button = control<PushButton>(*form, "PushButton2");
        button->setFocus();
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keyClick(button, p.key, p.modifiers);
        QTest::qWait(250); // a press by Return shows the button down for a moment
        EXPECT_EQ(clicked.count(), p.presses);
    }
    // The Help button's press shows its message.
    EXPECT_EQ(fixture.messages.shown.size(), 3);
}

TEST_F(Keyboard, ReturnInABoxPressesNoButton) {
    for (const char* box : {"Text1", "Text2", "Text3"}) {
        control(*form, box)->setFocus();
        QTest::keyClick(control(*form, box), Qt::Key_Return);
    }
    QTest::qWait(250);
    EXPECT_TRUE(fixture.messages.shown.isEmpty());
    EXPECT_TRUE(textOf(*form, "Text3").isEmpty());
}

TEST_F(Keyboard, AFocusedCalendarFramesItsSelectedDay) {
    auto* calendar = control<MonthCalendar>(*form, "Calendar1");
    auto* view = calendar->findChild<QTableView*>(QLatin1String(MonthCalendar::kDateGrid));
    const QModelIndex current = view->currentIndex();
    ASSERT_TRUE(current.isValid());
    const QRect cell = view->visualRect(current);
    const auto shot = [&] { return view->viewport()->grab(cell).toImage(); };
    // The frame runs two pixels inside the cell, in the selection's text colour.
    const QColor frame = calendar->palette().color(QPalette::HighlightedText);
    const auto framePixels = [&](const QImage& image) {
        int n = 0;
        for (int x = 2; x < image.width() - 2; ++x)
            n += image.pixel(x, 2) == frame.rgb();
        return n;
    };
    control(*form, "Text1")->setFocus();
    QTest::qWait(50);
    const QImage without = shot();
    view->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(view->hasFocus());
    QTest::qWait(50);
    const QImage with = shot();
    EXPECT_EQ(framePixels(without), 0);
    EXPECT_GE(framePixels(with), (cell.width() - 4) / 3);
}

} // namespace
