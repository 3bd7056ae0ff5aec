#pragma once

#include <QString>

// The Windows opener's command line, "explorer" and the address in double quotes, and the window
// state it asks for, minimised with the focus (SW_SHOWMINIMIZED).
QString explorerCommandLine(const QString& url);
inline constexpr unsigned short kExplorerShowWindow = 2;
