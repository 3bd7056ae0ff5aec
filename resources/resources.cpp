#include "resources.h"

namespace Resources {

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/app-icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace Resources
