#pragma once

#include <QIcon>

namespace Resources {

// The application icon: one image each of 32, 48, 128 and 256 pixels.
QIcon applicationIcon();

} // namespace Resources
