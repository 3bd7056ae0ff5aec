// Prints the Windows clipboard's text as UTF-8, exactly: run under Wine by the real-window suite
// of the Windows program, since Wine's bridge to the X clipboard changes line ends.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    if (!OpenClipboard(nullptr))
        return 1;
    int status = 2;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            const int size =
                WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
            std::string utf8(static_cast<size_t>(size > 0 ? size : 1), '\0');
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
            std::fwrite(utf8.data(), 1, utf8.size() - 1, stdout);
            GlobalUnlock(data);
            status = 0;
        }
    }
    CloseClipboard();
    return status;
}
