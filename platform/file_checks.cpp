#include "file_checks.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace FileChecks {

bool hasModificationTime(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

QString resolveRelative(const QString& folder, const QString& backslashName) {
    QString name = backslashName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(folder + QLatin1Char('/') + name);
}

} // namespace FileChecks
