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
