#include "form1.h"

#include "cursor_file.h"
#include "date_text.h"
#include "error_report.h"
#include "file_checks.h"
#include "main_module.h"
#include "month_calendar.h"
#include "report_lines.h"
#include "resources.h"

#include <QLineEdit>
#include <QPixmap>

void Form1::loadMouseIcon(const QString& path) {
    mouseIcon_.reset();
    const CursorPicture picture = CursorFile::load(path);
    mouseIcon_ =
        QCursor(QPixmap::fromImage(picture.image), picture.hotSpot.x(), picture.hotSpot.y());
}

// The window shows the application icon from its first frame on. Handing the icon to the
// display sends all four images to the display server, which the first frame need not wait
// for: the icon follows as soon as that frame is painted.
void Form1::showApplicationIcon() {
    if (framePainted_)
        setWindowIcon(Resources::applicationIcon());
    else
        iconWanted_ = true;
}

void Form1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (framePainted_)
        return;
    framePainted_ = true;
    if (iconWanted_)
        QMetaObject::invokeMethod(this, &Form1::showApplicationIcon, Qt::QueuedConnection);
}

void Form1::Form_Load() {
    ErrorReport report(services_.messages, QStringLiteral("Form_Load"));
    const QString folder = services_.programFolder;
    const QString cursorPath = FileChecks::resolveRelative(folder, Main::kCursorFile);

    report.run(FormLoadLine::kApplySkin, [&] { Main::ApplySkin(*this, skinFramework_, folder); });
    bool cursorFile = true; // a failing test goes on as if it had passed
    report.run(FormLoadLine::kCursorFileTest, [&] { cursorFile = Main::FileExists(cursorPath); });
    if (cursorFile)
        report.run(FormLoadLine::kLoadMouseIcon, [&] { loadMouseIcon(cursorPath); });
    report.run(FormLoadLine::kHomePage,
               [&] { Main::MaybeOpenHomePage(services_.homePageDraw, services_.urlOpener); });

    report.run(FormLoadLine::kOlderDateText, [&] {
        Text1->setText(DateText::format(services_.today().addDays(-1), services_.locale));
    });
    report.run(FormLoadLine::kNewerDateText,
               [&] { Text2->setText(DateText::format(services_.today(), services_.locale)); });
    report.run(FormLoadLine::kClearFullResult, [&] { Text3->clear(); });
    report.run(FormLoadLine::kClearYears, [&] { Text4->clear(); });
    report.run(FormLoadLine::kClearMonths, [&] { Text5->clear(); });
    report.run(FormLoadLine::kClearDays, [&] { Text6->clear(); });
    report.run(FormLoadLine::kOlderCalendar,
               [&] { Calendar1->setValue(services_.today().addDays(-1)); });
    report.run(FormLoadLine::kNewerCalendar, [&] { Calendar2->setValue(services_.today()); });
    report.run(FormLoadLine::kCaptionAndIcon, [&] {
        setWindowTitle(Main::kProductName);
        showApplicationIcon();
    });
    report.run(FormLoadLine::kAppTitle, [&] { Main::SetAppTitle(); });
}
