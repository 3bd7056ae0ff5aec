#include "url_opener_windows.h"
#include "url_opener.h"

#include <windows.h>

QString explorerCommandLine(const QString& url) {
    return QStringLiteral("explorer \"%1\"").arg(url);
}

// The address goes to Explorer on its command line, run with its window minimised and given
// the focus, and not waited for. An address with a double quote in it would end the quoted
// argument early, so it is refused.
bool DesktopUrlOpener::open(const QString& url) {
    if (url.isEmpty() || url.contains(QLatin1Char('"')))
        return false;
    std::wstring commandLine = explorerCommandLine(url).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = kExplorerShowWindow;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
