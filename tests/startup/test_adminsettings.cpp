// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

#include "fakeplatform.h"
#include "host/hostlog.h"
#include "startup/adminsettings.h"
#include "startup/adminsettingssave.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Voruvar;
using namespace Voruvar::Testing;
using Startup::AdminChoices;
using Startup::AdminSettings;
Q_DECLARE_METATYPE(Voruvar::Testing::NotAFile)

namespace {

class RecordingHostLog final : public Host::HostLog
{
public:
    void writeHostLog(const QString &message) override { entries.append(message); }
    QStringList entries;
};

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

const QByteArray allTicked("1\r\n1\r\n1\r\n");

// Sets the file's modification time this many seconds into the past.
bool ageFile(const QString &path, int seconds)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-seconds), QFileDevice::FileModificationTime);
}

// The system's own text for an error, in the language the tests run in.
QString systemMessage(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// nobody: the user a test running as root saves as.
constexpr uid_t ordinaryUser = 65534;

// Saves all three switches ticked as an ordinary user (in a child process that gives up root,
// when the test runs as root, since root may write anywhere). Returns 0 when the save wrote the
// file and confirmed it, 1 when it refused with a "Save Failure" box naming the file and the
// reason, and something else otherwise.
int saveAllTickedAsOrdinaryUser(const QString &directory)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(ordinaryUser) != 0 || ::setuid(ordinaryUser) != 0))
            ::_exit(3);
        AdminSettings settings;
        RecordingHostLog log;
        FakeMessagePresenter messages;
        const bool saved = Startup::saveAdminSettings(directory, {true, true, true}, settings, log, messages);
        const Platform::Message box = messages.shown.value(0);
        const bool confirmed = saved && box.title == u"Success" && settings.bytBypassBuiltIns == 1 &&
                               log.entries == QStringList{QStringLiteral("Administrative Options Updated")};
        const bool refused = !saved && box.title == u"Save Failure" && box.icon == Platform::MessageIcon::Error &&
                             box.text.contains(AdminSettings::filePath(directory)) &&
                             (box.text.contains(systemMessage(EACCES)) || box.text.contains(u"not writable")) &&
                             settings == AdminSettings{} && log.entries.isEmpty();
        ::_exit(confirmed ? 0 : refused ? 1 : 2);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class TestAdminSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("maximize");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<int>("printerDialog");
        QTest::addColumn<int>("bypass");
        QTest::newRow("all on") << allTicked << "1" << true << 1 << 1;
        QTest::newRow("blank before the digit") << QByteArray(" 1\r\n0\r\n0\r\n") << " 1" << true << 0 << 0;
        QTest::newRow("1.0") << QByteArray("1.0\r\n1.0\r\n1.0\r\n") << "1.0" << true << 1 << 1;
        QTest::newRow("2") << QByteArray("2\r\n2\r\n2\r\n") << "2" << false << 0 << 0;
        QTest::newRow("letters") << QByteArray("yes\r\non\r\nX\r\n") << "yes" << false << 0 << 0;
        QTest::newRow("empty first line") << QByteArray("\r\n1\r\n1\r\n") << "" << false << 1 << 1;
        QTest::newRow("one line 1") << QByteArray("1") << "1" << true << 0 << 0;
        QTest::newRow("one line 1 with its end") << QByteArray("1\r\n") << "1" << true << 0 << 0;
        QTest::newRow("two lines") << QByteArray("0\r\n1\r\n") << "0" << false << 1 << 0;
        QTest::newRow("no lines") << QByteArray() << "0" << false << 0 << 0;
        QTest::newRow("line feeds only") << QByteArray("1\n0\n1\n") << "1" << true << 0 << 1;
        QTest::newRow("carriage returns only") << QByteArray("0\r1\r1\r") << "0" << false << 1 << 1;
        QTest::newRow("tabs and blanks inside") << QByteArray("\t1 \r\n 1\t\r\n1   \r\n") << "\t1 " << true << 1 << 1;
        QTest::newRow("number then text") << QByteArray("1abc\r\n1;\r\n-1\r\n") << "1abc" << true << 1 << 0;
        QTest::newRow("hexadecimal") << QByteArray("&H1\r\n&H01\r\n&O1\r\n") << "&H1" << true << 1 << 1;
        QTest::newRow("more than three lines") << QByteArray("0\r\n0\r\n1\r\n1\r\n1\r\n") << "0" << false << 0 << 1;
        static const char bytes[] = "\x00\xff\xfe\x01\r\n\x80\x99\x00\r\n\x1b[1m\r\n";
        const QByteArray binary(bytes, sizeof bytes - 1);
        QTest::newRow("binary") << binary << (QString(QChar(0)) + QChar(0xFF) + QChar(0xFE) + QChar(1)) << false << 0
                                << 0;
        QTest::newRow("windows-1252 text kept")
            << QByteArray("\x80 1\r\n") << QString::fromUtf8("€ 1") << false << 0 << 0;
        QTest::newRow("megabytes") << (QByteArray("1\r\n") + QByteArray(5 << 20, 'x') + "\r\n1\r\n") << "1" << true << 0
                                   << 1;
        QTest::newRow("long blank run then 1")
            << (QByteArray(1 << 20, ' ') + "1\r\n") << (QString(1 << 20, u' ') + u'1') << true << 0 << 0;
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, maximize);
        QFETCH(bool, maximized);
        QFETCH(int, printerDialog);
        QFETCH(int, bypass);
        QTemporaryDir dir;
        QVERIFY(writeFile(AdminSettings::filePath(dir.path()), content));
        const AdminSettings settings = AdminSettings::readFrom(dir.path());
        QCOMPARE(settings.strMaximize, maximize);
        QCOMPARE(settings.opensMaximized(), maximized);
        QCOMPARE(int(settings.bytPrinterDialog), printerDialog);
        QCOMPARE(int(settings.bytBypassBuiltIns), bypass);
    }

    void read_noFileOrAFolder_allOff()
    {
        QTemporaryDir dir;
        const AdminSettings none = AdminSettings::readFrom(dir.path());
        QCOMPARE(none.strMaximize, QStringLiteral("0"));
        QVERIFY(!none.opensMaximized());
        QCOMPARE(none.bytPrinterDialog, quint8(0));
        QCOMPARE(none.bytBypassBuiltIns, quint8(0));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DARUD.DCT")));
        QCOMPARE(AdminSettings::readFrom(dir.path()), none);
    }

    void read_pipeInPlaceOfTheFile_noWait()
    {
        QTemporaryDir dir;
        QCOMPARE(::mkfifo(QFile::encodeName(AdminSettings::filePath(dir.path())).constData(), 0600), 0);
        AdminSettings expected;
        expected.strMaximize = QStringLiteral("0");
        QCOMPARE(AdminSettings::readFrom(dir.path()), expected);
    }

    void read_hugeFile_onlyTheStartIsRead()
    {
        QTemporaryDir dir;
        QFile file(AdminSettings::filePath(dir.path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0\r\n");
        QVERIFY(file.resize(qint64(200) << 20)); // sparse: 200 MiB of zero bytes
        file.close();
        const qint64 readBefore = bytesReadSoFar();
        const AdminSettings settings = AdminSettings::readFrom(dir.path());
        QCOMPARE(settings.strMaximize, QStringLiteral("0"));
        QCOMPARE(settings.bytPrinterDialog, quint8(0));
        QVERIFY(bytesReadSoFar() - readBefore <= (17 << 20));
    }

    // Whatever stands in place of the file reads as no file, at once: all switches off.
    void read_notAFileInItsPlace_allOffAtOnce_data()
    {
        QTest::addColumn<NotAFile>("kind");
        QTest::newRow("link to /dev/zero") << NotAFile::LinkToDevZero;
        QTest::newRow("link to itself") << NotAFile::LinkToItself;
        QTest::newRow("dangling link") << NotAFile::DanglingLink;
        QTest::newRow("pipe") << NotAFile::Pipe;
    }
    void read_notAFileInItsPlace_allOffAtOnce()
    {
        QFETCH(NotAFile, kind);
        QTemporaryDir dir;
        QVERIFY(makeNotAFile(AdminSettings::filePath(dir.path()), kind));
        const qint64 readBefore = bytesReadSoFar();
        QCOMPARE(AdminSettings::readFrom(dir.path()), AdminSettings::parse({}));
        QVERIFY(bytesReadSoFar() - readBefore < 4096);
    }

    void save_allTicked_writesNineBytes_logsAndConfirms()
    {
        QTemporaryDir dir;
        AdminSettings settings;
        RecordingHostLog log;
        FakeMessagePresenter messages;
        QVERIFY(Startup::saveAdminSettings(dir.path(), {true, true, true}, settings, log, messages));
        QCOMPARE(readFile(AdminSettings::filePath(dir.path())), allTicked);
        QCOMPARE(settings.strMaximize, QStringLiteral("1"));
        QCOMPARE(settings.bytPrinterDialog, quint8(1));
        QCOMPARE(settings.bytBypassBuiltIns, quint8(1));
        QCOMPARE(log.entries, QStringList{QStringLiteral("Administrative Options Updated")});
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first(),
                 (Platform::Message{QStringLiteral("Success"), QStringLiteral("Administrative options updated."),
                                    Platform::MessageIcon::Information}));
        // Only the finished file is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("DARUD.DCT")});
    }

    void save_eachCombination_readsBackTheSame_data()
    {
        QTest::addColumn<bool>("maximize");
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("bypass");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("none") << false << false << false << QByteArray("0\r\n0\r\n0\r\n");
        QTest::newRow("maximize, bypass") << true << false << true << QByteArray("1\r\n0\r\n1\r\n");
        QTest::newRow("printer") << false << true << false << QByteArray("0\r\n1\r\n0\r\n");
    }
    void save_eachCombination_readsBackTheSame()
    {
        QFETCH(bool, maximize);
        QFETCH(bool, printer);
        QFETCH(bool, bypass);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QVERIFY(writeFile(AdminSettings::filePath(dir.path()), "1\r\n1\r\n1\r\n and an old tail that must go\r\n"));
        AdminSettings settings;
        RecordingHostLog log;
        FakeMessagePresenter messages;
        QVERIFY(Startup::saveAdminSettings(dir.path(), {maximize, printer, bypass}, settings, log, messages));
        QCOMPARE(readFile(AdminSettings::filePath(dir.path())), bytes);
        QCOMPARE(AdminSettings::readFrom(dir.path()), settings);
    }

    // As an ordinary user: a folder that can take a new file gets the file replaced whole (a
    // new inode); a read-only folder gets a writable file overwritten in place; a read-only file
    // is never written.
    void save_permissions_data()
    {
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("sameInode");
        QTest::newRow("writable folder: replaced whole") << true << true << true << false;
        QTest::newRow("read-only folder, writable file: in place") << false << true << true << true;
        QTest::newRow("read-only folder and file: Save Failure") << false << false << false << true;
        QTest::newRow("writable folder, read-only file: Save Failure") << true << false << false << true;
    }

    void save_permissions()
    {
        QFETCH(bool, folderWritable);
        QFETCH(bool, fileWritable);
        QFETCH(bool, saved);
        QFETCH(bool, sameInode);
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        const QByteArray path = QFile::encodeName(AdminSettings::filePath(dir.path()));
        QVERIFY(writeFile(QString::fromLocal8Bit(path), "0\r\n1\r\n0\r\n"));
        struct stat before{};
        QCOMPARE(::stat(path.constData(), &before), 0);
        if (::geteuid() == 0) {
            QCOMPARE(::chown(folder.constData(), ordinaryUser, ordinaryUser), 0);
            QCOMPARE(::chown(path.constData(), ordinaryUser, ordinaryUser), 0);
        }
        QCOMPARE(::chmod(path.constData(), fileWritable ? 0644 : 0444), 0);
        QCOMPARE(::chmod(folder.constData(), folderWritable ? 0755 : 0555), 0);

        QCOMPARE(saveAllTickedAsOrdinaryUser(dir.path()), saved ? 0 : 1);
        ::chmod(folder.constData(), 0755);

        struct stat after{};
        QCOMPARE(::stat(path.constData(), &after), 0);
        QCOMPARE(after.st_ino == before.st_ino, sameInode);
        QCOMPARE(readFile(QString::fromLocal8Bit(path)), saved ? allTicked : QByteArray("0\r\n1\r\n0\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("DARUD.DCT")});
    }

    // A write that breaks off (here: the file-size limit, as a full disk would) leaves the old file whole.
    void save_writeBreaksOff_oldFileWhole()
    {
        QTemporaryDir dir;
        const QString path = AdminSettings::filePath(dir.path());
        QVERIFY(writeFile(path, "1\r\n0\r\n1\r\n"));
        AdminSettings settings = AdminSettings::readFrom(dir.path());
        const AdminSettings before = settings;
        RecordingHostLog log;
        FakeMessagePresenter messages;

        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny{4, old.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool saved = Startup::saveAdminSettings(dir.path(), {false, true, false}, settings, log, messages);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved);
        QCOMPARE(settings, before);
        QVERIFY(log.entries.isEmpty());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().title, QStringLiteral("Save Failure"));
        QVERIFY(messages.shown.first().text.contains(path));
        QVERIFY2(messages.shown.first().text.contains(systemMessage(EFBIG)), qPrintable(messages.shown.first().text));
        QCOMPARE(readFile(path), QByteArray("1\r\n0\r\n1\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("DARUD.DCT")});
    }

    // A save killed at any moment leaves the old three lines or the new three lines, never a
    // mixture or a cut-off file. A child saves two settings in turn, in a loop, telling the test
    // after each save; the test lets it finish a few saves, waits a random moment into the next
    // ones and kills it.
    void save_killedAtRandomMoments_oldOrNewFileWhole()
    {
        QTemporaryDir dir;
        const QString path = AdminSettings::filePath(dir.path());
        AdminSettings first = AdminSettings::parse("0\r\n0\r\n0\r\n");
        AdminSettings second = AdminSettings::parse("1\r\n1\r\n0\r\n");
        QVERIFY(!first.writeTo(dir.path()));
        const QList<QByteArray> whole{"0\r\n0\r\n0\r\n", "1\r\n1\r\n0\r\n"};

        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        int leftovers = 0;
        for (int round = 0; round < 200; ++round) {
            int saves[2];
            QCOMPARE(::pipe(saves), 0);
            const pid_t child = ::fork();
            if (child == 0) {
                ::close(saves[0]);
                for (bool flip = false;; flip = !flip) {
                    (flip ? second : first).writeTo(dir.path());
                    if (::write(saves[1], "s", 1) != 1)
                        ::_exit(1);
                }
            }
            ::close(saves[1]);
            const int savesBefore = 1 + int(random.bounded(4));
            char done[8];
            qsizetype told = 0;
            while (told < savesBefore) {
                const ssize_t got = ::read(saves[0], done, size_t(savesBefore - told));
                if (got <= 0)
                    break;
                told += got;
            }
            const timespec moment{0, long(random.bounded(400)) * 1000};
            ::nanosleep(&moment, nullptr);
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            ::close(saves[0]);
            QVERIFY2(told == savesBefore, "the saving child ended by itself");

            const QByteArray content = readFile(path);
            QVERIFY2(whole.contains(content), qPrintable(QStringLiteral("round %1 (seed %2): DARUD.DCT holds '%3'")
                                                             .arg(round)
                                                             .arg(seed)
                                                             .arg(QString::fromLatin1(content.toPercentEncoding()))));
            leftovers = int(QDir(dir.path()).entryList({QStringLiteral("DARUD.DCT.*")}, QDir::Files | QDir::Hidden).size());
        }
        qInfo("%d temporary files left by the 200 killed saves", leftovers);

        // What killed saves left behind does not change what is read; once old, the next save removes it.
        QVERIFY(whole.contains(AdminSettings::readFrom(dir.path()).fileContent()));
        const QDir folder(dir.path());
        for (const QString &name : folder.entryList({QStringLiteral("DARUD.DCT.*")}, QDir::Files | QDir::Hidden))
            QVERIFY(ageFile(folder.filePath(name), 120));
        QVERIFY(!second.writeTo(dir.path()));
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("DARUD.DCT")});
    }

    // A save cut off before its rename leaves its temporary file: the reading ignores it, and the
    // next save removes it once no save can still be writing it. Other files are left alone.
    void save_temporaryOfACutOffSave_ignoredThenRemoved()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(writeFile(AdminSettings::filePath(dir.path()), "1\r\n0\r\n1\r\n"));
        const QString cutOff = folder.filePath(QStringLiteral("DARUD.DCT.a1B2c3"));
        const QString inProgress = folder.filePath(QStringLiteral("DARUD.DCT.Zz9y8X"));
        const QStringList others{QStringLiteral("DARUD.DCT.bak"), QStringLiteral("DARUD.DCT.a1B2c3d"),
                                 QStringLiteral("DARUD.DCT.a1-2c3"), QStringLiteral("USER.ADD.a1B2c3")};
        QVERIFY(writeFile(cutOff, "0\r\n1"));
        QVERIFY(ageFile(cutOff, 120));
        QVERIFY(writeFile(inProgress, "0\r\n"));
        for (const QString &other : others) {
            QVERIFY(writeFile(folder.filePath(other), "x"));
            QVERIFY(ageFile(folder.filePath(other), 120));
        }

        const AdminSettings read = AdminSettings::readFrom(dir.path());
        QCOMPARE(read.fileContent(), QByteArray("1\r\n0\r\n1\r\n"));
        QVERIFY(!read.writeTo(dir.path()));
        QVERIFY(!QFile::exists(cutOff));
        QVERIFY(QFile::exists(inProgress));
        for (const QString &other : others)
            QVERIFY2(QFile::exists(folder.filePath(other)), qPrintable(other));
    }

    void save_folderGone_saveFailure()
    {
        QTemporaryDir dir;
        AdminSettings settings;
        RecordingHostLog log;
        FakeMessagePresenter messages;
        QVERIFY(!Startup::saveAdminSettings(dir.filePath(QStringLiteral("gone")), {true, false, false}, settings, log,
                                            messages));
        QCOMPARE(settings, AdminSettings{});
        QVERIFY(log.entries.isEmpty());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().title, QStringLiteral("Save Failure"));
    }
};

QTEST_GUILESS_MAIN(TestAdminSettings)
#include "test_adminsettings.moc"
