#include "date_words.h"

namespace DateText::detail {
namespace {

void add(QStringList& to, std::initializer_list<const char*> words) {
    for (const char* word : words)
        to.append(QString::fromUtf8(word));
}

bool isEnglishOrdinal(int number, QStringView ending) {
    const int lastTwo = number % 100;
    const int last = number % 10;
    if (lastTwo >= 11 && lastTwo <= 13)
        return ending == u"th";
    if (last == 1)
        return ending == u"st";
    if (last == 2)
        return ending == u"nd";
    if (last == 3)
        return ending == u"rd";
    return ending == u"th";
}

// Dutch: "ste" after 1, 8 and from 20 on, "de" after the others; "e" after any.
bool isDutchOrdinal(int number, QStringView ending) {
    if (ending == u"e")
        return true;
    const bool ste = number == 1 || number == 8 || number >= 20;
    return ending == (ste ? u"ste" : u"de");
}

} // namespace

DateWords dateWords(QLocale::Language language) {
    DateWords words;
    add(words.articles, {"the"});
    add(words.between, {"of"});
    add(words.beforeTime, {"at"});
    switch (language) {
    case QLocale::German:
        add(words.beforeTime, {"um"});
        add(words.afterTime, {"uhr"});
        break;
    case QLocale::French:
        add(words.articles, {"le"});
        add(words.beforeTime, {"à"});
        add(words.hourMarks, {"h"});
        break;
    case QLocale::Dutch:
        add(words.beforeTime, {"om"});
        break;
    case QLocale::Spanish:
        add(words.between, {"del"});
        break;
    case QLocale::Portuguese:
        add(words.beforeTime, {"às"});
        break;
    default:
        break;
    }
    return words;
}

bool isOrdinalEnding(QLocale::Language language, int number, QStringView ending) {
    if (number < 1 || number > 31)
        return false;
    if (isEnglishOrdinal(number, ending))
        return true;
    if (language == QLocale::French)
        return number == 1 && ending == u"er";
    if (language == QLocale::Dutch)
        return isDutchOrdinal(number, ending);
    return false;
}

} // namespace DateText::detail
