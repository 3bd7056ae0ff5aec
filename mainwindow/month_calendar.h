#pragma once

#include <QCalendarWidget>
#include <QDate>

#include <cstdint>

class QTableView;

// The month calendar: a QCalendarWidget that tells the user's date changes apart from the
// program's. afterUpdate() is raised after the user has changed the selected date, with the
// mouse or the keyboard, and never when the program sets Value.
//
// QCalendarWidget offers no interface to its title line, month arrows, month and year selectors
// or date grid. This layer reaches them by the object names Qt gives them, listed here once; a
// Qt that renamed one would leave its step undone without a word, so a test checks every name.
class MonthCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    static constexpr const char* kNavigationBar = "qt_calendar_navigationbar";
    static constexpr const char* kPreviousMonth = "qt_calendar_prevmonth";
    static constexpr const char* kNextMonth = "qt_calendar_nextmonth";
    static constexpr const char* kMonthButton = "qt_calendar_monthbutton";
    static constexpr const char* kYearButton = "qt_calendar_yearbutton";
    static constexpr const char* kYearEdit = "qt_calendar_yearedit";
    static constexpr const char* kDateGrid = "qt_calendar_calendarview";

    explicit MonthCalendar(QWidget* parent = nullptr);

    QDate Value() const { return selectedDate(); }
    void setValue(QDate date);
    std::int16_t Year() const { return static_cast<std::int16_t>(selectedDate().year()); }
    std::int16_t Month() const { return static_cast<std::int16_t>(selectedDate().month()); }
    std::int16_t Day() const { return static_cast<std::int16_t>(selectedDate().day()); }

signals:
    void afterUpdate();

protected:
    void changeEvent(QEvent* event) override;
    // Draws one day of the grid: its number, centred, in the day's text format.
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    void applyLook();
    void nameParts();
    void onSelectionChanged();

    QFont gridFont_;
    QTableView* view_ = nullptr; // the date grid, which holds the keyboard focus
    bool settingValue_ = false;
    QDate lastDate_;
};
