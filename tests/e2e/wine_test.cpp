// The Windows program in its real window under Wine, on a private X display, used as a person
// would: the mouse and keyboard through xdotool. Texts are read from the Windows clipboard
// inside Wine (windows_probe.exe), since Wine's bridge to the X clipboard changes line ends.

#include "desktop.h"
#include "window_points.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QPoint>
#include <QThread>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QString kBuild = QStringLiteral(OSTRELIN_WINDOWS_BUILD);

QProcessEnvironment wineEnvironment(const Desktop& desktop, const QString& locale) {
    QProcessEnvironment env = desktop.environment();
    env.insert(QStringLiteral("LC_ALL"), locale + QStringLiteral(".UTF-8"));
    env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    env.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("winemenubuilder.exe="));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

class WindowsProgram : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(desktop.isRunning()) << "Xvfb could not be started";
        program.setProcessEnvironment(wineEnvironment(desktop, locale()));
        program.setWorkingDirectory(kBuild);
        program.setStandardOutputFile(QProcess::nullDevice());
        program.setStandardErrorFile(QProcess::nullDevice());
        program.start(QStringLiteral("wine"),
                      {kBuild + QStringLiteral("/ostrelin-calculator.exe")});
        ASSERT_TRUE(program.waitForStarted(10000));
        // A fresh Wine prefix is made at the first start, which takes many seconds.
        const auto w = desktop.findWindow(QStringLiteral("^Ostrelin Calculator$"), 120s);
        ASSERT_TRUE(w) << "the window did not appear under Wine";
        window = *w;
        const auto p = desktop.position(window);
        ASSERT_TRUE(p);
        origin = QPoint(p->first, p->second);
    }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(10000);
        }
    }
    QString locale() const { return QString::fromLatin1(GetParam()); }

    void click(QPoint p) const { desktop.click(origin.x() + p.x(), origin.y() + p.y()); }
    void enter(QPoint box, const QString& text) const {
        click(box);
        desktop.key(QStringLiteral("ctrl+a"));
        desktop.key(QStringLiteral("BackSpace"));
        desktop.typeText(text);
    }
    // The Windows clipboard's text, as the program left it.
    QString clipboard() const {
        QThread::msleep(300);
        QProcess reader;
        reader.setProcessEnvironment(wineEnvironment(desktop, locale()));
        reader.start(QStringLiteral("wine"),
                     {kBuild + QStringLiteral("/windows_probe.exe"), QStringLiteral("clipboard")});
        reader.waitForFinished(30000);
        // Wine adds a carriage return before each line feed when another process reads the
        // clipboard: a plain Windows program that puts "a\r\nb" there is read back as
        // "a\r\r\nb". That one is taken away; a line feed alone stays as it is.
        return QString::fromUtf8(reader.readAllStandardOutput())
            .replace(QLatin1String("\r\r\n"), QLatin1String("\r\n"));
    }
    QString read(QPoint box) const {
        click(box);
        desktop.key(QStringLiteral("ctrl+a"));
        desktop.key(QStringLiteral("ctrl+c"));
        return clipboard();
    }
    // A date as Wine's regional settings write it: month/day/year in the United States,
    // day.month.year in Germany, without leading zeros.
    QString shortDate(QDate date) const {
        if (locale() == QLatin1String("de_DE"))
            return QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year());
        return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
    }

    Desktop desktop;
    QProcess program;
    QString window;
    QPoint origin;
};

TEST_P(WindowsProgram, StartsWithYesterdayAndTodayInTheUsersShortDate) {
    const QDate today = QDate::currentDate();
    EXPECT_EQ(read(kText1), shortDate(today.addDays(-1)));
    EXPECT_EQ(read(kText2), shortDate(today));
}

TEST_P(WindowsProgram, ATypedCalculationCopiesFourLinesJoinedByCrLf) {
    enter(kText1, shortDate(QDate(2021, 1, 30)));
    enter(kText2, shortDate(QDate(2021, 3, 5)));
    click(kStart);
    click(kCopy);
    EXPECT_EQ(clipboard().toStdString(), "Full Result: 0 year(s) 1 month(s) 6 day(s).\r\n"
                                         "Just Year: 0 year(s)\r\nJust Month: 2 month(s)\r\n"
                                         "Just Day: 34 day(s)");
}

TEST_P(WindowsProgram, APickedDayReadsBackAndCalculates) {
    // The day in the middle of the grid's second week row, Wednesday's column counted from the
    // locale's first day of the week.
    const QDate today = QDate::currentDate();
    const QDate yesterday = today.addDays(-1);
    const QDate firstOfMonth(yesterday.year(), yesterday.month(), 1);
    const QLocale system(locale());
    const int firstColumn = (firstOfMonth.dayOfWeek() - system.firstDayOfWeek() + 7) % 7;
    const int row = firstColumn == 0 ? 1 : 2;
    const QDate picked = firstOfMonth.addDays(7 * row + 3 - firstColumn);
    click(kCalendar1 + QPoint(252, 92));
    EXPECT_EQ(read(kText1), shortDate(picked));
    enter(kText2, shortDate(picked.addDays(10)));
    click(kStart);
    click(kCopy);
    const bool newMonth = picked.addDays(10).month() != picked.month();
    const bool newYear = picked.addDays(10).year() != picked.year();
    EXPECT_EQ(clipboard().toStdString(),
              QStringLiteral("Full Result: 0 year(s) 0 month(s) 10 day(s).\r\n"
                             "Just Year: %1 year(s)\r\nJust Month: %2 month(s)\r\n"
                             "Just Day: 10 day(s)")
                  .arg(newYear ? 1 : 0)
                  .arg(newMonth ? 1 : 0)
                  .toStdString());
}

TEST_P(WindowsProgram, TheHandPointerShowsOverAButton) {
    const auto pointer = desktop.pointerAt(origin.x() + kStart.x(), origin.y() + kStart.y(), 32);
    ASSERT_TRUE(pointer);
    EXPECT_EQ(pointer->width, 32);
    EXPECT_EQ(pointer->height, 32);
    EXPECT_EQ(pointer->hotX, 6);
    EXPECT_EQ(pointer->hotY, 0);
}

TEST_P(WindowsProgram, HelpShowsItsBox) {
    click(kHelp);
    const auto box = desktop.findWindow(QStringLiteral("^Ostrelin$"), 30s);
    ASSERT_TRUE(box) << "no message box titled Ostrelin";
    desktop.key(QStringLiteral("ctrl+c"));
    EXPECT_TRUE(clipboard().contains(QStringLiteral(
        "Questions? Please contact Team Quillmark at http://www.quillmark.example/contact/")));
    desktop.key(QStringLiteral("Return"));
    EXPECT_TRUE(desktop.waitUntilGone(*box, 30s));
}

TEST_P(WindowsProgram, ClosingTheWindowEndsTheProcess) {
    ASSERT_TRUE(desktop.requestClose(window));
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Locales, WindowsProgram, testing::Values("en_US", "de_DE"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
