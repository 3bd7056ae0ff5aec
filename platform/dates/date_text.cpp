#include "date_text.h"

#include "date_text_internal.h"

namespace DateText {
using namespace detail;
namespace {

// A two-digit year below the pivot is read in the 2000s, any other in the 1900s: "29" is 2029
// and "30" is 1930.
constexpr int kTwoDigitYearPivot = 30;

std::optional<DateValue> complete(const Fields& fields, QDate today, std::chrono::seconds time) {
    if (!fields.day || !fields.month)
        return std::nullopt;
    int year = today.year();
    if (fields.year) {
        year = *fields.year;
        if (fields.yearDigits == 2)
            year += year < kTwoDigitYearPivot ? 2000 : 1900;
    }
    auto value = DateValue::make(year, static_cast<unsigned>(*fields.month),
                                 static_cast<unsigned>(*fields.day), time);
    if (value && fields.weekday &&
        QDate(year, *fields.month, *fields.day).dayOfWeek() != *fields.weekday)
        return std::nullopt;
    return value;
}

// The date without an article before it ("the", "le"), where one stands before the rest.
QString withoutArticle(const LocaleData& data, const QString& date) {
    for (const QString& article : data.words.articles)
        if (date.size() > article.size() + 1 && date.startsWith(article) &&
            date[article.size()] == QLatin1Char(' '))
            return date.sliced(article.size() + 1);
    return date;
}

} // namespace

std::optional<DateValue> parse(const QString& text, const QLocale& locale, QDate today) {
    const LocaleData& data = localeData(locale);
    const QString s = normalize(text);
    if (s.isEmpty())
        return std::nullopt;
    const DateAndTime split = splitTime(data, s);
    if (!split.ok || split.datePart.isEmpty())
        return std::nullopt;
    const QString datePart = withoutArticle(data, split.datePart);
    for (const QList<FormatToken>& tokens : data.formats) {
        Fields fields;
        if (matchFormat(data, tokens, 0, datePart, 0, fields))
            if (auto value = complete(fields, today, split.time))
                return value;
    }
    Fields fields;
    if (matchFree(data, datePart, fields))
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
