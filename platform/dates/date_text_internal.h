#pragma once

// Internals of the date routine: the normalised text, what it knows of a locale, and the
// readers of the forms a date may take. Not for use outside the date routine.

#include "date_value.h"
#include "date_words.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>

#include <chrono>
#include <optional>

namespace DateText::detail {

// The text with bidirectional marks dropped, every run of Unicode spaces made one blank, and
// case folded, so that matching is blind to all three.
QString normalize(const QString& text);

// What the routine needs to know of a locale, computed once per locale.

// Hour12 and Hour24 are the hour of a 12- and a 24-hour clock, AmPm the locale's word for AM or
// PM, DayPeriod a word for a part of the day ("in the evening"), Zone a time zone's name or
// offset, Era the current era's name; the time's fields occur only in the forms drawn from
// ICU's and the C library's data.
enum class Field {
    Day,
    Month,
    MonthName,
    Year,
    Weekday,
    Literal,
    Hour12,
    Hour24,
    Minute,
    Second,
    AmPm,
    DayPeriod,
    Zone,
    Era
};

struct FormatToken {
    Field field;
    QString literal; // normalised text of a Literal
    int letters = 0; // the length of the pattern letter's run: "mm" must have two digits

    bool operator==(const FormatToken&) const = default;
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
    int mostNumbers = 0; // the most runs of digits in one name: Vietnamese "t4" has one

    explicit NameIndex(const QList<Name>& names = {});
    // The value a whole word names, or nothing where it names no value or two different ones.
    std::optional<int> lookUp(QStringView word) const;
    const QList<Name>& startingWith(QChar first) const;
};

// YDM is only ever one of a locale's other orders: the C library writes Chechen dates so.
enum class Order { DMY, MDY, YMD, YDM };

// How a time of day is written: the text after the hour ("14:05", "14h05", "14時5分"), after
// the minutes ("分"), and before and after the seconds (":" in "14:05:09", "秒" in "14時5分9秒").
// Where a mark follows the minutes, they may have one digit.
struct ClockStyle {
    QString afterHour;
    QString afterMinute;
    QString beforeSecond;
    QString afterSecond;
};

// A form drawn from ICU's or the C library's data, with the marks of its literal text: a text
// without one of them cannot take the form, which is seen before any matching.
struct Form {
    QList<FormatToken> tokens;
    quint64 marks = 0;    // charMask() of the non-blank characters of its literals
    bool hasTime = false; // it has an hour
    // The first and last non-blank characters of an opening and a closing literal; null where
    // the form opens or closes with a field or a literal of blanks.
    QChar openingMark, closingMark;

    explicit Form(const QList<FormatToken>& t);
    // Whether the text from pos may begin as the form does: a digit for a number, the first
    // mark of a literal, a letter for a word.
    bool mayStartAt(QStringView text, qsizetype pos) const;
    // Whether the text may end as the form does: with the last mark of a closing literal, a
    // digit after a number, an ASCII letter or digit after a zone, no digit after a word.
    bool mayEndAs(QStringView text) const;
    // Whether a text of that charMask() holds every mark; a yes may still be wrong, a no never.
    bool mayMatch(quint64 textMask) const { return (marks & ~textMask) == 0; }
    bool operator==(const Form& other) const { return tokens == other.tokens; }
};

// A 64-bit summary of the characters of a text: bit (unit % 64) for each UTF-16 unit.
quint64 charMask(QStringView text);

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

    // Drawn from ICU's and the C library's data (locale_forms.h).
    QList<Form> wholeForms;       // dates, and dates with their time
    QList<Form> timeForms;        // times of day, alone and with a zone after them
    QStringList joins;            // between a date and its time, normalised: ",", "um"
    QStringList amWords, pmWords; // the locale's, ICU's and the C library's, longest first
    QList<QPair<QString, quint32>> periods; // a part of the day and its hours
    QStringList eras;
    // Every order the locale's numeric dates are written in by Qt, ICU and the C library; where
    // they differ, a numeric date is read only where every order gives the same date or none.
    QList<Order> orders;
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
    unsigned weekdayMask = 0; // the days a weekday name may stand for (bit 1: Monday), where known
    int yearDigits = 0;
    // The numbers of a numeric date in the order they stand; none where the month is a name.
    Number numbers[3];
    int numberCount = 0;
    bool monthNamed = false;
    // The time of day, where the form has one.
    std::optional<int> hour, minute, second;
    bool twelveHour = false;
    std::optional<bool> pm;
    quint32 periodHours = 0; // the hours of a part of the day, where one was read
};

// A year as written: two digits below 30 are in the 2000s ("29" is 2029), other two digits in
// the 1900s ("30" is 1930), more digits as they stand.
inline int expandYear(int value, int digits) {
    constexpr int kTwoDigitYearPivot = 30;
    if (digits != 2)
        return value;
    return value + (value < kTwoDigitYearPivot ? 2000 : 1900);
}

// The code point at pos and the number of UTF-16 units it takes.
inline char32_t codePointAt(QStringView s, qsizetype pos, qsizetype* units = nullptr) {
    const QChar c = s[pos];
    if (c.isHighSurrogate() && pos + 1 < s.size() && s[pos + 1].isLowSurrogate()) {
        if (units)
            *units = 2;
        return QChar::surrogateToUcs4(c, s[pos + 1]);
    }
    if (units)
        *units = 1;
    return c.unicode();
}

// Whether a decimal digit of a script other than ASCII stands at pos; where it does, its value
// and the UTF-16 units it takes.
bool isOtherDigitAt(QStringView s, qsizetype pos, int* value = nullptr, qsizetype* units = nullptr);

// The digit tests are inline: every reader calls them at every character, and most digits are
// ASCII.
inline bool isDigitAt(QStringView s, qsizetype pos) {
    if (pos >= s.size())
        return false;
    const char16_t u = s[pos].unicode();
    if (u < 0x80)
        return u >= u'0' && u <= u'9';
    return isOtherDigitAt(s, pos);
}

// A run of decimal digits (of any script) starting at pos; a run of more than nine has 99
// digits, far too many to be a field, and pos stays after its ninth.
inline Number readNumber(QStringView s, qsizetype& pos) {
    Number n;
    while (pos < s.size()) {
        const char16_t u = s[pos].unicode();
        int value = 0;
        qsizetype units = 1;
        if (u >= u'0' && u <= u'9')
            value = u - u'0';
        else if (u < 0x80 || !isOtherDigitAt(s, pos, &value, &units))
            break;
        if (n.digits == 9) {
            n.digits = 99;
            break;
        }
        n.value = n.value * 10 + value;
        ++n.digits;
        pos += units;
    }
    return n;
}

// Whether the text at pos begins with the word. Inline and plain: the words compared are a few
// units long, shorter than a call to Qt's general comparison.
inline bool hasAt(QStringView s, qsizetype pos, QStringView word) {
    if (pos < 0 || s.size() - pos < word.size())
        return false;
    const QChar* at = s.data() + pos;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (at[i] != word[i])
            return false;
    return true;
}

inline void skipBlanks(QStringView s, qsizetype& pos) {
    while (pos < s.size() && s[pos] == QLatin1Char(' '))
        ++pos;
}

// Matches the text, from pos, against the format tokens from index on; the fields are read
// into, and hold no meaning where it fails.
bool matchFormat(const LocaleData& data, const QList<FormatToken>& tokens, qsizetype index,
                 QStringView s, qsizetype pos, Fields& fields);
// Reads the free forms: numeric dates with one separator, and dates with a month name.
bool matchFree(const LocaleData& data, QStringView s, Fields& fields);

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
    QStringView datePart; // a view into the text
    std::chrono::seconds time{0};
    bool ok = true;
};
DateAndTime splitTime(const LocaleData& data, const QString& s);

// Whether the date read from numbers is the one date every order of the locale gives them, the
// year given standing for a date written without one.
bool orderSettled(const LocaleData& data, const Fields& fields, int year);

// A pattern in ICU's syntax as tokens, or nothing where it has a field the routine cannot read.
std::optional<QList<FormatToken>> compileIcuPattern(const QString& pattern);

} // namespace DateText::detail
