#pragma once

// What the date routine reads beyond Qt's own locale data, drawn out of ICU's and the C
// library's locale data when the program is built (write_locale_forms.cpp): the forms a
// locale's dates and times are written in, as ICU patterns, and the words they use.

#include <QLocale>
#include <QPair>
#include <QStringList>

#include <cstddef>

namespace DateText::detail {

struct LocaleForms {
    QStringList orders; // "dmy", "mdy", "ymd", "ydm": the orders of its numeric dates
    QStringList forms;  // whole dates, and dates with their time
    QStringList times;  // times of day
    QStringList joins;  // the texts that join a date to its time: ", ", " 'um' "
    QStringList am, pm; // the words for AM and PM, in every width
    QList<QPair<QString, quint32>> periods; // a part of the day and its hours (bit n: hour n)
    QStringList eras;                       // the current era: "AD", "n. Chr."
    QList<QPair<int, QString>> months;      // 1..12 and a name
    QList<QPair<int, QString>> weekdays;    // 1..7 from Monday and a name
};

// The record of the locale, or of its language where the locale has none of its own; empty
// where the table has neither.
LocaleForms localeForms(const QLocale& locale);

// The table: records apart by line ends, sorted by name.
extern const char kLocaleFormsTable[];
extern const std::size_t kLocaleFormsTableSize;

} // namespace DateText::detail
