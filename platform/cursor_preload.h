#pragma once

#include "cursor_file.h"

#include <QString>

#include <future>

// Reads a cursor file on a thread of its own while the window is being built. The thread first
// readies Qt's image readers: the first picture read in a process, whatever its format, makes Qt
// load every image-format plugin to ask whether it can read it, and the style's frame picture
// would otherwise pay for that in the window's first paint. The file read ahead is handed over
// to the first request for its path; every other request reads its file when asked.
class CursorPreload {
public:
    explicit CursorPreload(QString path);

    // The picture of the file at path, as CursorFile::load gives it; raises what it raises.
    CursorPicture load(const QString& path);

private:
    QString path_;
    std::future<CursorPicture> picture_;
};
