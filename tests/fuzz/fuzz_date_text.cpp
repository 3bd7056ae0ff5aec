// The date routine under several locales, one of them with non-Latin digits and one whose
// numeric dates Qt, ICU and the C library write in different orders. The first byte
// picks the locale; the rest is the text. A text that reads as a date must lie in the range,
// and the date's own text must read back as the same date.

#include "date_text.h"

#include <QLocale>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QLocale locales[] = {QLocale(QStringLiteral("en_US")),
                                      QLocale(QStringLiteral("de_DE")),
                                      QLocale(QStringLiteral("ja_JP")),
                                      QLocale(QStringLiteral("ar_EG")),
                                      QLocale(QStringLiteral("fa_IR")),
                                      QLocale(QStringLiteral("fr_FR")),
                                      QLocale::c(),
                                      QLocale(QStringLiteral("es_ES")),
                                      QLocale(QStringLiteral("pt_BR")),
                                      QLocale(QStringLiteral("nl_NL")),
                                      QLocale(QStringLiteral("fi_FI")),
                                      QLocale(QStringLiteral("zh_CN")),
                                      QLocale(QStringLiteral("ko_KR")),
                                      QLocale(QStringLiteral("bg_BG")),
                                      QLocale(QStringLiteral("es_PA"))};
    if (size < 1 || size > 4096)
        return 0;
    const QLocale& locale = locales[data[0] % std::size(locales)];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));
    const QDate today(2021, 8, 31);
    const auto value = DateText::parse(text, locale, today);
    if (!value)
        return 0;
    if (value->date() < DateValue::kFirst || value->date() > DateValue::kLast)
        std::abort();
    const QDate date = DateText::toQDate(*value);
    const auto back = DateText::parse(DateText::format(date, locale), locale, today);
    if (!back || DateText::toQDate(*back) != date)
        std::abort();
    return 0;
}
