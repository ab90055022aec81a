// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The real database reader (checks in the add-in, mdbtools in the reader process) on fixture files.

#include "jetfixturewriter.h"
#include "platform/jetfailure.h"
#include "platform/jetreaderprocess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

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

    void lockedByAnotherProgram()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        QVERIFY(JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text, {}).save(path));
        JetReaderProcess reader(readerProgram());

        // An exclusive flock, then an exclusive record lock, each on a descriptor of its own.
        const int holder = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(holder >= 0);
        QCOMPARE(::flock(holder, LOCK_EX | LOCK_NB), 0);
        QCOMPARE(failureNumber(reader.readKey(retryQuery(path))), int(JetFailure::Locked));
        ::flock(holder, LOCK_UN);
        struct flock lock
        {
        };
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        QCOMPARE(::fcntl(holder, F_OFD_SETLK, &lock), 0);
        QCOMPARE(failureNumber(reader.readKey(retryQuery(path))), int(JetFailure::Locked));
        ::close(holder);
        QCOMPARE(int(reader.readKey(retryQuery(path)).outcome), int(JetKeyRead::Outcome::NoRow));
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
        QElapsedTimer timer;
        timer.start();
        const JetKeyRead read = hanging.readKey(retryQuery(path));
        QCOMPARE(failureNumber(read), int(JetFailure::ReaderTimedOut));
        QVERIFY(timer.elapsed() < 2000);
        // The same unchanged file is not read again: the answer is kept.
        QCOMPARE(failureNumber(hanging.readKey(retryQuery(path))), int(JetFailure::ReaderTimedOut));
        QCOMPARE(hanging.readerRuns(), 1);
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

    // Damaged files of every sort: each read ends in time with an answer, and the test process lives on.
    void damagedFiles_neverTakeTheCallerDown()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("z_udez.mdb"));
        const QByteArray good = JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text,
                                                       {{QStringLiteral("Retry_Count"), QStringLiteral("5")}})
                                    .bytes();
        QRandomGenerator random(20261209);
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
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bad);
            file.close();
            JetReaderProcess reader(readerProgram(), 2000);
            const JetKeyRead read = reader.readKey(retryQuery(path));
            if (read.outcome == JetKeyRead::Outcome::Failed)
                QCOMPARE(read.failure.component, QStringLiteral("voruvar-jetread"));
        }
    }
};

QTEST_GUILESS_MAIN(TestJetReader)
#include "test_jetreader.moc"
