#include "form1_services.h"

#include <stdexcept>

Form1Services::Form1Services(MessagePresenter& messages, ClipboardPort& clipboard,
                             UrlOpener& urlOpener, std::function<QDate()> today,
                             std::function<int()> homePageDraw,
                             std::function<void()> endApplication, QString programFolder,
                             QLocale locale)
    : messages(messages), clipboard(clipboard), urlOpener(urlOpener), today(std::move(today)),
      homePageDraw(std::move(homePageDraw)), endApplication(std::move(endApplication)),
      programFolder(std::move(programFolder)), locale(std::move(locale)) {
    if (!this->today || !this->homePageDraw || !this->endApplication)
        throw std::invalid_argument("The main window needs a clock, a home-page draw and a way "
                                    "to end the application.");
}
