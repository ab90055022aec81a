// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The real database reader (checks in the add-in, mdbtools in the reader process) on fixture files.

#include "jetfixturewriter.h"
#include "platform/jetfailure.h"
#include "platform/jetreaderprocess.h"
#include "testfiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Voruvar;
using namespace Voruvar::Testing;
using Platform::JetFailure;
using Platform::JetKeyQuery;
using Platform::JetKeyRead;
using Platform::JetReaderProcess;
using Platform::JetValue;

Q_DECLARE_METATYPE(JetValue)
Q_DECLARE_METATYPE(Voruvar::Testing::NotAFile)

namespace {

QString readerProgram()
{
    return qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar-jetread");
}

JetKeyQuery retryQuery(const QString &file)
{
    return {file,
            QStringLiteral("tundra"),
            QStringLiteral("Keys"),
            QStringLiteral("Key"),
            QStringLiteral("Retry_Count"),
            QStringLiteral("Value")};
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A stand-in reader program: a shell script with the given body.
QString script(const QTemporaryDir &dir, const QString &name, const QByteArray &body)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

int failureNumber(const JetKeyRead &read)
{
    return read.outcome == JetKeyRead::Outcome::Failed ? read.failure.number : 0;
}

} // namespace

class TestJetReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(QFile::exists(readerProgram()), qPrintable(readerProgram())); }

    void values_data()
    {
        QTest::addColumn<int>("valueType");
        QTest::addColumn<QList<QList<JetCell>>>("rows");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<JetValue>("value");
        using O = JetKeyRead::Outcome;
        const QString key = QStringLiteral("Retry_Count");
        QTest::newRow("text 5") << int(JetType::Text) << QList<QList<JetCell>>{{key, QStringLiteral("5")}}
                                << int(O::Found) << JetValue::fromText(QStringLiteral("5"));
        QTest::newRow("double 2.5") << int(JetType::Double) << QList<QList<JetCell>>{{key, 2.5}} << int(O::Found)
                                    << JetValue::fromNumber(2.5);
        QTest::newRow("long 0") << int(JetType::Long) << QList<QList<JetCell>>{{key, qint64(0)}} << int(O::Found)
                                << JetValue::fromNumber(0);
        QTest::newRow("long 40000") << int(JetType::Long) << QList<QList<JetCell>>{{key, qint64(40000)}}
                                    << int(O::Found) << JetValue::fromNumber(40000);
        QTest::newRow("integer -7") << int(JetType::Integer) << QList<QList<JetCell>>{{key, qint64(-7)}}
                                    << int(O::Found) << JetValue::fromNumber(-7);
        QTest::newRow("yes") << int(JetType::Boolean) << QList<QList<JetCell>>{{key, true}} << int(O::Found)
                             << JetValue::fromNumber(-1);
        QTest::newRow("text abc") << int(JetType::Text) << QList<QList<JetCell>>{{key, QStringLiteral("abc")}}
                                  << int(O::Found) << JetValue::fromText(QStringLiteral("abc"));
        QTest::newRow("text, not Latin-1")
            << int(JetType::Text) << QList<QList<JetCell>>{{key, QStringLiteral("€ 5 ж")}} << int(O::Found)
            << JetValue::fromText(QStringLiteral("€ 5 ж"));
        QTest::newRow("empty text") << int(JetType::Text) << QList<QList<JetCell>>{{key, QString()}} << int(O::Found)
                                    << JetValue::fromText(QString());
        QTest::newRow("null text") << int(JetType::Text) << QList<QList<JetCell>>{{key, JetCell{}}} << int(O::Found)
                                   << JetValue::null();
        QTest::newRow("null number") << int(JetType::Double) << QList<QList<JetCell>>{{key, JetCell{}}} << int(O::Found)
                                     << JetValue::null();
        QTest::newRow("no row") << int(JetType::Text)
                                << QList<QList<JetCell>>{{QStringLiteral("Other"), QStringLiteral("1")}}
                                << int(O::NoRow) << JetValue::null();
        QTest::newRow("empty table") << int(JetType::Text) << QList<QList<JetCell>>{} << int(O::NoRow)
                                     << JetValue::null();
        QTest::newRow("first of two rows, key in other case")
            << int(JetType::Text)
            << QList<QList<JetCell>>{{QStringLiteral("x"), QStringLiteral("1")},
                                     {QStringLiteral("RETRY_COUNT"), QStringLiteral("8")},
                                     {key, QStringLiteral("9")}}
            << int(O::Found) << JetValue::fromText(QStringLiteral("8"));
    }
    void values()
    {
        QFETCH(int, valueType);
        QFETCH(QList<QList<JetCell>>, rows);
        QFETCH(int, outcome);
        QFETCH(JetValue, value);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("z_udez.mdb"));
        QVERIFY(JetFixtureWriter::keys(QStringLiteral("tundra"), JetType(valueType), rows).save(file));
        JetReaderProcess reader(readerProgram());
        const JetKeyRead read = reader.readKey(retryQuery(file));
        QVERIFY2(read.outcome != JetKeyRead::Outcome::Failed, qPrintable(read.failure.text()));
        QCOMPARE(int(read.outcome), outcome);
        if (read.outcome == JetKeyRead::Outcome::Found)
            QCOMPARE(read.value, value);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("mentions");
        const QList<QList<JetCell>> five{{QStringLiteral("Retry_Count"), QStringLiteral("5")}};
        QTest::newRow("wrong password")
            << JetFixtureWriter::keys(QStringLiteral("glacier"), JetType::Text, five).bytes()
            << int(JetFailure::WrongPassword) << QStringLiteral("password");
        QTest::newRow("password in other case")
            << JetFixtureWriter::keys(QStringLiteral("TUNDRA"), JetType::Text, five).bytes()
            << int(JetFailure::WrongPassword) << QStringLiteral("password");
        JetFixtureWriter noKeys;
        noKeys.password = QStringLiteral("tundra");
        noKeys.tables.append({QStringLiteral("Settings"), {{QStringLiteral("Key"), JetType::Text}}, {}});
        QTest::newRow("no Keys table") << noKeys.bytes() << int(JetFailure::TableMissing) << QStringLiteral("'Keys'");
        JetFixtureWriter noValue;
        noValue.tables.append({QStringLiteral("Keys"),
                               {{QStringLiteral("Key"), JetType::Text}, {QStringLiteral("Val"), JetType::Text}},
                               {}});
        QTest::newRow("no Value column") << noValue.bytes() << int(JetFailure::ColumnMissing)
                                         << QStringLiteral("'Value'");
        JetFixtureWriter numericKey;
        numericKey.tables.append({QStringLiteral("Keys"),
                                  {{QStringLiteral("Key"), JetType::Long}, {QStringLiteral("Value"), JetType::Text}},
                                  {}});
        QTest::newRow("numeric Key column")
            << numericKey.bytes() << int(JetFailure::KeyNotText) << QStringLiteral("'Key'");
        JetFixtureWriter dateValue =
            JetFixtureWriter::keys(QString(), JetType::DateTime, {{QStringLiteral("Retry_Count"), 45000.0}});
        QTest::newRow("date value") << dateValue.bytes() << int(JetFailure::ValueType) << QStringLiteral("'Value'");
        QTest::newRow("jet 3, wrong password") << JetFixtureWriter::jet3Header(QStringLiteral("x"))
                                               << int(JetFailure::WrongPassword) << QStringLiteral("password");
        QTest::newRow("jet 3 header alone") << JetFixtureWriter::jet3Header(QStringLiteral("tundra"))
                                            << int(JetFailure::Damaged) << QStringLiteral("z_udez.mdb");
        QTest::newRow("not a database") << QByteArray("Retry_Count=5\r\n").repeated(100) << int(JetFailure::NotJet)
                                        << QStringLiteral("not a Jet database");
        QTest::newRow("empty file") << QByteArray() << int(JetFailure::NotJet) << QStringLiteral("z_udez.mdb");
        QTest::newRow("truncated in the header")
            << JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text, five).bytes().left(100)
            << int(JetFailure::NotJet) << QStringLiteral("z_udez.mdb");
        QTest::newRow("truncated after the catalog")
            << JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text, five)
                   .bytes()
                   .left(5 * JetFixtureWriter::pageSize + 100)
            << int(JetFailure::Damaged) << QStringLiteral("cut short");
        QTest::newRow("truncated at a page boundary")
            << JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text, five)
                   .bytes()
                   .left(5 * JetFixtureWriter::pageSize)
            << int(JetFailure::Damaged) << QStringLiteral("'Keys'");
        // A table definition whose usage map points at a row that is not there makes mdbtools crash.
        QByteArray crashing = JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text, five).bytes();
        crashing[5 * JetFixtureWriter::pageSize + 0x37] = char(253);
        QTest::newRow("library crash") << crashing << int(JetFailure::ReaderCrashed) << QStringLiteral("crashed");
        QByteArray ace = JetFixtureWriter().bytes();
        ace.replace(4, 16, QByteArray("Standard ACE DB\0", 16));
        ace[0x14] = 2;
        QTest::newRow("access 2007 file") << ace << int(JetFailure::Unsupported) << QStringLiteral("newer");
    }
    void failures()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        QFETCH(QString, mentions);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        JetReaderProcess reader(readerProgram());
        const JetKeyRead read = reader.readKey(retryQuery(path));
        QCOMPARE(int(read.outcome), int(JetKeyRead::Outcome::Failed));
        QCOMPARE(read.failure.component, QStringLiteral("voruvar-jetread"));
        QVERIFY2(read.failure.number == number, qPrintable(read.failure.text()));
        QVERIFY2(read.failure.description.contains(mentions), qPrintable(read.failure.description));
    }

    void withoutPassword_readsWithAnyPassword()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        QVERIFY(JetFixtureWriter::keys(QString(), JetType::Text, {{QStringLiteral("Retry_Count"), QStringLiteral("5")}})
                    .save(path));
        JetReaderProcess reader(readerProgram());
        QCOMPARE(reader.readKey(retryQuery(path)).value, JetValue::fromText(QStringLiteral("5")));
    }

    void missingFileOrFolder_noReaderStarted()
    {
        QTemporaryDir dir;
        JetReaderProcess reader(readerProgram());
        const JetKeyRead missing = reader.readKey(retryQuery(dir.filePath(QStringLiteral("z_udez.mdb"))));
        QCOMPARE(failureNumber(missing), int(JetFailure::FileMissing));
        QVERIFY(missing.failure.description.contains(dir.filePath(QStringLiteral("z_udez.mdb"))));
        QCOMPARE(failureNumber(reader.readKey(retryQuery(dir.filePath(QStringLiteral("no/such/z_udez.mdb"))))),
                 int(JetFailure::FileMissing));
        QCOMPARE(failureNumber(reader.readKey(retryQuery(dir.path()))), int(JetFailure::FileMissing));
        // A pipe in place of the file is refused at once instead of waiting for a writer.
        const QString pipe = dir.filePath(QStringLiteral("pipe.mdb"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QCOMPARE(failureNumber(reader.readKey(retryQuery(pipe))), int(JetFailure::FileUnreadable));
        QCOMPARE(reader.readerRuns(), 0);
    }

    // Links and devices where the database belongs get their answer without a reader started.
    void notAFileInItsPlace_eachHasItsAnswer_data()
    {
        QTest::addColumn<NotAFile>("kind");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("link to itself") << NotAFile::LinkToItself << int(JetFailure::FileUnreadable)
                                        << QString::fromLocal8Bit(std::strerror(ELOOP));
        QTest::newRow("link to /dev/zero") << NotAFile::LinkToDevZero << int(JetFailure::FileUnreadable)
                                           << QStringLiteral("is not a regular file");
        QTest::newRow("dangling link") << NotAFile::DanglingLink << int(JetFailure::FileMissing)
                                       << QStringLiteral("no database file");
    }
    void notAFileInItsPlace_eachHasItsAnswer()
    {
        QFETCH(NotAFile, kind);
        QFETCH(int, failure);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        QVERIFY(makeNotAFile(path, kind));
        JetReaderProcess reader(readerProgram());
        const JetKeyRead read = reader.readKey(retryQuery(path));
        QCOMPARE(failureNumber(read), failure);
        QVERIFY2(read.failure.description.contains(reason) && read.failure.description.contains(path),
                 qPrintable(read.failure.description));
        QCOMPARE(reader.readerRuns(), 0);
    }

    // Only an exclusive open (a whole-file lock) keeps the file from being read; the range locks
    // of a database open in a console, and shared locks, do not.
    void locksOfAnotherProgram_data()
    {
        QTest::addColumn<int>("flockKind"); // 0: none
        QTest::addColumn<short>("recordKind");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("length"); // 0: to the end, however long
        QTest::addColumn<bool>("locked");
        const qint64 size = 4 * JetFixtureWriter::pageSize; // smaller than any fixture
        QTest::newRow("exclusive flock") << LOCK_EX << short(F_UNLCK) << 0LL << 0LL << true;
        QTest::newRow("shared flock") << LOCK_SH << short(F_UNLCK) << 0LL << 0LL << false;
        QTest::newRow("write lock to the end") << 0 << short(F_WRLCK) << 0LL << 0LL << true;
        QTest::newRow("write lock from 0 past the size") << 0 << short(F_WRLCK) << 0LL << (qint64(1) << 40) << true;
        QTest::newRow("write lock on a page") << 0 << short(F_WRLCK) << size << 4096LL << false;
        QTest::newRow("write lock on the first bytes") << 0 << short(F_WRLCK) << 0LL << 100LL << false;
        QTest::newRow("write lock far past the end") << 0 << short(F_WRLCK) << 0x10000000LL << 256LL << false;
        QTest::newRow("read lock on the whole file") << 0 << short(F_RDLCK) << 0LL << 0LL << false;
    }

    void locksOfAnotherProgram()
    {
        QFETCH(int, flockKind);
        QFETCH(short, recordKind);
        QFETCH(qint64, start);
        QFETCH(qint64, length);
        QFETCH(bool, locked);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        QVERIFY(JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text,
                                       {{QStringLiteral("Retry_Count"), QStringLiteral("5")}})
                    .save(path));
        // Held on a descriptor of its own, as another program would.
        const int holder = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(holder >= 0);
        if (flockKind != 0)
            QCOMPARE(::flock(holder, flockKind | LOCK_NB), 0);
        if (recordKind != F_UNLCK) {
            struct flock lock
            {
            };
            lock.l_type = recordKind;
            lock.l_whence = SEEK_SET;
            lock.l_start = start;
            lock.l_len = length;
            QCOMPARE(::fcntl(holder, F_OFD_SETLK, &lock), 0);
        }
        JetReaderProcess reader(readerProgram());
        const JetKeyRead read = reader.readKey(retryQuery(path));
        ::close(holder);
        if (locked)
            QCOMPARE(failureNumber(read), int(JetFailure::Locked));
        else
            QCOMPARE(read.value, JetValue::fromText(QStringLiteral("5")));
    }

    void readerTrouble_eachHasItsNumber()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        QVERIFY(JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text, {}).save(path));

        JetReaderProcess crashing(script(dir, QStringLiteral("crash"), "kill -SEGV $$"));
        QCOMPARE(failureNumber(crashing.readKey(retryQuery(path))), int(JetFailure::ReaderCrashed));
        JetReaderProcess failing(script(dir, QStringLiteral("exit3"), "echo NOROW; exit 3"));
        QCOMPARE(failureNumber(failing.readKey(retryQuery(path))), int(JetFailure::ReaderCrashed));
        JetReaderProcess garbled(script(dir, QStringLiteral("garbled"), "echo 'ROW NUMBER zz'"));
        QCOMPARE(failureNumber(garbled.readKey(retryQuery(path))), int(JetFailure::ReaderGarbled));
        JetReaderProcess silent(script(dir, QStringLiteral("silent"), "true"));
        QCOMPARE(failureNumber(silent.readKey(retryQuery(path))), int(JetFailure::ReaderGarbled));
        JetReaderProcess missing(dir.filePath(QStringLiteral("no-such-reader")));
        QCOMPARE(failureNumber(missing.readKey(retryQuery(path))), int(JetFailure::ReaderMissing));

        JetReaderProcess hanging(script(dir, QStringLiteral("hang"), "exec sleep 30"), 300);
        QCOMPARE(failureNumber(hanging.readKey(retryQuery(path))), int(JetFailure::ReaderTimedOut));
        // A time-out is not kept as the file's answer: the next attempt reads again.
        QCOMPARE(failureNumber(hanging.readKey(retryQuery(path))), int(JetFailure::ReaderTimedOut));
        QCOMPARE(hanging.readerRuns(), 2);
        // A reader slow only the first time: the retry reads the value.
        const QString marker = dir.filePath(QStringLiteral("slow-once"));
        JetReaderProcess slowOnce(script(dir, QStringLiteral("slow"),
                                         "if [ ! -e '" + QFile::encodeName(marker) + "' ]; then touch '" +
                                             QFile::encodeName(marker) + "'; exec sleep 30; fi\nexec '" +
                                             QFile::encodeName(readerProgram()) + "' \"$@\""),
                                  300);
        QCOMPARE(failureNumber(slowOnce.readKey(retryQuery(path))), int(JetFailure::ReaderTimedOut));
        QCOMPARE(int(slowOnce.readKey(retryQuery(path)).outcome), int(JetKeyRead::Outcome::NoRow));
    }

    void unchangedFile_readOnce_changedFile_readAgain()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        QVERIFY(JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text,
                                       {{QStringLiteral("Retry_Count"), QStringLiteral("5")}})
                    .save(path));
        JetReaderProcess reader(readerProgram());
        QCOMPARE(reader.readKey(retryQuery(path)).value, JetValue::fromText(QStringLiteral("5")));
        QCOMPARE(reader.readKey(retryQuery(path)).value, JetValue::fromText(QStringLiteral("5")));
        QCOMPARE(reader.readerRuns(), 1);

        // Replaced by a file of the same size: a new inode and change time.
        const QString replacement = dir.filePath(QStringLiteral("new.mdb"));
        QVERIFY(JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text,
                                       {{QStringLiteral("Retry_Count"), QStringLiteral("7")}})
                    .save(replacement));
        QVERIFY(::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(path).constData()) == 0);
        QCOMPARE(reader.readKey(retryQuery(path)).value, JetValue::fromText(QStringLiteral("7")));
        QCOMPARE(reader.readerRuns(), 2);

        // The password is checked at every read, kept answer or not.
        QVERIFY(JetFixtureWriter::keys(QStringLiteral("glacier"), JetType::Text, {}).save(path));
        QCOMPARE(failureNumber(reader.readKey(retryQuery(path))), int(JetFailure::WrongPassword));
    }

    // A page of the file wiped or the file cut short: each damage has its answer.
    void damagedFiles_eachHasItsAnswer_data()
    {
        QTest::addColumn<int>("wipedPage"); // -1: none
        QTest::addColumn<int>("keptBytes"); // -1: all
        QTest::addColumn<int>("failure");   // 0: no row, the read succeeds
        QTest::newRow("header") << 0 << -1 << int(JetFailure::NotJet);
        QTest::newRow("global page map") << 1 << -1 << -1;
        QTest::newRow("catalog definition") << 2 << -1 << int(JetFailure::Damaged);
        QTest::newRow("usage maps") << 3 << -1 << int(JetFailure::TableMissing);
        QTest::newRow("catalog rows") << 4 << -1 << int(JetFailure::TableMissing);
        QTest::newRow("table definition") << 5 << -1 << int(JetFailure::Damaged);
        QTest::newRow("table rows") << 6 << -1 << 0;
        QTest::newRow("cut inside a page") << -1 << 3 * JetFixtureWriter::pageSize + 100 << int(JetFailure::Damaged);
    }

    void damagedFiles_eachHasItsAnswer()
    {
        QFETCH(int, wipedPage);
        QFETCH(int, keptBytes);
        QFETCH(int, failure);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        QByteArray bytes = JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text,
                                                  {{QStringLiteral("Retry_Count"), QStringLiteral("5")}})
                               .bytes();
        if (wipedPage >= 0)
            bytes.replace(wipedPage * JetFixtureWriter::pageSize, JetFixtureWriter::pageSize,
                          QByteArray(JetFixtureWriter::pageSize, '\0'));
        if (keptBytes >= 0)
            bytes.truncate(keptBytes);
        QVERIFY(writeBytes(path, bytes));
        const JetKeyRead read = JetReaderProcess(readerProgram()).readKey(retryQuery(path));
        if (failure > 0)
            QCOMPARE(failureNumber(read), failure);
        else if (failure == 0)
            QCOMPARE(int(read.outcome), int(JetKeyRead::Outcome::NoRow));
        else // the map of free pages is not needed to read: the value is found
            QCOMPARE(read.value, JetValue::fromText(QStringLiteral("5")));
    }

    // Damaged files of every sort: each read ends in time with an answer, a value of the text
    // column or one of the reader's failures, and the test process lives on.
    void damagedFiles_neverTakeTheCallerDown()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        const QByteArray good = JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text,
                                                       {{QStringLiteral("Retry_Count"), QStringLiteral("5")}})
                                    .bytes();
        QRandomGenerator random(20261209);
        int failures = 0;
        for (int round = 0; round < 40; ++round) {
            QByteArray bad = good;
            // Garble part of a page after the header: the catalog, a table definition or the rows.
            const int page = 1 + random.bounded(6);
            const int start = page * JetFixtureWriter::pageSize + (round % 2 ? 0 : random.bounded(3000));
            const int length = 1 + random.bounded(round % 3 ? 64 : 4000);
            for (int i = start; i < qMin(start + length, int(bad.size())); ++i)
                bad[i] = char(random.bounded(256));
            if (round % 2 == 0)
                bad[page * JetFixtureWriter::pageSize] = char(page == 2 || page == 5 ? 0x02 : 0x01);
            QVERIFY(writeBytes(path, bad));
            JetReaderProcess reader(readerProgram(), 2000);
            const JetKeyRead read = reader.readKey(retryQuery(path));
            if (read.outcome == JetKeyRead::Outcome::Failed) {
                ++failures;
                QCOMPARE(read.failure.component, QStringLiteral("voruvar-jetread"));
                QVERIFY2(read.failure.number >= int(JetFailure::Damaged) &&
                             read.failure.number <= int(JetFailure::ReaderGarbled) &&
                             read.failure.number != int(JetFailure::ReaderMissing),
                         qPrintable(read.failure.description));
            } else if (read.outcome == JetKeyRead::Outcome::Found) {
                QVERIFY(read.value.type != JetValue::Type::Number);
            }
        }
        QVERIFY(failures > 0);
    }
};

QTEST_GUILESS_MAIN(TestJetReader)
#include "test_jetreader.moc"
