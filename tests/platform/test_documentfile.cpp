// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// What the details pane says instead of showing a local file it cannot read.
#include "platform/documentfile.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

using Voruvar::Platform::DocumentFile;
using Voruvar::Testing::NotAFile;
Q_DECLARE_METATYPE(NotAFile)

namespace {

// nobody: whom a test running as root checks as, since root may read anything.
constexpr uid_t ordinaryUser = 65534;

QString systemMessage(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

class TestDocumentFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readableFile_isShown()
    {
        QTemporaryDir dir;
        const QString path = Voruvar::Testing::writeTestFile(dir.filePath(QStringLiteral("TX.DOX")), "<p>x</p>");
        QCOMPARE(DocumentFile::whyNotShown(path), std::nullopt);
    }

    void notAFile_eachHasItsReason_data()
    {
        QTest::addColumn<NotAFile>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << NotAFile::Folder << QStringLiteral("is a folder, not a document");
        QTest::newRow("pipe") << NotAFile::Pipe << QStringLiteral("is not a document file");
        QTest::newRow("link to /dev/zero") << NotAFile::LinkToDevZero << QStringLiteral("is not a document file");
        QTest::newRow("link to itself") << NotAFile::LinkToItself << systemMessage(ELOOP);
        QTest::newRow("dangling link") << NotAFile::DanglingLink << QStringLiteral("does not exist");
    }
    void notAFile_eachHasItsReason()
    {
        QFETCH(NotAFile, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("AP.DOX"));
        QVERIFY(Voruvar::Testing::makeNotAFile(path, kind));
        const std::optional<QString> why = DocumentFile::whyNotShown(path);
        QVERIFY(why);
        QVERIFY2(why->contains(path) && why->contains(reason), qPrintable(*why));
    }

    // A document in a folder its user may not enter is there but cannot be read; one that is
    // there but not readable to its user is the same. Checked as an ordinary user.
    void unreadableFolderOrFile_cannotBeRead_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");
        QTest::newRow("folder without any access") << 0000 << 0644;
        QTest::newRow("folder that may be listed but not entered") << 0644 << 0644;
        QTest::newRow("file not readable") << 0755 << 0200;
    }
    void unreadableFolderOrFile_cannotBeRead()
    {
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("documents")));
        const QString folder = dir.filePath(QStringLiteral("documents"));
        const QString path = Voruvar::Testing::writeTestFile(folder + QStringLiteral("/CN.DOX"), "<p>x</p>");
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(fileMode)), 0);
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)), 0);
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);

        const pid_t child = ::fork();
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(ordinaryUser) != 0 || ::setuid(ordinaryUser) != 0))
                ::_exit(3);
            const std::optional<QString> why = DocumentFile::whyNotShown(path);
            ::_exit(why && why->contains(path) && why->contains(u"cannot be read") &&
                            why->contains(systemMessage(EACCES))
                        ? 0
                        : 1);
        }
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
};

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "test_documentfile.moc"
