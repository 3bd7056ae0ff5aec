// Rules of the Windows program: the command line that opens the home page, and the icon and
// version that the program file carries. Built for Windows only.

#include "message_presenter.h"
#include "push_button.h"
#include "url_opener.h"
#include "url_opener_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QStringList>
#include <QStyle>
#include <QTimer>

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

TEST(WindowsRules, ExplorerOpensTheAddressInQuotesMinimisedWithTheFocus) {
    EXPECT_EQ(explorerCommandLine(QStringLiteral("http://www.quillmark.example/")),
              QStringLiteral("explorer \"http://www.quillmark.example/\""));
    EXPECT_EQ(kExplorerShowWindow, SW_SHOWMINIMIZED);
    // An address that would end the quoted argument early is not run.
    DesktopUrlOpener opener;
    EXPECT_FALSE(opener.open(QStringLiteral("http://a.example/\" & calc")));
    EXPECT_FALSE(opener.open(QString()));
}

// What the design leaves to the system has the Windows look: message boxes, their buttons, and
// the faces of the push buttons. The rest keeps the program's style.
TEST(WindowsRules, ButtonFacesAndMessageBoxesHaveTheSystemsLook) {
    const QString system = QStringLiteral("windowsvista");
    PushButton button(QStringLiteral("Help"));
    EXPECT_EQ(button.style()->name(), system);
    QLineEdit box;
    EXPECT_NE(box.style()->name(), system);

    QStringList shown; // the styles of the message box and of its buttons
    QTimer::singleShot(0, [&] {
        QWidget* message = QApplication::activeModalWidget();
        if (!message)
            return;
        shown << message->style()->name();
        for (const QAbstractButton* b : message->findChildren<QAbstractButton*>())
            shown << b->style()->name();
        message->close();
    });
    QtMessagePresenter presenter;
    presenter.show(Message{QStringLiteral("Ostrelin"), QStringLiteral("Questions?")});
    ASSERT_GE(shown.size(), 2);
    for (const QString& name : shown)
        EXPECT_EQ(name, system);
}

std::wstring programFile() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() +
                                    QStringLiteral("/ostrelin-calculator.exe"))
        .toStdWString();
}

QString versionString(const std::vector<char>& info, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0)
        return {};
    return QString::fromWCharArray(static_cast<const wchar_t*>(value), length - 1);
}

TEST(WindowsRules, TheProgramFileCarriesItsVersion) {
    const std::wstring file = programFile();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(file.c_str(), 0, size, info.data()));
    EXPECT_EQ(versionString(info, L"ProductName"), QStringLiteral("Ostrelin Calculator"));
    EXPECT_EQ(versionString(info, L"FileDescription"), QStringLiteral("Ostrelin Calculator"));
    EXPECT_EQ(versionString(info, L"ProductVersion"), QStringLiteral(OSTRELIN_VERSION));
    EXPECT_TRUE(versionString(info, L"LegalCopyright").contains(QStringLiteral("Team Quillmark")));
    // The binary fields carry the same version, each part in its place, a missing patch as 0.
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    QStringList parts = QStringLiteral(OSTRELIN_VERSION).split(QLatin1Char('.'));
    while (parts.size() < 4)
        parts << QStringLiteral("0");
    const DWORD high = (parts[0].toUInt() << 16) | parts[1].toUInt();
    const DWORD low = (parts[2].toUInt() << 16) | parts[3].toUInt();
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
}

// The application manifest: run as the user who starts it, made for Windows 10 and 11, and
// aware of each monitor's scale as Qt makes the process at start-up.
TEST(WindowsRules, TheProgramFileCarriesItsManifest) {
    HMODULE program = LoadLibraryExW(programFile().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(program, found)));
    const QString manifest =
        QString::fromUtf8(data, static_cast<qsizetype>(SizeofResource(program, found)));
    FreeLibrary(program);
    EXPECT_TRUE(manifest.contains(QStringLiteral("level=\"asInvoker\"")));
    EXPECT_TRUE(manifest.contains(QStringLiteral("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")));
    EXPECT_TRUE(manifest.contains(QStringLiteral(">PerMonitorV2</dpiAwareness>")));
    EXPECT_TRUE(manifest.contains(QStringLiteral(">true/pm</dpiAware>")));
}

// A GUI program: Windows opens no console window for it.
TEST(WindowsRules, TheProgramFileIsAGuiProgram) {
    HMODULE program = LoadLibraryExW(programFile().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    // A module loaded as data is mapped at its handle with the low bits set.
    const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(program) & ~3ull);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    FreeLibrary(program);
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(WindowsRules, TheProgramFileCarriesItsIconInSevenSizes) {
    HMODULE program = LoadLibraryExW(programFile().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    std::vector<int> sizes;
    EnumResourceNamesW(
        program, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */,
        [](HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR out) -> BOOL {
            HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(14));
            const auto* group = static_cast<const WORD*>(LockResource(LoadResource(module, found)));
            const auto* entries = reinterpret_cast<const IconGroupEntry*>(group + 3);
            for (WORD i = 0; i < group[2]; ++i)
                reinterpret_cast<std::vector<int>*>(out)->push_back(
                    entries[i].width == 0 ? 256 : entries[i].width);
            return FALSE; // the first group is the program's icon
        },
        reinterpret_cast<LONG_PTR>(&sizes));
    FreeLibrary(program);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
}

} // namespace
