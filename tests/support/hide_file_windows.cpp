#include "hide_file.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

void hideFile(const QString& path) {
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    SetFileAttributesW(reinterpret_cast<const wchar_t*>(native.utf16()), FILE_ATTRIBUTE_HIDDEN);
}
