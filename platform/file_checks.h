#pragma once

#include <QString>

namespace FileChecks {

// True when the last-modified time of the path can be read (a file or a folder).
bool hasModificationTime(const QString& path);

// True for an ordinary file: a regular file (links followed) that is not hidden; folders,
// devices, sockets and pipes are not ordinary files. Hidden is each system's own rule: on Linux
// a name that starts with "." or is listed in the ".hidden" file of its folder
// (file_checks_posix.cpp), on Windows the hidden or system attribute (file_checks_windows.cpp).
bool isOrdinaryFile(const QString& path);

// The platform's path of a program-relative name written with backslashes ("\x\o.cjs").
QString resolveRelative(const QString& folder, const QString& backslashName);

} // namespace FileChecks
