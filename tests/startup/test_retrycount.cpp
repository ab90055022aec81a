// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

#include "fakejetdatabase.h"
#include "fakeplatform.h"
#include "host/hostlog.h"
#include "platform/jetfailure.h"
#include "startup/retrycountfetch.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Voruvar;
using namespace Voruvar::Testing;
using Platform::JetFailure;
using Platform::JetKeyRead;
using Platform::JetValue;
using Startup::RetryCountFetch;

Q_DECLARE_METATYPE(JetValue)

namespace {

class RecordingHostLog final : public Host::HostLog
{
public:
    void writeHostLog(const QString &message) override { entries.append(message); }
    QStringList entries;
};

JetKeyRead missingFile()
{
    return JetKeyRead::failed(
        Platform::jetFailure(JetFailure::FileMissing, QStringLiteral("no database file /data/z_udez.mdb")));
}

struct Fixture
{
    FakeJetDatabase database;
    RecordingHostLog log;
    FakeMessagePresenter messages;
    Host::RetryFields retry;

    void fetch() { RetryCountFetch(database, log, messages).fetch(QStringLiteral("/data"), retry); }
};

} // namespace

class TestRetryCount : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void query_isTheKeyRowOfTheHostDatabase()
    {
        Fixture f;
        f.fetch();
        QCOMPARE(f.database.queries.size(), 1);
        const Platform::JetKeyQuery q = f.database.queries.first();
        QCOMPARE(q.file, QStringLiteral("/data/z_udez.mdb"));
        QCOMPARE(q.password, QStringLiteral("tundra"));
        QCOMPARE(q.table, QStringLiteral("Keys"));
        QCOMPARE(q.keyColumn, QStringLiteral("Key"));
        QCOMPARE(q.key, QStringLiteral("Retry_Count"));
        QCOMPARE(q.valueColumn, QStringLiteral("Value"));
    }

    void conversion_data()
    {
        QTest::addColumn<JetValue>("value");
        QTest::addColumn<int>("limit");   // when it converts
        QTest::addColumn<int>("failure"); // else the failure number
        const auto text = [](const char *t) { return JetValue::fromText(QString::fromUtf8(t)); };
        QTest::newRow("text 5") << text("5") << 5 << 0;
        QTest::newRow("two and a half") << JetValue::fromNumber(2.5) << 2 << 0;
        QTest::newRow("three and a half") << JetValue::fromNumber(3.5) << 4 << 0;
        QTest::newRow("text 2.5") << text("2.5") << 2 << 0;
        QTest::newRow("text with blanks") << text(" 7 ") << 7 << 0;
        QTest::newRow("zero") << JetValue::fromNumber(0) << 0 << 0;
        QTest::newRow("text zero") << text("0") << 0 << 0;
        QTest::newRow("text 0.0") << text("0.0") << 0 << 0;
        QTest::newRow("negative") << JetValue::fromNumber(-4) << -4 << 0;
        QTest::newRow("lowest") << JetValue::fromNumber(-32768) << -32768 << 0;
        QTest::newRow("half below lowest rounds in") << JetValue::fromNumber(-32768.5) << -32768 << 0;
        QTest::newRow("highest") << text("32767") << 32767 << 0;
        QTest::newRow("exponent") << text("1e3") << 1000 << 0;
        QTest::newRow("hexadecimal") << text("&H10") << 16 << 0;
        QTest::newRow("yes") << JetValue::fromNumber(-1) << -1 << 0;
        QTest::newRow("40000") << JetValue::fromNumber(40000) << 0 << int(JetFailure::ValueOutOfRange);
        QTest::newRow("text 40000") << text("40000") << 0 << int(JetFailure::ValueOutOfRange);
        QTest::newRow("half above highest") << JetValue::fromNumber(32767.5) << 0 << int(JetFailure::ValueOutOfRange);
        QTest::newRow("infinity") << JetValue::fromNumber(std::numeric_limits<double>::infinity()) << 0
                                  << int(JetFailure::ValueOutOfRange);
        QTest::newRow("nan") << JetValue::fromNumber(std::nan("")) << 0 << int(JetFailure::ValueOutOfRange);
        QTest::newRow("abc") << text("abc") << 0 << int(JetFailure::ValueNotNumber);
        QTest::newRow("5 apples") << text("5 apples") << 0 << int(JetFailure::ValueNotNumber);
        QTest::newRow("empty text") << text("") << 0 << int(JetFailure::ValueNotNumber);
        QTest::newRow("null") << JetValue::null() << 0 << int(JetFailure::ValueNull);
    }
    void conversion()
    {
        QFETCH(JetValue, value);
        QFETCH(int, limit);
        QFETCH(int, failure);
        const auto result = RetryCountFetch::retryLimitFrom(value, QStringLiteral("/data/z_udez.mdb"));
        if (failure == 0) {
            if (const auto *detail = std::get_if<Core::ErrorDetail>(&result))
                QFAIL(qPrintable(detail->text()));
            QCOMPARE(int(std::get<qint16>(result)), limit);
        } else {
            QVERIFY(std::holds_alternative<Core::ErrorDetail>(result));
            const Core::ErrorDetail detail = std::get<Core::ErrorDetail>(result);
            QCOMPARE(detail.number, failure);
            QCOMPARE(detail.component, QStringLiteral("voruvar-jetread"));
            QVERIFY(detail.description.contains(QStringLiteral("/data/z_udez.mdb")));
        }
    }

    void readValue_setsTheLimitWithoutMessage()
    {
        Fixture f;
        f.database.answers = {JetKeyRead::found(JetValue::fromText(QStringLiteral("5")))};
        f.fetch();
        QCOMPARE(f.retry.intRetryLimit, qint16(5));
        QCOMPARE(f.retry.intRetryCounter, qint16(0));
        QVERIFY(f.messages.shown.isEmpty());
        QVERIFY(f.log.entries.isEmpty());
    }

    void noRow_gives50()
    {
        Fixture f;
        f.retry.intRetryLimit = 3;
        f.database.answers = {JetKeyRead::noRow()};
        f.fetch();
        QCOMPARE(f.retry.intRetryLimit, qint16(50));
        QVERIFY(f.messages.shown.isEmpty());
    }

    void firstStartWithoutFile_oneAttemptThenTB101()
    {
        Fixture f;
        f.database.answers = {missingFile()};
        f.fetch();
        QCOMPARE(f.database.queries.size(), 1);
        QCOMPARE(f.retry.intRetryCounter, qint16(1));
        QCOMPARE(f.retry.intRetryLimit, qint16(0));
        QCOMPARE(f.retry.strLastError, QStringLiteral("voruvar-jetread: 3101: no database file /data/z_udez.mdb"));
        QCOMPARE(f.log.entries, QStringList{QStringLiteral("ERROR: TB101 : Retrieval Error")});
        QCOMPARE(f.messages.shown.size(), 1);
        const Platform::Message box = f.messages.shown.first();
        QCOMPARE(box.title, QStringLiteral("TB101 : Retrieval Error"));
        QCOMPARE(box.icon, Platform::MessageIcon::Error);
        QCOMPARE(box.text, QStringLiteral("Could not retrieve key from Console.\r\n"
                                          "(voruvar-jetread: 3101: no database file /data/z_udez.mdb)"));
    }

    void secondStartAfterReadOf3_threeAttemptsThenTB101()
    {
        Fixture f;
        f.database.answers = {JetKeyRead::found(JetValue::fromNumber(3))};
        f.fetch();
        QCOMPARE(f.retry.intRetryLimit, qint16(3));
        f.database.queries.clear();
        f.database.answers = {missingFile()};
        f.fetch();
        QCOMPARE(f.database.queries.size(), 3);
        QCOMPARE(f.retry.intRetryCounter, qint16(3));
        QCOMPARE(f.retry.intRetryLimit, qint16(3)); // kept for the rest of the process
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.log.entries.size(), 1);
    }

    void failureThenSuccess_noMessage_counterKept()
    {
        Fixture f;
        f.retry.intRetryLimit = 5;
        f.database.answers = {JetKeyRead::failed(Platform::jetFailure(JetFailure::Locked, QStringLiteral("locked"))),
                              JetKeyRead::found(JetValue::fromNumber(0))};
        f.fetch();
        QCOMPARE(f.database.queries.size(), 2);
        QCOMPARE(f.retry.intRetryLimit, qint16(0));
        QCOMPARE(f.retry.intRetryCounter, qint16(1));
        QCOMPARE(f.retry.strLastError, QStringLiteral("voruvar-jetread: 3106: locked"));
        QVERIFY(f.messages.shown.isEmpty());
    }

    void valueFailure_isRetriedLikeAnyOther()
    {
        Fixture f;
        f.retry.intRetryLimit = 4;
        f.database.answers = {JetKeyRead::found(JetValue::fromText(QStringLiteral("abc")))};
        f.fetch();
        QCOMPARE(f.database.queries.size(), 4);
        QCOMPARE(f.retry.intRetryLimit, qint16(4));
        QVERIFY(f.retry.strLastError.startsWith(u"voruvar-jetread: 3113: "));
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.messages.shown.first().text.contains(u"3113"));
    }

    void wrongPassword_detailNamesIt()
    {
        Fixture f;
        f.database.answers = {JetKeyRead::failed(
            Platform::jetFailure(JetFailure::WrongPassword,
                                 QStringLiteral("the database password of /data/z_udez.mdb is not the expected one")))};
        f.fetch();
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(
            f.messages.shown.first().text,
            QStringLiteral("Could not retrieve key from Console.\r\n(voruvar-jetread: 3105: the database password of "
                           "/data/z_udez.mdb is not the expected one)"));
    }

    void negativeLimit_oneAttempt()
    {
        Fixture f;
        f.retry.intRetryLimit = -5;
        f.database.answers = {missingFile()};
        f.fetch();
        QCOMPARE(f.database.queries.size(), 1);
        QCOMPARE(f.messages.shown.size(), 1);
    }

    void highestLimit_endsAfterThatManyAttempts()
    {
        Fixture f;
        f.retry.intRetryLimit = 32767;
        f.database.answers = {missingFile()};
        f.fetch();
        QCOMPARE(f.database.queries.size(), 32767);
        QCOMPARE(f.retry.intRetryCounter, qint16(32767));
        QCOMPARE(f.messages.shown.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRetryCount)
#include "test_retrycount.moc"
