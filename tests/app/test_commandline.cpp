// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The command line as read before any application object exists.
#include "commandline.h"

#include <QTest>

using Voruvar::App::CommandLine;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(Action)

class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    static CommandLine parse(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("/opt/voruvar/voruvar"));
        return CommandLine::parse(arguments);
    }

private Q_SLOTS:
    void noOptions_standaloneWithDefaults()
    {
        const CommandLine c = parse({});
        QCOMPARE(c.action, Action::Run);
        QVERIFY(!c.automation);
        QCOMPARE(c.accessLevel, QStringLiteral("1"));
        QVERIFY(!c.dataPath);
        QVERIFY(!c.screenshot);
        QVERIFY(!c.singleInstance);
        QVERIFY(c.alert.isEmpty());
    }

    void values_inBothSpellings()
    {
        const CommandLine c =
            parse({QStringLiteral("--alert=OHMS LAW"), QStringLiteral("--access-level"), QStringLiteral("2"),
                   QStringLiteral("--site-name"), QStringLiteral("Plant 4"), QStringLiteral("--site-path=/srv/site"),
                   QStringLiteral("--single-instance"), QStringLiteral("--screenshot"), QStringLiteral("/tmp/s.png")});
        QCOMPARE(c.action, Action::Run);
        QCOMPARE(c.alert, QStringLiteral("OHMS LAW"));
        QCOMPARE(c.accessLevel, QStringLiteral("2"));
        QCOMPARE(c.siteName, QStringLiteral("Plant 4"));
        QCOMPARE(c.sitePath, QStringLiteral("/srv/site"));
        QVERIFY(c.singleInstance);
        QCOMPARE(c.screenshot.value_or(QString()), QStringLiteral("/tmp/s.png"));
    }

    // An empty folder given is still a folder given: the start reads (and reports) it.
    void emptyDataPath_isGiven()
    {
        const CommandLine c = parse({QStringLiteral("--data-path"), QString()});
        QVERIFY(c.dataPath);
        QVERIFY(c.dataPath->isEmpty());
    }

    void action_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, QStringList arguments, Action action, const char *error = "") {
            QTest::newRow(name) << arguments << action << QString::fromLatin1(error);
        };
        row("-h", {QStringLiteral("-h")}, Action::Help);
        row("--help after others", {QStringLiteral("--automation"), QStringLiteral("--help")}, Action::Help);
        row("-v", {QStringLiteral("-v")}, Action::Version);
        row("--version", {QStringLiteral("--version")}, Action::Version);
        // Qt's own options belong to the application object, with or without their value.
        row("Qt options",
            {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--style=fusion"),
             QStringLiteral("-reverse"), QStringLiteral("--platformtheme"), QStringLiteral("gtk3")},
            Action::Run);
        row("unknown option", {QStringLiteral("--bogus")}, Action::Error, "Unknown option 'bogus'.");
        row("wrong option beats help", {QStringLiteral("--help"), QStringLiteral("--bogus")}, Action::Error,
            "Unknown option 'bogus'.");
        row("single dash long", {QStringLiteral("-automation")}, Action::Run);
        row("single dash unknown", {QStringLiteral("-bogus")}, Action::Error, "Unknown option 'bogus'.");
        row("missing value", {QStringLiteral("--alert")}, Action::Error, "Missing value after '--alert'.");
        row("value for a switch", {QStringLiteral("--automation=yes")}, Action::Error,
            "Unexpected value after '--automation'.");
        row("stray argument", {QStringLiteral("OHMS LAW")}, Action::Error, "Unexpected argument 'OHMS LAW'.");
        row("after --", {QStringLiteral("--"), QStringLiteral("-platform")}, Action::Error,
            "Unexpected argument '-platform'.");
    }

    void action()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, error);
        const CommandLine c = parse(arguments);
        QCOMPARE(c.action, action);
        QCOMPARE(c.error, error);
    }

    // Usage and help are read on 80-column terminals.
    void helpAndUsage_fit80Columns()
    {
        for (const QString &text : {Voruvar::App::usageText(), Voruvar::App::helpText()}) {
            for (const QString &line : text.split(QLatin1Char('\n')))
                QVERIFY2(line.size() <= 80, qPrintable(line));
        }
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
