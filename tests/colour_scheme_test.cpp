// Every text the window draws on the backgrounds it fixes stays readable under a dark colour
// scheme as under a light one, judged from the rendered pixels.

#include "form_fixture.h"
#include "month_calendar.h"
#include "readable_colour.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTableView>

#include <gtest/gtest.h>

#include <map>

namespace {

QPalette darkScheme() {
    QPalette p;
    const QColor window(53, 53, 53), base(36, 36, 36), text(238, 238, 236);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, window);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, window);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Highlight, QColor(53, 132, 228));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::Light, QColor(80, 80, 80));
        p.setColor(group, QPalette::Midlight, QColor(66, 66, 66));
        p.setColor(group, QPalette::Mid, QColor(40, 40, 40));
        p.setColor(group, QPalette::Dark, QColor(27, 27, 27));
        p.setColor(group, QPalette::Shadow, Qt::black);
    }
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(145, 145, 145));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(145, 145, 145));
    return p;
}

// The most frequent colour of an area: its background.
QColor background(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    auto most = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > most->second)
            most = it;
    return QColor::fromRgb(most->first);
}

// The contrast of the strongest ink in an area against the area's background: the contrast of
// the text drawn there, since the core of a stroke carries the text's own colour.
double textContrast(const QImage& image, const QRect& area) {
    const QColor bg = background(image, area);
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, ReadableColour::contrast(bg, QColor::fromRgb(image.pixel(x, y))));
    return best;
}

struct Area {
    const char* control;
    QRect rect; // in the control's coordinates; empty for the whole control
};

class ColourScheme : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        saved_ = QApplication::palette();
        if (GetParam())
            QApplication::setPalette(darkScheme());
    }
    void TearDown() override {
        qApp->setStyleSheet(QString()); // a skin styles the whole application
        QApplication::setPalette(saved_);
    }

    // Checks that the text of each area contrasts with its background by the WCAG ratio.
    static void expectReadable(Form1& form) {
        setTextOf(form, "Text3", QStringLiteral("0 year(s) 1 month(s)"));
        setTextOf(form, "Text4", QStringLiteral("1 year(s)"));
        setTextOf(form, "Text5", QStringLiteral("2 month(s)"));
        setTextOf(form, "Text6", QStringLiteral("59 day(s)"));
        form.resize(form.size());
        const QImage shot = form.grab().toImage();
        auto* calendar = control<MonthCalendar>(form, "Calendar1");
        auto* view = calendar->findChild<QTableView*>(QLatin1String(MonthCalendar::kDateGrid));
        ASSERT_NE(view, nullptr);
        const auto cell = [&](int row, int column) {
            const QRect r = view->visualRect(view->model()->index(row, column));
            return QRect(view->viewport()->mapTo(&form, r.topLeft()), r.size())
                .adjusted(1, 1, -1, -1);
        };
        const Area areas[] = {
            {"Label1", {}},
            {"Label2", {}},
            {"Label3", {}},
            {"Label4", {}},
            {"Label5", {}},
            {"Label6", {}},
            {"Text1", {}},
            {"Text2", {}},
            {"Text3", {}},
            {"Text4", {}},
            {"Text5", {}},
            {"Text6", {}},
            {"PushButton1", {}},
            {"PushButton2", {}},
            {"PushButton3", {}},
            {"PushButton4", {}},
            {"Frame4", {8, 0, 80, 14}},
            {"Frame1", {8, 0, 80, 14}},
            {"Frame2", {8, 0, 60, 14}},
            {"qt_calendar_monthbutton", {}},
        };
        for (const Area& a : areas) {
            SCOPED_TRACE(a.control);
            auto* w = form.findChild<QWidget*>(QString::fromLatin1(a.control));
            ASSERT_NE(w, nullptr);
            const QRect local = a.rect.isEmpty() ? w->rect().adjusted(3, 3, -3, -3) : a.rect;
            const QRect area(w->mapTo(&form, local.topLeft()), local.size());
            EXPECT_GE(textContrast(shot, area), ReadableColour::kMinimumContrast);
        }
        // The day-name row and a day of the shown month, away from the selected day.
        const QDate selected = calendar->selectedDate();
        for (int column = 0; column < 7; ++column) {
            SCOPED_TRACE(column);
            EXPECT_GE(textContrast(shot, cell(0, column)), ReadableColour::kMinimumContrast);
            const int row = selected.day() < 15 ? 5 : 2;
            EXPECT_GE(textContrast(shot, cell(row, column)), ReadableColour::kMinimumContrast);
        }
    }

private:
    QPalette saved_;
};

TEST_P(ColourScheme, EveryTextIsReadableOnItsFixedBackground) {
    FormFixture fixture;
    auto form = fixture.make();
    expectReadable(*form);
}

TEST_P(ColourScheme, SkinnedFacesKeepTheirTextReadable) {
    FormFixture fixture;
    QDir(fixture.folder.path()).mkdir(QStringLiteral("x"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(OSTRELIN_SKINS "/slate.cjs"),
                            fixture.folder.filePath(QStringLiteral("x/o.cjs"))));
    auto form = fixture.make();
    expectReadable(*form);
}

TEST(LightScheme, KeepsTheSystemTextColours) {
    FormFixture fixture;
    auto form = fixture.make();
    const QPalette system = QApplication::palette();
    EXPECT_EQ(control(*form, "Text1")->palette().color(QPalette::Text),
              system.color(QPalette::WindowText));
    EXPECT_EQ(control<QWidget>(*form, "Label1")->palette().color(QPalette::WindowText),
              system.color(QPalette::WindowText));
    EXPECT_EQ(control<QWidget>(*form, "PushButton1")->palette().color(QPalette::ButtonText),
              system.color(QPalette::ButtonText));
}

INSTANTIATE_TEST_SUITE_P(Schemes, ColourScheme, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "dark" : "light");
                         });

TEST(ReadableColour, ContrastRatiosAsWcagDefinesThem) {
    struct Pair {
        QColor a, b;
        double ratio;
    };
    // Ratios from the WCAG 2 definition, worked by hand.
    for (const Pair& p : {Pair{Qt::black, Qt::white, 21.0}, Pair{Qt::white, Qt::white, 1.0},
                          Pair{QColor(118, 118, 118), Qt::white, 4.54},
                          Pair{QColor(0, 0, 160), Qt::white, 13.93}}) {
        EXPECT_NEAR(ReadableColour::contrast(p.a, p.b), p.ratio, 0.05);
        EXPECT_NEAR(ReadableColour::contrast(p.b, p.a), p.ratio, 0.05);
    }
    EXPECT_EQ(ReadableColour::on(Qt::white, QColor(238, 238, 236)), QColor(Qt::black));
    EXPECT_EQ(ReadableColour::on(Qt::white, QColor(118, 118, 118)), QColor(118, 118, 118));
    EXPECT_EQ(ReadableColour::on(QColor(53, 53, 53), QColor(238, 238, 236)), QColor(238, 238, 236));
}

} // namespace
