// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "profile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Voruvar::Standin::Profile;

class TestProfile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QByteArray &text)
    {
        const QString path = m_dir.filePath(QStringLiteral("profile.ini"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
        return path;
    }

private Q_SLOTS:
    void load_itemsInPlaceGapsNullQuotesKept()
    {
        QString error;
        const std::optional<Profile> profile = Profile::loadFromFile(
            write("; comment\n[R_PATH]\n6 = ${PROFILE_DIR}/data\n2=\"  two  \"\n\n[R_USER]\r\n2=Dana Admin\r\n"
                  "# another\n[R_FLAG]\n10=MM/dd/yyyy\n[Execute]\nAlert=TORX BITS\n"),
            &error);
        QVERIFY2(profile, qPrintable(error));
        QCOMPARE(profile->paths.size(), 6);
        QVERIFY(!profile->paths[0]);
        QCOMPARE(profile->paths[1], std::optional(QStringLiteral("  two  ")));
        QVERIFY(!profile->paths[4]);
        QCOMPARE(profile->paths[5], std::optional(m_dir.path() + QStringLiteral("/data")));
        QCOMPARE(profile->user.size(), 2);
        QCOMPARE(profile->user[1], std::optional(QStringLiteral("Dana Admin")));
        QCOMPARE(profile->flags[9], std::optional(QStringLiteral("MM/dd/yyyy")));
        QCOMPARE(profile->alert, std::optional(QStringLiteral("TORX BITS")));
    }

    void load_noExecuteSection_noAlert()
    {
        QString error;
        const std::optional<Profile> profile = Profile::loadFromFile(write("[R_USER]\n1=\n"), &error);
        QVERIFY(profile);
        QCOMPARE(profile->user, (QList<std::optional<QString>>{QString()}));
        QVERIFY(!profile->alert);
    }

    void load_faults_nameTheLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("section") << QByteArray("[R_PATH]\n1=a\n[Paths]\n")
                                 << QStringLiteral("line 3: unknown section [Paths]");
        QTest::newRow("item 0") << QByteArray("[R_USER]\n0=a\n") << QStringLiteral("line 2: item number '0'");
        QTest::newRow("item word") << QByteArray("[R_USER]\nname=a\n") << QStringLiteral("line 2: item number 'name'");
        QTest::newRow("huge item") << QByteArray("[R_FLAG]\n99999999=a\n") << QStringLiteral("line 2: item number");
        QTest::newRow("no =") << QByteArray("[R_FLAG]\njust text\n") << QStringLiteral("line 2: expected key=value");
        QTest::newRow("outside") << QByteArray("1=a\n") << QStringLiteral("line 1: an item outside any section");
        QTest::newRow("execute key") << QByteArray("[Execute]\nTitle=x\n")
                                     << QStringLiteral("line 2: unknown key 'Title'");
    }
    void load_faults_nameTheLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!Profile::loadFromFile(write(text), &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void load_missingFile_saysSo()
    {
        QString error;
        QVERIFY(!Profile::loadFromFile(m_dir.filePath(QStringLiteral("none.ini")), &error));
        QVERIFY2(error.startsWith(u"Cannot open '"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
