#pragma once

#include <chrono>
#include <compare>
#include <optional>

// A calendar date of the proleptic Gregorian calendar, in the years kFirstYear to kLastYear,
// with a time of day. Two values compare as full values, time of day included. A value is made
// only through make(), which refuses what lies outside, so every value in the program is one
// the engine and the calendars can take.
class DateValue {
public:
    static constexpr int kFirstYear = 100;
    static constexpr int kLastYear = 9999;
    static constexpr std::chrono::year_month_day kFirst{std::chrono::year{kFirstYear},
                                                        std::chrono::January, std::chrono::day{1}};
    static constexpr std::chrono::year_month_day kLast{std::chrono::year{kLastYear},
                                                       std::chrono::December, std::chrono::day{31}};

    // The value for a date and a time of day, or nothing when the date does not exist or lies
    // outside the supported years, or the time is not within one day.
    static std::optional<DateValue> make(std::chrono::year_month_day date,
                                         std::chrono::seconds timeOfDay = std::chrono::seconds{0});
    static std::optional<DateValue> make(int year, unsigned month, unsigned day,
                                         std::chrono::seconds timeOfDay = std::chrono::seconds{0});

    std::chrono::year_month_day date() const { return date_; }
    std::chrono::seconds timeOfDay() const { return timeOfDay_; } // [0s, 86399s]

    friend constexpr auto operator<=>(const DateValue&, const DateValue&) = default;

private:
    DateValue(std::chrono::year_month_day date, std::chrono::seconds timeOfDay)
        : date_(date), timeOfDay_(timeOfDay) {}

    std::chrono::year_month_day date_;
    std::chrono::seconds timeOfDay_;
};
