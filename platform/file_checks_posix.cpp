#include "file_checks.h"

#include <QFile>
#include <QFileInfo>

// The desktop's rule on Linux: a file is hidden when its name starts with "." or is listed in
// the ".hidden" file of its folder.
namespace FileChecks {

namespace {

bool listedAsHidden(const QFileInfo& info) {
    QFile list(info.absolutePath() + QStringLiteral("/.hidden"));
    if (!list.open(QIODevice::ReadOnly))
        return false;
    const QString name = info.fileName();
    while (!list.atEnd()) {
        if (QString::fromUtf8(list.readLine()).trimmed() == name)
            return true;
    }
    return false;
}

} // namespace

bool isOrdinaryFile(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isFile() || info.fileName().startsWith(QLatin1Char('.')))
        return false;
    return !listedAsHidden(info);
}

} // namespace FileChecks
