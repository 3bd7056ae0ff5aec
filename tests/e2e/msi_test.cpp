// The Windows installer and the portable zip, used as a Windows user and administrator would:
// the package installed and removed silently with msiexec in a Wine prefix of the suite's own,
// the installed program started from its folder, a newer package installed over it, and the zip
// unpacked into a fresh folder. msiinfo reads the package's tables without installing it.

#include "desktop.h"
#include "window_points.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace std::chrono_literals;

namespace {

const QString kBuild = QStringLiteral(OSTRELIN_WINDOWS_BUILD);
const QString kVersion = QStringLiteral(OSTRELIN_VERSION);
const QString kNewerVersion = QStringLiteral(OSTRELIN_NEWER_VERSION);
const QString kPrefix = QStringLiteral(OSTRELIN_WINE_PREFIX);
const QString kUpgradeCode = QStringLiteral("86e2744d-5b25-4e30-a841-7a8667eb1d40");

const QString kPackage = kBuild + QStringLiteral("/ostrelin-calculator-%1-x64.msi").arg(kVersion);
const QString kNewerPackage =
    kBuild + QStringLiteral("/upgrade-test/ostrelin-calculator-%1-x64.msi").arg(kNewerVersion);
// The package of this version built a second time.
const QString kRebuiltPackage =
    kBuild + QStringLiteral("/upgrade-test/rebuilt/ostrelin-calculator-%1-x64.msi").arg(kVersion);
const QString kZip = kBuild + QStringLiteral("/ostrelin-calculator-%1-x64.zip").arg(kVersion);

const QString kProgramFolder =
    kPrefix + QStringLiteral("/drive_c/Program Files/Ostrelin Calculator");
const QString kInstalledProgram =
    QStringLiteral("C:\\Program Files\\Ostrelin Calculator\\ostrelin-calculator.exe");

// Every file of the installed folder, and of the portable one: the program, the libraries it
// loads, its hand pointer and the sample skins; nothing else.
const QStringList kFolderFiles{
    QStringLiteral("HAND-M.CUR"),
    QStringLiteral("Qt6Core.dll"),
    QStringLiteral("Qt6Gui.dll"),
    QStringLiteral("Qt6Widgets.dll"),
    QStringLiteral("imageformats/qico.dll"),
    QStringLiteral("libgcc_s_seh-1.dll"),
    QStringLiteral("libstdc++-6.dll"),
    QStringLiteral("libwinpthread-1.dll"),
    QStringLiteral("ostrelin-calculator.exe"),
    QStringLiteral("platforms/qwindows.dll"),
    QStringLiteral("skins/meadow.cjs"),
    QStringLiteral("skins/slate.cjs"),
    QStringLiteral("styles/qwindowsvistastyle.dll"),
};

struct Ran {
    int exitCode = -1;
    QString output; // standard output and error together
};

Ran runTool(const QString& program, const QStringList& args, const QProcessEnvironment& env,
            const QString& folder = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return {-1, program + QStringLiteral(" could not be started")};
    if (!process.waitForFinished(240000)) {
        process.kill();
        process.waitForFinished();
        return {-1, program + QStringLiteral(" did not finish")};
    }
    // Line ends as this machine writes them: msiinfo's tables and Wine's tools end lines in CR LF.
    return {
        process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAll()).replace(QLatin1String("\r\n"), QLatin1String("\n"))};
}

// The files under a folder, relative to it, with forward slashes, sorted.
QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// A value of the registry as `reg query /s` prints it: key -> value name -> data.
using Registry = std::map<QString, std::map<QString, QString>>;

Registry parseRegistry(const QString& printed) {
    Registry keys;
    QString key;
    static const QRegularExpression value(QStringLiteral("^    (.*?)    REG_\\w+    (.*)$"));
    for (const QString& line : printed.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("HKEY_")))
            key = line.trimmed();
        else if (const auto m = value.match(line); m.hasMatch() && !key.isEmpty())
            keys[key][m.captured(1)] = m.captured(2).trimmed();
    }
    return keys;
}

// A Windows path of the prefix's drive C as a path of this machine.
QString hostPath(const QString& windowsPath) {
    QString rest = windowsPath.mid(3);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return kPrefix + QStringLiteral("/drive_c/") + rest;
}

// The suite's own Wine prefix, made at the first use; ctest starts each run with a fresh one.
class WindowsInstaller : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QFileInfo::exists(kPrefix + QStringLiteral("/system.reg")))
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WINEPREFIX"), kPrefix);
        env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        env.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("winemenubuilder.exe="));
        env.remove(QStringLiteral("DISPLAY"));
        runTool(QStringLiteral("wineboot"), {QStringLiteral("-i")}, env);
        // Wine's prefix says Windows 7 unless told otherwise; the package needs Windows 10.
        setWindowsVersion(env, QStringLiteral("win10"));
    }

    static void setWindowsVersion(const QProcessEnvironment& env, const QString& version) {
        runTool(QStringLiteral("wine"), {QStringLiteral("winecfg"), QStringLiteral("-v"), version},
                env);
        runTool(QStringLiteral("wineserver"), {QStringLiteral("-w")}, env);
    }

    void SetUp() override {
        ASSERT_TRUE(desktop.isRunning()) << "Xvfb could not be started";
        ASSERT_TRUE(QFileInfo::exists(kPrefix + QStringLiteral("/system.reg")))
            << "the Wine prefix could not be made";
        removeAll();
    }
    void TearDown() override {
        stopProgram();
        QDir(kProgramFolder + QStringLiteral("/x")).removeRecursively();
        removeAll();
    }

    // The prefix's Windows, with nothing on the path but its own folders.
    QProcessEnvironment environment() const {
        QProcessEnvironment env = desktop.environment();
        env.insert(QStringLiteral("WINEPREFIX"), kPrefix);
        env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        env.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("winemenubuilder.exe="));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        env.remove(QStringLiteral("WINEPATH"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }
    Ran wine(const QStringList& args, const QString& folder = {}) const {
        return runTool(QStringLiteral("wine"), args, environment(), folder);
    }
    Ran msiexec(const QString& option, const QString& package) const {
        return wine({QStringLiteral("msiexec"), option, package, QStringLiteral("/qn")});
    }
    void removeAll() const {
        for (const QString& package : {kNewerPackage, kPackage, kRebuiltPackage})
            msiexec(QStringLiteral("/x"), package);
    }
    QString probe(const QStringList& args) const {
        return wine(QStringList{kBuild + QStringLiteral("/windows_probe.exe")} + args).output;
    }

    // The installed applications' entries of this program.
    std::vector<std::map<QString, QString>> entries() const {
        std::vector<std::map<QString, QString>> found;
        const Ran query =
            wine({QStringLiteral("reg"), QStringLiteral("query"),
                  QStringLiteral("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"),
                  QStringLiteral("/s")});
        for (const auto& [key, values] : parseRegistry(query.output))
            if (values.count(QStringLiteral("DisplayName")) &&
                values.at(QStringLiteral("DisplayName")) == QLatin1String("Ostrelin Calculator"))
                found.push_back(values);
        return found;
    }
    // The product's icon as Windows Installer keeps it for the installed applications.
    QStringList productIcons() const {
        QStringList icons;
        const Ran query = wine({QStringLiteral("reg"), QStringLiteral("query"),
                                QStringLiteral("HKLM\\Software\\Classes\\Installer\\Products"),
                                QStringLiteral("/s")});
        for (const auto& [key, values] : parseRegistry(query.output))
            if (values.count(QStringLiteral("ProductIcon")))
                icons << values.at(QStringLiteral("ProductIcon"));
        return icons;
    }
    // Every Start-menu shortcut to this program in the prefix, the user's and all users'.
    static QStringList shortcuts() {
        QStringList found;
        QDirIterator it(kPrefix + QStringLiteral("/drive_c"),
                        {QStringLiteral("Ostrelin Calculator.lnk")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        return found;
    }

    // Starts a program file (a Windows path, or this machine's) from a folder other than its
    // own, and waits for its window.
    bool startProgram(const QString& file) {
        program.setProcessEnvironment(environment());
        program.setWorkingDirectory(elsewhere.path());
        program.setStandardOutputFile(QProcess::nullDevice());
        program.setStandardErrorFile(QProcess::nullDevice());
        program.start(QStringLiteral("wine"), {file});
        if (!program.waitForStarted(10000))
            return false;
        const auto w = desktop.findWindow(QStringLiteral("^Ostrelin Calculator$"), 120s);
        if (!w)
            return false;
        window = *w;
        QThread::msleep(500);
        return true;
    }
    void stopProgram() {
        if (program.state() == QProcess::NotRunning)
            return;
        desktop.requestClose(window);
        if (!program.waitForFinished(15000)) {
            program.kill();
            program.waitForFinished();
        }
    }
    // The libraries the running program loaded from its own folder, relative to it; every other
    // module must be Windows' own.
    QStringList librariesLoadedFrom(const QString& windowsFolder, QStringList* foreign) const {
        QStringList own;
        const QString modules =
            probe({QStringLiteral("modules"), QStringLiteral("ostrelin-calculator.exe")});
        for (QString module : modules.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            module = module.trimmed();
            if (module.startsWith(windowsFolder, Qt::CaseInsensitive))
                own << module.mid(windowsFolder.size())
                           .replace(QLatin1Char('\\'), QLatin1Char('/'));
            else if (!module.startsWith(QLatin1String("C:\\windows\\"), Qt::CaseInsensitive))
                *foreign << module;
        }
        own.removeDuplicates();
        own.sort();
        return own;
    }

    Desktop desktop;
    QProcess program;
    QString window;
    QTemporaryDir elsewhere;
};

QStringList libraries() {
    QStringList dlls = kFolderFiles.filter(QRegularExpression(QStringLiteral("\\.dll$")));
    dlls << QStringLiteral("ostrelin-calculator.exe");
    dlls.sort();
    return dlls;
}

TEST(WindowsPackage, TablesNameTheProductItsShortcutAndItsUpgrades) {
    struct Case {
        QStringList args;
        QString expected; // a pattern one line must match
    };
    const QString p = kPackage;
    const QStringList suminfo{QStringLiteral("suminfo"), p};
    const auto table = [&](const char* name) {
        return QStringList{QStringLiteral("export"), p, QString::fromLatin1(name)};
    };
    const QString upgradeCode = QRegularExpression::escape(kUpgradeCode);
    const std::vector<Case> cases{
        {suminfo, QStringLiteral("^Subject: Ostrelin Calculator %1 installer$").arg(kVersion)},
        {suminfo, QStringLiteral("^Author: Team Quillmark$")},
        {suminfo, QStringLiteral("^Template: x64;1033$")},
        {table("Property"), QStringLiteral("^ProductName\tOstrelin Calculator$")},
        {table("Property"), QStringLiteral("^ProductVersion\t%1$").arg(kVersion)},
        {table("Property"), QStringLiteral("^Manufacturer\tTeam Quillmark$")},
        {table("Property"), QStringLiteral("^ALLUSERS\t1$")},
        {table("Property"), QStringLiteral("^UpgradeCode\t\\{%1\\}$").arg(upgradeCode)},
        {table("Property"), QStringLiteral("^ARPHELPLINK\thttp://www.quillmark.example/contact/$")},
        {table("Property"), QStringLiteral("^ARPPRODUCTICON\tAppIcon.ico$")},
        {table("Directory"),
         QStringLiteral("^INSTALLDIR\tProgramFiles64Folder\tOstrelin Calculator$")},
        {table("Shortcut"),
         QStringLiteral(
             "^StartMenu\tProgramMenuFolder\tOstrelin Calculator\tProgram\t\\[#Program\\]\t"
             "\tTells the difference between two calendar dates\t\tAppIcon.ico\t")},
        // Newer packages replace this one; an older one finds this one and is refused.
        {table("Upgrade"), QStringLiteral("^\\{%1\\}\t\t%2\t\t1\t\tWIX_UPGRADE_DETECTED$")
                               .arg(upgradeCode, kVersion)},
        {table("Upgrade"), QStringLiteral("^\\{%1\\}\t%2\t\t\t2\t\tWIX_DOWNGRADE_DETECTED$")
                               .arg(upgradeCode, kVersion)},
        {table("LaunchCondition"),
         QStringLiteral("^NOT WIX_DOWNGRADE_DETECTED\tA newer version of Ostrelin Calculator is "
                        "already installed.$")},
        // Windows 10, version 1809, or later, by the build number Windows keeps.
        {table("LaunchCondition"),
         QStringLiteral("^Installed OR WINDOWSBUILD >= 17763\tOstrelin Calculator needs "
                        "Windows 10, version 1809, or later.$")},
        {table("RegLocator"), QStringLiteral("^WindowsBuild\t2\tSOFTWARE\\\\Microsoft\\\\Windows "
                                             "NT\\\\CurrentVersion\tCurrentBuildNumber\t18$")},
        // The installed applications' entry names the folder.
        {table("CustomAction"),
         QStringLiteral("^SetInstallLocation\t\\d+\tARPINSTALLLOCATION\t\\[INSTALLDIR\\]")},
    };
    for (const Case& c : cases) {
        const Ran info =
            runTool(QStringLiteral("msiinfo"), c.args, QProcessEnvironment::systemEnvironment());
        ASSERT_EQ(info.exitCode, 0) << info.output.toStdString();
        const QRegularExpression line(c.expected, QRegularExpression::MultilineOption |
                                                      QRegularExpression::CaseInsensitiveOption);
        EXPECT_TRUE(line.match(info.output).hasMatch())
            << c.args.join(' ').toStdString() << ": no line matches " << c.expected.toStdString();
    }

    // The product code is the version's: the same in a rebuilt package of this version, another
    // in the next version's.
    const auto productCode = [](const QString& package) {
        const Ran info = runTool(QStringLiteral("msiinfo"),
                                 {QStringLiteral("export"), package, QStringLiteral("Property")},
                                 QProcessEnvironment::systemEnvironment());
        static const QRegularExpression code(QStringLiteral("^ProductCode\t(\\{[-0-9A-F]{36}\\})$"),
                                             QRegularExpression::MultilineOption |
                                                 QRegularExpression::CaseInsensitiveOption);
        return code.match(info.output).captured(1);
    };
    EXPECT_FALSE(productCode(kPackage).isEmpty());
    EXPECT_EQ(productCode(kRebuiltPackage), productCode(kPackage));
    EXPECT_NE(productCode(kNewerPackage), productCode(kPackage));

    // The File table names each file of the folder once, in a 64-bit component.
    const Ran files =
        runTool(QStringLiteral("msiinfo"), table("File"), QProcessEnvironment::systemEnvironment());
    const Ran components = runTool(QStringLiteral("msiinfo"), table("Component"),
                                   QProcessEnvironment::systemEnvironment());
    QStringList names, expected;
    for (const QString& row : files.output.split(QLatin1Char('\n')).mid(3, -1))
        if (!row.isEmpty())
            names << row.section(QLatin1Char('\t'), 2, 2);
    for (const QString& file : kFolderFiles)
        expected << QFileInfo(file).fileName();
    names.sort();
    expected.sort();
    EXPECT_EQ(names, expected);
    for (const QString& row : components.output.split(QLatin1Char('\n')).mid(3, -1)) {
        if (!row.isEmpty()) {
            EXPECT_EQ(row.section(QLatin1Char('\t'), 3, 3), QStringLiteral("256"))
                << row.toStdString();
        }
    }
}

TEST_F(WindowsInstaller, InstallsSilentlyAndRemovesEverything) {
    const Ran install = msiexec(QStringLiteral("/i"), kPackage);
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    EXPECT_EQ(filesUnder(kProgramFolder), kFolderFiles);

    const auto installed = entries();
    ASSERT_EQ(installed.size(), 1u);
    const std::vector<std::pair<QString, QString>> expected{
        {QStringLiteral("DisplayVersion"), kVersion},
        {QStringLiteral("Publisher"), QStringLiteral("Team Quillmark")},
        {QStringLiteral("HelpLink"), QStringLiteral("http://www.quillmark.example/contact/")},
        {QStringLiteral("URLInfoAbout"), QStringLiteral("http://www.quillmark.example/")},
        {QStringLiteral("Comments"),
         QStringLiteral("Tells the difference between two calendar dates.")},
        {QStringLiteral("NoModify"), QStringLiteral("0x1")},
        {QStringLiteral("InstallLocation"),
         QStringLiteral("C:\\Program Files\\Ostrelin Calculator\\")},
    };
    for (const auto& [name, value] : expected) {
        ASSERT_TRUE(installed[0].count(name)) << name.toStdString() << " is missing";
        EXPECT_EQ(installed[0].at(name), value) << name.toStdString();
    }
    const QStringList icons = productIcons();
    ASSERT_EQ(icons.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(hostPath(icons[0]))) << icons[0].toStdString();

    const QStringList links = shortcuts();
    ASSERT_EQ(links.size(), 1) << links.join(' ').toStdString();
    const QString linkPath = QStringLiteral("Z:") + QString(links[0]).replace('/', '\\');
    const QStringList link =
        probe({QStringLiteral("shortcut"), linkPath}).split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    ASSERT_GE(link.size(), 4) << link.join('|').toStdString();
    EXPECT_EQ(link[0].trimmed(), kInstalledProgram);
    EXPECT_EQ(link[1].trimmed(), QStringLiteral("C:\\Program Files\\Ostrelin Calculator\\"));
    EXPECT_EQ(link[2].trimmed(), QStringLiteral("Tells the difference between two calendar dates"));
    EXPECT_TRUE(link[3].trimmed().endsWith(QLatin1String("\\AppIcon.ico")))
        << link[3].toStdString();

    const Ran remove = msiexec(QStringLiteral("/x"), kPackage);
    ASSERT_EQ(remove.exitCode, 0) << remove.output.toStdString();
    EXPECT_FALSE(QFileInfo::exists(kProgramFolder));
    EXPECT_EQ(shortcuts(), QStringList());
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(productIcons(), QStringList());
    EXPECT_FALSE(QFileInfo::exists(hostPath(icons[0])));
}

TEST_F(WindowsInstaller, TheInstalledProgramRunsOnItsOwnFilesWithTheHandPointer) {
    ASSERT_EQ(msiexec(QStringLiteral("/i"), kPackage).exitCode, 0);
    ASSERT_TRUE(startProgram(kInstalledProgram)) << "the installed program showed no window";

    QStringList foreign;
    EXPECT_EQ(
        librariesLoadedFrom(QStringLiteral("C:\\Program Files\\Ostrelin Calculator\\"), &foreign),
        libraries());
    EXPECT_EQ(foreign, QStringList()) << "loaded from outside the program and Windows";

    const auto origin = desktop.position(window);
    ASSERT_TRUE(origin);
    const auto pointer =
        desktop.pointerAt(origin->first + kStart.x(), origin->second + kStart.y(), 32);
    ASSERT_TRUE(pointer);
    EXPECT_EQ(pointer->width, 32);
    EXPECT_EQ(pointer->hotX, 6);
    EXPECT_EQ(pointer->hotY, 0);
}

TEST_F(WindowsInstaller, TakesASkinPutBesideTheInstalledProgram) {
    ASSERT_EQ(msiexec(QStringLiteral("/i"), kPackage).exitCode, 0);
    ASSERT_TRUE(QDir().mkpath(kProgramFolder + QStringLiteral("/x")));
    ASSERT_TRUE(QFile::copy(kProgramFolder + QStringLiteral("/skins/slate.cjs"),
                            kProgramFolder + QStringLiteral("/x/o.cjs")));
    ASSERT_TRUE(startProgram(kInstalledProgram)) << "the installed program showed no window";
    const auto origin = desktop.position(window);
    ASSERT_TRUE(origin);
    const QImage shot = desktop.screenshot();
    ASSERT_FALSE(shot.isNull());
    // The slate skin's window background, where the unskinned window is white.
    EXPECT_EQ(QColor(shot.pixel(origin->first + 531, origin->second + 300)), QColor(0xe4e8ee));

    // Removing the program takes its own files and leaves the administrator's skin.
    stopProgram();
    ASSERT_EQ(msiexec(QStringLiteral("/x"), kPackage).exitCode, 0);
    EXPECT_EQ(filesUnder(kProgramFolder), QStringList{QStringLiteral("x/o.cjs")});
}

TEST_F(WindowsInstaller, ANewerVersionReplacesTheOlderAndAnOlderOneIsRefused) {
    ASSERT_EQ(msiexec(QStringLiteral("/i"), kPackage).exitCode, 0);
    const Ran upgrade = msiexec(QStringLiteral("/i"), kNewerPackage);
    ASSERT_EQ(upgrade.exitCode, 0) << upgrade.output.toStdString();
    auto installed = entries();
    ASSERT_EQ(installed.size(), 1u);
    EXPECT_EQ(installed[0][QStringLiteral("DisplayVersion")], kNewerVersion);
    EXPECT_EQ(filesUnder(kProgramFolder), kFolderFiles);
    EXPECT_EQ(shortcuts().size(), 1);

    // The older package, opened as a user opens it, says why it stops.
    QProcess older;
    older.setProcessEnvironment(environment());
    older.setProcessChannelMode(QProcess::MergedChannels);
    older.start(QStringLiteral("wine"),
                {QStringLiteral("msiexec"), QStringLiteral("/i"), kPackage});
    ASSERT_TRUE(older.waitForStarted(10000));
    const auto box = desktop.findWindow(QStringLiteral("^Install Failed$"), 60s);
    ASSERT_TRUE(box) << "no message box; windows: "
                     << desktop.visibleWindowNames().join(' ').toStdString();
    EXPECT_TRUE(probe({QStringLiteral("windows")})
                    .contains(QLatin1String(
                        "\tA newer version of Ostrelin Calculator is already installed.")));
    desktop.requestClose(*box);
    ASSERT_TRUE(older.waitForFinished(60000));
    EXPECT_NE(older.exitCode(), 0);
    installed = entries();
    ASSERT_EQ(installed.size(), 1u);
    EXPECT_EQ(installed[0][QStringLiteral("DisplayVersion")], kNewerVersion);

    ASSERT_EQ(msiexec(QStringLiteral("/x"), kNewerPackage).exitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(kProgramFolder));
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(shortcuts(), QStringList());
}

// The same version built again is the same product: installing it over the first repairs it or
// is refused, and the installed applications keep one entry.
TEST_F(WindowsInstaller, ARebuiltPackageOfTheSameVersionLeavesOneEntry) {
    ASSERT_EQ(msiexec(QStringLiteral("/i"), kPackage).exitCode, 0);
    const Ran again = msiexec(QStringLiteral("/i"), kRebuiltPackage);
    // 0: installed over the first; 1638: another build of this product is installed.
    EXPECT_TRUE(again.exitCode == 0 || again.exitCode == 1638) << again.exitCode;
    const auto installed = entries();
    ASSERT_EQ(installed.size(), 1u);
    EXPECT_EQ(installed[0].at(QStringLiteral("DisplayVersion")), kVersion);
    EXPECT_EQ(filesUnder(kProgramFolder), kFolderFiles);
    ASSERT_EQ(msiexec(QStringLiteral("/x"), kPackage).exitCode, 0);
    EXPECT_TRUE(entries().empty());
}

// A Windows older than Windows 10, version 1809, is refused, and nothing is installed.
TEST_F(WindowsInstaller, AWindowsOlderThanTen1809IsRefused) {
    QProcessEnvironment env = environment();
    env.remove(QStringLiteral("DISPLAY"));
    setWindowsVersion(env, QStringLiteral("win7"));
    const Ran install = msiexec(QStringLiteral("/i"), kPackage);
    setWindowsVersion(env, QStringLiteral("win10"));
    // Windows says 1603, Wine 67: either way the package stops.
    EXPECT_NE(install.exitCode, 0) << install.output.toStdString();
    EXPECT_TRUE(entries().empty());
    EXPECT_FALSE(QFileInfo::exists(kProgramFolder + QStringLiteral("/ostrelin-calculator.exe")));
}

TEST_F(WindowsInstaller, ThePortableZipRunsFromAFreshFolder) {
    QTemporaryDir unpacked;
    ASSERT_EQ(runTool(QStringLiteral("cmake"),
                      {QStringLiteral("-E"), QStringLiteral("tar"), QStringLiteral("xf"), kZip},
                      QProcessEnvironment::systemEnvironment(), unpacked.path())
                  .exitCode,
              0);
    const QString folder = unpacked.filePath(QStringLiteral("Ostrelin Calculator"));
    EXPECT_EQ(filesUnder(folder), kFolderFiles);
    ASSERT_TRUE(startProgram(folder + QStringLiteral("/ostrelin-calculator.exe")))
        << "the unpacked program showed no window";
    QStringList foreign;
    const QString windowsFolder = QStringLiteral("Z:") + QString(folder).replace('/', '\\') + '\\';
    EXPECT_EQ(librariesLoadedFrom(windowsFolder, &foreign), libraries());
    EXPECT_EQ(foreign, QStringList());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
