// Windows' rule of hiding: the hidden or the system attribute. Linux's ".hidden" list means
// nothing here. (Wine gives a name that starts with a dot the hidden attribute, so that rule is
// not tested here.)

#include "file_checks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(FileChecksWindows, TheSystemAttributeHidesAndTheHiddenListDoesNot) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("o.cjs"));
    ASSERT_TRUE(write(path, "QWidget {}"));
    ASSERT_TRUE(write(folder.filePath(QStringLiteral(".hidden")), "o.cjs\n"));
    EXPECT_TRUE(FileChecks::isOrdinaryFile(path));
    ASSERT_TRUE(
        SetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                           FILE_ATTRIBUTE_SYSTEM));
    EXPECT_FALSE(FileChecks::isOrdinaryFile(path));
}

TEST(FileChecksWindows, AProgramFolderWrittenWithBackslashes) {
    EXPECT_EQ(FileChecks::resolveRelative(QStringLiteral("C:\\Program Files\\Ostrelin Calculator"),
                                          QStringLiteral("\\x\\o.cjs")),
              QStringLiteral("C:/Program Files/Ostrelin Calculator/x/o.cjs"));
}

} // namespace
