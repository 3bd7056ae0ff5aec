#include "month_calendar.h"

#include "arial_font.h"
#include "date_value.h"
#include "day_name_row.h"
#include "laid_out_text.h"
#include "readable_colour.h"
#include "window_colours.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>

MonthCalendar::MonthCalendar(QWidget* parent)
    : QCalendarWidget(parent), gridFont_(arialFont(8.25, false)) {
    setDateRange(QDate(DateValue::kFirstYear, 1, 1), QDate(DateValue::kLastYear, 12, 31));
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    view_ = findChild<QTableView*>(QLatin1String(kDateGrid));
    applyLook();
    nameParts();
    if (view_)
        view_->setItemDelegate(new DayNameRow(*view_, *view_->itemDelegate(), headerTextFormat()));
    lastDate_ = selectedDate();
    connect(this, &QCalendarWidget::selectionChanged, this, &MonthCalendar::onSelectionChanged);
}

void MonthCalendar::applyLook() {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::AlternateBase, Qt::white);
    // The year editor lies on white too. The dimmed days of the last and next month keep the
    // system's disabled colour.
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::Text,
                     ReadableColour::systemText(QPalette::Text, Qt::white, group));
    setPalette(pal);
    setFont(gridFont_);

    // The day-name row. A weekday's format lies over the header's in that row, and the calendar
    // gives weekends one of its own, so every weekday gets the header's format; the date grid is
    // painted by paintCell() in its own format.
    QTextCharFormat header;
    header.setFont(arialFont(8.25, true));
    header.setForeground(Qt::black);
    header.setBackground(Qt::white);
    setHeaderTextFormat(header);
    for (int d = Qt::Monday; d <= Qt::Sunday; ++d)
        setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(d), header);

    // The title line: month and year in dark blue on white.
    if (QWidget* bar = findChild<QWidget*>(QLatin1String(kNavigationBar))) {
        QPalette barPalette = bar->palette();
        // The bar paints itself in the highlight roles.
        barPalette.setColor(QPalette::Highlight, Qt::white);
        barPalette.setColor(QPalette::HighlightedText, kDarkBlue);
        barPalette.setColor(QPalette::Window, Qt::white);
        barPalette.setColor(QPalette::Button, Qt::white);
        barPalette.setColor(QPalette::ButtonText, kDarkBlue);
        bar->setPalette(barPalette);
        for (const char* name : {kMonthButton, kYearButton})
            if (auto* button = bar->findChild<QWidget*>(QLatin1String(name)))
                button->setFont(arialFont(12, true));
    }
}

void MonthCalendar::nameParts() {
    // The title line's controls, named as a sighted user reads them.
    const std::pair<const char*, const char*> parts[] = {{kPreviousMonth, "Previous month"},
                                                         {kNextMonth, "Next month"},
                                                         {kMonthButton, "Month"},
                                                         {kYearButton, "Year"},
                                                         {kYearEdit, "Year"}};
    for (const auto& [objectName, spoken] : parts)
        if (auto* part = findChild<QWidget*>(QLatin1String(objectName)))
            part->setAccessibleName(QString::fromLatin1(spoken));
    if (view_)
        view_->setAccessibleName(QStringLiteral("Days"));
}

void MonthCalendar::changeEvent(QEvent* event) {
    QCalendarWidget::changeEvent(event);
    if (event->type() != QEvent::StyleChange || !styleSheet().isEmpty())
        return;
    // Under a skin (a style sheet set on the window or the application) palettes and fonts no
    // longer reach the title line; a style sheet of the calendar's own, which wins over the
    // window's, keeps its look.
    bool skinned = qApp && !qApp->styleSheet().isEmpty();
    for (const QWidget* w = parentWidget(); w && !skinned; w = w->parentWidget())
        skinned = !w->styleSheet().isEmpty();
    if (skinned)
        setStyleSheet(QStringLiteral("#%1 { background-color: white; }"
                                     "#%2, #%3 { color: %4; background-color: white; border: none;"
                                     " font-family: Arial; font-size: 12pt; font-weight: bold;"
                                     " padding: 0px 4px; }"
                                     "#%5, #%6 { background-color: white; border: none; }")
                          .arg(QLatin1String(kNavigationBar), QLatin1String(kMonthButton),
                               QLatin1String(kYearButton), kDarkBlue.name(),
                               QLatin1String(kPreviousMonth), QLatin1String(kNextMonth)));
}

void MonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    const bool selected = date == selectedDate();
    const bool shownMonth = date.month() == monthShown() && date.year() == yearShown();
    const bool inRange = date >= minimumDate() && date <= maximumDate();
    const QPalette& pal = palette();
    painter->save();
    painter->fillRect(rect, selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    if (selected)
        painter->setPen(pal.color(QPalette::HighlightedText));
    else if (shownMonth && inRange)
        painter->setPen(kDarkBlue);
    else
        painter->setPen(pal.color(QPalette::Disabled, QPalette::Text));
    painter->setFont(gridFont_);
    const QStaticText& text = laidOutText(QString::number(date.day()), gridFont_);
    const QSizeF size = text.size();
    painter->drawStaticText(QPointF(rect.x() + (rect.width() - size.width()) / 2,
                                    rect.y() + (rect.height() - size.height()) / 2),
                            text);
    // The keyboard works on the selected day: while the grid has the focus, a dotted frame in
    // the text colour of the selection shows where.
    if (selected && view_ && view_->hasFocus()) {
        painter->setPen(QPen(pal.color(QPalette::HighlightedText), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(2, 2, -3, -3));
    }
    painter->restore();
}

void MonthCalendar::setValue(QDate date) {
    settingValue_ = true;
    setSelectedDate(date);
    setCurrentPage(selectedDate().year(), selectedDate().month());
    lastDate_ = selectedDate();
    settingValue_ = false;
}

void MonthCalendar::onSelectionChanged() {
    if (settingValue_ || selectedDate() == lastDate_)
        return;
    lastDate_ = selectedDate();
    emit afterUpdate();
}
