#pragma once

// The words people write around the numbers and names of a date in a language, where Qt's
// formats do not give them: articles before the date, words between its parts, words before and
// after the time, a letter between hour and minutes, and the endings of ordinal days. English
// words are understood under every locale, as English month names are.

#include <QLocale>
#include <QStringList>
#include <QStringView>

namespace DateText::detail {

struct DateWords {
    QStringList articles;   // before the date: "the", "le"
    QStringList between;    // between two parts of the date: "of", "del"
    QStringList beforeTime; // between the date and the time: "at", "um", "à"
    QStringList afterTime;  // closing the time: "uhr"
    QStringList hourMarks;  // between hour and minutes instead of ':': "h" ("14h05")
};

// The words of the locale's language together with the English ones, case folded.
DateWords dateWords(QLocale::Language language);

// Whether the ending, case folded, is an ordinal ending of the number in the language or in
// English: "st" of 1, 21 and 31 but not of 11; "er" of 1 in French; "ste" and "de" in Dutch.
bool isOrdinalEnding(QLocale::Language language, int number, QStringView ending);

} // namespace DateText::detail
