#pragma once

#include "date_value.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// The system date routine: turns the text of a date box into a date value under a locale, and
// a date value into the locale's short date text. The validity test is the parser itself, so a
// text that passes it always converts.
namespace DateText {

// Reads the text as a date with an optional time of day. `today` gives the year of a date
// written without one. Blanks (any Unicode space) may stand around the text and between words.
std::optional<DateValue> parse(const QString& text, const QLocale& locale, QDate today);

inline bool isDate(const QString& text, const QLocale& locale, QDate today) {
    return parse(text, locale, today).has_value();
}

// The locale's short date format, always with a four-digit year ("8/30/2021" under en_US).
QString format(QDate date, const QLocale& locale);

// The text the program writes into a date box for a date it sets (a calendar pick, the sample):
// month/day/year without leading zeros where the locale reads dates month first
// ("8/31/2021"), the locale's short date text elsewhere ("31.08.2021" under de_DE). Either reads
// back through parse() as the same date.
QString boxText(QDate date, const QLocale& locale);

QDate toQDate(const DateValue& value);
// The value of a date at midnight, or nothing for a date outside the supported years.
std::optional<DateValue> fromQDate(QDate date);

} // namespace DateText
