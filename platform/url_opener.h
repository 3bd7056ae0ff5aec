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

#ifdef _WIN32
// Windows: the command line the opener runs, "explorer" and the address in double quotes, and
// the window state it asks for, minimised with the focus (SW_SHOWMINIMIZED).
QString explorerCommandLine(const QString& url);
inline constexpr unsigned short kExplorerShowWindow = 2;
#endif
