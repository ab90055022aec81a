// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// One host log entry (CreateObject, setDTFormat, RuraroPath, writeLog, Release) against the
// stand-in host on a private session bus: the time per entry, and the D-Bus messages the add-in's
// connection sends and receives per entry, counted by dbus-monitor (one round trip per call is
// two messages per call, ten per entry). Then the same entry with no library on the bus, and a
// library that never answers: one call timeout, then a retry loop of 50 inside the quiet time.
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

const QString libraryService = QStringLiteral("dovavirev.clsRuraro");

bool libraryOnBus()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(libraryService);
}

// A program serving the host library for the length of one benchmark.
class LibraryProcess
{
public:
    explicit LibraryProcess(const QString &program, const QStringList &arguments)
    {
        m_process.start(program, arguments);
        m_ready = QTest::qWaitFor(libraryOnBus, 5000);
    }
    ~LibraryProcess()
    {
        m_process.kill();
        m_process.waitForFinished();
        [[maybe_unused]] const bool gone = QTest::qWaitFor([] { return !libraryOnBus(); }, 5000);
    }

    bool ready() const { return m_ready; }

private:
    QProcess m_process;
    bool m_ready = false;
};

LibraryProcess standinHost(const QTemporaryDir &dir)
{
    return LibraryProcess(QStringLiteral(STANDIN_HOST), {QStringLiteral("--store"), dir.filePath(QStringLiteral("s.sqlite"))});
}

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
    QTemporaryDir dir;
    const LibraryProcess host = standinHost(dir);
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
    QTemporaryDir dir;
    const LibraryProcess host = standinHost(dir);
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

// No library on the bus: the entry is lost at once.
void BM_HostLogEntry_noLibrary(benchmark::State &state)
{
    Host::DBusHostLibrary library;
    const Host::HostContext c = context();
    Host::HostLibraryLog log(library, c);
    for (auto _ : state)
        log.writeHostLog(QStringLiteral("Administrative Options Updated"));
}
BENCHMARK(BM_HostLogEntry_noLibrary)->Unit(benchmark::kMicrosecond);

// A library that never answers, with a 300 ms call timeout: the first entry waits one timeout,
// the next ones, inside the quiet time, end at once.
void BM_SilentLibrary(benchmark::State &state)
{
    const LibraryProcess silent(QStringLiteral(FAKE_RURARO_SERVICE), {QStringLiteral("silent")});
    if (!silent.ready())
        state.SkipWithError("the silent library did not come on the bus");
    const Host::HostContext c = context();
    for (auto _ : state) {
        Host::DBusHostLibrary library(QDBusConnection::sessionBus(), std::chrono::milliseconds(300),
                                      std::chrono::milliseconds(state.range(0) == 0 ? 10000 : 0));
        Host::HostLibraryLog log(library, c);
        log.writeHostLog(QStringLiteral("lost"));
        for (int attempt = 0; attempt < 50; ++attempt)
            log.writeHostLog(QStringLiteral("lost again"));
    }
}
// 51 entries with the quiet time of 10 s: one timeout in all.
BENCHMARK(BM_SilentLibrary)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
