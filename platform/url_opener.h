#pragma once

#include <QString>

// Opens a web page with the desktop's URL opener, without waiting for it.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QString& url) = 0; // false when the opener could not be started
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QString& url) override;
};
