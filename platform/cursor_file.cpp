#include "cursor_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace CursorFile {
namespace {

constexpr qsizetype kMaxFileSize = 4 * 1024 * 1024;
constexpr qsizetype kHeaderSize = 6;
constexpr qsizetype kEntrySize = 16;
constexpr int kWantedSize = 32;

// One image's entry in the file's directory. Qt's reader gives the pictures; only the hot spot
// and the place of each image are read here.
struct Entry {
    int width;
    QPoint hotSpot;
    quint32 size, offset;
};

quint16 u16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

QList<Entry> readDirectory(const QByteArray& bytes) {
    if (bytes.size() < kHeaderSize || u16(bytes, 0) != 0 || u16(bytes, 2) != 2)
        throw CursorFileError("The file is not a cursor file.");
    const int count = u16(bytes, 4);
    if (count < 1)
        throw CursorFileError("The cursor file holds no image.");
    if (bytes.size() < kHeaderSize + count * kEntrySize)
        throw CursorFileError("The cursor file is truncated.");
    QList<Entry> entries;
    for (int i = 0; i < count; ++i) {
        const qsizetype e = kHeaderSize + i * kEntrySize;
        const int width = static_cast<unsigned char>(bytes[e]);
        Entry entry{width == 0 ? 256 : width, QPoint(u16(bytes, e + 4), u16(bytes, e + 6)),
                    u32(bytes, e + 8), u32(bytes, e + 12)};
        if (entry.size < 8 || entry.offset > static_cast<quint64>(bytes.size()) ||
            entry.size > static_cast<quint64>(bytes.size()) - entry.offset)
            throw CursorFileError("The cursor file is truncated.");
        entries.append(entry);
    }
    return entries;
}

} // namespace

CursorPicture decode(const QByteArray& bytes) {
    if (bytes.size() > kMaxFileSize)
        throw CursorFileError("The cursor file is too large.");
    const QList<Entry> entries = readDirectory(bytes);
    qsizetype best = 0;
    for (qsizetype i = 1; i < entries.size(); ++i)
        if (std::abs(entries[i].width - kWantedSize) < std::abs(entries[best].width - kWantedSize))
            best = i;

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "cur");
    if (!reader.jumpToImage(static_cast<int>(best)))
        throw CursorFileError("The cursor image cannot be read.");
    QImage image = reader.read();
    if (image.isNull() || image.width() > 256 || image.height() > 256)
        throw CursorFileError("The cursor image cannot be read.");
    // Qt's reader takes the directory's width where a bitmap's own header says another: such a
    // file is refused rather than shown at a size it does not hold.
    const Entry& entry = entries[best];
    static const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.mid(entry.offset, 8) != pngSignature &&
        u32(bytes, entry.offset + 4) != static_cast<quint32>(entry.width))
        throw CursorFileError("The cursor image does not have the size its directory gives.");
    const QPoint hotSpot = entry.hotSpot;
    if (!image.rect().contains(hotSpot))
        throw CursorFileError("The cursor hot spot lies outside its image.");
    return CursorPicture{image.convertToFormat(QImage::Format_ARGB32), hotSpot};
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
