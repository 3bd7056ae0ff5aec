#include "date_text.h"

#include <benchmark/benchmark.h>

namespace {

// The date routine, per text, for texts a user types.
void BM_ParseDate(benchmark::State& state, const char* locale, std::vector<const char*> texts) {
    const QLocale l(QString::fromLatin1(locale));
    std::vector<QString> inputs;
    for (const char* t : texts)
        inputs.push_back(QString::fromUtf8(t));
    const QDate today(2021, 8, 31);
    size_t i = 0;
    for (auto _ : state) {
        auto value = DateText::parse(inputs[i], l, today);
        benchmark::DoNotOptimize(value);
        i = (i + 1) % inputs.size();
    }
}
BENCHMARK_CAPTURE(BM_ParseDate, en_US, "en_US", {"8/30/2021", "1/5/2022", "12/31/1999"});
BENCHMARK_CAPTURE(BM_ParseDate, en_US_names, "en_US", {"August 30, 2021", "30-Aug-2021"});
BENCHMARK_CAPTURE(BM_ParseDate, de_DE, "de_DE", {"30.08.2021", "5.1.2022", "31.12.1999"});
BENCHMARK_CAPTURE(BM_ParseDate, ja_JP, "ja_JP", {"2021/08/30", "2022/1/5", "1999/12/31"});
BENCHMARK_CAPTURE(BM_ParseDate, en_US_time, "en_US", {"8/30/2021 1:05 PM"});
// Dates as people write them: connecting words, ordinals, words and marks around the time.
BENCHMARK_CAPTURE(BM_ParseDate, en_US_written, "en_US",
                  {"the 3rd of March 2021 at 2:05 pm", "March 3, '21", "2021-03-03T14:05:09"});
BENCHMARK_CAPTURE(BM_ParseDate, es_ES_written, "es_ES",
                  {"14 de marzo de 2019", "14 de marzo del 2019"});
BENCHMARK_CAPTURE(BM_ParseDate, de_DE_written, "de_DE", {"3. März 2021 um 14:05 Uhr"});
BENCHMARK_CAPTURE(BM_ParseDate, fr_FR_written, "fr_FR", {"le 1er mars 2021 à 14h05"});
BENCHMARK_CAPTURE(BM_ParseDate, ja_JP_written, "ja_JP", {"2021年3月3日 14時5分"});
// Dates and times as other programs write them, in the forms drawn from ICU's and the C
// library's locale data: a comma before the time, the locale's own day periods, words and clock
// marks, a zone after the time, year-first long forms, an era.
BENCHMARK_CAPTURE(BM_ParseDate, en_US_locale_forms, "en_US",
                  {"Mar 3, 2021, 2:05\u202fPM", "3/3/2021 14:05 UTC",
                   "Wed 03 Mar 2021 02:05:09 PM UTC"});
BENCHMARK_CAPTURE(BM_ParseDate, de_DE_locale_forms, "de_DE",
                  {"03.03.2021, 14:05", "Mi 03 Mär 2021 14:05:09 CET"});
BENCHMARK_CAPTURE(BM_ParseDate, es_US_locale_forms, "es_US", {"3 mar 2021, 2:05 p.\u00a0m."});
BENCHMARK_CAPTURE(BM_ParseDate, fi_FI_locale_forms, "fi_FI", {"3.3.2021 klo 14.05"});
BENCHMARK_CAPTURE(BM_ParseDate, zh_CN_locale_forms, "zh_CN", {"2021年3月3日 14时05分09秒"});
BENCHMARK_CAPTURE(BM_ParseDate, ko_KR_locale_forms, "ko_KR", {"2021. 3. 3. 14시 05분 09초"});
BENCHMARK_CAPTURE(BM_ParseDate, ar_EG_locale_forms, "ar_EG",
                  {"\u0660\u0663\u200f/\u0660\u0663\u200f/\u0662\u0660\u0662\u0661\u060c "
                   "\u0662:\u0660\u0665 \u0645"});
BENCHMARK_CAPTURE(BM_ParseDate, lt_LT_locale_forms, "lt_LT", {"2021 m. kovo 3 d."});
BENCHMARK_CAPTURE(BM_ParseDate, lo_LA_locale_forms, "lo_LA", {"ວັນພຸດ ທີ 3 ມີນາ ຄ.ສ. 2021"});
BENCHMARK_CAPTURE(BM_ParseDate, ta_IN_locale_forms, "ta_IN", {"3/3/21, மாலை 2:05"});
// A text that is no date, read through every form before it is refused.
BENCHMARK_CAPTURE(BM_ParseDate, en_US_refused, "en_US", {"3/3/2021 14:05 abc"});

void BM_FormatDate(benchmark::State& state) {
    const QLocale l(QStringLiteral("en_US"));
    const QDate date(2021, 8, 30);
    for (auto _ : state) {
        auto text = DateText::format(date, l);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatDate);

} // namespace
