#include "form1_services.h"

#include "main_module.h"

#include <QCoreApplication>

Form1Services Form1Services::system() {
    Form1Services services;
    services.messages = std::make_shared<QtMessagePresenter>();
    services.clipboard = std::make_shared<QtClipboard>();
    services.urlOpener = std::make_shared<DesktopUrlOpener>();
    services.homePageDraw = &Main::DrawHomePageNumber;
    services.programFolder = Main::ProgramFolder();
    services.endApplication = [] { QCoreApplication::exit(0); };
    return services;
}
