#include "form1.h"

#include "date_text.h"
#include "error_report.h"
#include "main_module.h"
#include "month_calendar.h"
#include "push_button.h"
#include "report_lines.h"

#include <QLabel>
#include <QLineEdit>

#include <stdexcept>

namespace {

QString renderNumber(const std::optional<std::int32_t>& value) {
    return value ? QString::number(*value) : QString();
}

// A box shows the beginning of a text wider than itself; the caret moves through the rest.
void writeBox(QLineEdit& box, const QString& text) {
    box.setText(text);
    box.setCursorPosition(0);
}

} // namespace

DateValue Form1::convert(const QString& text) const {
    if (auto value = DateText::parse(text, services_.locale, services_.today()))
        return *value;
    throw std::runtime_error("Type mismatch: the text is not a date.");
}

bool Form1::isDate(const QString& text) const {
    return DateText::isDate(text, services_.locale, services_.today());
}

void Form1::showMessage(const QString& text) {
    services_.messages.show(Message{Main::AppTitle(), text, MessageIcon::None});
}

void Form1::PushButton1_Click() {
    ErrorReport report(services_.messages, QStringLiteral("PushButton1_Click"));
    const auto& engine = services_.engine;

    bool valid = true;
    report.run(CalculateLine::kDatesTest, [&] {
        const bool first = isDate(Text1->text());
        const bool second = isDate(Text2->text());
        valid = first && second;
    });
    if (!valid) {
        report.run(CalculateLine::kValidityMessage, [&] {
            showMessage(QStringLiteral("You must enter valid dates in both text boxes."));
        });
        return;
    }
    bool later = true;
    report.run(CalculateLine::kOrderTest,
               [&] { later = convert(Text2->text()) > convert(Text1->text()); });
    if (!later) {
        report.run(CalculateLine::kOrderMessage,
                   [&] { showMessage(QStringLiteral("Date #1 must be an older than Date #2.")); });
        return;
    }
    report.run(CalculateLine::kHourglass, [&] { setMousePointer(kHourglass); });

    QString years, months, days;
    const auto component = [&](QString& out, std::int16_t part) {
        out =
            renderNumber(engine.DateDiffPart(convert(Text1->text()), convert(Text2->text()), part));
    };
    report.run(CalculateLine::kYearsComponent, [&] { component(years, Difference::kYearsPart); });
    report.run(CalculateLine::kMonthsComponent,
               [&] { component(months, Difference::kMonthsPart); });
    report.run(CalculateLine::kDaysComponent, [&] { component(days, Difference::kDaysPart); });
    report.run(CalculateLine::kFullResult, [&] {
        writeBox(*Text3, years + QLatin1String(" year(s) ") + months + QLatin1String(" month(s) ") +
                             days + QLatin1String(" day(s)."));
    });
    const auto total = [&](const auto& call, const char* unit) {
        return QString::number(call(convert(Text1->text()), convert(Text2->text()))) +
               QLatin1String(unit);
    };
    report.run(CalculateLine::kYearsTotal,
               [&] { writeBox(*Text4, total(engine.YearsBetween, " year(s)")); });
    report.run(CalculateLine::kMonthsTotal,
               [&] { writeBox(*Text5, total(engine.MonthsBetween, " month(s)")); });
    report.run(CalculateLine::kDaysTotal,
               [&] { writeBox(*Text6, total(engine.DaysBetween, " day(s)")); });
    report.run(CalculateLine::kDefaultPointer, [&] { setMousePointer(kDefaultPointer); });
}

void Form1::PushButton2_Click() {
    ErrorReport report(services_.messages, QStringLiteral("PushButton2_Click"));
    report.run(HelpLine::kMessage, [&] {
        showMessage(QStringLiteral("Questions? Please contact Team Quillmark at ") +
                    Main::kContactPage);
    });
}

void Form1::PushButton3_Click() {
    ErrorReport report(services_.messages, QStringLiteral("PushButton3_Click"));
    report.run(SampleLine::kOlderCalendar,
               [&] { Calendar1->setValue(services_.today().addDays(-59)); });
    report.run(SampleLine::kNewerCalendar, [&] { Calendar2->setValue(services_.today()); });
    report.run(SampleLine::kOlderBox, [&] { copyCalendarDate(*Calendar1, *Text1); });
    report.run(SampleLine::kNewerBox, [&] { copyCalendarDate(*Calendar2, *Text2); });
}

void Form1::PushButton4_Click() {
    ErrorReport report(services_.messages, QStringLiteral("PushButton4_Click"));
    report.run(CopyLine::kCopy, [&] {
        const std::pair<QLabel*, QLineEdit*> lines[] = {
            {Label3, Text3}, {Label4, Text4}, {Label5, Text5}, {Label6, Text6}};
        QStringList text;
        for (const auto& [label, box] : lines)
            text << label->text().mid(1, 100) + QLatin1Char(' ') + box->text();
        Main::CopyToClipboard(text.join(QLatin1String("\r\n")), services_.clipboard);
    });
}

// The calendar's date in a form that the Calculate command reads back as the same date.
void Form1::copyCalendarDate(const MonthCalendar& calendar, QLineEdit& box) {
    box.setText(DateText::boxText(QDate(calendar.Year(), calendar.Month(), calendar.Day()),
                                  services_.locale));
}

void Form1::Calendar1_AfterUpdate() {
    copyCalendarDate(*Calendar1, *Text1);
}
void Form1::Calendar2_AfterUpdate() {
    copyCalendarDate(*Calendar2, *Text2);
}
