// What counts as an ordinary file, the skin file's test: a regular file that is not hidden, by
// the system's own rule of hiding (hide_file_*.cpp). Each system's own rows stand in
// file_checks_posix_test.cpp and file_checks_windows_test.cpp.

#include "file_checks.h"
#include "hide_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

enum class Make { File, HiddenFile, Folder, Nothing };

TEST(FileChecks, OrdinaryFileByTheSystemsRule) {
    struct Case {
        const char* name;
        Make what;
        bool ordinary;
    };
    const Case cases[] = {
        {"plain_file", Make::File, true},
        {"hidden_by_the_system", Make::HiddenFile, false},
        {"folder", Make::Folder, false},
        {"missing", Make::Nothing, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("o.cjs"));
        if (c.what == Make::Folder)
            QDir().mkpath(path);
        if (c.what == Make::File || c.what == Make::HiddenFile) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("QWidget { color: black; }");
        }
        if (c.what == Make::HiddenFile)
            hideFile(path);
        EXPECT_EQ(FileChecks::isOrdinaryFile(path), c.ordinary);
    }
}

TEST(FileChecks, ProgramRelativeNamesWithBackslashes) {
    EXPECT_EQ(FileChecks::resolveRelative(QStringLiteral("/opt/app"), QStringLiteral("\\x\\o.cjs")),
              QStringLiteral("/opt/app/x/o.cjs"));
    EXPECT_EQ(FileChecks::resolveRelative(QStringLiteral("C:/Program Files/Ostrelin Calculator"),
                                          QStringLiteral("\\HAND-M.CUR")),
              QStringLiteral("C:/Program Files/Ostrelin Calculator/HAND-M.CUR"));
}

} // namespace
