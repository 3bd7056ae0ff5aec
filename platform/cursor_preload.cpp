#include "cursor_preload.h"

#include <QBuffer>
#include <QImageReader>

namespace {

// Asks the image readers what a PNG signature is, which loads the format plugins.
void readyImageReaders() {
    QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    QBuffer buffer(&signature);
    buffer.open(QIODevice::ReadOnly);
    QImageReader::imageFormat(&buffer);
}

} // namespace

CursorPreload::CursorPreload(QString path)
    : path_(std::move(path)), picture_(std::async(std::launch::async, [path = path_] {
          readyImageReaders();
          return CursorFile::load(path);
      })) {}

CursorPicture CursorPreload::load(const QString& path) {
    if (picture_.valid() && path == path_)
        return picture_.get(); // the picture, or the error the reading raised
    return CursorFile::load(path);
}
