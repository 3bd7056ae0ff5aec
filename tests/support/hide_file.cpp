#include "hide_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef _WIN32
#include <windows.h>

void hideFile(const QString& path) {
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    SetFileAttributesW(reinterpret_cast<const wchar_t*>(native.utf16()), FILE_ATTRIBUTE_HIDDEN);
}
#else
void hideFile(const QString& path) {
    const QFileInfo info(path);
    QFile list(info.absolutePath() + QStringLiteral("/.hidden"));
    if (list.open(QIODevice::Append))
        list.write(info.fileName().toUtf8() + '\n');
}
#endif
