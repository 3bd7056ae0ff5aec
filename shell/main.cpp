#include "form1.h"
#include "window_style.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new WindowStyle);
    Form1 window(Form1Services::system());
    window.show();
    return QApplication::exec();
}
