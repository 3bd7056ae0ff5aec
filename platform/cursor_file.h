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

// Reads the image of the cursor file closest to 32 x 32 pixels. Accepts PNG images and
// uncompressed bitmaps of 1, 4, 8, 24 or 32 bits per pixel with their transparency mask.
// Raises CursorFileError for anything else; never reads outside the data.
CursorPicture decode(const QByteArray& bytes);

// Reads and decodes the file at path; raises CursorFileError when it cannot be read.
CursorPicture load(const QString& path);

} // namespace CursorFile
