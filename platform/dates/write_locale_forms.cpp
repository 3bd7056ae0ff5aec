// Draws out, at build time, what the date routine reads beyond Qt's own locale data: for every
// locale of ICU and of the C library, the forms they write a date and a date with its time in
// (ICU's date, time and date-and-time patterns, the C library's d_fmt, t_fmt and d_t_fmt), the
// text that joins a date to its time, the words for AM and PM and for the parts of the day, the
// current era's names, the month and weekday names, and the orders of day, month and year that
// their numeric dates use. Writes them as a compact table in a C++ source file that the program
// carries, so that the program needs neither ICU's data nor the C library's locales.
//
// Patterns are in ICU's syntax; the C library's are translated to it. A record a locale:
//   name TAB orders TAB forms TAB times TAB joins TAB am TAB pm TAB periods TAB eras TAB months
//   TAB weekdays
// each field a list apart by US (0x1f); a period is "word RS hours" (a mask of the 24 hours), a
// name "value RS text" (months 1..12, weekdays 1..7 from Monday).

#include <unicode/uclean.h>
#include <unicode/udat.h>
#include <unicode/uloc.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <langinfo.h>
#include <locale.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using List = std::vector<std::string>;

void add(List& list, const std::string& item) {
    if (!item.empty() && item.find_first_of("\t\n\x1f") == std::string::npos &&
        std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

std::string utf8(const std::u16string& text) {
    std::string out(text.size() * 3 + 1, '\0');
    int32_t written = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &written,
                reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()),
                &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(written) : 0);
    return out;
}

std::u16string utf16(const std::string& text) {
    std::u16string out(text.size() + 1, u'\0');
    int32_t written = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()), &written,
                  text.data(), static_cast<int32_t>(text.size()), &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(written) : 0);
    return out;
}

// ---- ICU

class IcuFormat {
public:
    IcuFormat(const std::string& locale, UDateFormatStyle time, UDateFormatStyle date,
              const std::u16string& pattern = {}) {
        UErrorCode status = U_ZERO_ERROR;
        const std::u16string zone = u"UTC";
        format_ =
            udat_open(time, date, locale.c_str(), reinterpret_cast<const UChar*>(zone.data()),
                      static_cast<int32_t>(zone.size()),
                      pattern.empty() ? nullptr : reinterpret_cast<const UChar*>(pattern.data()),
                      pattern.empty() ? 0 : static_cast<int32_t>(pattern.size()), &status);
        if (U_FAILURE(status))
            format_ = nullptr;
    }
    ~IcuFormat() {
        if (format_)
            udat_close(format_);
    }
    IcuFormat(const IcuFormat&) = delete;
    IcuFormat& operator=(const IcuFormat&) = delete;

    std::u16string pattern() const {
        UChar buffer[256];
        UErrorCode status = U_ZERO_ERROR;
        const int32_t n = format_ ? udat_toPattern(format_, false, buffer, 256, &status) : 0;
        return U_SUCCESS(status) ? std::u16string(reinterpret_cast<char16_t*>(buffer),
                                                  static_cast<std::size_t>(n))
                                 : std::u16string();
    }
    std::string format(int hour) const {
        UChar buffer[256];
        UErrorCode status = U_ZERO_ERROR;
        // 2021-03-03 at the hour, UTC.
        const UDate when = (1614729600.0 + hour * 3600.0) * 1000.0;
        const int32_t n = format_ ? udat_format(format_, when, buffer, 256, nullptr, &status) : 0;
        return U_SUCCESS(status) ? utf8(std::u16string(reinterpret_cast<char16_t*>(buffer),
                                                       static_cast<std::size_t>(n)))
                                 : std::string();
    }
    std::string symbol(UDateFormatSymbolType type, int32_t index) const {
        UChar buffer[128];
        UErrorCode status = U_ZERO_ERROR;
        const int32_t n = format_ ? udat_getSymbols(format_, type, index, buffer, 128, &status) : 0;
        return U_SUCCESS(status) ? utf8(std::u16string(reinterpret_cast<char16_t*>(buffer),
                                                       static_cast<std::size_t>(n)))
                                 : std::string();
    }
    const char* validLocale(UErrorCode* status) const {
        return udat_getLocaleByType(format_, ULOC_VALID_LOCALE, status);
    }
    explicit operator bool() const { return format_ != nullptr; }

private:
    UDateFormat* format_ = nullptr;
};

// The order of day, month and year in a pattern whose month is a number: "dmy", "mdy", "ymd"
// or "ydm".
std::string numericOrder(const std::u16string& pattern) {
    std::string order;
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i];
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == u'M' || c == u'L') {
            if (run >= 3)
                return {};
            order += 'm';
        } else if (c == u'd') {
            order += 'd';
        } else if (c == u'y') {
            order += 'y';
        }
        i += run - 1;
    }
    return order == "dmy" || order == "mdy" || order == "ymd" || order == "ydm" ? order
                                                                                : std::string();
}

struct Record {
    List orders, forms, times, joins, am, pm, periods, eras, months, weekdays;
};

// Whether ICU has data of the locale's language, not only its root's.
bool icuKnows(const std::string& name) {
    const IcuFormat f(name, UDAT_NONE, UDAT_SHORT);
    UErrorCode status = U_ZERO_ERROR;
    const char* valid = f ? f.validLocale(&status) : nullptr;
    return U_SUCCESS(status) && valid && *valid && std::strcmp(valid, "root") != 0;
}

void addIcu(Record& r, const std::string& name) {
    if (!icuKnows(name))
        return;
    const std::string locale = name + "@calendar=gregorian";
    const UDateFormatStyle styles[] = {UDAT_SHORT, UDAT_MEDIUM, UDAT_LONG, UDAT_FULL};
    std::map<int, std::u16string> datePatterns, timePatterns;
    for (const UDateFormatStyle style : styles) {
        datePatterns[style] = IcuFormat(locale, UDAT_NONE, style).pattern();
        timePatterns[style] = IcuFormat(locale, style, UDAT_NONE).pattern();
        add(r.forms, utf8(datePatterns[style]));
        if (style != UDAT_FULL)
            add(r.times, utf8(timePatterns[style]));
    }
    add(r.orders, numericOrder(datePatterns[UDAT_SHORT]));
    // Each date with the short and the medium time, whole, and the text between them.
    for (const UDateFormatStyle date : styles) {
        for (const UDateFormatStyle time : {UDAT_SHORT, UDAT_MEDIUM}) {
            // A form that is the date's, a join ending in a blank and the time's is read as a
            // date, the join and a time; any other is kept whole.
            const std::u16string whole = IcuFormat(locale, time, date).pattern();
            const std::u16string& d = datePatterns[date];
            const std::u16string& t = timePatterns[time];
            if (whole.size() > d.size() + t.size() && whole.compare(0, d.size(), d) == 0 &&
                whole.compare(whole.size() - t.size(), t.size(), t) == 0 &&
                whole[whole.size() - t.size() - 1] == u' ')
                add(r.joins, utf8(whole.substr(d.size(), whole.size() - d.size() - t.size())));
            else
                add(r.forms, utf8(whole));
        }
    }
    // AM and PM in every width, and the parts of the day, from what ICU writes at each hour.
    for (const char16_t* width : {u"a", u"aaaa", u"aaaaa"}) {
        const IcuFormat f(locale, UDAT_PATTERN, UDAT_PATTERN, width);
        add(r.am, f.format(9));
        add(r.pm, f.format(15));
    }
    for (const char16_t* width : {u"B", u"BBBB", u"BBBBB", u"b", u"bbbb"}) {
        const IcuFormat f(locale, UDAT_PATTERN, UDAT_PATTERN, width);
        std::map<std::string, unsigned> hours;
        for (int hour = 0; hour < 24; ++hour)
            hours[f.format(hour)] |= 1u << hour;
        for (const auto& [word, mask] : hours)
            add(r.periods, word + '\x1e' + std::to_string(mask));
    }
    const IcuFormat symbols(locale, UDAT_NONE, UDAT_SHORT);
    for (const UDateFormatSymbolType type : {UDAT_ERAS, UDAT_ERA_NAMES})
        add(r.eras, symbols.symbol(type, 1)); // 1: the current era
    for (const UDateFormatSymbolType type :
         {UDAT_MONTHS, UDAT_SHORT_MONTHS, UDAT_STANDALONE_MONTHS, UDAT_STANDALONE_SHORT_MONTHS})
        for (int m = 0; m < 12; ++m) {
            const std::string text = symbols.symbol(type, m);
            if (!text.empty())
                add(r.months, std::to_string(m + 1) + '\x1e' + text);
        }
    for (const UDateFormatSymbolType type :
         {UDAT_WEEKDAYS, UDAT_SHORT_WEEKDAYS, UDAT_STANDALONE_WEEKDAYS,
          UDAT_STANDALONE_SHORT_WEEKDAYS})
        for (int d = 1; d <= 7; ++d) { // ICU: 1 is Sunday
            const std::string text = symbols.symbol(type, d);
            if (!text.empty())
                add(r.weekdays, std::to_string(d == 1 ? 7 : d - 1) + '\x1e' + text);
        }
}

// ---- The C library

// Its strftime format in ICU's syntax, or nothing where it holds a field the routine cannot
// read (an era's year, a week number, a day of the year).
std::optional<std::string> icuPattern(const std::string& format, locale_t locale, int depth = 0) {
    if (depth > 3)
        return std::nullopt;
    std::string out, literal;
    const auto flush = [&] {
        if (literal.empty())
            return;
        bool letters = false;
        for (const char c : literal)
            letters =
                letters || (c & 0x80) || std::isalpha(static_cast<unsigned char>(c)) || c == '\'';
        if (letters) {
            std::string quoted = "'";
            for (const char c : literal)
                quoted += c == '\'' ? std::string("''") : std::string(1, c);
            out += quoted + "'";
        } else {
            out += literal;
        }
        literal.clear();
    };
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            literal += format[i];
            continue;
        }
        ++i;
        // Flags, widths and the E and O modifiers change the digits, not the field; "-" drops
        // the leading zero, and the C library writes the alternative digits of "O" without
        // one, so that minutes and seconds may then have one digit.
        bool unpadded = false;
        for (; i < format.size() && std::strchr("-_0^#EO", format[i]); ++i)
            unpadded = unpadded || format[i] == '-' || format[i] == 'O';
        while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])))
            ++i;
        if (i >= format.size())
            return std::nullopt;
        const char c = format[i];
        // The century and the year in it ("%C%y", "%OC%Oy") are the year.
        if (c == 'C') {
            const std::size_t year = format.find('y', i);
            if (year != std::string::npos && year <= i + 3 &&
                format.find_first_not_of("%O", i + 1) == year) {
                flush();
                out += 'y';
                i = year;
                continue;
            }
        }
        const char* simple = nullptr;
        switch (c) {
        case 'a':
            simple = "EEE";
            break;
        case 'A':
            simple = "EEEE";
            break;
        case 'b':
        case 'h':
            simple = "MMM";
            break;
        case 'B':
            simple = "MMMM";
            break;
        case 'd':
        case 'e':
            simple = "d";
            break;
        case 'm':
            simple = "M";
            break;
        case 'y':
            simple = "yy";
            break;
        case 'Y':
            simple = "y";
            break;
        case 'H':
        case 'k':
            simple = "H";
            break;
        case 'I':
        case 'l':
            simple = "h";
            break;
        case 'M':
            simple = unpadded ? "m" : "mm";
            break;
        case 'S':
            simple = unpadded ? "s" : "ss";
            break;
        case 'p':
        case 'P':
            simple = "a";
            break;
        case 'Z':
            simple = "z";
            break;
        case 'z':
            simple = "Z";
            break;
        case 'T':
            simple = "H:mm:ss";
            break;
        case 'R':
            simple = "H:mm";
            break;
        case 'D':
            simple = "M/d/yy";
            break;
        case 'F':
            simple = "y-M-d";
            break;
        case 'n':
        case 't':
            literal += ' ';
            continue;
        case '%':
            literal += '%';
            continue;
        default:
            break;
        }
        flush();
        if (simple) {
            out += simple;
            continue;
        }
        const nl_item item = c == 'x'   ? D_FMT
                             : c == 'X' ? T_FMT
                             : c == 'c' ? D_T_FMT
                             : c == 'r' ? T_FMT_AMPM
                                        : nl_item(-1);
        if (item == nl_item(-1))
            return std::nullopt;
        const auto inner = icuPattern(nl_langinfo_l(item, locale), locale, depth + 1);
        if (!inner)
            return std::nullopt;
        out += *inner;
    }
    flush();
    return out;
}

void addGlibc(Record& r, const std::string& name) {
    locale_t locale = newlocale(LC_ALL_MASK, (name + ".UTF-8").c_str(), nullptr);
    if (!locale)
        return;
    const auto pattern = [&](nl_item item) {
        return icuPattern(nl_langinfo_l(item, locale), locale).value_or(std::string());
    };
    const std::string date = pattern(D_FMT);
    add(r.orders, numericOrder(utf16(date)));
    add(r.forms, date);
    add(r.forms, pattern(D_T_FMT));
    add(r.times, pattern(T_FMT));
    add(r.times, pattern(T_FMT_AMPM));
    add(r.am, nl_langinfo_l(AM_STR, locale));
    add(r.pm, nl_langinfo_l(PM_STR, locale));
    for (int m = 0; m < 12; ++m)
        for (const nl_item base : {MON_1, ABMON_1, ALTMON_1})
            add(r.months, std::to_string(m + 1) + '\x1e' +
                              nl_langinfo_l(static_cast<nl_item>(base + m), locale));
    for (int d = 0; d < 7; ++d) // the C library: 0 is Sunday
        for (const nl_item base : {DAY_1, ABDAY_1})
            add(r.weekdays, std::to_string(d == 0 ? 7 : d) + '\x1e' +
                                nl_langinfo_l(static_cast<nl_item>(base + d), locale));
    freelocale(locale);
}

std::string join(const List& list) {
    std::string out;
    for (const std::string& item : list)
        out += (out.empty() ? "" : "\x1f") + item;
    return out;
}

// The text as a C++ string literal of octal escapes and plain ASCII.
std::string literal(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7f || c == '"' || c == '\\' || c == '?') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", u);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_locale_forms FILE.cpp\n";
        return 2;
    }
    // A locale ICU does not know falls back to the root's data, never to the build machine's.
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault("und", &status);
    // ICU's languages and language_TERRITORY locales, and the C library's.
    std::set<std::string> names;
    for (int32_t i = 0; i < uloc_countAvailable(); ++i) {
        const std::string name = uloc_getAvailable(i);
        const std::size_t bars =
            static_cast<std::size_t>(std::count(name.begin(), name.end(), '_'));
        if (bars == 0 || (bars == 1 && name.size() - name.find('_') == 3))
            names.insert(name);
    }
    if (FILE* list = popen("locale -a 2>/dev/null", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, list)) {
            const std::string name(line, std::strcspn(line, ".@\n"));
            const std::size_t bar = name.find('_');
            if (bar >= 2 && bar <= 3 && name.size() - bar == 3)
                names.insert(name);
        }
        pclose(list);
    }
    // The table must not depend on which locales a build machine happens to have generated.
    std::size_t withData = 0;
    for (const std::string& name : names)
        if (locale_t l = newlocale(LC_ALL_MASK, (name + ".UTF-8").c_str(), nullptr)) {
            ++withData;
            freelocale(l);
        }
    if (withData < 250) {
        std::cerr << "write_locale_forms: the C library has " << withData
                  << " locales; install every one (Debian: locales-all)\n";
        return 1;
    }
    std::map<std::string, std::string> records; // name -> the fields after it
    for (const std::string& name : names) {
        Record r;
        addIcu(r, name);
        addGlibc(r, name);
        std::string fields;
        for (const List* list : {&r.orders, &r.forms, &r.times, &r.joins, &r.am, &r.pm, &r.periods,
                                 &r.eras, &r.months, &r.weekdays})
            fields += '\t' + join(*list);
        records[name] = fields;
    }
    // A locale whose record is its language's is left out: the routine falls back to the
    // language. The records stand sorted by name, for a binary search.
    std::string table;
    for (const auto& [name, fields] : records) {
        const auto language = records.find(name.substr(0, name.find('_')));
        if (name.find('_') != std::string::npos && language != records.end() &&
            language->second == fields)
            continue;
        table += name + fields + '\n';
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Written by write_locale_forms from ICU's and the C library's locale data.\n"
           "#include \"locale_forms.h\"\n\n"
           "namespace DateText::detail {\n\n"
           "const char kLocaleFormsTable[] =\n";
    constexpr std::size_t kLine = 96; // characters of the table per line of source
    for (std::size_t at = 0; at < table.size(); at += kLine)
        out << "    " << literal(table.substr(at, kLine)) << '\n';
    out << "    ;\n\nconst std::size_t kLocaleFormsTableSize = sizeof kLocaleFormsTable - 1;\n\n"
           "} // namespace DateText::detail\n";
    out.close();
    if (!out || names.empty()) {
        std::cerr << "write_locale_forms: could not write " << argv[1] << '\n';
        return 1;
    }
    u_cleanup(); // ICU's caches, so that leak checkers see none
    std::cerr << "write_locale_forms: " << records.size() << " locales, " << table.size()
              << " bytes\n";
    return 0;
}
