#include "date_text_internal.h"

#include <algorithm>

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

// The free forms: numeric dates with one separator, and dates with a month name.

struct Item {
    enum Kind { Num, Word, Punct } kind;
    Number number;
    QString text;
};

bool isLetterAt(const QString& s, qsizetype pos) {
    const char32_t c = codePointAt(s, pos);
    return QChar::isLetter(c) || QChar::isMark(c);
}

QList<Item> tokenize(const QString& s) {
    QList<Item> items;
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
            items.append({Item::Word, {}, s.sliced(start, pos - start)});
        } else {
            qsizetype units = 1;
            codePointAt(s, pos, &units);
            items.append({Item::Punct, {}, s.sliced(pos, units)});
            pos += units;
        }
    }
    return items;
}

} // namespace

bool matchFree(const LocaleData& data, const QString& s, Fields& fields) {
    QList<Item> items = tokenize(s);

    // An optional leading weekday name, with its abbreviation dot and a comma after it.
    if (!items.isEmpty() && items.front().kind == Item::Word) {
        if (auto weekday = data.weekdays.lookUp(items.front().text)) {
            fields.weekday = weekday;
            items.removeFirst();
            if (!items.isEmpty() && items.front().kind == Item::Punct &&
                items.front().text == QLatin1String("."))
                items.removeFirst();
            if (!items.isEmpty() && items.front().kind == Item::Punct &&
                items.front().text == QLatin1String(","))
                items.removeFirst();
        }
    }
    if (items.isEmpty())
        return false;

    const bool hasWord =
        std::any_of(items.begin(), items.end(), [](const Item& i) { return i.kind == Item::Word; });
    QList<Item> values;  // numbers and words, in order
    QList<QString> gaps; // the punctuation after each value ("" for none)
    for (const Item& item : items) {
        if (item.kind == Item::Punct) {
            if (values.isEmpty())
                return false; // leading punctuation
            // A numeric date has one mark between its numbers; with a month name, the marks
            // may come in any mix.
            if (!hasWord && !gaps.back().isEmpty())
                return false;
            gaps.back() += item.text;
        } else {
            if (!hasWord && !values.isEmpty() && values.back().kind == Item::Num &&
                gaps.back().isEmpty())
                return false; // two numbers with only blanks between them
            values.append(item);
            gaps.append(QString());
        }
    }

    if (!hasWord) {
        // Numeric: a S b S c, or a S b, with one separator throughout.
        if (values.size() < 2 || values.size() > 3)
            return false;
        const QString sep = gaps.front();
        const bool allowed = sep == QLatin1String("/") || sep == QLatin1String("-") ||
                             sep == QLatin1String(".") || sep == QString(data.separator);
        if (!allowed)
            return false;
        for (qsizetype i = 0; i + 1 < values.size(); ++i)
            if (gaps[i] != sep)
                return false;
        const QString& last = gaps.back();
        if (!last.isEmpty() && !(last == sep && sep == QLatin1String(".")))
            return false;
        const Number a = values[0].number, b = values[1].number;
        if (values.size() == 3) {
            const Number c = values[2].number;
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
        } else {
            if (a.digits > 2 || b.digits > 2)
                return false;
            const bool dayFirst = data.order == Order::DMY;
            fields.day = dayFirst ? a.value : b.value;
            fields.month = dayFirst ? b.value : a.value;
        }
        return true;
    }

    // A month name with one or two numbers, in the orders day-month-year, month-day-year and
    // year-month-day, the parts apart by blanks, commas, dots, hyphens and slashes; only a dot
    // may end the text.
    const auto isGapMark = [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('-') || c == QLatin1Char('/') ||
               c == QLatin1Char('.');
    };
    for (const QString& gap : gaps)
        if (!std::all_of(gap.begin(), gap.end(), isGapMark))
            return false;
    if (!gaps.back().isEmpty() && gaps.back() != QLatin1String("."))
        return false;
    QString shape;
    for (const Item& v : values)
        shape += v.kind == Item::Num ? QLatin1Char('n') : QLatin1Char('w');
    const qsizetype w = shape.indexOf(QLatin1Char('w'));
    const auto month = data.months.lookUp(values[w].text);
    if (!month)
        return false;
    fields.month = month;
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
    if (shape == QLatin1String("nwn")) {
        if (values[0].number.digits >= 3)
            return year(values[0].number) && day(values[2].number);
        return day(values[0].number) && year(values[2].number);
    }
    if (shape == QLatin1String("wnn"))
        return day(values[1].number) && year(values[2].number);
    if (shape == QLatin1String("nw"))
        return day(values[0].number);
    if (shape == QLatin1String("wn"))
        return day(values[1].number);
    return false;
}

namespace {

// The time of day after the date.

int digitsValue(const QString& s) {
    qsizetype pos = 0;
    return readNumber(s, pos).value;
}

} // namespace

DateAndTime splitTime(const LocaleData& data, const QString& s) {
    DateAndTime split;
    if (!s.contains(QLatin1Char(':'))) {
        split.datePart = s;
        return split;
    }
    const auto m = data.timePattern.match(s);
    split.ok = false;
    if (!m.hasMatch() || m.capturedLength(1) == 0)
        return split;
    const QString before = m.captured(2), after = m.captured(6);
    if (!before.isEmpty() && !after.isEmpty())
        return split;
    const QString marked = before.isEmpty() ? after : before;
    int hour = digitsValue(m.captured(3));
    const int minute = digitsValue(m.captured(4));
    const int second = m.capturedLength(5) ? digitsValue(m.captured(5)) : 0;
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
    split.datePart = m.captured(1);
    split.time = std::chrono::seconds{hour * 3600 + minute * 60 + second};
    split.ok = true;
    return split;
}

} // namespace DateText::detail
