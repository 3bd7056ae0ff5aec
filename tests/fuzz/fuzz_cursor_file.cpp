// The cursor-file reader: any bytes give a picture with its hot spot inside it, or a refusal.

#include "cursor_file.h"

#include <QImageReader>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The pictures come from Qt's image plugin for cursors; without it every input would be refused
// and the run would test nothing.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!QImageReader::supportedImageFormats().contains("cur")) {
        std::fputs("Qt's cursor image plugin is missing\n", stderr);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const CursorPicture picture = CursorFile::decode(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
        if (picture.image.isNull() || picture.image.width() > 256 || picture.image.height() > 256 ||
            !picture.image.rect().contains(picture.hotSpot))
            std::abort();
    } catch (const CursorFileError&) {
    }
    return 0;
}
