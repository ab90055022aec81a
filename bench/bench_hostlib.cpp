// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// One host log entry (CreateObject, setDTFormat, RuraroPath, writeLog, Release) against the
// stand-in host on a private session bus: the time per entry, and the D-Bus messages the add-in's
// connection sends and receives per entry, counted by dbus-monitor (one round trip per call is
// two messages per call, ten per entry).
//
// Run: dbus-run-session -- build/testing/bench/bench_hostlib
#include "host/dbushostlibrary.h"
#include "host/hostcontext.h"
#include "host/hostlibrarylog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace Voruvar;

namespace {

Host::HostContext context()
{
    Host::HostContext c;
    c.strDateFormat = QStringLiteral("MM/dd/yyyy");
    c.strRuraroPath = QStringLiteral("/opt/ruraro");
    c.strAccountName = QStringLiteral("Dana Admin");
    return c;
}

void BM_HostLogEntry(benchmark::State &state)
{
    Host::DBusHostLibrary library;
    const Host::HostContext c = context();
    Host::HostLibraryLog log(library, c);
    for (auto _ : state)
        log.writeHostLog(QStringLiteral("Administrative Options Updated"));
}
BENCHMARK(BM_HostLogEntry)->Unit(benchmark::kMillisecond);

// The messages of the add-in's own connection while it writes a number of entries.
void BM_HostLogEntryMessages(benchmark::State &state)
{
    Host::DBusHostLibrary library;
    const Host::HostContext c = context();
    Host::HostLibraryLog log(library, c);
    const QString self = QDBusConnection::sessionBus().baseService();

    QProcess monitor;
    monitor.start(QStringLiteral("dbus-monitor"), {QStringLiteral("--session"), QStringLiteral("--profile")});
    monitor.waitForStarted();
    // The monitor is listening once it has printed its own first messages.
    while (monitor.bytesAvailable() == 0 && monitor.waitForReadyRead(2000)) {
    }
    monitor.readAll();

    qint64 entries = 0;
    for (auto _ : state) {
        log.writeHostLog(QStringLiteral("Administrative Options Updated"));
        ++entries;
    }
    QTest::qWait(300);
    monitor.terminate();
    monitor.waitForFinished();

    qint64 messages = 0;
    for (const QByteArray &line : monitor.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (!fields.isEmpty() && fields.contains(self.toUtf8()) &&
            (fields[0] == "mc" || fields[0] == "mr" || fields[0] == "err" || fields[0] == "sig"))
            ++messages;
    }
    state.counters["messages_per_entry"] = double(messages) / double(entries);
    state.counters["messages_per_call"] = double(messages) / double(entries * 5);
}
BENCHMARK(BM_HostLogEntryMessages)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QProcess host;
    host.start(QStringLiteral(STANDIN_HOST), {QStringLiteral("--store"), dir.filePath(QStringLiteral("store.sqlite"))});
    for (int i = 0; i < 500 && !QDBusConnection::sessionBus().interface()->isServiceRegistered(
                                   QStringLiteral("dovavirev.clsRuraro"));
         ++i)
        QTest::qWait(10);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    host.kill();
    host.waitForFinished();
    return 0;
}
