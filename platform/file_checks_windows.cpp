#include "file_checks.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

// Windows' rule: a file is hidden when its attributes mark it hidden or a system file.
namespace FileChecks {

bool isOrdinaryFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(native.utf16()));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

} // namespace FileChecks
