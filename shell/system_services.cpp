#include "system_services.h"

#include "file_checks.h"
#include "main_module.h"

#include <QCoreApplication>

SystemServices::SystemServices()
    : cursor_(FileChecks::resolveRelative(Main::ProgramFolder(), Main::kCursorFile)) {}

Form1Services SystemServices::services() {
    Form1Services services(
        messages_, clipboard_, urlOpener_, [] { return QDate::currentDate(); },
        [] { return Main::DrawHomePageNumber(); }, [] { QCoreApplication::exit(0); },
        Main::ProgramFolder(), QLocale::system());
    services.readCursorFile = [this](const QString& path) { return cursor_.load(path); };
    return services;
}
