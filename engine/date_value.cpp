#include "date_value.h"

std::optional<DateValue> DateValue::make(std::chrono::year_month_day date,
                                         std::chrono::seconds timeOfDay) {
    using namespace std::chrono;
    if (!date.ok() || date < kFirst || date > kLast || timeOfDay < seconds{0} ||
        timeOfDay >= days{1})
        return std::nullopt;
    return DateValue{date, timeOfDay};
}

std::optional<DateValue> DateValue::make(int year, unsigned month, unsigned day,
                                         std::chrono::seconds timeOfDay) {
    // Checked before the conversion: std::chrono's month and day keep only 8 bits.
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return make(std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{month},
                                            std::chrono::day{day}},
                timeOfDay);
}
