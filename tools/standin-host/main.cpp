// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// voruvar-standin-host: a stand-in for the host console, for demos and tests. It serves the
// host library dovavirev.clsRuraro (log entries, reminders and web addresses kept in an SQLite
// file), executes the add-in from a profile and prints what it stored.
#include "addindriver.h"
#include "profile.h"
#include "ruraroservice.h"
#include "standinstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

using namespace Voruvar::Standin;

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void print(const StandinStore &store)
{
    const QList<LogEntry> entries = store.logEntries();
    std::printf("Log entries: %lld\n", qlonglong(entries.size()));
    for (const LogEntry &e : entries)
        std::printf("  %s  %s  user %s  date format %s  host path %s\n", qPrintable(e.time.toString(Qt::ISODateWithMs)),
                    qPrintable(quoted(e.entry)), qPrintable(quoted(e.user)), qPrintable(quoted(e.dateFormat)),
                    qPrintable(quoted(e.hostPath)));
    const QList<ReminderRecord> reminders = store.reminders();
    std::printf("Reminders: %lld\n", qlonglong(reminders.size()));
    for (const ReminderRecord &r : reminders) {
        QStringList user, arguments;
        for (const QString &value : r.user)
            user.append(quoted(value));
        for (const QString &value : r.arguments)
            arguments.append(quoted(value));
        std::printf("  %s  user (%s)  reminder (%s)  date format %s\n", qPrintable(r.time.toString(Qt::ISODateWithMs)),
                    qPrintable(user.join(QStringLiteral(", "))), qPrintable(arguments.join(QStringLiteral(", "))),
                    qPrintable(quoted(r.dateFormat)));
    }
    const QList<AddressRecord> addresses = store.addresses();
    std::printf("Web addresses: %lld\n", qlonglong(addresses.size()));
    for (const AddressRecord &a : addresses)
        std::printf("  %s  %s  (%d, %d)  %s  date format %s\n", qPrintable(a.time.toString(Qt::ISODateWithMs)),
                    qPrintable(quoted(a.address)), a.second, a.third, a.opened ? "opened" : "not opened",
                    qPrintable(quoted(a.dateFormat)));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("voruvar-standin-host"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A stand-in for the host console. Serves the host library dovavirev.clsRuraro on the session bus\n"
        "and keeps its log entries, reminders and web addresses in an SQLite file. With --profile it\n"
        "executes the add-in and ends when the add-in ends; without, it serves until stopped.\n"
        "Arguments after -- go to the add-in it starts."));
    parser.addHelpOption();
    const QCommandLineOption storeOption(
        QStringLiteral("store"), QStringLiteral("The SQLite file of the host's records."), QStringLiteral("file"),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/store.sqlite"));
    const QCommandLineOption profileOption(QStringLiteral("profile"),
                                           QStringLiteral("Execute the add-in with the collections of <file>."),
                                           QStringLiteral("file"));
    const QCommandLineOption addinOption(
        QStringLiteral("addin"), QStringLiteral("The add-in program to start when the bus cannot."),
        QStringLiteral("program"), QCoreApplication::applicationDirPath() + QStringLiteral("/voruvar"));
    const QCommandLineOption browserOption(QStringLiteral("browser"),
                                           QStringLiteral("The command that opens web addresses."),
                                           QStringLiteral("command"), QStringLiteral("xdg-open"));
    const QCommandLineOption printOption(QStringLiteral("print"),
                                         QStringLiteral("Print what the store holds and end."));
    parser.addOptions({storeOption, profileOption, addinOption, browserOption, printOption});
    parser.process(app);

    const QString storePath = parser.value(storeOption);
    QDir().mkpath(QFileInfo(storePath).absolutePath());
    StandinStore store;
    QString error;
    if (!store.open(storePath, &error)) {
        std::fprintf(stderr, "voruvar-standin-host: %s\n", qPrintable(error));
        return 1;
    }
    if (parser.isSet(printOption)) {
        print(store);
        return 0;
    }

    std::optional<Profile> profile;
    if (parser.isSet(profileOption)) {
        profile = Profile::loadFromFile(parser.value(profileOption), &error);
        if (!profile) {
            std::fprintf(stderr, "voruvar-standin-host: %s\n", qPrintable(error));
            return 1;
        }
    }

    RuraroService service(QDBusConnection::sessionBus(), store, QProcess::splitCommand(parser.value(browserOption)));
    if (!service.serve(&error)) {
        std::fprintf(stderr, "voruvar-standin-host: %s\n", qPrintable(error));
        return 1;
    }
    // Every record is committed when it is made, so stopping the host by a signal loses nothing.
    std::printf("voruvar-standin-host: serving dovavirev.clsRuraro, records in %s\n", qPrintable(storePath));
    std::fflush(stdout);

    if (profile) {
        auto *driver = new AddinDriver(QDBusConnection::sessionBus(), *profile, parser.value(addinOption),
                                       parser.positionalArguments(), &app);
        QObject::connect(driver, &AddinDriver::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
        driver->start();
    }
    return app.exec();
}
