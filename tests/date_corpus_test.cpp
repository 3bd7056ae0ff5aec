// Dates as other programs write them (ICU's formats and the C library's strftime, written by
// tests/corpus/write_date_corpus.cpp for every locale both know), read under the same locale:
// each must be read as its own day or refused, never as another day, and the share read per
// style must reach its goal. The refused texts are printed, grouped, when a goal is missed.

#include "date_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <map>

namespace {

const QDate kToday(2021, 8, 31);

struct Entry {
    QString source, style, locale, text;
    QDate day;
};

// The order of day, month and year in a date pattern with a numeric month: "dmy", "mdy", "ymd"
// or "ydm"; empty where the month is a name. Patterns of ICU and Qt ("dd.MM.y") and of strftime
// ("%d.%m.%Y").
QString numericOrder(const QString& pattern) {
    QString order;
    const bool strftime = pattern.contains(u'%');
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        QChar c = pattern[i];
        if (strftime) {
            if (c != u'%')
                continue;
            while (++i < pattern.size() && QStringLiteral("-_0^#EO").contains(pattern[i])) {
            }
            if (i >= pattern.size())
                break;
            c = pattern[i];
            if (c == u'd' || c == u'e')
                order += u'd';
            else if (c == u'm')
                order += u'm';
            else if (c == u'y' || c == u'Y')
                order += u'y';
            else if (c == u'b' || c == u'B' || c == u'h')
                return {};
            else if (c == u'D')
                order += QLatin1String("mdy");
            else if (c == u'F')
                order += QLatin1String("ymd");
            continue;
        }
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == u'M' || c == u'L') {
            if (run >= 3)
                return {};
            order += u'm';
        } else if (c == u'd' && run <= 2) {
            order += u'd';
        } else if (c == u'y') {
            order += u'y';
        }
        i += run - 1;
    }
    return order;
}

// The locales whose numeric dates Qt, ICU and the C library write in different orders: there a
// numeric date is left alone (read only where one date fits, or where it is the program's own).
QSet<QString> unsettledLocales(const QHash<QString, QSet<QString>>& corpusOrders) {
    QSet<QString> unsettled;
    for (auto it = corpusOrders.cbegin(); it != corpusOrders.cend(); ++it) {
        QSet<QString> orders = it.value();
        orders.insert(numericOrder(QLocale(it.key()).dateFormat(QLocale::ShortFormat)));
        orders.remove(QString());
        if (orders.size() > 1)
            unsettled.insert(it.key());
    }
    return unsettled;
}

QHash<QString, QSet<QString>> corpusOrders;

QList<Entry> readCorpus() {
    QList<Entry> entries;
    QFile file(QString::fromLocal8Bit(qgetenv("OSTRELIN_DATE_CORPUS")));
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).chopped(1).split(u'\t');
        if (fields.size() != 5)
            continue;
        if (fields[0] == u"order") {
            corpusOrders[fields[2]].insert(numericOrder(fields[4]));
            continue;
        }
        entries.append({fields[0], fields[1], fields[2], fields[4],
                        QDate::fromString(fields[3], Qt::ISODate)});
    }
    return entries;
}

// Whether Qt has the locale's own data: its language and territory, not a fallback.
bool qtKnows(const QString& name) {
    const QStringList parts = name.split(u'_');
    const QLocale locale(name);
    return parts.size() == 2 && locale.language() != QLocale::C &&
           QLocale::languageToCode(locale.language()) == parts[0] &&
           QLocale::territoryToCode(locale.territory()) == parts[1];
}

// Left alone: a Thai user's years count in the Buddhist era, which a Gregorian date box cannot
// tell from a year. The C library writes Thai and Lao dates in that era, so those are neither
// counted nor checked for the day.
bool leftAlone(const Entry& e) {
    return e.locale.startsWith(QLatin1String("th_"));
}

bool buddhistEra(const Entry& e) {
    return e.source == u"glibc" &&
           (e.locale.startsWith(QLatin1String("th_")) || e.locale.startsWith(QLatin1String("lo_")));
}

// The text's digits, of any script, as ASCII digits.
QString asciiDigits(const QString& text) {
    QString out;
    for (const QChar c : text)
        out += c.isDigit() ? QChar(u'0' + c.digitValue()) : c;
    return out;
}

// The day a text stands for: a text with no year in it ("Wednesday, 1 December") is a day of
// the current year, as a date box reads it.
QDate dayOf(const Entry& e) {
    const QString digits = asciiDigits(e.text);
    const bool withYear =
        digits.contains(QString::number(e.day.year())) ||
        digits.contains(QStringLiteral("%1").arg(e.day.year() % 100, 2, 10, QLatin1Char('0')));
    return withYear ? e.day : QDate(kToday.year(), e.day.month(), e.day.day());
}

// The texts the program writes into a date box for the day: the short date with a four-digit
// year, and month/day/year without leading zeros where the month comes first.
QStringList ownTexts(const QLocale& locale, QDate day) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    QStringList texts{locale.toString(day, format)};
    if (numericOrder(locale.dateFormat(QLocale::ShortFormat)).startsWith(u'm'))
        texts << QStringLiteral("%1/%2/%3").arg(day.month()).arg(day.day()).arg(day.year());
    return texts;
}

bool hasLetter(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
}

// The share of each style that must be read.
double goal(const QString& source, const QString& style) {
    if (source == QLatin1String("glibc"))
        return 0.95;
    if (style.endsWith(QLatin1String("+time")))
        return 0.99;
    return 1.0;
}

struct Tally {
    int total = 0, read = 0;
    QStringList refused;
};

TEST(DateCorpus, EveryTextReadsAsItsDayOrIsRefused) {
    const QList<Entry> entries = readCorpus();
    ASSERT_GT(entries.size(), 1000) << "no corpus in OSTRELIN_DATE_CORPUS";
    const QSet<QString> unsettled = unsettledLocales(corpusOrders);
    std::map<QString, Tally> tallies; // by "source style"
    QHash<QString, bool> known;
    QStringList wrong;
    QSet<QString> locales;
    for (const Entry& e : entries) {
        auto knownIt = known.find(e.locale);
        if (knownIt == known.end())
            knownIt = known.insert(e.locale, qtKnows(e.locale));
        if (!*knownIt)
            continue;
        locales.insert(e.locale);
        const QLocale locale(e.locale);
        const auto value = DateText::parse(e.text, locale, kToday);
        const QDate day = dayOf(e);
        const QDate read = value ? DateText::toQDate(*value) : QDate();
        const bool numericUnsettled = unsettled.contains(e.locale) && !hasLetter(e.text);
        if (value && read != day && !buddhistEra(e) &&
            !(numericUnsettled && ownTexts(locale, read).contains(e.text)))
            wrong << QStringLiteral("%1 %2 %3: \"%4\" read as %5, is %6")
                         .arg(e.source, e.style, e.locale, e.text, read.toString(Qt::ISODate),
                              day.toString(Qt::ISODate));
        if (leftAlone(e) || buddhistEra(e) || numericUnsettled)
            continue;
        Tally& tally = tallies[e.source + u' ' + e.style];
        ++tally.total;
        if (value && read == day)
            ++tally.read;
        else
            tally.refused << e.locale + QLatin1String(": ") + e.text;
    }
    if (qEnvironmentVariableIsSet("OSTRELIN_PRINT_REFUSED"))
        for (const auto& [name, tally] : tallies)
            std::printf("%s refused:\n%s\n", qPrintable(name),
                        qPrintable(tally.refused.join(u'\n')));
    EXPECT_TRUE(wrong.isEmpty()) << wrong.size() << " texts read as another day:\n"
                                 << wrong.join(u'\n').toStdString();
    std::printf("%lld locales, %lld of them with unsettled numeric dates\n",
                static_cast<long long>(locales.size()),
                static_cast<long long>((unsettled & locales).size()));
    for (const auto& [name, tally] : tallies) {
        const double share = double(tally.read) / tally.total;
        std::printf("%-18s %6d of %6d read (%.2f%%)\n", qPrintable(name), tally.read, tally.total,
                    100.0 * share);
        const QStringList parts = name.split(u' ');
        EXPECT_GE(share, goal(parts[0], parts[1]))
            << name.toStdString() << ": " << tally.refused.size() << " refused:\n"
            << tally.refused.join(u'\n').toStdString();
    }
}

} // namespace
