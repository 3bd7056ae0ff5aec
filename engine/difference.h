#pragma once

#include "date_value.h"

#include <cstdint>
#include <optional>
#include <stdexcept>

// The date difference engine: stateless calendar arithmetic on two date values. Every function
// reads only the calendar date of its arguments; the time of day never changes a result.
namespace Difference {

// Raised when a 16-bit step of the component rule leaves -32768..32767.
class OverflowError : public std::overflow_error {
public:
    OverflowError() : std::overflow_error("Overflow") {}
};

// The part codes of DateDiffPart.
inline constexpr std::int16_t kYearsPart = 1;
inline constexpr std::int16_t kMonthsPart = 2;
inline constexpr std::int16_t kDaysPart = 3;

// The years (kYearsPart), months (kMonthsPart) or days (kDaysPart) component of the difference
// from the older to the newer date, by the borrowing rule in difference.cpp. Any other part
// code gives no value.
std::optional<std::int32_t> DateDiffPart(const DateValue& older, const DateValue& newer,
                                         std::int16_t part);

// The number of midnights between the two dates, as an absolute value.
std::int32_t DaysBetween(const DateValue& a, const DateValue& b);

// The number of calendar-month boundaries between the two dates, as an absolute value.
std::int32_t MonthsBetween(const DateValue& a, const DateValue& b);

// The number of calendar-year boundaries between the two dates, as an absolute value.
std::int32_t YearsBetween(const DateValue& a, const DateValue& b);

// The number of days of a month: 28 to 31. The one month-end policy of the engine.
int MonthLength(int year, int month);

} // namespace Difference
