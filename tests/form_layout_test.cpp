#include "form_fixture.h"
#include "month_calendar.h"
#include "push_button.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;
    const char* caption; // nullptr for boxes and calendars
};

TEST(Form1Layout, EveryControlAtItsPlaceWithItsCaption) {
    const Placement placements[] = {
        {"PushButton2", "Form1", {8, 8, 256, 27}, "Help"},
        {"PushButton3", "Form1", {272, 8, 256, 27}, "Load Sample/Example Dates"},
        {"Frame4", "Form1", {8, 40, 520, 209}, "Older date"},
        {"Calendar1", "Frame4", {8, 16, 505, 161}, nullptr},
        {"Label1", "Frame4", {16, 178, 57, 17}, "Date #1:"},
        {"Text1", "Frame4", {72, 176, 433, 23}, nullptr},
        {"Frame1", "Form1", {8, 252, 520, 209}, "Newer date"},
        {"Calendar2", "Frame1", {8, 16, 505, 161}, nullptr},
        {"Label2", "Frame1", {16, 178, 57, 17}, "Date #2:"},
        {"Text2", "Frame1", {72, 176, 433, 23}, nullptr},
        {"PushButton1", "Form1", {8, 468, 520, 27}, "Start Finding Difference"},
        {"Frame2", "Form1", {8, 500, 520, 82}, "Results"},
        {"Label3", "Frame2", {8, 22, 72, 17}, " Full Result:"},
        {"Text3", "Frame2", {80, 18, 177, 22}, nullptr},
        {"Label4", "Frame2", {264, 22, 65, 17}, " Just Year:"},
        {"Text4", "Frame2", {328, 18, 177, 22}, nullptr},
        {"Label5", "Frame2", {8, 52, 73, 17}, " Just Month:"},
        {"Text5", "Frame2", {80, 48, 177, 22}, nullptr},
        {"Label6", "Frame2", {264, 52, 65, 17}, " Just Day:"},
        {"Text6", "Frame2", {328, 48, 177, 22}, nullptr},
        {"PushButton4", "Form1", {8, 589, 520, 27}, "Copy Results To Clipboard"},
    };
    FormFixture fixture;
    auto form = fixture.make();
    EXPECT_EQ(form->size(), QSize(536, 623));
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.name);
        auto* w = control<QWidget>(*form, p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), p.parent);
        EXPECT_EQ(w->geometry(), p.geometry);
        if (!p.caption)
            continue;
        QString caption;
        if (auto* b = qobject_cast<QPushButton*>(w))
            caption = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            caption = g->title();
        else if (auto* l = qobject_cast<QLabel*>(w))
            caption = l->text();
        EXPECT_EQ(caption.toStdString(), p.caption);
    }
}

TEST(Form1Layout, FontsColoursAndWindowKind) {
    FormFixture fixture;
    auto form = fixture.make();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ostrelin Calculator"));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::white));
    for (const char* name : {"Frame1", "Label3", "Text5"}) {
        SCOPED_TRACE(name);
        const QFont f = control<QWidget>(*form, name)->font();
        EXPECT_EQ(f.family(), QStringLiteral("Arial"));
        EXPECT_EQ(f.pointSize(), 9);
        EXPECT_TRUE(f.bold());
        EXPECT_FALSE(f.italic() || f.underline() || f.strikeOut());
    }
    const QFont button = control<QWidget>(*form, "PushButton1")->font();
    EXPECT_DOUBLE_EQ(button.pointSizeF(), 11.25);
    EXPECT_TRUE(button.bold());
    for (const char* name : {"Text1", "Text3", "Text6"})
        EXPECT_FALSE(control(*form, name)->isReadOnly()) << name;
    // The boxes beside the results' labels are drawn over them.
    auto* frame = control<QWidget>(*form, "Frame2");
    EXPECT_GT(frame->children().indexOf(control(*form, "Text4")),
              frame->children().indexOf(control<QLabel>(*form, "Label4")));
    EXPECT_EQ(form->childAt(328 + 8, 500 + 30), control(*form, "Text4"));
}

TEST(Form1Layout, TabOrderRunsThroughTheDesignedControls) {
    FormFixture fixture;
    auto form = fixture.make();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), control(*form, "Text1"));
    const char* order[] = {"Calendar1",   "Text2",       "Calendar2",   "Text3",
                           "Text4",       "Text5",       "Text6",       "PushButton1",
                           "PushButton2", "PushButton3", "PushButton4", "Text1"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        auto* expected = control<QWidget>(*form, name);
        const bool inside = focus == expected || expected->isAncestorOf(focus);
        EXPECT_TRUE(inside) << "expected " << name << ", focus on "
                            << (focus ? focus->objectName().toStdString() : "nothing");
    }
}

TEST(Form1Layout, CalendarLook) {
    FormFixture fixture;
    auto form = fixture.make();
    auto* calendar = control<MonthCalendar>(*form, "Calendar1");
    EXPECT_EQ(calendar->minimumDate(), QDate(100, 1, 1));
    EXPECT_EQ(calendar->maximumDate(), QDate(9999, 12, 31));
    EXPECT_TRUE(calendar->isGridVisible());
    const QTextCharFormat day = calendar->weekdayTextFormat(Qt::Saturday);
    EXPECT_EQ(day.foreground().color(), QColor(0, 0, 160));
    EXPECT_FALSE(day.font().bold());
    EXPECT_TRUE(calendar->headerTextFormat().font().bold());
    EXPECT_EQ(calendar->headerTextFormat().foreground().color(), QColor(Qt::black));
}

} // namespace
