#include "error_report.h"
#include "form_fixture.h"
#include "hide_file.h"
#include "main_module.h"
#include "month_calendar.h"
#include "push_button.h"
#include "report_lines.h"
#include "resources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor background(QWidget& form, const char* name) {
    return control<QWidget>(form, name)->palette().color(QPalette::Window);
}

TEST(FormLoad, FillsDatesCaptionIconAndTitle) {
    struct Day {
        QDate today;
        const char* locale;
        const char* text1;
        const char* text2;
    };
    for (const Day& d : {Day{QDate(2021, 1, 1), "en_US", "12/31/2020", "1/1/2021"},
                         Day{QDate(2021, 8, 31), "de_DE", "30.08.2021", "31.08.2021"},
                         Day{QDate(2020, 3, 1), "C", "29 Feb 2020", "1 Mar 2020"}}) {
        SCOPED_TRACE(d.text1);
        FormFixture fixture;
        fixture.today = d.today;
        auto form = fixture.make(d.locale);
        EXPECT_EQ(textOf(*form, "Text1").toStdString(), d.text1);
        EXPECT_EQ(textOf(*form, "Text2").toStdString(), d.text2);
        for (const char* box : {"Text3", "Text4", "Text5", "Text6"})
            EXPECT_TRUE(textOf(*form, box).isEmpty()) << box;
        EXPECT_EQ(control<MonthCalendar>(*form, "Calendar1")->Value(), d.today.addDays(-1));
        EXPECT_EQ(control<MonthCalendar>(*form, "Calendar2")->Value(), d.today);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Ostrelin Calculator"));
        EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Ostrelin"));
        EXPECT_TRUE(fixture.messages.shown.isEmpty());
        EXPECT_FALSE(form->hasMouseIcon());
        EXPECT_TRUE(fixture.opener.opened.isEmpty());
        EXPECT_EQ(background(*form, "Frame1"), QColor(Qt::white));
        // The icon follows the first frame.
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return form->windowIcon().availableSizes().contains(QSize(256, 256)); }));
        const QList<QSize> sizes = form->windowIcon().availableSizes();
        for (int s : {32, 48, 128, 256})
            EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
    }
}

TEST(FormLoad, CursorFile) {
    struct Case {
        const char* name;
        QByteArray bytes;
        bool icon;
        int reportLine; // 0: no report
    };
    const QByteArray hand = readFile(QStringLiteral(OSTRELIN_HAND_CURSOR));
    ASSERT_FALSE(hand.isEmpty());
    for (const Case& c :
         {Case{"our_hand", hand, true, 0},
          Case{"garbage", QByteArray("not a cursor at all"), false, FormLoadLine::kLoadMouseIcon},
          Case{"empty", QByteArray(), false, FormLoadLine::kLoadMouseIcon},
          Case{"truncated", hand.left(200), false, FormLoadLine::kLoadMouseIcon}}) {
        SCOPED_TRACE(c.name);
        FormFixture fixture;
        writeFile(fixture.folder.filePath(QStringLiteral("HAND-M.CUR")), c.bytes);
        auto form = fixture.make();
        EXPECT_EQ(form->hasMouseIcon(), c.icon);
        if (c.reportLine == 0) {
            EXPECT_TRUE(fixture.messages.shown.isEmpty());
        } else {
            ASSERT_EQ(fixture.messages.shown.size(), 1);
            EXPECT_TRUE(fixture.messages.shown.front().text.contains(
                QStringLiteral("Form1.Form_Load at line %1").arg(c.reportLine)));
        }
        EXPECT_EQ(textOf(*form, "Text2"), QStringLiteral("8/31/2021")); // start-up went on
    }
}

// A skin styles the whole application; it must not reach the next test however this one ends.
class FormLoadSkin : public testing::Test {
protected:
    void TearDown() override { qApp->setStyleSheet(QString()); }
};

TEST_F(FormLoadSkin, SkinFile) {
    const QColor face = QPalette().color(QPalette::Active, QPalette::Button);
    struct Case {
        const char* name;
        const char* skinSource; // file in skins/, or inline text
        bool hidden;
        bool asFolder;
        bool faceColour;
        int reportLine;
    };
    for (const Case& c : {Case{"sample_skin", "slate.cjs", false, false, true, 0},
                          Case{"rejected_skin", "QWidget { color: red ", false, false, true, 100},
                          Case{"not_text", "\xff\xfe\x00", false, false, true, 100},
                          Case{"hidden_skin", "slate.cjs", true, false, false, 0},
                          Case{"folder_of_that_name", "", false, true, false, 0}}) {
        SCOPED_TRACE(c.name);
        FormFixture fixture;
        const QString path = fixture.folder.filePath(QStringLiteral("x/o.cjs"));
        if (c.asFolder) {
            QDir().mkpath(path);
        } else {
            const QByteArray sample =
                readFile(QStringLiteral(OSTRELIN_SKINS "/") + QLatin1String(c.skinSource));
            writeFile(path, sample.isEmpty() ? QByteArray(c.skinSource) : sample);
        }
        if (c.hidden)
            hideFile(path);
        auto form = fixture.make();
        if (c.reportLine) {
            ASSERT_EQ(fixture.messages.shown.size(), 1);
            EXPECT_TRUE(fixture.messages.shown.front().text.contains(
                QStringLiteral("Form1.Form_Load at line %1").arg(FormLoadLine::kApplySkin)));
            EXPECT_TRUE(
                fixture.messages.shown.front().text.startsWith(QStringLiteral("The skin file")));
        } else {
            EXPECT_TRUE(fixture.messages.shown.isEmpty());
        }
        const QColor expected = c.faceColour ? face : QColor(Qt::white);
        EXPECT_EQ(form->palette().color(QPalette::Window), expected);
        for (const char* name : {"Frame1", "Frame2", "Frame4", "Label1", "Label3", "Label6"})
            EXPECT_EQ(background(*form, name), expected) << name;
        EXPECT_EQ(control(*form, "Text1")->palette().color(QPalette::Base), QColor(Qt::white));
        const bool applied = c.faceColour && c.reportLine == 0;
        EXPECT_EQ(!form->styleSheet().isEmpty() || !qApp->styleSheet().isEmpty(), applied);
        // Under a skin the calendars keep their title line by a style sheet of their own.
        EXPECT_EQ(!control<QWidget>(*form, "Calendar1")->styleSheet().isEmpty(), applied);
        if (applied) {
            EXPECT_EQ(form->SkinFramework1().Options() & SkinFramework::kSkinWholeApplication,
                      SkinFramework::kSkinWholeApplication);
            EXPECT_TRUE(form->SkinFramework1().KeepFonts());
            EXPECT_TRUE(form->SkinFramework1().KeepGeometry());
        }
        qApp->setStyleSheet(QString());
    }
}

TEST(FormLoad, HomePageOpensOnlyForSeven) {
    int opened = 0;
    for (int n = 1; n <= 100; ++n) {
        FormFixture fixture;
        Form1Services services = fixture.services();
        services.homePageDraw = [n] { return n; };
        auto form = fixture.make(std::move(services));
        opened += static_cast<int>(fixture.opener.opened.size());
        if (n == 7) {
            EXPECT_EQ(fixture.opener.opened,
                      QList<QString>{QStringLiteral("http://www.quillmark.example/")});
        }
    }
    EXPECT_EQ(opened, 1);

    FormFixture failing;
    failing.opener.succeed = false;
    Form1Services services = failing.services();
    services.homePageDraw = [] { return 7; };
    auto form = failing.make(std::move(services));
    ASSERT_EQ(failing.messages.shown.size(), 1);
    EXPECT_TRUE(failing.messages.shown.front().text.contains(
        QStringLiteral("Form_Load at line %1").arg(FormLoadLine::kHomePage)));
    EXPECT_EQ(textOf(*form, "Text2"), QStringLiteral("8/31/2021"));
}

// The draw is a function of the second of the day; every second is tried.
TEST(HomePageDraw, EverySecondOfTheDayDrawsOneToHundredAndOnlySevenOpensThePage) {
    int sevens = 0, opened = 0;
    QSet<int> seen;
    for (unsigned seed = 0; seed < 86400; ++seed) {
        const int n = Main::DrawHomePageNumber(seed);
        ASSERT_GE(n, 1) << seed;
        ASSERT_LE(n, 100) << seed;
        ASSERT_EQ(Main::DrawHomePageNumber(seed), n) << seed; // the same second, the same draw
        seen.insert(n);
        sevens += n == 7;
        FakeOpener opener;
        Main::MaybeOpenHomePage([seed] { return Main::DrawHomePageNumber(seed); }, opener);
        ASSERT_EQ(opener.opened.size(), n == 7 ? 1 : 0) << seed;
        opened += static_cast<int>(opener.opened.size());
    }
    EXPECT_EQ(seen.size(), 100);
    EXPECT_EQ(opened, sevens);
    // About one second in a hundred: 864 of 86,400.
    EXPECT_GT(sevens, 864 * 3 / 4);
    EXPECT_LT(sevens, 864 * 5 / 4);
}

TEST(AppTitle, CutsAtTheLastBlankUntilFortyCharactersRemain) {
    const QString fortyFive = QStringLiteral("Abcdefghijklmnopqrstuvwxyzabc defghijklmn qrs");
    ASSERT_EQ(fortyFive.size(), 45);
    ASSERT_EQ(fortyFive.lastIndexOf(QLatin1Char(' ')) + 1, 42);
    struct Case {
        QString name;
        QString title;
    };
    for (const Case& c : {Case{QStringLiteral("Ostrelin Calculator"), QStringLiteral("Ostrelin")},
                          Case{QStringLiteral("One Two Three"), QStringLiteral("One Two")},
                          Case{fortyFive, fortyFive.left(29)},
                          Case{QStringLiteral("Single"), QStringLiteral("Single")}}) {
        EXPECT_EQ(Main::AppTitleFor(c.name), c.title) << c.name.toStdString();
    }
}

TEST(FileExists, TrueOnlyWhenTheTimeStampCanBeRead) {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("file")), "x");
    EXPECT_TRUE(Main::FileExists(dir.filePath(QStringLiteral("file"))));
    EXPECT_TRUE(Main::FileExists(dir.path()));
    EXPECT_FALSE(Main::FileExists(QString()));
    EXPECT_FALSE(Main::FileExists(dir.filePath(QStringLiteral("missing/file"))));
    EXPECT_FALSE(Main::FileExists(dir.filePath(QStringLiteral("missing"))));
}

// A set of services cannot be made without a clock, a draw or a way to end: the window would
// call them unchecked.
TEST(Form1Services, RefusesAnEmptyFunction) {
    RecordingPresenter messages;
    FakeClipboard clipboard;
    FakeOpener opener;
    const std::function<QDate()> clock = [] { return QDate(2021, 8, 31); };
    const std::function<int()> draw = [] { return 1; };
    const std::function<void()> end = [] {};
    EXPECT_NO_THROW(Form1Services(messages, clipboard, opener, clock, draw, end, QString()));
    EXPECT_THROW(Form1Services(messages, clipboard, opener, {}, draw, end, QString()),
                 std::invalid_argument);
    EXPECT_THROW(Form1Services(messages, clipboard, opener, clock, {}, end, QString()),
                 std::invalid_argument);
    EXPECT_THROW(Form1Services(messages, clipboard, opener, clock, draw, {}, QString()),
                 std::invalid_argument);
}

TEST(FormUnload, ClosingTheWindowEndsTheApplication) {
    FormFixture fixture;
    auto form = fixture.make();
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(fixture.ended, 1);
    EXPECT_TRUE(fixture.messages.shown.isEmpty());
}

} // namespace
