// The cursor-file reader: any bytes give a picture with its hot spot inside it, or a refusal.

#include "cursor_file.h"

#include <cstdint>
#include <cstdlib>

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
