#include "system_services.h"

#include "main_module.h"

#include <QCoreApplication>

Form1Services SystemServices::services() {
    return Form1Services(
        messages_, clipboard_, urlOpener_, [] { return QDate::currentDate(); },
        [] { return Main::DrawHomePageNumber(); }, [] { QCoreApplication::exit(0); },
        Main::ProgramFolder(), QLocale::system());
}
