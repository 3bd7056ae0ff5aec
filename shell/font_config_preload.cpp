#include "font_config_preload.h"

#include <fontconfig/fontconfig.h>

// FcInit() loads the default configuration once per process and returns at once afterwards, so
// Qt's own call finds it done.
FontConfigPreload::FontConfigPreload() : thread_([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload() {
    wait();
}

void FontConfigPreload::wait() {
    if (thread_.joinable())
        thread_.join();
}
