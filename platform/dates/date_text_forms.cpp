#include "date_text_internal.h"

#include <QVarLengthArray>

#include <algorithm>
#include <string_view>

namespace DateText::detail {

// Matches the remaining format tokens against the text from pos, with backtracking over the
// ways a name may be read.
bool matchFormat(const LocaleData& data, const QList<FormatToken>& tokens, qsizetype index,
                 const QString& s, qsizetype pos, Fields& fields) {
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
        Fields next = fields;
        if (token.field == Field::Day)
            next.day = n.value;
        else if (token.field == Field::Month)
            next.month = n.value;
        else {
            next.year = n.value;
            next.yearDigits = n.digits;
        }
        if (!matchFormat(data, tokens, index + 1, s, pos, next))
            return false;
        fields = next;
        return true;
    }
    case Field::MonthName:
    case Field::Weekday: {
        if (token.field == Field::Weekday) {
            // A weekday in the locale's format may be left out.
            Fields next = fields;
            if (matchFormat(data, tokens, index + 1, s, pos, next)) {
                fields = next;
                return true;
            }
        }
        if (pos >= s.size())
            return false;
        const NameIndex& names = token.field == Field::MonthName ? data.months : data.weekdays;
        for (const Name& name : names.startingWith(s[pos])) {
            if (!QStringView(s).sliced(pos).startsWith(name.text))
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
};
using Items = QVarLengthArray<Item, 16>;

bool isLetterAt(QStringView s, qsizetype pos) {
    const char32_t c = codePointAt(s, pos);
    return QChar::isLetter(c) || QChar::isMark(c);
}

void tokenize(const QString& s, Items& items) {
    const QStringView view(s);
    for (qsizetype pos = 0; pos < s.size();) {
        const QChar c = s[pos];
        if (c == QLatin1Char(' ')) {
            ++pos;
        } else if (isDigitAt(s, pos)) {
            items.append({Item::Num, readNumber(s, pos), {}});
        } else if (isLetterAt(s, pos)) {
            const qsizetype start = pos;
            qsizetype units = 1;
            while (pos < s.size() && isLetterAt(s, pos)) {
                codePointAt(s, pos, &units);
                pos += units;
            }
            items.append({Item::Word, {}, view.sliced(start, pos - start)});
        } else {
            qsizetype units = 1;
            codePointAt(s, pos, &units);
            items.append({Item::Punct, {}, view.sliced(pos, units)});
            pos += units;
        }
    }
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
// read into the fields, and the items after it left to read.
void readLeadingWeekday(const LocaleData& data, const Item*& item, const Item* end,
                        Fields& fields) {
    if (item == end || item->kind != Item::Word)
        return;
    const auto weekday = data.weekdays.lookUp(item->text);
    if (!weekday)
        return;
    fields.weekday = weekday;
    const auto punctIs = [&](const char16_t* mark) {
        return item != end && item->kind == Item::Punct && item->text == QStringView(mark);
    };
    ++item;
    if (punctIs(u"."))
        ++item;
    if (punctIs(u","))
        ++item;
}

// The numbers and words of the date, each with the marks after it. Fails where the text opens
// with a mark, or, in a date without a word, where two marks follow a number or two numbers
// stand with only blanks between them.
bool gatherValues(const Item* item, const Item* end, bool hasWord, Values& values) {
    for (; item != end; ++item) {
        if (item->kind == Item::Punct) {
            if (values.isEmpty())
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
            values.append(Value{item, {}, 0, true});
        }
    }
    return true;
}

// Day, month and year of three numbers, in the locale's order; a first number of three or four
// digits is a year in any locale.
bool readThreeNumbers(const LocaleData& data, Number a, Number b, Number c, Fields& fields) {
    Number d, m, y;
    if (a.digits >= 3 || data.order == Order::YMD)
        y = a, m = b, d = c;
    else if (data.order == Order::DMY)
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
    if (values.size() == 3)
        return readThreeNumbers(data, a, b, values[2].item->number, fields);
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
    const auto month = data.months.lookUp(values[static_cast<qsizetype>(w)].item->text);
    if (!month)
        return false;
    fields.month = month;
    auto number = [&](qsizetype i) { return values[i].item->number; };
    auto year = [&](const Number& n) {
        if (n.digits < 2 || n.digits > 4)
            return false;
        fields.year = n.value;
        fields.yearDigits = n.digits;
        return true;
    };
    auto day = [&](const Number& n) {
        fields.day = n.value;
        return n.digits <= 2;
    };
    if (shape == "nwn") {
        if (number(0).digits >= 3)
            return year(number(0)) && day(number(2));
        return day(number(0)) && year(number(2));
    }
    if (shape == "wnn")
        return day(number(1)) && year(number(2));
    if (shape == "nw")
        return day(number(0));
    if (shape == "wn")
        return day(number(1));
    return false;
}

} // namespace

bool matchFree(const LocaleData& data, const QString& s, Fields& fields) {
    Items items;
    tokenize(s, items);
    const Item* item = items.cbegin();
    const Item* const end = items.cend();
    readLeadingWeekday(data, item, end, fields);
    if (item == end)
        return false;
    const bool hasWord = std::any_of(item, end, [](const Item& i) { return i.kind == Item::Word; });
    Values values;
    if (!gatherValues(item, end, hasWord, values))
        return false;
    return hasWord ? readWithMonthName(data, values, fields) : readNumeric(data, values, fields);
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
    TimeReader(const LocaleData& data, const QString& s) : s_(s) {
        for (const QList<QString>* texts : {&data.amTexts, &data.pmTexts})
            for (const QString& t : *texts)
                markers_.append(t);
    }

    // Reads a time from pos to the end of the text.
    bool read(qsizetype pos, TimeMatch& match) const {
        for (const QStringView marker : markers_) {
            if (!QStringView(s_).sliced(pos).startsWith(marker))
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
    bool readClock(qsizetype pos, TimeMatch& match) const {
        const QStringView view(s_);
        for (const int hourDigits : {2, 1}) {
            const qsizetype hourEnd = digitsEnd(s_, pos, hourDigits);
            if (hourEnd < 0 || hourEnd >= s_.size() || s_[hourEnd] != QLatin1Char(':'))
                continue;
            const qsizetype minuteEnd = digitsEnd(s_, hourEnd + 1, 2);
            if (minuteEnd < 0)
                continue;
            match.hour = view.sliced(pos, hourEnd - pos);
            match.minute = view.sliced(hourEnd + 1, minuteEnd - hourEnd - 1);
            if (minuteEnd < s_.size() && s_[minuteEnd] == QLatin1Char(':')) {
                const qsizetype secondEnd = digitsEnd(s_, minuteEnd + 1, 2);
                if (secondEnd >= 0 && readMarkerAfter(secondEnd, match)) {
                    match.second = view.sliced(minuteEnd + 1, secondEnd - minuteEnd - 1);
                    return true;
                }
            }
            if (readMarkerAfter(minuteEnd, match)) {
                match.second = {};
                return true;
            }
        }
        return false;
    }

    bool readMarkerAfter(qsizetype pos, TimeMatch& match) const {
        const QStringView rest = QStringView(s_).sliced(pos);
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
        return rest.isEmpty();
    }

    const QString& s_;
    QVarLengthArray<QStringView, 4> markers_;
};

} // namespace

std::optional<TimeMatch> matchTime(const LocaleData& data, const QString& s) {
    const TimeReader reader(data, s);
    for (qsizetype blank = s.indexOf(QLatin1Char(' ')); blank >= 0;
         blank = s.indexOf(QLatin1Char(' '), blank + 1)) {
        TimeMatch match;
        if (reader.read(blank + 1, match)) {
            match.dateLength = blank;
            return match;
        }
    }
    return std::nullopt;
}

DateAndTime splitTime(const LocaleData& data, const QString& s) {
    DateAndTime split;
    if (!s.contains(QLatin1Char(':'))) {
        split.datePart = s;
        return split;
    }
    const auto m = matchTime(data, s);
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
    split.datePart = s.first(m->dateLength);
    split.time = std::chrono::seconds{hour * 3600 + minute * 60 + second};
    split.ok = true;
    return split;
}

} // namespace DateText::detail
