#include "date_text.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>

namespace DateText {
namespace {

// ---------------------------------------------------------------------------------------------
// Text normalisation: bidirectional marks are dropped, every run of Unicode spaces becomes one
// blank, and the text is case folded, so that matching is blind to all three.

bool isIgnorable(QChar c) {
    const char16_t u = c.unicode();
    return u == 0x200E || u == 0x200F || u == 0x061C || u == 0x200B || u == 0xFEFF;
}

QString normalize(const QString& text) {
    QString out;
    out.reserve(text.size());
    bool pendingBlank = false;
    for (QChar c : text) {
        if (isIgnorable(c))
            continue;
        if (c.isSpace()) {
            pendingBlank = !out.isEmpty();
            continue;
        }
        if (pendingBlank)
            out += QLatin1Char(' ');
        pendingBlank = false;
        out += c;
    }
    return out.toCaseFolded();
}

// ---------------------------------------------------------------------------------------------
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

enum class Order { DMY, MDY, YMD };

struct LocaleData {
    QLocale locale;
    QList<QList<FormatToken>> formats; // short and long date formats
    QList<Name> months;                // longest first
    QList<Name> weekdays;              // longest first
    QList<QString> amTexts, pmTexts;   // normalised
    Order order = Order::MDY;
    QChar separator = QLatin1Char('/');
    QRegularExpression timePattern; // a date part, then a time with an optional AM/PM text
};

QString withoutTrailingDot(QString s) {
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

QList<FormatToken> compileFormat(const QString& format) {
    QList<FormatToken> tokens;
    QString literal;
    auto flushLiteral = [&] {
        const QString text = normalize(literal);
        if (!text.isEmpty() || (!literal.isEmpty() && !tokens.isEmpty()))
            tokens.append({Field::Literal, text.isEmpty() ? QStringLiteral(" ") : text});
        literal.clear();
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            // Quoted literal; '' inside or outside quotes stands for one quote.
            qsizetype j = i + 1;
            if (j < format.size() && format[j] == QLatin1Char('\'')) {
                literal += c;
                i += 2;
                continue;
            }
            while (j < format.size()) {
                if (format[j] == QLatin1Char('\'')) {
                    if (j + 1 < format.size() && format[j + 1] == QLatin1Char('\'')) {
                        literal += QLatin1Char('\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                literal += format[j++];
            }
            i = j + 1;
            continue;
        }
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
            qsizetype j = i;
            while (j < format.size() && format[j] == c)
                ++j;
            const qsizetype run = j - i;
            flushLiteral();
            Field field = Field::Year;
            if (c == QLatin1Char('d'))
                field = run >= 3 ? Field::Weekday : Field::Day;
            else if (c == QLatin1Char('M'))
                field = run >= 3 ? Field::MonthName : Field::Month;
            tokens.append({field, {}});
            i = j;
            continue;
        }
        literal += c;
        ++i;
    }
    flushLiteral();
    return tokens;
}

QList<Name> collectNames(const QLocale& locale, int count, bool months) {
    QList<Name> names;
    for (int v = 1; v <= count; ++v) {
        for (auto type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (const QString& raw :
                 months
                     ? QStringList{locale.monthName(v, type), locale.standaloneMonthName(v, type)}
                     : QStringList{locale.dayName(v, type), locale.standaloneDayName(v, type)}) {
                const QString text = withoutTrailingDot(normalize(raw));
                if (text.isEmpty())
                    continue;
                const bool known = std::any_of(names.begin(), names.end(), [&](const Name& n) {
                    return n.text == text && n.value == v;
                });
                if (!known)
                    names.append({text, v});
            }
        }
        if (months) {
            // English names are understood in every locale, as the system routine does.
            for (auto type : {QLocale::LongFormat, QLocale::ShortFormat}) {
                const QString text = normalize(QLocale::c().monthName(v, type));
                if (std::none_of(names.begin(), names.end(),
                                 [&](const Name& n) { return n.text == text; }))
                    names.append({text, v});
            }
        }
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const Name& a, const Name& b) { return a.text.size() > b.text.size(); });
    return names;
}

QString alternation(const QList<QString>& texts) {
    QStringList escaped;
    for (const QString& t : texts)
        escaped << QRegularExpression::escape(t);
    return escaped.join(QLatin1Char('|'));
}

LocaleData buildLocaleData(const QLocale& locale) {
    LocaleData data;
    data.locale = locale;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    data.formats.append(compileFormat(shortFormat));
    data.formats.append(compileFormat(locale.dateFormat(QLocale::LongFormat)));
    data.months = collectNames(locale, 12, true);
    data.weekdays = collectNames(locale, 7, false);
    for (const QString& t : {locale.amText(), QStringLiteral("AM")})
        if (!normalize(t).isEmpty())
            data.amTexts.append(normalize(t));
    for (const QString& t : {locale.pmText(), QStringLiteral("PM")})
        if (!normalize(t).isEmpty())
            data.pmTexts.append(normalize(t));

    const QString marker = QStringLiteral("((?:%1)|(?:%2))")
                               .arg(alternation(data.amTexts), alternation(data.pmTexts));
    data.timePattern = QRegularExpression(
        QStringLiteral("^(.*?) (?:%1 ?)?(\\d{1,2}):(\\d\\d)(?::(\\d\\d))?(?: ?%1)?$").arg(marker),
        QRegularExpression::UseUnicodePropertiesOption);
    data.timePattern.optimize();

    // Order of the numeric fields and the separator, from the short format.
    QString fields;
    bool separatorFound = false;
    for (const FormatToken& token : data.formats.front()) {
        switch (token.field) {
        case Field::Day:
            fields += QLatin1Char('d');
            break;
        case Field::Month:
        case Field::MonthName:
            fields += QLatin1Char('m');
            break;
        case Field::Year:
            fields += QLatin1Char('y');
            break;
        case Field::Literal:
            if (!separatorFound && !fields.isEmpty()) {
                for (QChar c : token.literal) {
                    if (c != QLatin1Char(' ')) {
                        data.separator = c;
                        separatorFound = true;
                        break;
                    }
                }
            }
            break;
        case Field::Weekday:
            break;
        }
    }
    if (fields.startsWith(QLatin1Char('y')))
        data.order = Order::YMD;
    else if (fields.indexOf(QLatin1Char('d')) >= 0 &&
             fields.indexOf(QLatin1Char('d')) < fields.indexOf(QLatin1Char('m')))
        data.order = Order::DMY;
    else
        data.order = Order::MDY;
    return data;
}

const LocaleData& localeData(const QLocale& locale) {
    // One entry is enough: the program parses under one locale for its whole life.
    thread_local std::optional<LocaleData> cached;
    if (!cached || cached->locale != locale)
        cached = buildLocaleData(locale);
    return *cached;
}

// ---------------------------------------------------------------------------------------------
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
char32_t codePointAt(const QString& s, qsizetype pos, qsizetype* units = nullptr) {
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

bool isDigitAt(const QString& s, qsizetype pos) {
    return pos < s.size() && QChar::isDigit(codePointAt(s, pos));
}

// A run of decimal digits (of any script) starting at pos.
Number readNumber(const QString& s, qsizetype& pos) {
    Number n;
    while (isDigitAt(s, pos) && n.digits < 9) {
        qsizetype units = 1;
        n.value = n.value * 10 + QChar::digitValue(codePointAt(s, pos, &units));
        ++n.digits;
        pos += units;
    }
    if (isDigitAt(s, pos))
        n.digits = 99; // far too long to be a field
    return n;
}

void skipBlanks(const QString& s, qsizetype& pos) {
    while (pos < s.size() && s[pos] == QLatin1Char(' '))
        ++pos;
}

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
        const QList<Name>& names = token.field == Field::MonthName ? data.months : data.weekdays;
        for (const Name& name : names) {
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

// ---------------------------------------------------------------------------------------------
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

std::optional<int> lookUp(const QList<Name>& names, const QString& word) {
    std::optional<int> found;
    for (const Name& name : names) {
        if (name.text != word)
            continue;
        if (found && *found != name.value)
            return std::nullopt; // the word names two different values
        found = name.value;
    }
    return found;
}

bool matchFree(const LocaleData& data, const QString& s, Fields& fields) {
    QList<Item> items = tokenize(s);

    // An optional leading weekday name, with its abbreviation dot and a comma after it.
    if (!items.isEmpty() && items.front().kind == Item::Word) {
        if (auto weekday = lookUp(data.weekdays, items.front().text)) {
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

    QList<Item> values;  // numbers and words, in order
    QList<QString> gaps; // the punctuation after each value ("" for none)
    for (const Item& item : items) {
        if (item.kind == Item::Punct) {
            if (values.isEmpty() || !gaps.back().isEmpty())
                return false; // leading punctuation, or two marks in a row
            gaps.back() = item.text;
        } else {
            if (!values.isEmpty() && item.kind == Item::Num && values.back().kind == Item::Num &&
                gaps.back().isEmpty())
                return false; // two numbers with only blanks between them
            values.append(item);
            gaps.append(QString());
        }
    }

    const bool hasWord = std::any_of(values.begin(), values.end(),
                                     [](const Item& i) { return i.kind == Item::Word; });
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

    // A month name with one or two numbers.
    static const QStringList gapMarks{QString(), QStringLiteral(","), QStringLiteral("-"),
                                      QStringLiteral("/"), QStringLiteral(".")};
    for (qsizetype i = 0; i < gaps.size(); ++i)
        if (!gapMarks.contains(gaps[i]) ||
            (i + 1 == gaps.size() && !gaps[i].isEmpty() && gaps[i] != QLatin1String(".")))
            return false;
    QString shape;
    for (const Item& v : values)
        shape += v.kind == Item::Num ? QLatin1Char('n') : QLatin1Char('w');
    const qsizetype w = shape.indexOf(QLatin1Char('w'));
    const auto month = lookUp(data.months, values[w].text);
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

// ---------------------------------------------------------------------------------------------
// The time of day after the date.

struct Split {
    QString datePart;
    std::chrono::seconds time{0};
    bool ok = true;
};


int digitsValue(const QString& s) {
    qsizetype pos = 0;
    return readNumber(s, pos).value;
}

Split splitTime(const LocaleData& data, const QString& s) {
    Split split;
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

std::optional<DateValue> complete(const Fields& fields, QDate today, std::chrono::seconds time) {
    if (!fields.day || !fields.month)
        return std::nullopt;
    int year = today.year();
    if (fields.year) {
        year = *fields.year;
        if (fields.yearDigits == 2)
            year += year < 30 ? 2000 : 1900;
    }
    auto value = DateValue::make(year, static_cast<unsigned>(*fields.month),
                                 static_cast<unsigned>(*fields.day), time);
    if (value && fields.weekday &&
        QDate(year, *fields.month, *fields.day).dayOfWeek() != *fields.weekday)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<DateValue> parse(const QString& text, const QLocale& locale, QDate today) {
    const LocaleData& data = localeData(locale);
    const QString s = normalize(text);
    if (s.isEmpty())
        return std::nullopt;
    const Split split = splitTime(data, s);
    if (!split.ok || split.datePart.isEmpty())
        return std::nullopt;
    for (const QList<FormatToken>& tokens : data.formats) {
        Fields fields;
        if (matchFormat(data, tokens, 0, split.datePart, 0, fields))
            if (auto value = complete(fields, today, split.time))
                return value;
    }
    Fields fields;
    if (matchFree(data, split.datePart, fields))
        return complete(fields, today, split.time);
    return std::nullopt;
}

QString format(QDate date, const QLocale& locale) {
    // The short format with every year field widened to four digits; quoted text is kept.
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    QString wide;
    bool quoted = false;
    for (qsizetype i = 0; i < shortFormat.size(); ++i) {
        const QChar c = shortFormat[i];
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('y')) {
            while (i + 1 < shortFormat.size() && shortFormat[i + 1] == QLatin1Char('y'))
                ++i;
            wide += QLatin1String("yyyy");
            continue;
        }
        wide += c;
    }
    return locale.toString(date, wide);
}

QDate toQDate(const DateValue& value) {
    return QDate(static_cast<int>(value.date.year()),
                 static_cast<int>(static_cast<unsigned>(value.date.month())),
                 static_cast<int>(static_cast<unsigned>(value.date.day())));
}

DateValue fromQDate(QDate date) {
    return DateValue{
        std::chrono::year_month_day{std::chrono::year{date.year()},
                                    std::chrono::month{static_cast<unsigned>(date.month())},
                                    std::chrono::day{static_cast<unsigned>(date.day())}},
        std::chrono::seconds{0}};
}

} // namespace DateText
