#include "date_text_internal.h"
#include "locale_forms.h"

#include <algorithm>
#include <list>

namespace DateText::detail {
namespace {

// Text normalisation: bidirectional marks are dropped, every run of Unicode spaces becomes one
// blank, and the text is case folded, so that matching is blind to all three.

bool isIgnorable(char16_t u) {
    return u == 0x200E || u == 0x200F || u == 0x061C || u == 0x200B || u == 0xFEFF;
}

// Letters that the same word is spelled with in one source and not in another: Arabic alef with
// hamza or madda as bare alef, the Persian yeh and keheh as the Arabic ones, and the
// typographic apostrophe as the plain one ("d’abr." and "d'abr.").
char16_t plainLetter(char16_t u) {
    switch (u) {
    case 0x2019:
        return u'\'';
    case 0x0622:
    case 0x0623:
    case 0x0625:
    case 0x0671:
        return 0x0627;
    case 0x06CC:
    case 0x0649:
        return 0x064A;
    case 0x06A9:
        return 0x0643;
    default:
        return u;
    }
}

bool isAsciiBlank(char16_t u) {
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

// Qt's blanks beyond ASCII all stand at these few places, which are looked at before Qt is
// asked.
bool isOtherBlank(char16_t u) {
    return (u == 0x85 || u == 0xA0 || u == 0x1680 || u == 0x3000 || (u >= 0x2000 && u <= 0x205F)) &&
           QChar::isSpace(u);
}

} // namespace

QString normalize(const QString& text) {
    // One pass: ignorable marks dropped, letters made plain and their case folded, runs of
    // blanks made one and the blanks at either end dropped. Case folding maps one code point to
    // one, so each is folded where it stands.
    QString out(text.size(), Qt::Uninitialized);
    QChar* const begin = out.data();
    QChar* end = begin;
    bool blankPending = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t u = text[i].unicode();
        if (u < 0x80 ? isAsciiBlank(u) : isOtherBlank(u)) {
            blankPending = end != begin;
            continue;
        }
        if (u >= 0x80 && isIgnorable(u))
            continue;
        if (blankPending)
            *end++ = QLatin1Char(' ');
        blankPending = false;
        if (u < 0x80) {
            *end++ = QChar(u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u);
        } else if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            const char32_t folded =
                QChar::toCaseFolded(QChar::surrogateToUcs4(u, text[i + 1].unicode()));
            *end++ = QChar(QChar::highSurrogate(folded));
            *end++ = QChar(QChar::lowSurrogate(folded));
            ++i;
        } else {
            *end++ = QChar(QChar::toCaseFolded(plainLetter(u)));
        }
    }
    out.truncate(end - begin);
    return out;
}

namespace {

QString withoutTrailingDot(QString s) {
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

// Ends the literal text gathered so far: its normalised text as a token, or one blank where it
// held only blanks between two fields.
void appendLiteral(QList<FormatToken>& tokens, QString& literal) {
    const QString text = normalize(literal);
    if (!text.isEmpty() || (!literal.isEmpty() && !tokens.isEmpty()))
        tokens.append({Field::Literal, text.isEmpty() ? QStringLiteral(" ") : text});
    literal.clear();
}

QList<FormatToken> compileFormat(const QString& format) {
    QList<FormatToken> tokens;
    QString literal;
    auto flushLiteral = [&] { appendLiteral(tokens, literal); };
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

} // namespace

quint64 charMask(QStringView text) {
    quint64 mask = 0;
    for (const QChar c : text)
        mask |= quint64{1} << (c.unicode() % 64);
    return mask;
}

Form::Form(const QList<FormatToken>& t) : tokens(t) {
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        hasTime = hasTime || tokens[i].field == Field::Hour12 || tokens[i].field == Field::Hour24;
        // The punctuation after a weekday goes with the weekday, which may be left out.
        if (i > 0 && tokens[i - 1].field == Field::Weekday)
            continue;
        QString literal = tokens[i].literal;
        literal.remove(QLatin1Char(' '));
        marks |= charMask(literal);
    }
    if (!tokens.isEmpty() && tokens.front().field == Field::Literal) {
        const QStringView mark = QStringView(tokens.front().literal).trimmed();
        openingMark = mark.isEmpty() ? QChar() : mark.front();
    }
    if (!tokens.isEmpty() && tokens.back().field == Field::Literal) {
        const QStringView mark = QStringView(tokens.back().literal).trimmed();
        closingMark = mark.isEmpty() ? QChar() : mark.back();
    }
}

bool Form::mayStartAt(QStringView text, qsizetype pos) const {
    skipBlanks(text, pos);
    if (tokens.isEmpty() || pos >= text.size())
        return tokens.isEmpty() && pos >= text.size();
    const FormatToken& first = tokens.front();
    switch (first.field) {
    case Field::Literal:
        return openingMark.isNull() || text[pos] == openingMark;
    case Field::Day:
    case Field::Month:
    case Field::Year:
    case Field::Hour12:
    case Field::Hour24:
    case Field::Minute:
    case Field::Second:
        return isDigitAt(text, pos);
    case Field::Weekday:
        return true; // it may be left out
    default:
        return !isDigitAt(text, pos);
    }
}

bool Form::mayEndAs(QStringView text) const {
    if (tokens.isEmpty() || text.isEmpty())
        return tokens.isEmpty() == text.isEmpty();
    const QChar last = text.back();
    const FormatToken& closing = tokens.back();
    switch (closing.field) {
    case Field::Literal:
        return closingMark.isNull() || last == closingMark;
    case Field::Day:
    case Field::Month:
    case Field::Year:
    case Field::Hour12:
    case Field::Hour24:
    case Field::Minute:
    case Field::Second:
        return isDigitAt(text, text.size() - 1) || last.isLowSurrogate();
    case Field::Zone: // an abbreviation or an offset, in ASCII
        return last.unicode() < 0x80 && last.isLetterOrNumber();
    default: // a word ends with no digit
        return !last.isDigit();
    }
}

std::optional<QList<FormatToken>> compileIcuPattern(const QString& pattern) {
    QList<FormatToken> tokens;
    QString literal;
    auto flushLiteral = [&] { appendLiteral(tokens, literal); };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            const qsizetype close = pattern.indexOf(QLatin1Char('\''), i + 1);
            if (close == i + 1) {
                literal += c; // '' is one quote
                i += 2;
                continue;
            }
            const qsizetype end = close < 0 ? pattern.size() : close;
            literal += pattern.sliced(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        const char16_t u = c.unicode();
        if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z'))) {
            literal += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        i += run;
        Field field;
        switch (u) {
        case u'G':
            field = Field::Era;
            break;
        case u'y':
            field = Field::Year;
            break;
        case u'M':
        case u'L':
            field = run >= 3 ? Field::MonthName : Field::Month;
            break;
        case u'd':
            field = Field::Day;
            break;
        case u'E':
            field = Field::Weekday;
            break;
        case u'c':
        case u'e':
            if (run < 3)
                return std::nullopt; // the weekday as a number
            field = Field::Weekday;
            break;
        case u'a':
            field = Field::AmPm;
            break;
        case u'b':
        case u'B':
            field = Field::DayPeriod;
            break;
        case u'h':
        case u'K':
            field = Field::Hour12;
            break;
        case u'H':
        case u'k':
            field = Field::Hour24;
            break;
        case u'm':
            field = Field::Minute;
            break;
        case u's':
            field = Field::Second;
            break;
        case u'z':
        case u'Z':
        case u'v':
        case u'V':
        case u'O':
        case u'X':
        case u'x':
            field = Field::Zone;
            break;
        default:
            return std::nullopt;
        }
        flushLiteral();
        tokens.append({field, {}, static_cast<int>(run)});
    }
    flushLiteral();
    return tokens;
}

namespace {

// Qt's names of the months or weekdays, the names ICU and the C library write for them, and
// the English month names.
QList<Name> collectNames(const QLocale& locale, int count, bool months,
                         const QList<QPair<int, QString>>& written) {
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
        for (const auto& [value, raw] : written) {
            const QString text = withoutTrailingDot(normalize(raw));
            if (value == v && !text.isEmpty() &&
                std::none_of(names.begin(), names.end(),
                             [&](const Name& n) { return n.text == text && n.value == v; }))
                names.append({text, v});
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

} // namespace

NameIndex::NameIndex(const QList<Name>& names) {
    for (const Name& name : names) {
        byFirstUnit[name.text.front().unicode()].append(name); // names come longest first
        int numbers = 0;
        for (qsizetype pos = 0; pos < name.text.size();) {
            if (isDigitAt(name.text, pos)) {
                readNumber(name.text, pos);
                ++numbers;
            } else {
                ++pos;
            }
        }
        mostNumbers = std::max(mostNumbers, numbers);
    }
}

std::optional<int> NameIndex::lookUp(QStringView word) const {
    if (word.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const Name& name : startingWith(word.front())) {
        if (name.text != word)
            continue;
        if (value && value != name.value)
            return std::nullopt; // the same text names two values
        value = name.value;
    }
    return value ? std::optional<int>(value) : std::nullopt;
}

const QList<Name>& NameIndex::startingWith(QChar first) const {
    static const QList<Name> none;
    const auto found = byFirstUnit.constFind(first.unicode());
    return found == byFirstUnit.cend() ? none : *found;
}

namespace {

// The quoted words of a format that stand apart between its fields, as "de" in Spanish
// "d 'de' MMMM 'de' yyyy": the locale's own words between the parts of a date.
QStringList connectingWords(const QString& format) {
    QStringList words;
    for (qsizetype open = format.indexOf(QLatin1Char('\'')); open >= 0;) {
        const qsizetype close = format.indexOf(QLatin1Char('\''), open + 1);
        if (close < 0)
            break;
        const QString word = normalize(format.sliced(open + 1, close - open - 1));
        const bool apart = open > 0 && format[open - 1] == QLatin1Char(' ') &&
                           close + 1 < format.size() && format[close + 1] == QLatin1Char(' ');
        if (apart && !word.isEmpty() &&
            std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetter(); }))
            words.append(word);
        open = format.indexOf(QLatin1Char('\''), close + 1);
    }
    return words;
}

// The marks of a time format that writes its time otherwise than with colons: the text after
// the hour, after the minutes and after the seconds (Japanese "H時mm分ss秒"). Nothing where the
// format writes "H:mm:ss".
std::optional<ClockStyle> ownClock(const QString& format) {
    // The text that follows the run of a field letter, up to the next field or blank.
    const auto after = [&](QLatin1Char field) {
        qsizetype i = format.indexOf(field);
        if (i < 0)
            return QString();
        while (i < format.size() && format[i] == field)
            ++i;
        QString mark;
        while (i < format.size() && !QStringLiteral("Hhmsapt ").contains(format[i]))
            mark += format[i++];
        mark.remove(QLatin1Char('\''));
        return normalize(mark);
    };
    ClockStyle style{after(QLatin1Char(format.contains(QLatin1Char('H')) ? 'H' : 'h')),
                     after(QLatin1Char('m')),
                     {},
                     after(QLatin1Char('s'))};
    if (style.afterHour.isEmpty() || style.afterHour == QLatin1String(":") ||
        style.afterMinute.isEmpty() || style.afterMinute == QLatin1String(":"))
        return std::nullopt;
    return style;
}

void appendNormalized(QStringList& to, const QStringList& from) {
    for (const QString& text : from) {
        const QString n = normalize(text);
        if (!n.isEmpty() && !to.contains(n))
            to.append(n);
    }
}

void longestFirst(QStringList& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
}

// Qt's time format in ICU's syntax: "h" is a 12-hour clock only where an AM/PM field follows,
// "AP" and "ap" are the AM/PM field, "t" the zone. Nothing where it has milliseconds.
std::optional<QString> qtTimeAsIcu(const QString& format) {
    const bool twelveHour = format.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c == QLatin1Char('\'')) {
            out += c;
            continue;
        }
        if (c == QLatin1Char('z'))
            return std::nullopt;
        if (c == QLatin1Char('h') && !twelveHour)
            out += QLatin1Char('H');
        else if (c == QLatin1Char('t'))
            out += QLatin1Char('z');
        else if (c == QLatin1Char('A') || c == QLatin1Char('a')) {
            if (i + 1 < format.size() && format[i + 1].toLower() == QLatin1Char('p'))
                ++i;
            out += QLatin1Char('a');
        } else
            out += c;
    }
    return out;
}

// The time form without its seconds where a mark of its own closes them ("H時mm分ss秒" as
// "H時mm分"), or where a mark stands before them ("H:mm:ss" as "H:mm", already a form).
std::optional<QList<FormatToken>> dropSeconds(const QList<FormatToken>& tokens) {
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].field != Field::Second)
            continue;
        QList<FormatToken> out = tokens;
        const bool markAfter = i + 1 < tokens.size() && tokens[i + 1].field == Field::Literal &&
                               tokens[i + 1].literal != QLatin1String(" ");
        if (markAfter)
            out.remove(i, 2);
        else if (i > 0 && tokens[i - 1].field == Field::Literal)
            out.remove(i - 1, 2);
        else
            return std::nullopt;
        return out;
    }
    return std::nullopt;
}

// The forms and words drawn from ICU's and the C library's data.
void addLocaleForms(LocaleData& data, const LocaleForms& forms) {
    for (const QString& pattern : forms.forms)
        if (auto tokens = compileIcuPattern(pattern))
            data.wholeForms.append(Form(*tokens));
    // ICU's and the C library's time forms, Qt's, and the 24-hour clock read under every locale;
    // each also without its seconds where a mark closes them ("14時05分"), and with a zone after
    // it where it has none ("14:05:09 UTC").
    QStringList times = forms.times;
    for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat})
        if (const auto pattern = qtTimeAsIcu(data.locale.timeFormat(format)))
            times.append(*pattern);
    times << QStringLiteral("H:mm") << QStringLiteral("H:mm:ss");
    const auto hasZone = [](const QList<FormatToken>& tokens) {
        return std::any_of(tokens.cbegin(), tokens.cend(),
                           [](const FormatToken& t) { return t.field == Field::Zone; });
    };
    const auto addTime = [&](const QList<FormatToken>& tokens) {
        if (!data.timeForms.contains(Form(tokens)))
            data.timeForms.append(Form(tokens));
    };
    for (const QString& pattern : times) {
        auto tokens = compileIcuPattern(pattern);
        if (!tokens)
            continue;
        QList<QList<FormatToken>> variants{*tokens};
        if (auto withoutSeconds = dropSeconds(*tokens))
            variants.append(*withoutSeconds);
        for (QList<FormatToken>& variant : variants) {
            addTime(variant);
            if (!hasZone(variant)) {
                variant.append({Field::Zone, {}, 1});
                addTime(variant);
            }
        }
    }
    for (const QString& join : forms.joins) {
        QString text = join;
        text.remove(QLatin1Char('\''));
        text = normalize(text);
        if (!text.isEmpty() && !data.joins.contains(text))
            data.joins.append(text);
    }
    appendNormalized(data.amWords, data.amTexts + forms.am);
    appendNormalized(data.pmWords, data.pmTexts + forms.pm);
    longestFirst(data.amWords);
    longestFirst(data.pmWords);
    for (const auto& [word, hours] : forms.periods)
        if (!normalize(word).isEmpty())
            data.periods.append({normalize(word), hours});
    std::stable_sort(data.periods.begin(), data.periods.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    appendNormalized(data.eras, forms.eras);
    longestFirst(data.eras);
}

LocaleData buildLocaleData(const QLocale& locale) {
    LocaleData data;
    data.locale = locale;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    const QString longFormat = locale.dateFormat(QLocale::LongFormat);
    data.formats.append(compileFormat(shortFormat));
    data.formats.append(compileFormat(longFormat));
    data.words = dateWords(locale.language());
    for (const QString& word : connectingWords(longFormat))
        if (!data.words.between.contains(word))
            data.words.between.append(word);
    data.clocks.append({QStringLiteral(":"), {}, QStringLiteral(":"), {}});
    if (const auto own = ownClock(locale.timeFormat(QLocale::LongFormat)))
        data.clocks.append(*own);
    for (const QString& mark : data.words.hourMarks)
        data.clocks.append({mark, {}, {}, {}});
    const LocaleForms forms = localeForms(locale);
    data.months = NameIndex(collectNames(locale, 12, true, forms.months));
    data.weekdays = NameIndex(collectNames(locale, 7, false, forms.weekdays));
    for (const QString& t : {locale.amText(), QStringLiteral("AM")})
        if (!normalize(t).isEmpty())
            data.amTexts.append(normalize(t));
    for (const QString& t : {locale.pmText(), QStringLiteral("PM")})
        if (!normalize(t).isEmpty())
            data.pmTexts.append(normalize(t));

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
        default:
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
    addLocaleForms(data, forms);
    data.orders.append(data.order);
    for (const QString& order : forms.orders) {
        const Order o = order == u"dmy"   ? Order::DMY
                        : order == u"ymd" ? Order::YMD
                        : order == u"ydm" ? Order::YDM
                                          : Order::MDY;
        if (!data.orders.contains(o))
            data.orders.append(o);
    }
    return data;
}

} // namespace

const LocaleData& localeData(const QLocale& locale) {
    // The program parses under one locale for its whole life; tests and the fuzzer switch
    // between a few, and would otherwise build each one's data anew at every switch. The most
    // recently used locale stands first.
    constexpr qsizetype kEntries = 8;
    thread_local std::list<LocaleData> cached;
    const auto hit = std::find_if(cached.begin(), cached.end(),
                                  [&](const LocaleData& d) { return d.locale == locale; });
    if (hit != cached.end()) {
        cached.splice(cached.begin(), cached, hit);
    } else {
        cached.push_front(buildLocaleData(locale));
        if (static_cast<qsizetype>(cached.size()) > kEntries)
            cached.pop_back();
    }
    return cached.front();
}

bool isOtherDigitAt(QStringView s, qsizetype pos, int* value, qsizetype* units) {
    const char32_t c = codePointAt(s, pos, units);
    if (!QChar::isDigit(c))
        return false;
    if (value)
        *value = QChar::digitValue(c);
    return true;
}

} // namespace DateText::detail
