#pragma once

// Internals of the date routine: the normalised text, what it knows of a locale, and the
// readers of the forms a date may take. Not for use outside the date routine.

#include "date_value.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QRegularExpression>
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

// The names of months or weekdays, prepared for the two ways a text is matched against them.
struct NameIndex {
    // Whole words: the value a name stands for, or 0 where it names two different values.
    QHash<QString, int> byText;
    // Names at a position in a text: the names beginning with each first UTF-16 unit, longest
    // first, so that "june" is tried before "jun".
    QHash<char16_t, QList<Name>> byFirstUnit;

    explicit NameIndex(const QList<Name>& names = {});
    std::optional<int> lookUp(const QString& word) const;
    const QList<Name>& startingWith(QChar first) const;
};

enum class Order { DMY, MDY, YMD };

struct LocaleData {
    QLocale locale;
    QList<QList<FormatToken>> formats; // short and long date formats
    NameIndex months;
    NameIndex weekdays;
    QList<QString> amTexts, pmTexts; // normalised
    Order order = Order::MDY;
    QChar separator = QLatin1Char('/');
    QRegularExpression timePattern; // a date part, then a time with an optional AM/PM text
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
char32_t codePointAt(const QString& s, qsizetype pos, qsizetype* units = nullptr);
bool isDigitAt(const QString& s, qsizetype pos);
// A run of decimal digits (of any script) starting at pos.
Number readNumber(const QString& s, qsizetype& pos);
void skipBlanks(const QString& s, qsizetype& pos);

// Matches the text, from pos, against the format tokens from index on.
bool matchFormat(const LocaleData& data, const QList<FormatToken>& tokens, qsizetype index,
                 const QString& s, qsizetype pos, Fields& fields);
// Reads the free forms: numeric dates with one separator, and dates with a month name.
bool matchFree(const LocaleData& data, const QString& s, Fields& fields);

// The date part of a text and the time of day after it.
struct DateAndTime {
    QString datePart;
    std::chrono::seconds time{0};
    bool ok = true;
};
DateAndTime splitTime(const LocaleData& data, const QString& s);

} // namespace DateText::detail
