#include "url_opener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopUrlOpener::open(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}
