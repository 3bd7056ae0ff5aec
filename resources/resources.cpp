#include "resources.h"

#include "icon_pixels.h"

#include <QImage>
#include <QPixmap>

namespace Resources {

QIcon applicationIcon() {
    // The images are ready pixels in the program: nothing is decoded before the first frame.
    QIcon icon;
    for (const IconImage& image : kIconImages)
        icon.addPixmap(
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.pixels), image.size,
                                      image.size, QImage::Format_ARGB32_Premultiplied)));
    return icon;
}

} // namespace Resources
