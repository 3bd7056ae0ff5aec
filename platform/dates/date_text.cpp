#include "date_text.h"

#include "date_text_internal.h"

#include <QVarLengthArray>

namespace DateText {
using namespace detail;
namespace {

// Whether the text is the date as the program itself writes it into a date box under the
// locale, which reads back in the locale's own order whatever other programs write.
bool isOwnText(const LocaleData& data, QStringView text, const DateValue& value) {
    const QDate date = toQDate(value);
    return text == normalize(format(date, data.locale)) ||
           text == normalize(boxText(date, data.locale));
}

// The date of the fields at the time given, or nothing where it does not exist, its weekday is
// not its own, or the locale's orders read its numbers as another date (but where the text is
// the program's own).
std::optional<DateValue> complete(const LocaleData& data, const Fields& fields, QDate today,
                                  std::chrono::seconds time, QStringView text) {
    if (!fields.day || !fields.month)
        return std::nullopt;
    const int year = fields.year ? expandYear(*fields.year, fields.yearDigits) : today.year();
    auto value = DateValue::make(year, static_cast<unsigned>(*fields.month),
                                 static_cast<unsigned>(*fields.day), time);
    if (value && fields.weekday) {
        const int dayOfWeek = QDate(year, *fields.month, *fields.day).dayOfWeek();
        if (fields.weekdayMask ? !(fields.weekdayMask & (1u << dayOfWeek))
                               : dayOfWeek != *fields.weekday)
            return std::nullopt;
    }
    if (value && !orderSettled(data, fields, year) && !isOwnText(data, text, *value))
        return std::nullopt;
    return value;
}

// The date without an article before it ("the", "le"), where one stands before the rest.
QStringView withoutArticle(const LocaleData& data, QStringView date) {
    for (const QString& article : data.words.articles)
        if (date.size() > article.size() + 1 && date.startsWith(article) &&
            date[article.size()] == QLatin1Char(' '))
            return date.sliced(article.size() + 1);
    return date;
}

// What reading a date part gave: a date, or the sign that numbers were found in the locale's
// form but the locale's orders do not settle which date they are.
struct Reading {
    std::optional<DateValue> value;
    bool unsettled = false;
};

// Reads the date part of the text (whole: the whole text, normalised): Qt's formats of the
// locale, the free forms, then, where asked, the date forms ICU and the C library write.
Reading readDate(const LocaleData& data, QStringView text, QDate today, std::chrono::seconds time,
                 const QString& whole, bool localeForms) {
    const QStringView datePart = withoutArticle(data, text);
    Reading reading;
    const auto tryFields = [&](const Fields& fields) {
        reading.value = complete(data, fields, today, time, whole);
        if (!reading.value && fields.day && fields.month && fields.numberCount >= 2 &&
            !fields.monthNamed) {
            const int year =
                fields.year ? expandYear(*fields.year, fields.yearDigits) : today.year();
            reading.unsettled = QDate(year, *fields.month, *fields.day).isValid() &&
                                !orderSettled(data, fields, year);
        }
        return reading.value.has_value() || reading.unsettled;
    };
    for (const QList<FormatToken>& tokens : data.formats) {
        Fields fields;
        if (matchFormat(data, tokens, 0, datePart, 0, fields) && tryFields(fields))
            return reading;
    }
    Fields fields;
    if ((matchFree(data, datePart, fields) && tryFields(fields)) || !localeForms)
        return reading;
    const quint64 dateMask = charMask(datePart);
    for (const Form& form : data.wholeForms) {
        Fields fields;
        if (form.mayMatch(dateMask) && form.mayStartAt(datePart, 0) && form.mayEndAs(datePart) &&
            matchFormat(data, form.tokens, 0, datePart, 0, fields) && !fields.hour &&
            tryFields(fields))
            return reading;
    }
    return reading;
}

std::optional<std::chrono::seconds> timeOfDay(const Fields& fields) {
    if (!fields.hour)
        return std::chrono::seconds{0};
    int hour = *fields.hour;
    const int minute = fields.minute.value_or(0), second = fields.second.value_or(0);
    if (!fields.minute || minute > 59 || second > 59)
        return std::nullopt;
    if (fields.twelveHour) {
        if (hour > 12)
            return std::nullopt;
        if (fields.pm)
            hour = hour % 12 + (*fields.pm ? 12 : 0);
        else if (fields.periodHours) {
            // The hour of the part of the day: "2" in the evening is 14.
            if (fields.periodHours & (1u << (hour % 12)))
                hour %= 12;
            else if (fields.periodHours & (1u << (hour % 12 + 12)))
                hour = hour % 12 + 12;
            else
                return std::nullopt;
        }
    } else if (hour > 23) {
        return std::nullopt;
    }
    return std::chrono::seconds{hour * 3600 + minute * 60 + second};
}

// The date before a time, with the text that joins them at its end ("," "um"), or, where
// asked, none; a word joins only after a blank.
std::optional<DateValue> readJoinedDate(const LocaleData& data, QStringView datePart, QDate today,
                                        std::chrono::seconds time, const QString& whole,
                                        bool orUnjoined) {
    for (const QString& join : data.joins) {
        if (datePart.size() <= join.size() || !datePart.endsWith(join))
            continue;
        const QChar before = datePart[datePart.size() - join.size() - 1];
        if (join.front().isLetter() && before != QLatin1Char(' '))
            continue;
        const Reading reading =
            readDate(data, datePart.chopped(join.size()).trimmed(), today, time, whole, true);
        if (reading.value || reading.unsettled)
            return reading.value;
    }
    if (!orUnjoined)
        return std::nullopt;
    return readDate(data, datePart, today, time, whole, true).value;
}

// The forms drawn from ICU's and the C library's data: a whole date in one of their forms, with
// its time where the form has one; or a date read as any date part is and a time in one of
// their time forms, after a blank, with the text that joins them in between or none.
// timeSeen: a time of day was read at the end of the text, so that no form without one can
// take the whole text.
std::optional<DateValue> readLocaleForms(const LocaleData& data, const QString& s, QDate today,
                                         bool timeSeen) {
    const quint64 mask = charMask(s);
    for (const Form& form : data.wholeForms) {
        Fields fields;
        if ((timeSeen && !form.hasTime) || !form.mayMatch(mask) || !form.mayStartAt(s, 0) ||
            !form.mayEndAs(s) || !matchFormat(data, form.tokens, 0, s, 0, fields))
            continue;
        const auto time = timeOfDay(fields);
        if (auto value = time ? complete(data, fields, today, *time, s) : std::nullopt)
            return value;
    }
    QVarLengthArray<const Form*, 32> timeForms;
    for (const Form& form : data.timeForms)
        if (form.mayMatch(mask) && form.mayEndAs(s))
            timeForms.append(&form);
    for (qsizetype blank = s.indexOf(QLatin1Char(' ')); blank > 0;
         blank = s.indexOf(QLatin1Char(' '), blank + 1)) {
        for (const Form* form : timeForms) {
            Fields fields;
            if (!form->mayStartAt(s, blank + 1) ||
                !matchFormat(data, form->tokens, 0, s, blank + 1, fields))
                continue;
            const auto time = timeOfDay(fields);
            if (!time)
                continue;
            const QStringView datePart = QStringView(s).first(blank).trimmed();
            if (auto value = readJoinedDate(data, datePart, today, *time, s, true))
                return value;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<DateValue> parse(const QString& text, const QLocale& locale, QDate today) {
    const LocaleData& data = localeData(locale);
    const QString s = normalize(text);
    if (s.isEmpty())
        return std::nullopt;
    const DateAndTime split = splitTime(data, s);
    const bool timeRead = split.ok && split.datePart.size() < s.size();
    if (split.ok && !split.datePart.isEmpty()) {
        const Reading reading = readDate(data, split.datePart, today, split.time, s, false);
        if (reading.value || reading.unsettled)
            return reading.value;
        // The time read, the date may end in the text that joins it to the time ("Mar 3, 2021,
        // 2:05 PM").
        if (auto value = timeRead
                             ? readJoinedDate(data, split.datePart, today, split.time, s, false)
                             : std::nullopt)
            return value;
    }
    return readLocaleForms(data, s, today, timeRead);
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

QString boxText(QDate date, const QLocale& locale) {
    if (localeData(locale).order == Order::MDY)
        return QString::number(date.month()) + QLatin1Char('/') + QString::number(date.day()) +
               QLatin1Char('/') + QString::number(date.year());
    return format(date, locale);
}

QDate toQDate(const DateValue& value) {
    const std::chrono::year_month_day date = value.date();
    return QDate(static_cast<int>(date.year()),
                 static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

std::optional<DateValue> fromQDate(QDate date) {
    if (!date.isValid())
        return std::nullopt;
    return DateValue::make(date.year(), static_cast<unsigned>(date.month()),
                           static_cast<unsigned>(date.day()));
}

} // namespace DateText
