// The date routine's own readers checked against Qt's rules for the same job: its one-pass
// normalisation against Qt's simplification and case folding, and its time-of-day reader
// against the equivalent regular expression.

#include "date_text_internal.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <random>

namespace {

using namespace DateText::detail;

// Qt's rules, step by step: marks dropped, the letters that sources spell two ways made one,
// blanks simplified, case folded.
QString qtNormalized(QString text) {
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return u == 0x200E || u == 0x200F || u == 0x061C || u == 0x200B || u == 0xFEFF;
    });
    const struct {
        char16_t from, to;
    } plain[] = {{0x2019, u'\''},  {0x0622, 0x0627}, {0x0623, 0x0627}, {0x0625, 0x0627},
                 {0x0671, 0x0627}, {0x06CC, 0x064A}, {0x0649, 0x064A}, {0x06A9, 0x0643}};
    for (QChar& c : text)
        for (const auto& p : plain)
            if (c.unicode() == p.from)
                c = QChar(p.to);
    return text.simplified().toCaseFolded();
}

TEST(DateTextNormalize, Table) {
    const struct {
        const char* text;
        const char* normalized;
    } cases[] = {
        {"", ""},
        {" \t\n\v\f\r", ""},
        {"  Aug\t\t30 ,2021\r\n", "aug 30 ,2021"},
        {"AUGUST", "august"},
        {"[@`{", "[@`{"}, // the neighbours of A-Z and a-z are not letters
        {"\u00a0M\u00c4RZ\u2003 1", "m\u00e4rz 1"},
        {"3\u200e0 Aug", "30 aug"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(normalize(QString::fromUtf8(c.text)), QString::fromUtf8(c.normalized));
    }
}

TEST(DateTextNormalize, EveryCharacterAsQtNormalizesIt) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text =
            QStringLiteral("Ab ") + QString::fromUcs4(&c, 1) + QStringLiteral(" C");
        ASSERT_EQ(normalize(text), qtNormalized(text)) << static_cast<unsigned>(c);
    }
}

TEST(DateTextNormalize, TextAsQtNormalizesIt) {
    std::mt19937 rng(7);
    const QString ascii = QStringLiteral(" \t\n\v\f\r\x1f\x7f AZaz@[`{09/.,-:Aug");
    // Unicode blanks, marks, letters spelled two ways, letters whose case folds, a digit
    // outside the basic plane.
    const QString other = QString::fromUtf8(
        "\u00a0\u2003\u202f\u0085\u200e\u200f\u061c\u200b\ufeff\u2019\u0623\u0627\u06cc"
        "\u0649\u06a9\u00c4\u00df\u03a3\u0130\u0401\u5e74\uc2dc\U0001D7D8");
    for (const QString& alphabet : {ascii, ascii + other}) {
        for (int i = 0; i < 20000; ++i) {
            QString text;
            for (int n = static_cast<int>(rng() % 12); n > 0; --n) {
                // A surrogate is taken with its pair: Qt folds the case of a lone one in some
                // places and not in others.
                qsizetype at = static_cast<qsizetype>(rng() % alphabet.size());
                at -= alphabet[at].isLowSurrogate() ? 1 : 0;
                text += alphabet[at];
                if (alphabet[at].isHighSurrogate())
                    text += alphabet[at + 1];
            }
            ASSERT_EQ(normalize(text), qtNormalized(text)) << text.toStdString();
        }
    }
}

// The time-of-day form as a regular expression: the shortest date part, a blank, then the time
// with an AM/PM text before or after it.
QRegularExpression timePattern(const LocaleData& data) {
    QStringList markers;
    for (const QString& t : data.amTexts + data.pmTexts)
        markers << QRegularExpression::escape(t);
    const QString marker = QStringLiteral("(%1)").arg(markers.join(QLatin1Char('|')));
    return QRegularExpression(
        QStringLiteral("^(.*?) (?:%1 ?)?(\\d{1,2}):(\\d\\d)(?::(\\d\\d))?(?: ?%1)?$").arg(marker),
        QRegularExpression::UseUnicodePropertiesOption);
}

TEST(DateTextTime, ReadsTheTimeAsTheRegularExpression) {
    std::mt19937 rng(11);
    for (const char* name : {"en_US", "ar_EG", "zh_CN", "es_ES", "ko_KR", "C"}) {
        SCOPED_TRACE(name);
        const LocaleData& data = localeData(QLocale(QString::fromLatin1(name)));
        const QRegularExpression pattern = timePattern(data);
        ASSERT_TRUE(pattern.isValid());
        // Texts of the time's shape, each part often right and sometimes wrong.
        const QStringList digits{QStringLiteral("1"),
                                 QStringLiteral("05"),
                                 QStringLiteral("123"),
                                 QStringLiteral("\uff11"),
                                 QStringLiteral("\u0663\u0660"),
                                 QStringLiteral("\U0001D7D8"),
                                 QStringLiteral("x"),
                                 QString()};
        QStringList markers = data.amTexts + data.pmTexts;
        markers << QString() << QString() << QStringLiteral("zz");
        const QStringList dates{QStringLiteral("8/30/2021"), QStringLiteral("aug 30 2021"),
                                QStringLiteral("1:05"), QString()};
        const auto pick = [&](const QStringList& from) {
            return from[static_cast<qsizetype>(rng() % from.size())];
        };
        const auto maybe = [&](const QString& text) { return rng() % 3 ? text : QString(); };
        int matched = 0;
        for (int i = 0; i < 20000; ++i) {
            QString text = pick(dates) + maybe(QStringLiteral(" "));
            text += maybe(pick(markers) + maybe(QStringLiteral(" ")));
            text += pick(digits) + maybe(QStringLiteral(":")) + pick(digits);
            text += maybe(maybe(QStringLiteral(":")) + pick(digits));
            text += maybe(maybe(QStringLiteral(" ")) + pick(markers));
            const auto ours = matchTime(data, text);
            const auto theirs = pattern.match(text);
            ASSERT_EQ(ours.has_value(), theirs.hasMatch()) << text.toStdString();
            if (!ours)
                continue;
            ++matched;
            EXPECT_EQ(ours->dateLength, theirs.capturedLength(1)) << text.toStdString();
            EXPECT_EQ(ours->markerBefore, theirs.capturedView(2)) << text.toStdString();
            EXPECT_EQ(ours->hour, theirs.capturedView(3)) << text.toStdString();
            EXPECT_EQ(ours->minute, theirs.capturedView(4)) << text.toStdString();
            EXPECT_EQ(ours->second, theirs.capturedView(5)) << text.toStdString();
            EXPECT_EQ(ours->markerAfter, theirs.capturedView(6)) << text.toStdString();
        }
        EXPECT_GT(matched, 500) << matched; // the texts reach the interesting cases
    }
}

} // namespace
