#pragma once

#include <QString>

// Opens a web page with the desktop's URL opener, without waiting for it.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QString& url) = 0; // false when the opener could not be started
};

// The desktop's own opener: on Linux the desktop's URL handler (url_opener_posix.cpp), on
// Windows Explorer (url_opener_windows.cpp).
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QString& url) override;
};
