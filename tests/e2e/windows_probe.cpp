// What Windows itself says, asked from inside Wine by the suites that drive the Windows program
// from this machine. Prints UTF-8 on standard output:
//   windows_probe clipboard         the clipboard's text, exactly (Wine's bridge to the X
//                                   clipboard changes line ends)
//   windows_probe shortcut <.lnk>   the shortcut's target, working folder, description and icon,
//                                   one per line
//   windows_probe modules <name>    the full path of every module loaded by the running process
//                                   of that program file name, one per line
//   windows_probe windows           the title of every visible window, each followed by the
//                                   texts of its controls, indented by a tab
#include <windows.h>

#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

void print(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size() - 1, stdout);
}

int clipboard() {
    if (!OpenClipboard(nullptr))
        return 1;
    int status = 2;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            print(text);
            GlobalUnlock(data);
            status = 0;
        }
    }
    CloseClipboard();
    return status;
}

int shortcut(const wchar_t* path) {
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    int status = 2;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path, STGM_READ))) {
        wchar_t text[MAX_PATH * 2] = {};
        int icon = 0;
        link->GetPath(text, MAX_PATH, nullptr, 0);
        print(text);
        print(L"\n");
        link->GetWorkingDirectory(text, MAX_PATH);
        print(text);
        print(L"\n");
        link->GetDescription(text, MAX_PATH);
        print(text);
        print(L"\n");
        text[0] = L'\0';
        link->GetIconLocation(text, MAX_PATH, &icon);
        print(text);
        print(L"\n");
        status = 0;
    }
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    return status;
}

int modules(const wchar_t* name) {
    HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (processes == INVALID_HANDLE_VALUE)
        return 1;
    DWORD id = 0;
    PROCESSENTRY32W process{};
    process.dwSize = sizeof process;
    for (BOOL more = Process32FirstW(processes, &process); more && !id;
         more = Process32NextW(processes, &process))
        if (_wcsicmp(process.szExeFile, name) == 0)
            id = process.th32ProcessID;
    CloseHandle(processes);
    if (!id)
        return 2;
    HANDLE loaded = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, id);
    if (loaded == INVALID_HANDLE_VALUE)
        return 3;
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32FirstW(loaded, &module); more; more = Module32NextW(loaded, &module)) {
        print(module.szExePath);
        print(L"\n");
    }
    CloseHandle(loaded);
    return 0;
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
    wchar_t text[1024] = {};
    if (GetWindowTextW(control, text, 1024) > 0) {
        print(L"\t");
        print(text);
        print(L"\n");
    }
    return TRUE;
}

BOOL CALLBACK printWindow(HWND window, LPARAM) {
    if (!IsWindowVisible(window))
        return TRUE;
    wchar_t title[1024] = {};
    GetWindowTextW(window, title, 1024);
    print(title);
    print(L"\n");
    EnumChildWindows(window, printControl, 0);
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"clipboard")
        return clipboard();
    if (command == L"shortcut" && argc > 2)
        return shortcut(argv[2]);
    if (command == L"modules" && argc > 2)
        return modules(argv[2]);
    if (command == L"windows")
        return EnumWindows(printWindow, 0) ? 0 : 1;
    std::fputs(
        "usage: windows_probe clipboard | shortcut <file.lnk> | modules <program.exe> | windows\n",
        stderr);
    return 64;
}
