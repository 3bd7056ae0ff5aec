// Linux's rule of hiding: a name that starts with a dot, or one listed in the ".hidden" file of
// its folder.

#include "file_checks.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(FileChecksPosix, DotNamesAndTheHiddenListHide) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(write(folder.filePath(QStringLiteral(".o.cjs")), "QWidget {}"));
    EXPECT_FALSE(FileChecks::isOrdinaryFile(folder.filePath(QStringLiteral(".o.cjs"))));
    ASSERT_TRUE(write(folder.filePath(QStringLiteral("o.cjs")), "QWidget {}"));
    EXPECT_TRUE(FileChecks::isOrdinaryFile(folder.filePath(QStringLiteral("o.cjs"))));
    ASSERT_TRUE(write(folder.filePath(QStringLiteral(".hidden")), "other.cjs\no.cjs\n"));
    EXPECT_FALSE(FileChecks::isOrdinaryFile(folder.filePath(QStringLiteral("o.cjs"))));
}

} // namespace
