// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The fixture writer's files, checked against the header facts and read back with mdbtools' own tools.

#include "jetfixturewriter.h"
#include "platform/jetheader.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Voruvar;
using namespace Voruvar::Testing;
using Platform::JetHeader;

namespace {

QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestJetFixtures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void header_matchesTheWorkedExample()
    {
        JetFixtureWriter writer = JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text, {});
        writer.creationDate = 45306.4375;
        const QByteArray file = writer.bytes();
        QCOMPARE(file.mid(0x42, 40).toHex(' '),
                 QByteArray("08 4b 99 37 c9 f4 f8 fa 4e ee 49 e6 e9 06 8a 60 ae 24 7b 36 0f c2 df b1 8d 44 13 43 35 1f "
                            "b1 33 ce d1 79 5b 68 05 7c 2a"));
        QCOMPARE(file.mid(0x72, 8).toHex(' '), QByteArray("12 4f 4a 94 22 21 86 66"));
        QCOMPARE(file.size() % JetFixtureWriter::pageSize, 0);
    }

    void header_passwordsReadBack_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<double>("date");
        QTest::newRow("tundra") << QStringLiteral("tundra") << 45306.4375;
        QTest::newRow("none") << QString() << 45306.4375;
        QTest::newRow("case differs") << QStringLiteral("Tundra") << 44532.65;
        QTest::newRow("twenty characters, non-Latin") << QStringLiteral("ÄÖÜ€abcdefghijklmnop") << 1.5;
        QTest::newRow("date before 1899") << QStringLiteral("tundra") << -700.25;
    }
    void header_passwordsReadBack()
    {
        QFETCH(QString, password);
        QFETCH(double, date);
        JetFixtureWriter writer = JetFixtureWriter::keys(password, JetType::Text, {});
        writer.creationDate = date;
        const std::optional<JetHeader> header = JetHeader::parse(writer.bytes());
        QVERIFY(header);
        QCOMPARE(header->format(), JetHeader::Format::Jet4);
        QCOMPARE(header->password(), password);
        QCOMPARE(header->accepts(QStringLiteral("tundra")), password.isEmpty() || password == u"tundra");
    }

    void header_jet3AndOthers()
    {
        const std::optional<JetHeader> jet3 = JetHeader::parse(JetFixtureWriter::jet3Header(QStringLiteral("tundra")));
        QVERIFY(jet3);
        QCOMPARE(jet3->format(), JetHeader::Format::Jet3);
        QCOMPARE(jet3->password(), QStringLiteral("tundra"));
        QVERIFY(!JetHeader::parse(JetFixtureWriter::jet3Header(QStringLiteral("other")))
                     ->accepts(QStringLiteral("tundra")));

        QByteArray ace = JetFixtureWriter().bytes();
        ace.replace(4, 16, QByteArray("Standard ACE DB\0", 16));
        ace[0x14] = 3;
        QCOMPARE(JetHeader::parse(ace)->format(), JetHeader::Format::Later);

        QVERIFY(!JetHeader::parse(QByteArray("PK\x03\x04 this is a zip file, not a database, padded out........"
                                             "...............................................................")));
        QVERIFY(!JetHeader::parse(JetFixtureWriter().bytes().left(JetHeader::minimumSize - 1)));
        QVERIFY(!JetHeader::parse(QByteArray()));
        QByteArray wrongType = JetFixtureWriter().bytes();
        wrongType[0] = 1;
        QVERIFY(!JetHeader::parse(wrongType));
    }

    // mdbtools' own tools list the table and export the rows the writer put in.
    void mdbtools_readTheFiles_data()
    {
        QTest::addColumn<int>("valueType");
        QTest::addColumn<QList<QList<JetCell>>>("rows");
        QTest::addColumn<QString>("exported");
        QTest::newRow("text 5") << int(JetType::Text)
                                << QList<QList<JetCell>>{{QStringLiteral("Retry_Count"), QStringLiteral("5")}}
                                << QStringLiteral("Key,Value\nRetry_Count,5\n");
        QTest::newRow("double 2.5") << int(JetType::Double)
                                    << QList<QList<JetCell>>{{QStringLiteral("Retry_Count"), 2.5}}
                                    << QStringLiteral("Key,Value\nRetry_Count,2.5\n");
        QTest::newRow("long 40000 and more rows")
            << int(JetType::Long)
            << QList<QList<JetCell>>{{QStringLiteral("Other"), qint64(7)},
                                     {QStringLiteral("Retry_Count"), qint64(40000)},
                                     {QStringLiteral("Last"), qint64(-3)}}
            << QStringLiteral("Key,Value\nOther,7\nRetry_Count,40000\nLast,-3\n");
        QTest::newRow("null and abc") << int(JetType::Text)
                                      << QList<QList<JetCell>>{{QStringLiteral("Retry_Count"), JetCell{}},
                                                               {QStringLiteral("Name"), QStringLiteral("abc")}}
                                      << QStringLiteral("Key,Value\nRetry_Count,\nName,abc\n");
        QTest::newRow("no rows") << int(JetType::Text) << QList<QList<JetCell>>{} << QStringLiteral("Key,Value\n");
    }
    void mdbtools_readTheFiles()
    {
        QFETCH(int, valueType);
        QFETCH(QList<QList<JetCell>>, rows);
        QFETCH(QString, exported);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("z_udez.mdb"));
        QVERIFY(JetFixtureWriter::keys(QStringLiteral("tundra"), JetType(valueType), rows).save(file));
        int code = 0;
        QCOMPARE(run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), file}, &code), QStringLiteral("Keys\n"));
        QCOMPARE(code, 0);
        QCOMPARE(run(QStringLiteral("mdb-ver"), {file}), QStringLiteral("JET4\n"));
        QCOMPARE(run(QStringLiteral("mdb-export"), {QStringLiteral("-Q"), file, QStringLiteral("Keys")}, &code),
                 exported);
        QCOMPARE(code, 0);
    }

    void mdbtools_secondTableAndNoKeysTable()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("two.mdb"));
        JetFixtureWriter writer;
        writer.tables.append(
            {QStringLiteral("Settings"), {{QStringLiteral("Name"), JetType::Text}}, {{QStringLiteral("x")}}});
        writer.tables.append({QStringLiteral("Numbers"),
                              {{QStringLiteral("N"), JetType::Integer}, {QStringLiteral("On"), JetType::Boolean}},
                              {{qint64(-12), true}, {qint64(300), false}}});
        QVERIFY(writer.save(file));
        QCOMPARE(run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), file}),
                 QStringLiteral("Settings\nNumbers\n"));
        QCOMPARE(run(QStringLiteral("mdb-export"), {QStringLiteral("-Q"), file, QStringLiteral("Numbers")}),
                 QStringLiteral("N,On\n-12,1\n300,0\n"));
    }
};

QTEST_GUILESS_MAIN(TestJetFixtures)
#include "test_jetfixtures.moc"
