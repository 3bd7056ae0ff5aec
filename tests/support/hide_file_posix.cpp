#include "hide_file.h"

#include <QFile>
#include <QFileInfo>

void hideFile(const QString& path) {
    const QFileInfo info(path);
    QFile list(info.absolutePath() + QStringLiteral("/.hidden"));
    if (list.open(QIODevice::Append))
        list.write(info.fileName().toUtf8() + '\n');
}
