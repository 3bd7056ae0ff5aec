#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

class Silent : public MessagePresenter {
public:
    void show(const Message&) override {}
};

// The Calculate handler end to end on a shown window: read, check, compute and write.
void BM_CalculateHandler(benchmark::State& state) {
    Form1Services services;
    services.locale = QLocale(QStringLiteral("en_US"));
    services.today = [] { return QDate(2021, 8, 31); };
    services.messages = std::make_shared<Silent>();
    services.clipboard = std::make_shared<QtClipboard>();
    services.urlOpener = std::make_shared<DesktopUrlOpener>();
    services.homePageDraw = [] { return 1; };
    Form1 form(services);
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("1/30/2021"));
    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("3/5/2021"));
    for (auto _ : state) {
        form.PushButton1_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateHandler);

} // namespace
