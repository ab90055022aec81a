// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "fakeautomationhost.h"
#include "host/clsmain.h"
#include "host/hostcontext.h"
#include "core/valueconvert.h"

#include <QTest>

namespace Core = Voruvar::Core;
using namespace Voruvar::Host;
using Voruvar::Testing::FakeAutomationHost;

Q_DECLARE_METATYPE(Voruvar::Core::HostValue)

namespace {
const QLocale us(QLocale::English, QLocale::UnitedStates);

QList<Core::HostValue> texts(int count, const QString &prefix)
{
    QList<Core::HostValue> items;
    for (int i = 1; i <= count; ++i)
        items.append(prefix + QString::number(i));
    return items;
}
} // namespace

class TestHostContext : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toByte_data()
    {
        QTest::addColumn<Core::HostValue>("value");
        QTest::addColumn<int>("expected"); // -1: cannot be converted
        QTest::newRow("number 1") << Core::HostValue(qint64(1)) << 1;
        QTest::newRow("text 1") << Core::HostValue(QStringLiteral("1")) << 1;
        QTest::newRow("255") << Core::HostValue(qint64(255)) << 255;
        QTest::newRow("300 out of range") << Core::HostValue(qint64(300)) << -1;
        QTest::newRow("negative") << Core::HostValue(qint64(-1)) << -1;
        QTest::newRow("half to even down") << Core::HostValue(2.5) << 2;
        QTest::newRow("half to even up") << Core::HostValue(3.5) << 4;
        QTest::newRow("255.5 rounds out of range") << Core::HostValue(255.5) << -1;
        QTest::newRow("true is not a byte") << Core::HostValue(true) << -1;
        QTest::newRow("false is 0") << Core::HostValue(false) << 0;
        QTest::newRow("letters") << Core::HostValue(QStringLiteral("abc")) << -1;
        QTest::newRow("empty text") << Core::HostValue(QString()) << -1;
        QTest::newRow("null") << Core::HostValue(Core::NullValue{}) << -1;
        QTest::newRow("unsupported") << Core::HostValue(Core::UnsupportedValue{QStringLiteral("as")}) << -1;
        QTest::newRow("huge double") << Core::HostValue(1e300) << -1;
    }

    void toByte()
    {
        QFETCH(Core::HostValue, value);
        QFETCH(int, expected);
        const auto byte = Voruvar::Core::toByte(value, us);
        QCOMPARE(byte.has_value(), expected >= 0);
        if (byte)
            QCOMPARE(int(*byte), expected);
    }

    void toText_data()
    {
        QTest::addColumn<Core::HostValue>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected"); // "<fail>": cannot be converted
        QTest::newRow("text unchanged") << Core::HostValue(QStringLiteral("  a b ")) << "en_US" << "  a b ";
        QTest::newRow("integer") << Core::HostValue(qint64(2)) << "en_US" << "2";
        QTest::newRow("fraction") << Core::HostValue(2.5) << "en_US" << "2.5";
        QTest::newRow("fraction, comma locale") << Core::HostValue(2.5) << "de_DE" << "2,5";
        QTest::newRow("true") << Core::HostValue(true) << "en_US" << "True";
        QTest::newRow("false") << Core::HostValue(false) << "en_US" << "False";
        QTest::newRow("null") << Core::HostValue(Core::NullValue{}) << "en_US" << "<fail>";
        QTest::newRow("date at midnight") << Core::HostValue(Core::HostDate{46384.0}) << "en_US" << "12/28/26";
        QTest::newRow("date with time") << Core::HostValue(Core::HostDate{46384.5}) << "en_US" << "12/28/26 12:00:00 PM";
    }

    void toText()
    {
        QFETCH(Core::HostValue, value);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        const auto text = Voruvar::Core::toText(value, QLocale(locale));
        if (expected == u"<fail>") {
            QVERIFY(!text);
        } else {
            QVERIFY(text);
            QCOMPARE(*text, expected);
        }
    }

    void toDate()
    {
        QCOMPARE(Voruvar::Core::toDate(Core::HostValue(Core::HostDate{45000.25}), us)->days, 45000.25);
        QCOMPARE(Voruvar::Core::toDate(Core::HostValue(qint64(2)), us)->toDateTime(), QDateTime(QDate(1900, 1, 1), QTime(0, 0)));
        for (const QString &text : {QStringLiteral("12/28/2026"), QStringLiteral(" 12/28/26 ")}) {
            const auto date = Voruvar::Core::toDate(Core::HostValue(text), us);
            QVERIFY2(date, qPrintable(text));
            QCOMPARE(date->toDateTime().date(), QDate(2026, 12, 28));
        }
        const auto withTime = Voruvar::Core::toDate(Core::HostValue(QStringLiteral("12/28/2026 6:00:00 PM")), us);
        QVERIFY(withTime);
        QCOMPARE(withTime->days, 46384.75);
        QVERIFY(!Voruvar::Core::toDate(Core::HostValue(QStringLiteral("not a date")), us));
        QVERIFY(!Voruvar::Core::toDate(Core::HostValue(true), us));
        QVERIFY(!Voruvar::Core::toDate(Core::HostValue(Core::NullValue{}), us));
        QVERIFY(!Voruvar::Core::toDate(Core::HostValue(1e300), us));
    }

    void storeUser_fourteenItems_leavesTheRest()
    {
        HostContext context;
        context.storeUser(texts(17, QStringLiteral("first")), us);
        QList<Core::HostValue> user = texts(14, QStringLiteral("second"));
        user[13] = qint64(2); // the access level given as a number
        context.storeUser(user, us);
        QCOMPARE(context.strAccountId, QStringLiteral("second1"));
        QCOMPARE(context.strAccessLevel, QStringLiteral("2"));
        QCOMPARE(context.strUserItem16, QStringLiteral("first16"));
        QCOMPARE(context.strMultiInstance, QStringLiteral("first17"));
    }

    void storeUser_firstStartWithFourteenItems_multiInstanceEmpty()
    {
        HostContext context;
        context.storeUser(texts(14, QStringLiteral("u")), us);
        QVERIFY(context.strMultiInstance.isEmpty());
        QCOMPARE(context.dtUserItem15.days, 0.0);
    }

    void storeFlags_unconvertibleByte_keepsEarlierValueAndGoesOn()
    {
        HostContext context;
        QList<Core::HostValue> flags = texts(11, QStringLiteral("f"));
        flags[4] = QStringLiteral("1");
        flags[5] = qint64(1);
        flags[6] = qint64(7);
        context.storeFlags(flags, us);
        QCOMPARE(context.bytRemindersOff, quint8(1));

        for (const Core::HostValue &bad : {Core::HostValue(qint64(300)), Core::HostValue(QStringLiteral("abc")), Core::HostValue(true),
                                     Core::HostValue(Core::NullValue{}), Core::HostValue(Core::UnsupportedValue{QStringLiteral("a{sv}")})}) {
            flags[4] = bad;
            flags[10] = QStringLiteral("site after ") + describe(bad);
            context.storeFlags(flags, us);
            QCOMPARE(context.bytRemindersOff, quint8(1));
            QCOMPARE(context.strSiteName, QStringLiteral("site after ") + describe(bad));
        }
    }

    void storePaths_nullAndExtraItems()
    {
        HostContext context;
        context.storePaths(texts(8, QStringLiteral("p")), us);
        QList<Core::HostValue> paths = texts(12, QStringLiteral("q"));
        paths[5] = Core::NullValue{};
        context.storePaths(paths, us);
        QCOMPARE(context.strDataPath, QStringLiteral("p6"));
        QCOMPARE(context.strSitePath, QStringLiteral("q8"));
        context.storePaths({}, us);
        QCOMPARE(context.strSitePath, QStringLiteral("q8"));
    }

    void storePaths_megabyteText_isKept()
    {
        HostContext context;
        const QString huge(4 * 1024 * 1024, QLatin1Char('x'));
        context.storePaths({huge}, us);
        QCOMPARE(context.strPathItem1.size(), huge.size());
    }

    void setOverride_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("sitePath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("code") << "$318547" << "north" << "NORTH";
        QTest::newRow("code with blanks, path with blanks") << "  $318547 " << "  north plant " << "NORTH PLANT";
        QTest::newRow("wrong key") << "$318548" << "north" << "ORIGINAL";
        QTest::newRow("code with a tab is not the code") << "\t$318547" << "north" << "ORIGINAL";
        QTest::newRow("empty key") << "" << "north" << "ORIGINAL";
    }

    void setOverride()
    {
        QFETCH(QString, key);
        QFETCH(QString, sitePath);
        QFETCH(QString, expected);
        HostContext context;
        context.strSitePath = QStringLiteral("ORIGINAL");
        FakeAutomationHost host;
        clsMain automation(context, host);
        automation.SetOverride(sitePath, key);
        QCOMPARE(context.strSitePath, expected);
    }

    void rPathAfterOverride_replacesTheSitePathUnchanged()
    {
        HostContext context;
        FakeAutomationHost host;
        clsMain automation(context, host);
        automation.SetOverride(QStringLiteral("east"), QStringLiteral("$318547"));
        automation.setR_PATH(QVariantList{QString(), QString(), QString(), QString(), QString(), QString(), QString(),
                                          QStringLiteral(" west ")});
        QCOMPARE(context.strSitePath, QStringLiteral(" west "));
    }

    void cloc_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder") << "/opt/voruvar" << "/opt/voruvar";
        QTest::newRow("root") << "/" << "";
        QTest::newRow("drive root written for Windows") << "D:\\" << "D:";
    }

    void cloc()
    {
        QFETCH(QString, directory);
        QFETCH(QString, expected);
        HostContext context;
        FakeAutomationHost host;
        host.directory = directory;
        clsMain automation(context, host);
        QCOMPARE(automation.CLOC(), expected);
        QCOMPARE(automation.DLOC(), expected);
        QCOMPARE(automation.ELOC(), expected);
    }

    void texts_areFixed()
    {
        HostContext context;
        FakeAutomationHost host;
        clsMain automation(context, host);
        QCOMPARE(automation.Identify().size(), 4 + 7);
        QVERIFY(automation.Identify().endsWith(u"Voruvar"));
        QCOMPARE(automation.Author(), QVariantList({QStringLiteral("Zederiro Systems"), QStringLiteral("MSVS"),
                                                    QStringLiteral("6.2")}));
        const QVariantList description = automation.Register();
        QCOMPARE(description.size(), 6);
        QCOMPARE(description[0].toString(), QStringLiteral("Ruraro\u2122 Voruvar"));
        QCOMPARE(description[1].toString(), QStringLiteral("Version 3.7"));
        QCOMPARE(description[3].toString(), QStringLiteral("December 8th, 2018"));
        QCOMPARE(description[4].toString(), QStringLiteral("This add-in provides you with a quick reference to many "
                                                           "commonly-used formula's and reference material."));
        QVERIFY(automation.Ping().startsWith(u"Voruvar v.3.7.1\r\n"));
        QVERIFY(automation.Ping().size() > 17);
    }

    void collections_areNewOnEveryCall()
    {
        HostContext context;
        FakeAutomationHost host;
        clsMain automation(context, host);
        QVariantList first = automation.Register();
        first[0] = QStringLiteral("changed");
        first.append(1);
        QCOMPARE(automation.Register().size(), 6);
        QCOMPARE(automation.Register()[0].toString(), QStringLiteral("Ruraro\u2122 Voruvar"));
    }

    void execute_setsAlertAndRequestsStart()
    {
        HostContext context;
        FakeAutomationHost host;
        clsMain automation(context, host);
        automation.M_ExecAlert(QStringLiteral(" torx bits "));
        QCOMPARE(context.strAlertRef, QStringLiteral(" torx bits "));
        automation.M_Execute();
        QVERIFY(context.strAlertRef.isEmpty());
        automation.M_ExecAlert(QString());
        QVERIFY(context.strAlertRef.isEmpty());
        QCOMPARE(host.starts, 3);
        QCOMPARE(automation.coLogPic(), QString());
        QCOMPARE(host.logos, 1);
        automation.Drop();
        QCOMPARE(host.ends, 1);
    }
};

QTEST_GUILESS_MAIN(TestHostContext)
#include "test_hostcontext.moc"
