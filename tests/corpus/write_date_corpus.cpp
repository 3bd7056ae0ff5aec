// Writes the dates that other programs write, for the corpus test: for every locale that ICU and
// the C library both know, the texts of ICU's date formats (short, medium, long and full date;
// medium date with short time; long date with medium time) and of the C library's strftime
// ("%x", "%x %X", "%c"), for a few days chosen to be hard to read. One line a text:
//   source <TAB> style <TAB> locale <TAB> yyyy-mm-dd <TAB> text
// and for each locale the patterns of its numeric dates, ICU's short and the C library's d_fmt:
//   order <TAB> icu|glibc <TAB> locale <TAB> <TAB> pattern
// The texts come from the libraries' own C interfaces, never from the date routine under test.

#include <unicode/uclean.h>
#include <unicode/udat.h>
#include <unicode/uloc.h>
#include <unicode/ustring.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <langinfo.h>
#include <locale.h>
#include <set>
#include <string>
#include <vector>

namespace {

struct Moment {
    int year, month, day, hour, minute, second;
};

// Month ends and 29 February; days and months of 1 to 12 that read as a valid date either way
// round; the first and the last year that a two-digit year stands for (1930 and 2029); midnight,
// noon and afternoon hours.
const Moment kMoments[] = {
    {2020, 2, 29, 14, 5, 9},  {2021, 1, 31, 9, 7, 3},    {2004, 12, 1, 23, 59, 59},
    {1999, 6, 11, 0, 0, 0},   {2029, 10, 2, 12, 30, 45}, {1930, 8, 9, 13, 1, 2},
    {2011, 4, 30, 18, 45, 0}, {2016, 3, 5, 5, 5, 5},
};

std::string utf8(const UChar* text, int32_t length) {
    std::string out(static_cast<std::size_t>(length) * 3 + 1, '\0');
    int32_t written = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &written, text, length, &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(written) : 0);
    return out;
}

// Tabs and line ends never occur in the libraries' dates; the corpus's separators stay its own.
bool printable(const std::string& text) {
    return !text.empty() && text.find_first_of("\t\r\n") == std::string::npos;
}

std::tm toTm(const Moment& m) {
    std::tm tm{};
    tm.tm_year = m.year - 1900;
    tm.tm_mon = m.month - 1;
    tm.tm_mday = m.day;
    tm.tm_hour = m.hour;
    tm.tm_min = m.minute;
    tm.tm_sec = m.second;
    const std::time_t t = timegm(&tm); // fills in the weekday and the day of the year
    gmtime_r(&t, &tm);
    return tm;
}

std::string dayText(const Moment& m) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", m.year, m.month, m.day);
    return buffer;
}

struct IcuStyle {
    const char* name;
    UDateFormatStyle date, time;
};

const IcuStyle kIcuStyles[] = {
    {"short", UDAT_SHORT, UDAT_NONE},         {"medium", UDAT_MEDIUM, UDAT_NONE},
    {"long", UDAT_LONG, UDAT_NONE},           {"full", UDAT_FULL, UDAT_NONE},
    {"medium+time", UDAT_MEDIUM, UDAT_SHORT}, {"long+time", UDAT_LONG, UDAT_MEDIUM},
};

const std::pair<const char*, const char*> kGlibcStyles[] = {
    {"x", "%x"}, {"x+X", "%x %X"}, {"c", "%c"}};

void writeIcu(std::ostream& out, const std::string& name) {
    // The Gregorian calendar, which the date boxes use, whatever calendar the locale prefers.
    const std::string icuName = name + "@calendar=gregorian";
    const std::u16string zone = u"UTC";
    for (const IcuStyle& style : kIcuStyles) {
        UErrorCode status = U_ZERO_ERROR;
        UDateFormat* format = udat_open(style.time, style.date, icuName.c_str(),
                                        reinterpret_cast<const UChar*>(zone.data()),
                                        static_cast<int32_t>(zone.size()), nullptr, 0, &status);
        if (U_FAILURE(status))
            continue;
        for (const Moment& m : kMoments) {
            std::tm tm = toTm(m);
            const UDate when = static_cast<UDate>(timegm(&tm)) * 1000.0;
            UChar buffer[256];
            status = U_ZERO_ERROR;
            const int32_t length = udat_format(format, when, buffer, 256, nullptr, &status);
            const std::string text = U_SUCCESS(status) ? utf8(buffer, length) : std::string();
            if (printable(text))
                out << "icu\t" << style.name << '\t' << name << '\t' << dayText(m) << '\t' << text
                    << '\n';
        }
        if (style.date == UDAT_SHORT && style.time == UDAT_NONE) {
            UChar pattern[128];
            status = U_ZERO_ERROR;
            const int32_t length = udat_toPattern(format, false, pattern, 128, &status);
            if (U_SUCCESS(status))
                out << "order\ticu\t" << name << "\t\t" << utf8(pattern, length) << '\n';
        }
        udat_close(format);
    }
}

void writeGlibc(std::ostream& out, const std::string& name, locale_t locale) {
    out << "order\tglibc\t" << name << "\t\t" << nl_langinfo_l(D_FMT, locale) << '\n';
    for (const auto& [style, pattern] : kGlibcStyles) {
        for (const Moment& m : kMoments) {
            std::tm tm = toTm(m);
            tm.tm_zone = "UTC";
            tm.tm_gmtoff = 0;
            char buffer[256];
            const std::size_t length = strftime_l(buffer, sizeof buffer, pattern, &tm, locale);
            const std::string text(buffer, length);
            if (printable(text))
                out << "glibc\t" << style << '\t' << name << '\t' << dayText(m) << '\t' << text
                    << '\n';
        }
    }
}

// Whether ICU has data of the locale's language rather than only its root.
bool icuKnows(const std::string& name) {
    UErrorCode status = U_ZERO_ERROR;
    UDateFormat* format =
        udat_open(UDAT_NONE, UDAT_SHORT, name.c_str(), nullptr, 0, nullptr, 0, &status);
    if (U_FAILURE(status))
        return false;
    const std::string valid = udat_getLocaleByType(format, ULOC_VALID_LOCALE, &status);
    udat_close(format);
    return U_SUCCESS(status) && !valid.empty() && valid != "root";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_date_corpus FILE\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    // A locale ICU does not know falls back to the root's data, never to this machine's.
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault("und", &status);
    // Every language_TERRITORY locale that the C library has in UTF-8 (no variant) and whose
    // language ICU has data of; the test leaves out those that Qt does not know.
    std::set<std::string> names;
    if (FILE* list = popen("locale -a", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, list)) {
            // "de_DE", "de_DE.utf8", "de_DE@euro": the language and territory alone.
            const std::string name(line, std::strcspn(line, ".@\n"));
            const std::size_t bar = name.find('_');
            if (bar == std::string::npos || bar < 2 || bar > 3 || name.size() - bar != 3)
                continue;
            names.insert(name);
        }
        pclose(list);
    }
    int written = 0;
    for (const std::string& name : names) {
        locale_t locale = newlocale(LC_ALL_MASK, (name + ".UTF-8").c_str(), nullptr);
        if (!locale)
            continue;
        if (!icuKnows(name)) {
            freelocale(locale);
            continue;
        }
        writeIcu(out, name);
        writeGlibc(out, name, locale);
        freelocale(locale);
        ++written;
    }
    out.close();
    if (!out || written == 0) {
        std::cerr << "write_date_corpus: no locale written to " << argv[1] << '\n';
        return 1;
    }
    u_cleanup(); // ICU's caches, so that leak checkers see none
    std::cout << "write_date_corpus: " << written << " locales\n";
    return 0;
}
