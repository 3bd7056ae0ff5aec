#include "date_text_internal.h"

#include <QDate>
#include <QVarLengthArray>

#include <algorithm>
#include <string_view>

namespace DateText::detail {

namespace {

bool isAsciiLetter(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

// Whether the letters name a time zone the way programs abbreviate one: "utc", "gmt", "ut",
// "z", "msk", or three to five letters closing with "t" ("cet", "cest", "pdt", "aest").
bool isZoneName(QStringView name) {
    return name.isEmpty() || name == u"utc" || name == u"gmt" || name == u"ut" || name == u"z" ||
           name == u"msk" || (name.size() >= 3 && name.size() <= 5 && name.back() == u't');
}

// The end of a time zone written from pos: a name ("utc", "cet"), an offset ("+0100",
// "+01:00") or both ("gmt+1"); pos where none stands there.
qsizetype zoneEnd(QStringView s, qsizetype pos) {
    qsizetype end = pos;
    while (end < s.size() && end - pos < 6 && isAsciiLetter(s[end]))
        ++end;
    if (!isZoneName(s.sliced(pos, end - pos)) || (end < s.size() && s[end].isLetter()))
        return pos;
    if (end < s.size() &&
        (s[end] == QLatin1Char('+') || s[end] == QLatin1Char('-') || s[end] == QChar(0x2212))) {
        qsizetype at = end + 1;
        const Number hours = readNumber(s, at);
        if (hours.digits == 4 || (hours.digits >= 1 && hours.digits <= 2)) {
            end = at;
            if (hours.digits <= 2 && at + 1 < s.size() && s[at] == QLatin1Char(':')) {
                qsizetype minutesAt = at + 1;
                if (readNumber(s, minutesAt).digits == 2)
                    end = minutesAt;
            }
        }
    }
    return end;
}

} // namespace

// Matches the remaining format tokens against the text from pos, with backtracking over the
// ways a name may be read. A field with one reading is written into the fields as it is read;
// where a token may be read more than one way, each way starts from a copy, so that a way that
// fails leaves nothing behind. On failure the fields hold no meaning.
bool matchFormat(const LocaleData& data, const QList<FormatToken>& tokens, qsizetype index,
                 QStringView s, qsizetype pos, Fields& fields) {
    skipBlanks(s, pos);
    if (index == tokens.size())
        return pos == s.size();
    const FormatToken& token = tokens[index];
    switch (token.field) {
    case Field::Literal: {
        for (QChar c : token.literal) {
            if (c == QLatin1Char(' ')) {
                skipBlanks(s, pos);
                continue;
            }
            if (pos >= s.size() || s[pos] != c)
                return false;
            ++pos;
        }
        return matchFormat(data, tokens, index + 1, s, pos, fields);
    }
    case Field::Day:
    case Field::Month:
    case Field::Year: {
        const Number n = readNumber(s, pos);
        const int maxDigits = token.field == Field::Year ? 4 : 2;
        const int minDigits = token.field == Field::Year ? 2 : 1;
        if (n.digits < minDigits || n.digits > maxDigits)
            return false;
        if (token.field == Field::Day)
            fields.day = n.value;
        else if (token.field == Field::Month)
            fields.month = n.value;
        else {
            fields.year = n.value;
            fields.yearDigits = n.digits;
        }
        if (fields.numberCount < 3)
            fields.numbers[fields.numberCount++] = n;
        return matchFormat(data, tokens, index + 1, s, pos, fields);
    }
    case Field::Hour12:
    case Field::Hour24:
    case Field::Minute:
    case Field::Second: {
        // An hour has one or two digits; minutes and seconds two, or one where the pattern
        // writes them with one letter ("H:m").
        const Number n = readNumber(s, pos);
        const bool exact =
            token.field != Field::Hour12 && token.field != Field::Hour24 && token.letters >= 2;
        if (n.digits < (exact ? 2 : 1) || n.digits > 2)
            return false;
        if (token.field == Field::Minute)
            fields.minute = n.value;
        else if (token.field == Field::Second)
            fields.second = n.value;
        else {
            fields.hour = n.value;
            fields.twelveHour = token.field == Field::Hour12;
        }
        return matchFormat(data, tokens, index + 1, s, pos, fields);
    }
    case Field::AmPm:
    case Field::DayPeriod:
    case Field::Era: {
        const auto tryWord = [&](const QString& word, auto set) {
            if (!hasAt(s, pos, word))
                return false;
            Fields next = fields;
            set(next);
            if (!matchFormat(data, tokens, index + 1, s, pos + word.size(), next))
                return false;
            fields = next;
            return true;
        };
        if (token.field == Field::AmPm) {
            for (const QStringList* words : {&data.amWords, &data.pmWords})
                for (const QString& word : *words)
                    if (tryWord(word, [&](Fields& f) { f.pm = words == &data.pmWords; }))
                        return true;
        } else if (token.field == Field::DayPeriod) {
            for (const auto& period : data.periods)
                if (tryWord(period.first, [&](Fields& f) { f.periodHours = period.second; }))
                    return true;
        } else {
            for (const QString& era : data.eras)
                if (tryWord(era, [](Fields&) {}))
                    return true;
        }
        return false;
    }
    case Field::Zone: {
        const qsizetype end = zoneEnd(s, pos);
        return end > pos && matchFormat(data, tokens, index + 1, s, end, fields);
    }
    case Field::MonthName:
    case Field::Weekday: {
        if (token.field == Field::Weekday) {
            // A weekday in the locale's format may be left out, and with it the punctuation
            // that follows it ("jueves, 14 de marzo" and "14 de marzo").
            const bool punctuationNext =
                index + 1 < tokens.size() && tokens[index + 1].field == Field::Literal &&
                std::none_of(tokens[index + 1].literal.cbegin(), tokens[index + 1].literal.cend(),
                             [](QChar c) { return c.isLetterOrNumber(); });
            Fields rest = fields;
            bool read = matchFormat(data, tokens, index + 1, s, pos, rest);
            if (!read && punctuationNext) {
                rest = fields;
                read = matchFormat(data, tokens, index + 2, s, pos, rest);
            }
            if (read) {
                fields = rest;
                return true;
            }
        }
        if (pos >= s.size())
            return false;
        const NameIndex& names = token.field == Field::MonthName ? data.months : data.weekdays;
        for (const Name& name : names.startingWith(s[pos])) {
            if (!hasAt(s, pos, name.text))
                continue;
            for (bool dot : {true, false}) {
                qsizetype after = pos + name.text.size();
                if (dot) {
                    if (after >= s.size() || s[after] != QLatin1Char('.'))
                        continue;
                    ++after;
                }
                Fields next = fields;
                (token.field == Field::MonthName ? next.month : next.weekday) = name.value;
                if (token.field == Field::Weekday) {
                    // Where Qt's, ICU's and the C library's data give one name to two days,
                    // the date may fall on either.
                    next.weekdayMask = 0;
                    for (const Name& same : names.startingWith(s[pos]))
                        if (same.text == name.text)
                            next.weekdayMask |= 1u << same.value;
                }
                next.monthNamed = next.monthNamed || token.field == Field::MonthName;
                if (matchFormat(data, tokens, index + 1, s, after, next)) {
                    fields = next;
                    return true;
                }
            }
        }
        return false;
    }
    }
    return false;
}

namespace {

// The free forms: numeric dates with one separator, and dates with a month name. The text is
// read into items, viewed in place; a date has few of them, so they stay on the stack.

struct Item {
    enum Kind { Num, Word, Punct } kind;
    Number number;
    QStringView text;
    bool ordinal = false;    // a day with its ordinal ending: "3rd", "1er", "8ste"
    bool apostrophe = false; // a two-digit year after an apostrophe: "'21"
};
using Items = QVarLengthArray<Item, 16>;

bool isLetterAt(QStringView s, qsizetype pos) {
    const char32_t c = codePointAt(s, pos);
    return QChar::isLetter(c) || QChar::isMark(c);
}

qsizetype letterRunEnd(QStringView s, qsizetype pos) {
    qsizetype units = 1;
    while (pos < s.size() && isLetterAt(s, pos)) {
        codePointAt(s, pos, &units);
        pos += units;
    }
    return pos;
}

bool isApostrophe(QChar c) {
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

// Reads the text into items. A date read by the free forms has at most three numbers after a
// weekday name that opens it, and the name has at most the numbers the locale's names have: the
// reading stops, and fails, at the number past both.
bool tokenize(const LocaleData& data, QStringView s, Items& items) {
    const int mostNumbers = 3 + data.weekdays.mostNumbers;
    int numbers = 0;
    for (qsizetype pos = 0; pos < s.size();) {
        const QChar c = s[pos];
        if (c == QLatin1Char(' ')) {
            ++pos;
        } else if (isDigitAt(s, pos)) {
            const qsizetype start = pos;
            Item number{Item::Num, readNumber(s, pos), {}};
            number.text = s.sliced(start, pos - start);
            // Letters right after a number are its ordinal ending where they fit it.
            const qsizetype end = letterRunEnd(s, pos);
            if (end > pos && isOrdinalEnding(data.locale.language(), number.number.value,
                                             s.sliced(pos, end - pos))) {
                number.ordinal = true;
                pos = end;
            }
            items.append(number);
            if (++numbers > mostNumbers)
                return false;
        } else if (isApostrophe(c) && isDigitAt(s, pos + 1)) {
            qsizetype after = pos + 1;
            const Number year = readNumber(s, after);
            if (year.digits == 2) {
                items.append({Item::Num, year, s.sliced(pos + 1, after - pos - 1), false, true});
                pos = after;
                if (++numbers > mostNumbers)
                    return false;
            } else {
                items.append({Item::Punct, {}, s.sliced(pos, 1)});
                ++pos;
            }
        } else if (isLetterAt(s, pos)) {
            const qsizetype start = pos;
            pos = letterRunEnd(s, pos);
            items.append({Item::Word, {}, s.sliced(start, pos - start)});
        } else {
            qsizetype units = 1;
            codePointAt(s, pos, &units);
            items.append({Item::Punct, {}, s.sliced(pos, units)});
            pos += units;
        }
    }
    return true;
}

bool isGapMark(QChar c) {
    return c == QLatin1Char(',') || c == QLatin1Char('-') || c == QLatin1Char('/') ||
           c == QLatin1Char('.');
}

// A number or word of the date and the punctuation marks after it.
struct Value {
    const Item* item;
    QStringView firstMark; // empty where no mark follows
    int marks = 0;
    bool onlyGapMarks = true; // every mark is a comma, hyphen, slash or dot

    bool endsBare() const { return marks == 0; }
    // Whether the marks after the value are exactly the text given.
    bool marksAre(QStringView text) const {
        return marks == 0 ? text.isEmpty() : marks == 1 && firstMark == text;
    }
};

using Values = QVarLengthArray<Value, 8>; // the numbers and words of a date, in order

// An optional weekday name before the date, with its abbreviation dot and a comma after it:
// read into the fields, and the items after it left to read. The name is the longest that
// begins the text and ends at a word's end, so that a name of two words ("quinta-feira") is
// read whole; a text that two weekdays are named by reads as none.
void readLeadingWeekday(const LocaleData& data, QStringView s, const Item*& item, const Item* end,
                        Fields& fields) {
    if (item == end || item->kind != Item::Word)
        return;
    const qsizetype start = item->text.data() - s.data();
    const Name* found = nullptr;
    for (const Name& name : data.weekdays.startingWith(item->text.front())) {
        if (found && name.text.size() < found->text.size())
            break; // the names come longest first
        const qsizetype nameEnd = start + name.text.size();
        if (!hasAt(s, start, name.text) || (nameEnd < s.size() && isLetterAt(s, nameEnd)))
            continue;
        if (found && found->value != name.value)
            return;
        found = &name;
    }
    if (!found)
        return;
    fields.weekday = found->value;
    const qsizetype nameEnd = start + found->text.size();
    while (item != end && item->text.data() - s.data() < nameEnd)
        ++item;
    const auto punctIs = [&](const char16_t* mark) {
        return item != end && item->kind == Item::Punct && item->text == QStringView(mark);
    };
    if (punctIs(u"."))
        ++item;
    if (punctIs(u","))
        ++item;
}

// A word of the locale (or English) that stands between two parts of a date ("de", "of"),
// where it names no month.
bool isConnectingWord(const LocaleData& data, const Item& item) {
    return item.kind == Item::Word && data.words.between.contains(item.text) &&
           !data.months.lookUp(item.text);
}

// The numbers and words of the date, each with the marks after it. Fails where there are more
// than three, where the text opens with a mark, or, in a date without a word, where two marks
// follow a number or two numbers stand with only blanks between them. A connecting word may stand
// between two parts, right after the first; it may neither open nor end the date, nor follow
// another.
bool gatherValues(const LocaleData& data, const Item* item, const Item* end, bool hasWord,
                  Values& values) {
    bool joined = false; // a connecting word waits for the part after it
    for (; item != end; ++item) {
        if (hasWord && isConnectingWord(data, *item)) {
            if (values.isEmpty() || joined || !values.back().endsBare())
                return false;
            joined = true;
        } else if (item->kind == Item::Punct) {
            if (values.isEmpty() || joined)
                return false;
            Value& last = values.back();
            if (!hasWord && !last.endsBare())
                return false;
            if (last.endsBare())
                last.firstMark = item->text;
            ++last.marks;
            last.onlyGapMarks =
                last.onlyGapMarks && std::all_of(item->text.begin(), item->text.end(), isGapMark);
        } else {
            if (!hasWord && !values.isEmpty() && values.back().item->kind == Item::Num &&
                values.back().endsBare())
                return false;
            if (values.size() == 3)
                return false;
            values.append(Value{item, {}, 0, true});
            joined = false;
        }
    }
    return !joined;
}

// Day, month and year of three numbers, in the locale's order; a first number of three or four
// digits is a year in any locale.
bool readThreeNumbers(Order order, Number a, Number b, Number c, Fields& fields) {
    Number d, m, y;
    if (order == Order::YDM)
        y = a, d = b, m = c;
    else if (a.digits >= 3 || order == Order::YMD)
        y = a, m = b, d = c;
    else if (order == Order::DMY)
        d = a, m = b, y = c;
    else
        m = a, d = b, y = c;
    if (d.digits > 2 || m.digits > 2 || y.digits < 2 || y.digits > 4)
        return false;
    fields.day = d.value, fields.month = m.value, fields.year = y.value;
    fields.yearDigits = y.digits;
    return true;
}

// A numeric date: a S b S c, or a S b (day and month), with one separator throughout: "/",
// "-", "." or the locale's own. Only a dot may also end the text.
bool readNumeric(const LocaleData& data, const Values& values, Fields& fields) {
    if (values.size() < 2 || values.size() > 3)
        return false;
    if (std::any_of(values.begin(), values.end(),
                    [](const Value& v) { return v.item->ordinal || v.item->apostrophe; }))
        return false; // ordinal days and apostrophe years are written with month names
    const QStringView sep = values.front().firstMark;
    const bool allowed = sep == u"/" || sep == u"-" || sep == u"." ||
                         (sep.size() == 1 && sep.front() == data.separator);
    if (!allowed)
        return false;
    for (qsizetype i = 0; i + 1 < values.size(); ++i)
        if (!values[i].marksAre(sep))
            return false;
    const Value& last = values.back();
    if (!last.endsBare() && !(last.marksAre(sep) && sep == u"."))
        return false;
    const Number a = values[0].item->number, b = values[1].item->number;
    for (qsizetype i = 0; i < values.size(); ++i)
        fields.numbers[i] = values[i].item->number;
    fields.numberCount = static_cast<int>(values.size());
    if (values.size() == 3)
        return readThreeNumbers(data.order, a, b, values[2].item->number, fields);
    if (a.digits > 2 || b.digits > 2)
        return false;
    const bool dayFirst = data.order == Order::DMY;
    fields.day = dayFirst ? a.value : b.value;
    fields.month = dayFirst ? b.value : a.value;
    return true;
}

// A month name with one or two numbers, in the orders day-month-year, month-day-year and
// year-month-day, the parts apart by blanks, commas, dots, hyphens and slashes; only a dot may
// end the text.
bool readWithMonthName(const LocaleData& data, const Values& values, Fields& fields) {
    if (!std::all_of(values.begin(), values.end(), [](const Value& v) { return v.onlyGapMarks; }))
        return false;
    if (!values.back().endsBare() && !values.back().marksAre(u"."))
        return false;
    if (values.size() > 3)
        return false; // no form has more than three parts
    char shapeText[4] = {};
    for (qsizetype i = 0; i < values.size(); ++i)
        shapeText[i] = values[i].item->kind == Item::Num ? 'n' : 'w';
    const std::string_view shape(shapeText);
    const std::size_t w = shape.find('w');
    if (w == std::string_view::npos)
        return false; // only connecting words between the numbers
    const auto month = data.months.lookUp(values[static_cast<qsizetype>(w)].item->text);
    if (!month)
        return false;
    fields.month = month;
    fields.monthNamed = true;
    auto number = [&](qsizetype i) { return values[i].item->number; };
    // An ordinal ending marks a day, an apostrophe a year.
    auto year = [&](qsizetype i) {
        const Number n = number(i);
        if (n.digits < 2 || n.digits > 4 || values[i].item->ordinal)
            return false;
        fields.year = n.value;
        fields.yearDigits = n.digits;
        return true;
    };
    auto day = [&](qsizetype i) {
        fields.day = number(i).value;
        return number(i).digits <= 2 && !values[i].item->apostrophe;
    };
    if (shape == "nwn") {
        if (number(0).digits >= 3)
            return year(0) && day(2);
        return day(0) && year(2);
    }
    if (shape == "wnn")
        return day(1) && year(2);
    if (shape == "nw")
        return day(0);
    if (shape == "wn")
        return day(1);
    return false;
}

} // namespace

bool matchFree(const LocaleData& data, QStringView s, Fields& fields) {
    Items items;
    if (!tokenize(data, s, items))
        return false;
    const Item* item = items.cbegin();
    const Item* const end = items.cend();
    readLeadingWeekday(data, s, item, end, fields);
    if (item == end)
        return false;
    const bool hasWord = std::any_of(item, end, [](const Item& i) { return i.kind == Item::Word; });
    Values values;
    if (!gatherValues(data, item, end, hasWord, values))
        return false;
    return hasWord ? readWithMonthName(data, values, fields) : readNumeric(data, values, fields);
}

bool orderSettled(const LocaleData& data, const Fields& fields, int year) {
    // Every order of the locale is tried on the numbers; a second date read from them, where the
    // order's reading of a year first is the one programs write, leaves the date unsettled.
    if (fields.monthNamed || fields.numberCount < 2 || data.orders.size() < 2)
        return true;
    for (const Order order : data.orders) {
        Fields other;
        const Number* n = fields.numbers;
        // Other programs write a year first with all its digits: "20.02.29" is no year-first date
        // where the locale's own order is another.
        const bool yearFirst = order == Order::YMD || order == Order::YDM;
        if (yearFirst && order != data.order && n[0].digits < 3)
            continue;
        if (fields.numberCount == 3) {
            if (!readThreeNumbers(order, n[0], n[1], n[2], other))
                continue;
            other.year = expandYear(*other.year, other.yearDigits);
        } else {
            const bool dayFirst = order == Order::DMY || order == Order::YDM;
            other.day = dayFirst ? n[0].value : n[1].value;
            other.month = dayFirst ? n[1].value : n[0].value;
            other.year = year;
        }
        const QDate date(*other.year, *other.month, *other.day);
        if (date.isValid() && other.year >= 100 &&
            (date.day() != *fields.day || date.month() != *fields.month ||
             date.year() != (fields.year ? expandYear(*fields.year, fields.yearDigits) : year)))
            return false;
    }
    return true;
}

namespace {

// The time of day after the date. The forms are tried in a fixed order, so that where a text
// could be read more than one way, the same reading always wins: AM/PM texts in the locale's
// order, with a blank where one may stand; the longer hour; seconds present.

int digitsValue(QStringView s) {
    qsizetype pos = 0;
    return readNumber(s, pos).value;
}

// The end of exactly count digits (code points) from pos, or -1.
qsizetype digitsEnd(QStringView s, qsizetype pos, int count) {
    for (int i = 0; i < count; ++i) {
        if (!isDigitAt(s, pos))
            return -1;
        qsizetype units = 1;
        codePointAt(s, pos, &units);
        pos += units;
    }
    return pos;
}

class TimeReader {
public:
    TimeReader(const LocaleData& data, const QString& s) : data_(data), s_(s) {
        for (const QList<QString>* texts : {&data.amTexts, &data.pmTexts})
            for (const QString& t : *texts)
                markers_.append(t);
    }

    // Reads a time from pos to the end of the text.
    bool read(qsizetype pos, TimeMatch& match) const {
        for (const QStringView marker : markers_) {
            if (!hasAt(s_, pos, marker))
                continue;
            const qsizetype after = pos + marker.size();
            for (const bool blank : {true, false}) {
                qsizetype clock = after;
                if (blank && !(clock < s_.size() && s_[clock] == QLatin1Char(' ')))
                    continue;
                clock += blank ? 1 : 0;
                if (readClock(clock, match)) {
                    match.markerBefore = marker;
                    return true;
                }
            }
        }
        return readClock(pos, match);
    }

private:
    // The end of the text at pos when it starts with the mark (an empty mark always does), or -1.
    qsizetype markEnd(qsizetype pos, const QString& mark) const {
        return hasAt(s_, pos, mark) ? pos + mark.size() : -1;
    }

    bool readClock(qsizetype pos, TimeMatch& match) const {
        // The hour's two ends, of two digits and of one, are the same for every clock style.
        const qsizetype hourEnds[] = {digitsEnd(s_, pos, 2), digitsEnd(s_, pos, 1)};
        if (hourEnds[1] < 0)
            return false;
        for (const ClockStyle& clock : data_.clocks)
            for (const qsizetype hourEnd : hourEnds)
                if (hourEnd >= 0 && readClock(clock, pos, hourEnd, match))
                    return true;
        return false;
    }

    bool readClock(const ClockStyle& clock, qsizetype pos, qsizetype hourEnd,
                   TimeMatch& match) const {
        const QStringView view(s_);
        const qsizetype minuteStart = markEnd(hourEnd, clock.afterHour);
        if (minuteStart < 0 || clock.afterHour.isEmpty())
            return false;
        match.hour = view.sliced(pos, hourEnd - pos);
        // A mark after the minutes or seconds lets them have one digit ("14時5分").
        const QVarLengthArray<int, 2> minuteDigits = clock.afterMinute.isEmpty()
                                                         ? QVarLengthArray<int, 2>{2}
                                                         : QVarLengthArray<int, 2>{2, 1};
        const QVarLengthArray<int, 2> secondDigits = clock.afterSecond.isEmpty()
                                                         ? QVarLengthArray<int, 2>{2}
                                                         : QVarLengthArray<int, 2>{2, 1};
        const bool hasSeconds = !clock.beforeSecond.isEmpty() || !clock.afterSecond.isEmpty();
        for (const int digits : minuteDigits) {
            const qsizetype minuteEnd = digitsEnd(s_, minuteStart, digits);
            const qsizetype afterMinute =
                minuteEnd < 0 ? -1 : markEnd(minuteEnd, clock.afterMinute);
            if (afterMinute < 0)
                continue;
            match.minute = view.sliced(minuteStart, minuteEnd - minuteStart);
            const qsizetype secondStart = hasSeconds && afterMinute < s_.size()
                                              ? markEnd(afterMinute, clock.beforeSecond)
                                              : -1;
            for (const int sDigits : secondDigits) {
                if (secondStart < 0)
                    break;
                const qsizetype secondEnd = digitsEnd(s_, secondStart, sDigits);
                const qsizetype end = secondEnd < 0 ? -1 : markEnd(secondEnd, clock.afterSecond);
                if (end >= 0 && readMarkerAfter(end, match)) {
                    match.second = view.sliced(secondStart, secondEnd - secondStart);
                    return true;
                }
            }
            if (readMarkerAfter(afterMinute, match)) {
                match.second = {};
                return true;
            }
        }
        return false;
    }

    bool readMarkerAfter(qsizetype pos, TimeMatch& match) const {
        const QStringView rest = QStringView(s_).sliced(pos);
        match.closingWord = {};
        for (const bool blank : {true, false}) {
            if (blank && !rest.startsWith(QLatin1Char(' ')))
                continue;
            const QStringView marker = rest.sliced(blank ? 1 : 0);
            if (std::find(markers_.cbegin(), markers_.cend(), marker) != markers_.cend()) {
                match.markerAfter = marker;
                return true;
            }
        }
        match.markerAfter = {};
        if (rest.startsWith(QLatin1Char(' ')) && data_.words.afterTime.contains(rest.sliced(1))) {
            match.closingWord = rest.sliced(1);
            return true;
        }
        return rest.isEmpty();
    }

    const LocaleData& data_;
    const QString& s_;
    QVarLengthArray<QStringView, 4> markers_;
};

} // namespace

std::optional<TimeMatch> matchTime(const LocaleData& data, const QString& s) {
    const TimeReader reader(data, s);
    // A reading that fails leaves no mark before the time, so one match serves every blank.
    TimeMatch match;
    for (qsizetype blank = s.indexOf(QLatin1Char(' ')); blank >= 0;
         blank = s.indexOf(QLatin1Char(' '), blank + 1)) {
        if (reader.read(blank + 1, match)) {
            match.dateLength = blank;
            return match;
        }
    }
    return std::nullopt;
}

namespace {

// The ISO form with "t" between date and time, as normalised: "2021-03-03t14:05:09", seconds
// and a fraction of a second optional ("t14:05:09.250"). The date must be year-month-day with
// hyphens and the time a 24-hour one; the fraction is dropped.
std::optional<DateAndTime> splitIsoTime(const QString& s) {
    const qsizetype t = s.indexOf(QLatin1Char('t'));
    if (t < 0)
        return std::nullopt;
    const QStringView date = QStringView(s).first(t);
    qsizetype pos = 0;
    const Number year = readNumber(date, pos);
    if (year.digits != 4 || pos >= date.size() || date[pos] != QLatin1Char('-'))
        return std::nullopt;
    ++pos;
    const Number month = readNumber(date, pos);
    if (month.digits < 1 || month.digits > 2 || pos >= date.size() || date[pos] != QLatin1Char('-'))
        return std::nullopt;
    ++pos;
    const Number day = readNumber(date, pos);
    if (day.digits < 1 || day.digits > 2 || pos != date.size())
        return std::nullopt;

    const QStringView time = QStringView(s).sliced(t + 1);
    pos = 0;
    int fields[3] = {0, 0, 0};
    int read = 0;
    for (; read < 3; ++read) {
        if (read > 0) {
            if (pos >= time.size() || time[pos] != QLatin1Char(':'))
                break;
            ++pos;
        }
        const Number n = readNumber(time, pos);
        if (n.digits != 2)
            return std::nullopt;
        fields[read] = n.value;
    }
    if (read < 2)
        return std::nullopt;
    if (read == 3 && pos < time.size() &&
        (time[pos] == QLatin1Char('.') || time[pos] == QLatin1Char(','))) {
        ++pos;
        const Number fraction = readNumber(time, pos);
        if (fraction.digits < 1 || fraction.digits > 9)
            return std::nullopt;
    }
    if (pos != time.size() || fields[0] > 23 || fields[1] > 59 || fields[2] > 59)
        return std::nullopt;
    DateAndTime split;
    split.datePart = date;
    split.time = std::chrono::seconds{fields[0] * 3600 + fields[1] * 60 + fields[2]};
    return split;
}

// Whether the text has a mark that only a time of day puts there: a colon, or the mark after the
// hour of the locale's own clock style.
bool hasClockMark(const LocaleData& data, const QString& s) {
    return std::any_of(data.clocks.cbegin(), data.clocks.cend(),
                       [&](const ClockStyle& clock) { return s.contains(clock.afterHour); });
}

} // namespace

DateAndTime splitTime(const LocaleData& data, const QString& s) {
    DateAndTime split;
    if (auto iso = splitIsoTime(s))
        return *iso;
    if (!hasClockMark(data, s)) {
        split.datePart = s;
        return split;
    }
    const auto m = matchTime(data, s);
    // A colon belongs to a time, so a text with one that reads no time is no date; the other
    // clock marks are letters, which a text without a time may hold.
    if (!m && !s.contains(QLatin1Char(':'))) {
        split.datePart = s;
        return split;
    }
    split.ok = false;
    if (!m || m->dateLength == 0)
        return split;
    if (!m->markerBefore.isEmpty() && !m->markerAfter.isEmpty())
        return split;
    const QStringView marked = m->markerBefore.isEmpty() ? m->markerAfter : m->markerBefore;
    int hour = digitsValue(m->hour);
    const int minute = digitsValue(m->minute);
    const int second = m->second.isEmpty() ? 0 : digitsValue(m->second);
    if (minute > 59 || second > 59)
        return split;
    if (!marked.isEmpty()) {
        if (hour < 1 || hour > 12)
            return split;
        const bool isPm = !data.amTexts.contains(marked);
        hour = hour % 12 + (isPm ? 12 : 0);
    } else if (hour > 23) {
        return split;
    }
    QStringView datePart = QStringView(s).first(m->dateLength);
    // A word between the date and the time ("um", "à", "at") stands after a blank.
    for (const QString& word : data.words.beforeTime) {
        if (datePart.size() > word.size() && datePart.endsWith(word) &&
            datePart[datePart.size() - word.size() - 1] == QLatin1Char(' ')) {
            datePart.chop(word.size() + 1);
            break;
        }
    }
    split.datePart = datePart;
    split.time = std::chrono::seconds{hour * 3600 + minute * 60 + second};
    split.ok = true;
    return split;
}

} // namespace DateText::detail
