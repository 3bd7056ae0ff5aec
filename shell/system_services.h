#pragma once

#include "clipboard.h"
#include "form1_services.h"
#include "message_presenter.h"
#include "url_opener.h"

// The real services of a running program, built in one place beside main(): message boxes on
// screen, the system clipboard, the desktop's web-page opener, the system clock and locale, the
// home-page draw, the program file's own folder and the end of the event loop. It must outlive
// the window that takes its services.
class SystemServices {
public:
    Form1Services services();

private:
    QtMessagePresenter messages_;
    QtClipboard clipboard_;
    DesktopUrlOpener urlOpener_;
};
