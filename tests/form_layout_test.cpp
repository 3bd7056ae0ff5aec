#include "form_fixture.h"
#include "laid_out_text.h"
#include "month_calendar.h"
#include "push_button.h"
#include "window_placement.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTableView>
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

// The ink of an image: how far its pixels are from white, added up.
long ink(const QImage& image) {
    long sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += 255 - qGray(image.pixel(x, y));
    return sum;
}

// The day names as the calendar would draw them in one font, each centred in its cell.
long inkOfDayNames(const MonthCalendar& calendar, const QList<QRect>& cells, bool bold) {
    QImage image(cells.back().right() + 1, cells.back().bottom() + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int first = calendar.firstDayOfWeek();
    for (int i = 0; i < cells.size(); ++i)
        painter.drawText(cells[i], Qt::AlignCenter,
                         calendar.locale().dayName((first - 1 + i) % 7 + 1, QLocale::ShortFormat));
    painter.end();
    return ink(image);
}

TEST(Form1Layout, CalendarLookAsDrawn) {
    FormFixture fixture;
    auto form = fixture.make();
    auto* calendar = control<MonthCalendar>(*form, "Calendar1");
    EXPECT_EQ(calendar->minimumDate(), QDate(100, 1, 1));
    EXPECT_EQ(calendar->maximumDate(), QDate(9999, 12, 31));
    auto* view = calendar->findChild<QTableView*>(QLatin1String(MonthCalendar::kDateGrid));
    ASSERT_NE(view, nullptr);
    const QImage grid = view->viewport()->grab().toImage();
    const auto cell = [&](int row, int column) {
        return view->visualRect(view->model()->index(row, column)).adjusted(1, 1, -1, -1);
    };

    // The day-name row: black and bold, on every weekday.
    QList<QRect> headerCells;
    for (int column = 0; column < 7; ++column) {
        SCOPED_TRACE(column);
        headerCells.append(cell(0, column));
        const QImage header = grid.copy(headerCells.back());
        int inked = 0;
        for (int y = 0; y < header.height(); ++y)
            for (int x = 0; x < header.width(); ++x) {
                const QColor c = header.pixel(x, y);
                if (qGray(c.rgb()) > 128)
                    continue;
                ++inked;
                EXPECT_LT(std::abs(c.blue() - c.red()), 24) << "coloured ink at " << x << "," << y;
            }
        EXPECT_GT(inked, 3);
    }
    QList<QRect> origin;
    for (const QRect& r : headerCells)
        origin.append(r.translated(-headerCells.front().topLeft()));
    const QRect row = headerCells.front().united(headerCells.back());
    const long drawn = ink(grid.copy(row));
    const long regular = inkOfDayNames(*calendar, origin, false);
    const long bold = inkOfDayNames(*calendar, origin, true);
    EXPECT_GT(drawn, (regular + bold) / 2) << "regular " << regular << ", bold " << bold;

    // The date grid: dark blue ink on a day of the shown month that is not selected.
    const QDate selected = calendar->selectedDate();
    const QImage day = grid.copy(cell(selected.day() < 15 ? 5 : 2, 3));
    QColor darkest = Qt::white;
    for (int y = 0; y < day.height(); ++y)
        for (int x = 0; x < day.width(); ++x)
            if (qGray(day.pixel(x, y)) < qGray(darkest.rgb()))
                darkest = day.pixel(x, y);
    EXPECT_GT(darkest.blue() - darkest.red(), 80) << darkest.name().toStdString();

    // Grid lines in the button-shadow colour, between every two columns.
    const QColor shadow = QApplication::palette().color(QPalette::Dark);
    const int middle = cell(3, 0).center().y();
    int lines = 0;
    for (int x = cell(3, 0).left(); x <= cell(3, 6).right(); ++x)
        lines += grid.pixel(x, middle) == shadow.rgb();
    EXPECT_GE(lines, 6);
}

// The window's first paint is the one every later paint repeats: nothing is laid out in a font
// other than the one it is drawn in. The laid-out texts are forgotten first, so that this grab
// lays them out as the first paint of a process does, whatever ran before it.
TEST(Form1Layout, FirstPaintIsWhatEveryRepaintShows) {
    forgetLaidOutTexts();
    FormFixture fixture;
    auto form = fixture.make();
    const QImage first = form->grab().toImage();
    const QImage second = form->grab().toImage();
    EXPECT_EQ(first, second);
}

// The day-name row is painted by the calendar layer itself; it must look exactly as the
// calendar's own item painting draws it.
TEST(Form1Layout, DayNameRowAsTheCalendarDrawsIt) {
    // Qt's offscreen platform under Wine finds no fonts, and both drawings are of empty boxes.
    if (QFontDatabase::families().isEmpty())
        GTEST_SKIP() << "no fonts to draw the day names with";
    for (const char* locale : {"en_US", "fr_FR", "ar_EG"}) {
        SCOPED_TRACE(locale);
        forgetLaidOutTexts(); // the names are laid out anew, as in a process of their own
        FormFixture fixture;
        auto form = fixture.make(locale);
        auto* calendar = control<MonthCalendar>(*form, "Calendar2");
        auto* view = calendar->findChild<QTableView*>(QLatin1String(MonthCalendar::kDateGrid));
        ASSERT_NE(view, nullptr);
        QAbstractItemDelegate* own = nullptr;
        for (auto* d : calendar->findChildren<QAbstractItemDelegate*>())
            if (d != view->itemDelegate())
                own = d;
        ASSERT_NE(own, nullptr);
        const QRect row = view->visualRect(view->model()->index(0, 0))
                              .united(view->visualRect(view->model()->index(0, 6)));
        const QImage ours = view->viewport()->grab(row).toImage();
        QAbstractItemDelegate* layer = view->itemDelegate();
        view->setItemDelegate(own);
        const QImage theirs = view->viewport()->grab(row).toImage();
        view->setItemDelegate(layer);
        EXPECT_EQ(ours, theirs);
    }
}

// The calendar layer reaches Qt's calendar parts by their object names; an upgrade of Qt that
// renamed one must fail here rather than leave the part unstyled and unnamed.
TEST(CalendarParts, QtStillGivesEveryPartItsName) {
    FormFixture fixture;
    auto form = fixture.make();
    auto* calendar = control<MonthCalendar>(*form, "Calendar2");
    struct Part {
        const char* name;
        const char* className;
    };
    for (const Part& p : {Part{MonthCalendar::kNavigationBar, "QWidget"},
                          Part{MonthCalendar::kPreviousMonth, "QToolButton"},
                          Part{MonthCalendar::kNextMonth, "QToolButton"},
                          Part{MonthCalendar::kMonthButton, "QToolButton"},
                          Part{MonthCalendar::kYearButton, "QToolButton"},
                          Part{MonthCalendar::kYearEdit, "QSpinBox"},
                          Part{MonthCalendar::kDateGrid, "QTableView"}}) {
        SCOPED_TRACE(p.name);
        auto* part = calendar->findChild<QWidget*>(QLatin1String(p.name));
        ASSERT_NE(part, nullptr);
        EXPECT_TRUE(part->inherits(p.className)) << part->metaObject()->className();
    }
}

TEST(Form1Layout, OpensCentredAndNeverOffScreen) {
    struct Place {
        const char* name;
        QSize window;
        QRect available;
        QPoint expected;
    };
    for (const Place& p : {
             Place{"fits", {536, 623}, {0, 0, 1024, 768}, {244, 72}},
             Place{"with_a_panel", {536, 623}, {0, 32, 1920, 1048}, {692, 244}},
             Place{"second_screen", {536, 623}, {1920, 0, 1280, 1024}, {2292, 200}},
             Place{"too_tall", {536, 623}, {0, 0, 800, 600}, {132, 0}},
             Place{"too_tall_below_a_panel", {536, 623}, {0, 27, 800, 573}, {132, 27}},
             Place{"too_wide_and_tall", {536, 623}, {10, 20, 500, 500}, {10, 20}},
         }) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(centredPosition(p.window, p.available), p.expected);
    }
    FormFixture fixture;
    auto form = fixture.make();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(form->y(), available.top());
    EXPECT_GE(form->x(), available.left());
}

} // namespace
