#include "form1.h"

#include "cursor_file.h"
#include "date_text.h"
#include "error_report.h"
#include "file_checks.h"
#include "main_module.h"
#include "month_calendar.h"
#include "resources.h"

#include <QLineEdit>
#include <QPixmap>

void Form1::loadMouseIcon(const QString& path) {
    mouseIcon_.reset();
    const CursorPicture picture = services_.readCursorFile(path);
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

    report.run(100, [&] { Main::ApplySkin(*this, skinFramework_, folder); });
    bool cursorFile = true; // a failing test goes on as if it had passed
    report.run(104, [&] { cursorFile = Main::FileExists(cursorPath); });
    if (cursorFile)
        report.run(106, [&] { loadMouseIcon(cursorPath); });
    report.run(108, [&] { Main::MaybeOpenHomePage(services_.homePageDraw, services_.urlOpener); });

    report.run(126, [&] {
        Text1->setText(DateText::format(services_.today().addDays(-1), services_.locale));
    });
    report.run(128, [&] { Text2->setText(DateText::format(services_.today(), services_.locale)); });
    report.run(130, [&] { Text3->clear(); });
    report.run(132, [&] { Text4->clear(); });
    report.run(134, [&] { Text5->clear(); });
    report.run(136, [&] { Text6->clear(); });
    report.run(138, [&] { Calendar1->setValue(services_.today().addDays(-1)); });
    report.run(140, [&] { Calendar2->setValue(services_.today()); });
    report.run(142, [&] {
        setWindowTitle(Main::kProductName);
        showApplicationIcon();
    });
    report.run(142, [&] { Main::SetAppTitle(); });
}
