#include "form1.h"
#include "system_services.h"
#include "window_style.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(OSTRELIN_VERSION));
    // The desktop ties the window to the menu entry by this name (Wayland) and by the window
    // class "Ostrelin", the application's name once the window has loaded (X11).
    QGuiApplication::setDesktopFileName(QStringLiteral(OSTRELIN_APP_ID));
    QApplication::setStyle(new WindowStyle);
    SystemServices system;
    Form1 window(system.services());
    window.show();
    return QApplication::exec();
}
