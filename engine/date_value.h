#pragma once

#include <chrono>
#include <compare>
#include <optional>

// A calendar date of the proleptic Gregorian calendar, 100-01-01 to 9999-12-31, with a time
// of day. Two values compare as full values, time of day included.
struct DateValue {
    static constexpr std::chrono::year_month_day kFirst{std::chrono::year{100},
                                                        std::chrono::January, std::chrono::day{1}};
    static constexpr std::chrono::year_month_day kLast{std::chrono::year{9999},
                                                       std::chrono::December, std::chrono::day{31}};

    std::chrono::year_month_day date{kFirst};
    std::chrono::seconds timeOfDay{0}; // [0s, 86399s]

    // The value for a year, month, day and time of day, or nothing when the date does not exist
    // or lies outside the supported range, or the time is not within one day.
    static std::optional<DateValue> make(int year, unsigned month, unsigned day,
                                         std::chrono::seconds timeOfDay = std::chrono::seconds{0});

    friend constexpr auto operator<=>(const DateValue&, const DateValue&) = default;
};
