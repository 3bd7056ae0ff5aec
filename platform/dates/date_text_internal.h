#pragma once

// Internals of the date routine: the normalised text, what it knows of a locale, and the
// readers of the forms a date may take. Not for use outside the date routine.

#include "date_value.h"
#include "date_words.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>

#include <chrono>
#include <optional>

namespace DateText::detail {

// The text with bidirectional marks dropped, every run of Unicode spaces made one blank, and
// case folded, so that matching is blind to all three.
QString normalize(const QString& text);

// What the routine needs to know of a locale, computed once per locale.

enum class Field { Day, Month, MonthName, Year, Weekday, Literal };

struct FormatToken {
    Field field;
    QString literal; // normalised text of a Literal
};

struct Name {
    QString text; // normalised, without a trailing "."
    int value;    // month 1..12 or weekday 1..7 (Monday first)
};

// The names of months or weekdays, grouped by their first UTF-16 unit, longest first, so that a
// text is compared only with the few names that begin as it does, and "june" is tried before
// "jun".
struct NameIndex {
    QHash<char16_t, QList<Name>> byFirstUnit;

    explicit NameIndex(const QList<Name>& names = {});
    // The value a whole word names, or nothing where it names no value or two different ones.
    std::optional<int> lookUp(QStringView word) const;
    const QList<Name>& startingWith(QChar first) const;
};

enum class Order { DMY, MDY, YMD };

// How a time of day is written: the text after the hour ("14:05", "14h05", "14時5分"), after
// the minutes ("分"), and before and after the seconds (":" in "14:05:09", "秒" in "14時5分9秒").
// Where a mark follows the minutes, they may have one digit.
struct ClockStyle {
    QString afterHour;
    QString afterMinute;
    QString beforeSecond;
    QString afterSecond;
};

struct LocaleData {
    QLocale locale;
    QList<QList<FormatToken>> formats; // short and long date formats
    NameIndex months;
    NameIndex weekdays;
    QList<QString> amTexts, pmTexts; // normalised
    Order order = Order::MDY;
    QChar separator = QLatin1Char('/');
    DateWords words;          // with the connecting words of the locale's long format
    QList<ClockStyle> clocks; // "14:05:09" first, then the locale's own
};

// The locale's data, computed once per locale (the last eight locales asked for are kept).
const LocaleData& localeData(const QLocale& locale);

// Fields of a date as they were read.

struct Number {
    int value = 0;
    int digits = 0;
};

struct Fields {
    std::optional<int> day, month, year, weekday;
    int yearDigits = 0;
};

// The code point at pos and the number of UTF-16 units it takes.
char32_t codePointAt(QStringView s, qsizetype pos, qsizetype* units = nullptr);
bool isDigitAt(QStringView s, qsizetype pos);
// A run of decimal digits (of any script) starting at pos.
Number readNumber(QStringView s, qsizetype& pos);
void skipBlanks(QStringView s, qsizetype& pos);

// Matches the text, from pos, against the format tokens from index on.
bool matchFormat(const LocaleData& data, const QList<FormatToken>& tokens, qsizetype index,
                 const QString& s, qsizetype pos, Fields& fields);
// Reads the free forms: numeric dates with one separator, and dates with a month name.
bool matchFree(const LocaleData& data, const QString& s, Fields& fields);

// A text read as a date part, a blank and a time of day: an hour of one or two digits, two-digit
// minutes and optional two-digit seconds, with an optional AM/PM text of the locale either
// before the hour or after the time, joined to it by one blank or by none ("pm 1:05",
// "pm1:05", "1:05 pm", "1:05pm"). Besides colons, the time may be written in the locale's own
// clock style ("14h05", "14時5分"), whose minutes and seconds may have one digit where a mark
// follows them, and closed by a word of the locale after a blank ("14:05 uhr"). The date part is
// the shortest that lets the rest read as a time; the parts are views into the text.
struct TimeMatch {
    qsizetype dateLength = 0;
    QStringView markerBefore, hour, minute, second, markerAfter;
    QStringView closingWord; // a word that closes the time, after a blank: "uhr"
};
std::optional<TimeMatch> matchTime(const LocaleData& data, const QString& s);

// The date part of a text and the time of day after it.
struct DateAndTime {
    QString datePart;
    std::chrono::seconds time{0};
    bool ok = true;
};
DateAndTime splitTime(const LocaleData& data, const QString& s);

} // namespace DateText::detail
