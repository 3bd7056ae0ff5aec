#pragma once

#include "clipboard.h"
#include "cursor_preload.h"
#include "form1_services.h"
#include "message_presenter.h"
#include "url_opener.h"

// The real services of a running program, built in one place beside main(): message boxes on
// screen, the system clipboard, the desktop's web-page opener, the system clock and locale, the
// home-page draw, the program file's own folder and the end of the event loop, and the hand
// pointer's file, which it starts reading as it is made. It must outlive the window that takes
// its services.
class SystemServices {
public:
    SystemServices();
    Form1Services services();

private:
    CursorPreload cursor_;
    QtMessagePresenter messages_;
    QtClipboard clipboard_;
    DesktopUrlOpener urlOpener_;
};
