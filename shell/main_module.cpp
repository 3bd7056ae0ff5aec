#include "main_module.h"

#include "clipboard.h"
#include "file_checks.h"
#include "readable_colour.h"
#include "skin_framework.h"
#include "url_opener.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QTime>
#include <QWidget>

#include <random>
#include <stdexcept>

namespace Main {

bool FileExists(const QString& path) noexcept {
    try {
        return FileChecks::hasModificationTime(path);
    } catch (...) {
        return false;
    }
}

namespace {

bool insideCalendar(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget->parentWidget(); w && w != window; w = w->parentWidget())
        if (qobject_cast<const QCalendarWidget*>(w))
            return true;
    return false;
}

} // namespace

void ApplySkin(QWidget& window, SkinFramework& skin, const QString& programFolder) {
    const QString skinFile = FileChecks::resolveRelative(programFolder, kSkinFile);
    if (!FileChecks::isOrdinaryFile(skinFile))
        return;

    // The system's button-face colour behind the window and its captions.
    const QColor face = QPalette().color(QPalette::Active, QPalette::Button);
    ReadableColour::giveBackground(window, face);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (insideCalendar(control, &window))
            continue;
        if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control) ||
            qobject_cast<QGroupBox*>(control) || qobject_cast<QLabel*>(control))
            ReadableColour::giveBackground(*control, face);
    }

    skin.LoadSkin(skinFile, QString());
    skin.setOptions(skin.Options() | SkinFramework::kSkinWholeApplication);
    skin.setKeepFonts(true);
    skin.setKeepGeometry(true);
    skin.ApplyWindow(window);
}

int DrawHomePageNumber(unsigned secondsSinceMidnight) {
    std::minstd_rand generator(secondsSinceMidnight);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    return static_cast<int>(unit(generator) * 100) + 1; // [1, 100]
}

int DrawHomePageNumber() {
    return DrawHomePageNumber(
        static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay() / 1000));
}

void MaybeOpenHomePage(const std::function<int()>& draw, UrlOpener& opener) {
    if (draw() != 7)
        return;
    if (!opener.open(kHomePage))
        throw std::runtime_error("The web page " + kHomePage.toStdString() + " cannot be opened.");
}

QString AppTitleFor(const QString& productName) {
    QString title = productName;
    do {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0)
            break;
        title.truncate(blank);
    } while (title.size() > 40);
    return title;
}

void SetAppTitle() {
    QCoreApplication::setApplicationName(AppTitleFor(kProductName));
}

QString AppTitle() {
    return QCoreApplication::applicationName();
}

void CopyToClipboard(const QString& text, ClipboardPort& clipboard) noexcept {
    for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
        try {
            if (clipboard.trySetText(text))
                return;
        } catch (...) {
            // Another program may hold the clipboard; try again at once.
        }
    }
}

QString ProgramFolder() {
    const QString program = QCoreApplication::applicationFilePath();
    const QString resolved = QFileInfo(program).canonicalFilePath();
    const QString folder = QFileInfo(resolved.isEmpty() ? program : resolved).absolutePath();
    return QDir::cleanPath(folder);
}

} // namespace Main
