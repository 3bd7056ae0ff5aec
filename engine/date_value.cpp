#include "date_value.h"

std::optional<DateValue> DateValue::make(int year, unsigned month, unsigned day,
                                         std::chrono::seconds timeOfDay) {
    using namespace std::chrono;
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month{month},
                             std::chrono::day{day}};
    if (!ymd.ok() || timeOfDay < seconds{0} || timeOfDay >= days{1})
        return std::nullopt;
    return DateValue{ymd, timeOfDay};
}
