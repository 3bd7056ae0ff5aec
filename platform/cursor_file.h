#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

#include <stdexcept>

// A picture read from a Windows cursor (.cur) file, with the hot spot the file gives.
struct CursorPicture {
    QImage image; // ARGB32
    QPoint hotSpot;
};

class CursorFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace CursorFile {

// Reads the image of the cursor file closest to 32 x 32 pixels, through Qt's reader of icon and
// cursor images (bitmaps with their transparency mask, and PNG images), and its hot spot from
// the file's directory. Raises CursorFileError for anything else; never reads outside the data.
CursorPicture decode(const QByteArray& bytes);

// Reads and decodes the file at path; raises CursorFileError when it cannot be read.
CursorPicture load(const QString& path);

} // namespace CursorFile
