#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

class Silent : public MessagePresenter {
public:
    void show(const Message&) override {}
};

class NoClipboard : public ClipboardPort {
public:
    bool trySetText(const QString&) override { return true; }
};

class NoOpener : public UrlOpener {
public:
    bool open(const QString&) override { return true; }
};

// A shown window on services that touch nothing outside the process, with an empty program
// folder of its own, and the older date typed in.
struct ShownForm {
    Silent messages;
    NoClipboard clipboard;
    NoOpener opener;
    QTemporaryDir folder;
    Form1 form{Form1Services(
        messages, clipboard, opener, [] { return QDate(2021, 8, 31); }, [] { return 1; }, [] {},
        folder.path(), QLocale(QStringLiteral("en_US")))};

    ShownForm() {
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
        box("Text1")->setText(QStringLiteral("1/30/2021"));
    }
    QLineEdit* box(const char* name) { return form.findChild<QLineEdit*>(QLatin1String(name)); }
};

// The Calculate handler end to end on a shown window: read, check, compute and write.
void BM_CalculateHandler(benchmark::State& state) {
    ShownForm shown;
    shown.box("Text2")->setText(QStringLiteral("3/5/2021"));
    for (auto _ : state) {
        shown.form.PushButton1_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateHandler);

// A click on Start Finding Difference until the new results are painted: the button pressed and
// released, the handler, and the repaint of what changed. The newer date alternates so that
// every click writes new results.
void BM_CalculateClickPainted(benchmark::State& state) {
    ShownForm shown;
    auto* button = shown.form.findChild<QWidget*>(QStringLiteral("PushButton1"));
    QLineEdit* newer = shown.box("Text2");
    bool odd = false;
    for (auto _ : state) {
        state.PauseTiming();
        newer->setText(odd ? QStringLiteral("3/5/2021") : QStringLiteral("3/6/2021"));
        odd = !odd;
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateClickPainted);

} // namespace
