#include "cursor_file.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

namespace CursorFile {
namespace {

constexpr qsizetype kMaxFileSize = 4 * 1024 * 1024;

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    bool has(qsizetype offset, qsizetype size) const {
        return offset >= 0 && size >= 0 && offset <= bytes_.size() &&
               size <= bytes_.size() - offset;
    }
    std::uint8_t u8(qsizetype offset) const {
        require(offset, 1);
        return static_cast<std::uint8_t>(bytes_[offset]);
    }
    std::uint16_t u16(qsizetype offset) const {
        return static_cast<std::uint16_t>(u8(offset) | (u8(offset + 1) << 8));
    }
    std::uint32_t u32(qsizetype offset) const {
        return static_cast<std::uint32_t>(u16(offset)) |
               (static_cast<std::uint32_t>(u16(offset + 2)) << 16);
    }
    std::int32_t i32(qsizetype offset) const { return static_cast<std::int32_t>(u32(offset)); }
    void require(qsizetype offset, qsizetype size) const {
        if (!has(offset, size))
            throw CursorFileError("The cursor file is truncated.");
    }
    QByteArray slice(qsizetype offset, qsizetype size) const {
        require(offset, size);
        return bytes_.mid(offset, size);
    }

private:
    const QByteArray& bytes_;
};

struct Entry {
    int width, height;
    QPoint hotSpot;
    qsizetype offset, size;
};

qsizetype rowStride(int width, int bitsPerPixel) {
    return ((static_cast<qsizetype>(width) * bitsPerPixel + 31) / 32) * 4;
}

QImage decodeBitmap(const Reader& r, qsizetype base, qsizetype size) {
    const std::uint32_t headerSize = r.u32(base);
    if (headerSize < 40 || headerSize > static_cast<std::uint32_t>(size))
        throw CursorFileError("The cursor image has an unknown header.");
    const std::int32_t width = r.i32(base + 4);
    const std::int32_t doubledHeight = r.i32(base + 8);
    const int planes = r.u16(base + 12);
    const int bpp = r.u16(base + 14);
    const std::uint32_t compression = r.u32(base + 16);
    const std::uint32_t colorsUsed = r.u32(base + 32);
    if (width < 1 || width > 256 || doubledHeight < 2 || doubledHeight > 512 ||
        doubledHeight % 2 != 0)
        throw CursorFileError("The cursor image has an invalid size.");
    if (planes != 1 || compression != 0 ||
        (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32))
        throw CursorFileError("The cursor image uses an unsupported pixel format.");
    const int height = doubledHeight / 2;

    QList<QRgb> palette;
    qsizetype pos = base + headerSize;
    if (bpp <= 8) {
        const std::uint32_t maxColors = 1u << bpp;
        const std::uint32_t count = colorsUsed == 0 ? maxColors : colorsUsed;
        if (count > maxColors)
            throw CursorFileError("The cursor image has an invalid palette.");
        r.require(pos, static_cast<qsizetype>(count) * 4);
        for (std::uint32_t i = 0; i < count; ++i, pos += 4)
            palette.append(qRgb(r.u8(pos + 2), r.u8(pos + 1), r.u8(pos)));
    }
    const qsizetype colorStride = rowStride(width, bpp);
    const qsizetype maskStride = rowStride(width, 1);
    const qsizetype colorBase = pos;
    const qsizetype maskBase = colorBase + colorStride * height;
    if (!r.has(colorBase, colorStride * height) || base + size < maskBase)
        throw CursorFileError("The cursor file is truncated.");
    const bool hasMask =
        r.has(maskBase, maskStride * height) && maskBase + maskStride * height <= base + size;
    if (!hasMask && bpp != 32)
        throw CursorFileError("The cursor file is truncated.");

    QImage image(width, height, QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const qsizetype row = colorBase + colorStride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            QRgb pixel = 0;
            if (bpp == 32) {
                const qsizetype p = row + x * 4;
                pixel = qRgba(r.u8(p + 2), r.u8(p + 1), r.u8(p), r.u8(p + 3));
                anyAlpha = anyAlpha || qAlpha(pixel) != 0;
            } else if (bpp == 24) {
                const qsizetype p = row + x * 3;
                pixel = qRgb(r.u8(p + 2), r.u8(p + 1), r.u8(p));
            } else {
                const qsizetype bit = static_cast<qsizetype>(x) * bpp;
                const int byte = r.u8(row + bit / 8);
                const int shift = 8 - bpp - static_cast<int>(bit % 8);
                const int index = (byte >> shift) & ((1 << bpp) - 1);
                if (index >= palette.size())
                    throw CursorFileError("The cursor image refers to a missing colour.");
                pixel = palette[index];
            }
            image.setPixel(x, y, pixel);
        }
    }
    if (bpp != 32 || !anyAlpha) {
        // The transparency mask: a set bit is a transparent pixel.
        for (int y = 0; y < height; ++y) {
            const qsizetype row = maskBase + maskStride * (height - 1 - y);
            for (int x = 0; x < width; ++x) {
                const bool transparent = hasMask && ((r.u8(row + x / 8) >> (7 - x % 8)) & 1);
                const QRgb p = image.pixel(x, y);
                image.setPixel(x, y, transparent ? qRgba(0, 0, 0, 0) : (p | 0xFF000000u));
            }
        }
    }
    return image;
}

} // namespace

CursorPicture decode(const QByteArray& bytes) {
    if (bytes.size() > kMaxFileSize)
        throw CursorFileError("The cursor file is too large.");
    const Reader r(bytes);
    if (!r.has(0, 6) || r.u16(0) != 0 || r.u16(2) != 2)
        throw CursorFileError("The file is not a cursor file.");
    const int count = r.u16(4);
    if (count < 1)
        throw CursorFileError("The cursor file holds no image.");

    std::optional<Entry> best;
    for (int i = 0; i < count; ++i) {
        const qsizetype e = 6 + static_cast<qsizetype>(i) * 16;
        r.require(e, 16);
        Entry entry{r.u8(e) == 0 ? 256 : r.u8(e), r.u8(e + 1) == 0 ? 256 : r.u8(e + 1),
                    QPoint(r.u16(e + 4), r.u16(e + 6)), static_cast<qsizetype>(r.u32(e + 12)),
                    static_cast<qsizetype>(r.u32(e + 8))};
        if (!r.has(entry.offset, entry.size) || entry.size < 8)
            throw CursorFileError("The cursor file is truncated.");
        if (!best || std::abs(entry.width - 32) < std::abs(best->width - 32))
            best = entry;
    }

    static const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);
    QImage image;
    if (r.slice(best->offset, 8) == pngSignature) {
        image = QImage::fromData(r.slice(best->offset, best->size), "PNG");
        if (image.isNull() || image.width() > 256 || image.height() > 256)
            throw CursorFileError("The cursor image cannot be read.");
        image = image.convertToFormat(QImage::Format_ARGB32);
    } else {
        image = decodeBitmap(r, best->offset, best->size);
    }
    if (best->hotSpot.x() >= image.width() || best->hotSpot.y() >= image.height())
        throw CursorFileError("The cursor hot spot lies outside its image.");
    return CursorPicture{image, best->hotSpot};
}

CursorPicture load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CursorFileError("The cursor file cannot be opened: " +
                              file.errorString().toStdString());
    if (file.size() > kMaxFileSize)
        throw CursorFileError("The cursor file is too large.");
    return decode(file.readAll());
}

} // namespace CursorFile
