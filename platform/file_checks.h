#pragma once

#include <QString>

namespace FileChecks {

// True when the last-modified time of the path can be read (a file or a folder).
bool hasModificationTime(const QString& path);

// True for an ordinary file: a regular file (links followed) that is not hidden. A file is
// hidden when its name starts with "." or is listed in the ".hidden" file of its folder, the
// desktop's convention; folders, devices, sockets and pipes are not ordinary files.
bool isOrdinaryFile(const QString& path);

// The platform's path of a program-relative name written with backslashes ("\x\o.cjs").
QString resolveRelative(const QString& folder, const QString& backslashName);

} // namespace FileChecks
