// What counts as an ordinary file, the skin file's test: a regular file that is not hidden, by
// each system's own rule of hiding.

#include "file_checks.h"
#include "hide_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

enum class Make { File, HiddenFile, SystemFile, DotFile, ListedInDotHidden, Folder, Nothing };

void make(const QString& path, Make what) {
    if (what == Make::Nothing)
        return;
    if (what == Make::Folder) {
        QDir().mkpath(path);
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("QWidget { color: black; }");
    file.close();
    if (what == Make::HiddenFile)
        hideFile(path);
#ifdef _WIN32
    if (what == Make::SystemFile)
        SetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                           FILE_ATTRIBUTE_SYSTEM);
#endif
    if (what == Make::ListedInDotHidden) {
        QFile list(QFileInfo(path).absolutePath() + QStringLiteral("/.hidden"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write(QFileInfo(path).fileName().toUtf8() + '\n');
    }
}

TEST(FileChecks, OrdinaryFileByTheSystemsRule) {
    struct Case {
        const char* name;
        const char* file;
        Make what;
        bool ordinary;
    };
    const bool windows = QDir::separator() == QLatin1Char('\\');
    const Case cases[] = {
        {"plain_file", "o.cjs", Make::File, true},
        {"hidden_by_the_system", "o.cjs", Make::HiddenFile, false},
        {"folder", "o.cjs", Make::Folder, false},
        {"missing", "o.cjs", Make::Nothing, false},
        // Linux hides a name that starts with a dot or is listed in ".hidden"; Windows hides by
        // the hidden and system attributes instead. (Wine gives a name that starts with a dot
        // the hidden attribute, so that row is Linux's alone.)
        {"dot_name", ".o.cjs", Make::DotFile, false},
        {"listed_in_dot_hidden", "o.cjs", Make::ListedInDotHidden, windows},
        {"system_attribute", "o.cjs", Make::SystemFile, !windows},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QString::fromLatin1(c.file));
        make(path, c.what);
        EXPECT_EQ(FileChecks::isOrdinaryFile(path), c.ordinary);
    }
}

TEST(FileChecks, ProgramRelativeNamesWithBackslashes) {
    EXPECT_EQ(FileChecks::resolveRelative(QStringLiteral("/opt/app"), QStringLiteral("\\x\\o.cjs")),
              QStringLiteral("/opt/app/x/o.cjs"));
    EXPECT_EQ(FileChecks::resolveRelative(QStringLiteral("C:/Program Files/Ostrelin Calculator"),
                                          QStringLiteral("\\HAND-M.CUR")),
              QStringLiteral("C:/Program Files/Ostrelin Calculator/HAND-M.CUR"));
#ifdef _WIN32
    // Windows writes its folders with backslashes too.
    EXPECT_EQ(FileChecks::resolveRelative(QStringLiteral("C:\\Program Files\\Ostrelin Calculator"),
                                          QStringLiteral("\\x\\o.cjs")),
              QStringLiteral("C:/Program Files/Ostrelin Calculator/x/o.cjs"));
#endif
}

} // namespace
