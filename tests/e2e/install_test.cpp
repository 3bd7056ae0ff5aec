// The installed program: `cmake --install` into a private DESTDIR, the desktop files checked by
// the desktop's own validators, the Debian package built and opened, and the program started
// from its menu entry's command through the link in bin/.

#include "desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QString kAppId = QStringLiteral("example.quillmark.OstrelinCalculator");

struct Ran {
    int exitCode = -1;
    QString output; // standard output and error together
};

Ran runTool(const QString& program, const QStringList& args,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return {-1, program + QStringLiteral(" could not be started")};
    process.waitForFinished(240000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

// Installs the build once into a private DESTDIR under the prefix /usr.
class Installed : public testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = new QTemporaryDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), root_->path());
        const Ran install =
            runTool(QStringLiteral("cmake"),
                    {QStringLiteral("--install"), QStringLiteral(OSTRELIN_BUILD_DIR),
                     QStringLiteral("--prefix"), QStringLiteral("/usr")},
                    env);
        installLog_ = new QString(install.output);
        installed_ = install.exitCode == 0;
    }
    static void TearDownTestSuite() {
        delete root_;
        delete installLog_;
    }
    void SetUp() override { ASSERT_TRUE(installed_) << installLog_->toStdString(); }

    static QString path(const QString& relative) { return root_->filePath(relative); }

    static QTemporaryDir* root_;
    static QString* installLog_;
    static bool installed_;
};

QTemporaryDir* Installed::root_ = nullptr;
QString* Installed::installLog_ = nullptr;
bool Installed::installed_ = false;

// Every file a user's system gets, as the package and `cmake --install` lay them out.
QStringList expectedFiles() {
    QStringList files{
        QStringLiteral("usr/lib/ostrelin-calculator/ostrelin-calculator"),
        QStringLiteral("usr/lib/ostrelin-calculator/HAND-M.CUR"),
        QStringLiteral("usr/share/applications/%1.desktop").arg(kAppId),
        QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(kAppId),
        QStringLiteral("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId),
        QStringLiteral("usr/share/man/man1/ostrelin-calculator.1.gz"),
        QStringLiteral("usr/share/ostrelin-calculator/skins/slate.cjs"),
        QStringLiteral("usr/share/ostrelin-calculator/skins/meadow.cjs"),
        QStringLiteral("usr/share/doc/ostrelin-calculator/copyright"),
        QStringLiteral("usr/share/doc/ostrelin-calculator/changelog.gz"),
    };
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        files << QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
    return files;
}

TEST_F(Installed, LaysOutTheProgramBesideItsOptionalFilesWithALinkInBin) {
    for (const QString& file : expectedFiles())
        EXPECT_TRUE(QFileInfo(path(file)).isFile()) << file.toStdString();
    const QFileInfo link(path(QStringLiteral("usr/bin/ostrelin-calculator")));
    ASSERT_TRUE(link.isSymLink());
    // A relative link, so that the tree works wherever it is unpacked.
    EXPECT_EQ(link.symLinkTarget(),
              path(QStringLiteral("usr/lib/ostrelin-calculator/ostrelin-calculator")));
    EXPECT_EQ(QFile::symLinkTarget(link.filePath()), link.symLinkTarget());
    EXPECT_TRUE(QFileInfo(link.canonicalFilePath()).isExecutable());
    // Nothing but the link lies in bin/.
    EXPECT_EQ(
        QDir(path(QStringLiteral("usr/bin"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList{QStringLiteral("ostrelin-calculator")});
}

TEST_F(Installed, TheDesktopEntryAndMetainfoPassTheirValidators) {
    const Ran entry =
        runTool(QStringLiteral("desktop-file-validate"),
                {path(QStringLiteral("usr/share/applications/%1.desktop").arg(kAppId))});
    EXPECT_EQ(entry.exitCode, 0);
    EXPECT_TRUE(entry.output.trimmed().isEmpty()) << entry.output.toStdString();
    const Ran meta =
        runTool(QStringLiteral("appstreamcli"),
                {QStringLiteral("validate"), QStringLiteral("--no-net"),
                 path(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(kAppId))});
    EXPECT_EQ(meta.exitCode, 0) << meta.output.toStdString();
    EXPECT_FALSE(meta.output.contains(
        QRegularExpression(QStringLiteral("^[EW]:"), QRegularExpression::MultilineOption)))
        << meta.output.toStdString();
    // The metainfo carries the project's version.
    QFile metainfo(path(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(kAppId)));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(metainfo.readAll().contains("<release version=\"" OSTRELIN_VERSION "\""));
}

TEST_F(Installed, TheDebianPackageHoldsTheSameTreeAndPassesLintian) {
    QTemporaryDir out;
    const Ran cpack =
        runTool(QStringLiteral("cpack"), {QStringLiteral("--config"),
                                          QStringLiteral(OSTRELIN_BUILD_DIR "/CPackConfig.cmake"),
                                          QStringLiteral("-B"), out.path()});
    ASSERT_EQ(cpack.exitCode, 0) << cpack.output.toStdString();
    const QString deb =
        out.filePath(QStringLiteral("ostrelin-calculator_" OSTRELIN_VERSION "_amd64.deb"));
    ASSERT_TRUE(QFileInfo::exists(deb)) << cpack.output.toStdString();

    const Ran contents = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb});
    ASSERT_EQ(contents.exitCode, 0);
    for (const QString& file : expectedFiles())
        EXPECT_TRUE(contents.output.contains(QStringLiteral(" ./") + file + QLatin1Char('\n')))
            << file.toStdString();
    EXPECT_TRUE(contents.output.contains(QStringLiteral(
        "./usr/bin/ostrelin-calculator -> ../lib/ostrelin-calculator/ostrelin-calculator")));

    const Ran control = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb});
    EXPECT_TRUE(control.output.contains(QStringLiteral("\nSection: utils\n")));
    EXPECT_TRUE(control.output.contains(QStringLiteral("\nVersion: " OSTRELIN_VERSION "\n")));
    EXPECT_TRUE(
        control.output.contains(QRegularExpression(QStringLiteral("Depends:.*libqt6widgets6"))))
        << control.output.toStdString();

    const Ran lintian = runTool(QStringLiteral("lintian"), {deb});
    EXPECT_FALSE(lintian.output.contains(
        QRegularExpression(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption)))
        << lintian.output.toStdString();
}

// The program started as the menu starts it: the entry's Exec line, found on the PATH.
class StartedFromTheMenu : public Installed {
protected:
    bool start(Desktop& desktop) {
        QSettings entry(path(QStringLiteral("usr/share/applications/%1.desktop").arg(kAppId)),
                        QSettings::IniFormat);
        const QString exec = entry.value(QStringLiteral("Desktop Entry/Exec")).toString();
        QProcessEnvironment env = desktop.environment();
        env.insert(QStringLiteral("PATH"),
                   path(QStringLiteral("usr/bin")) + QLatin1Char(':') + env.value("PATH"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program_.setProcessEnvironment(env);
        program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program_.setStandardOutputFile(QProcess::nullDevice());
        program_.start(QStringLiteral("/bin/sh"),
                       {QStringLiteral("-c"), QStringLiteral("exec ") + exec});
        if (!program_.waitForStarted(5000))
            return false;
        const auto w = desktop.findWindow(QStringLiteral("^Ostrelin Calculator$"), 60s);
        if (!w)
            return false;
        window_ = *w;
        return true;
    }
    void TearDown() override {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
    }
    QProcess program_;
    QString window_;
};

TEST_F(StartedFromTheMenu, FindsItsFolderThroughTheLinkAndEndsWhenClosed) {
    Desktop desktop;
    ASSERT_TRUE(desktop.isRunning());
    ASSERT_TRUE(start(desktop)) << "the window did not appear";
    // The window class ties the window to the entry's StartupWMClass.
    QSettings entry(path(QStringLiteral("usr/share/applications/%1.desktop").arg(kAppId)),
                    QSettings::IniFormat);
    const QString wmClass = entry.value(QStringLiteral("Desktop Entry/StartupWMClass")).toString();
    const auto cls = desktop.run(QStringLiteral("xprop"),
                                 {QStringLiteral("-id"), window_, QStringLiteral("WM_CLASS")});
    ASSERT_TRUE(cls);
    EXPECT_TRUE(cls->contains(QStringLiteral(", \"%1\"").arg(wmClass))) << cls->toStdString();

    // The hand pointer of HAND-M.CUR, found beside the program file, shows over a button.
    const auto origin = desktop.position(window_);
    ASSERT_TRUE(origin);
    desktop.xdotool({"mousemove", "--sync", QString::number(origin->first + 268),
                     QString::number(origin->second + 481)});
    desktop.xdotool({"mousemove_relative", "--sync", "2", "1"});
    QThread::msleep(200);
    const auto pointer = desktop.pointer();
    ASSERT_TRUE(pointer);
    EXPECT_EQ(pointer->width, 32);
    EXPECT_EQ(pointer->hotX, 6);
    EXPECT_EQ(pointer->hotY, 0);

    ASSERT_TRUE(desktop.requestClose(window_));
    ASSERT_TRUE(program_.waitForFinished(10000));
    EXPECT_EQ(program_.exitCode(), 0);
}

TEST_F(StartedFromTheMenu, TakesASkinPutBesideTheProgramFile) {
    const QString skin = path(QStringLiteral("usr/lib/ostrelin-calculator/x/o.cjs"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(skin).path()));
    ASSERT_TRUE(
        QFile::copy(path(QStringLiteral("usr/share/ostrelin-calculator/skins/slate.cjs")), skin));
    Desktop desktop;
    ASSERT_TRUE(desktop.isRunning());
    const bool up = start(desktop);
    QFile::remove(skin);
    ASSERT_TRUE(up) << "the window did not appear";
    QThread::msleep(300);
    // Unskinned, the window's background is white; the skin gives it another colour.
    const auto origin = desktop.position(window_);
    ASSERT_TRUE(origin);
    const QImage shot = desktop.screenshot();
    ASSERT_FALSE(shot.isNull());
    EXPECT_NE(shot.pixel(origin->first + 531, origin->second + 300), qRgb(255, 255, 255));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
