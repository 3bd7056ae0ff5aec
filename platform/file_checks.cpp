#include "file_checks.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace FileChecks {

bool hasModificationTime(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

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

QString resolveRelative(const QString& folder, const QString& backslashName) {
    QString name = backslashName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(folder + QLatin1Char('/') + name);
}

} // namespace FileChecks
