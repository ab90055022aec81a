// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The retry-count read: one read of a small database file through the reader program, and the
// whole retry loop up to the TB101 box on a missing file and on a file that crashes the reader.
#include "fakeplatform.h"
#include "host/hostlog.h"
#include "jetfixturewriter.h"
#include "platform/jetreaderprocess.h"
#include "startup/retrycountfetch.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

using namespace Voruvar;

namespace {

const QString readerProgram = QStringLiteral(VORUVAR_READER_PROGRAM);

// Processor time of the finished reader processes so far, in milliseconds. On a busy machine the
// wall time of a read is mostly waiting for a processor; this is the work the read itself costs.
double childProcessorMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

struct DataFolder
{
    QTemporaryDir dir;
    QString database() const { return dir.filePath(QStringLiteral("z_udez.mdb")); }
};

// A fresh reader each time, so nothing is kept from the previous read: reader process included.
void BM_ReadSmallFile(benchmark::State &state)
{
    DataFolder data;
    Testing::JetFixtureWriter::keys(QStringLiteral("tundra"), Testing::JetType::Text,
                                    {{QStringLiteral("Retry_Count"), QStringLiteral("5")}})
        .save(data.database());
    const Platform::JetKeyQuery query = Startup::RetryCountFetch::query(data.dir.path());
    const double before = childProcessorMs();
    for (auto _ : state) {
        Platform::JetReaderProcess reader(readerProgram);
        const Platform::JetKeyRead read = reader.readKey(query);
        if (read.outcome != Platform::JetKeyRead::Outcome::Found)
            state.SkipWithError(qPrintable(read.failure.text()));
    }
    state.counters["reader_cpu_ms"] = benchmark::Counter((childProcessorMs() - before) / double(state.iterations()));
}
BENCHMARK(BM_ReadSmallFile)->Unit(benchmark::kMillisecond);

// The whole fetch at a start, reader process included, on the same small file.
void BM_FetchAtStart(benchmark::State &state)
{
    DataFolder data;
    Testing::JetFixtureWriter::keys(QStringLiteral("tundra"), Testing::JetType::Double,
                                    {{QStringLiteral("Retry_Count"), 2.5}})
        .save(data.database());
    for (auto _ : state) {
        Platform::JetReaderProcess reader(readerProgram);
        Host::UnreachableHostLog log;
        Testing::FakeMessagePresenter messages;
        Host::RetryFields retry;
        Startup::RetryCountFetch(reader, log, messages).fetch(data.dir.path(), retry);
        benchmark::DoNotOptimize(retry.intRetryLimit);
    }
}
BENCHMARK(BM_FetchAtStart)->Unit(benchmark::kMillisecond);

// 50 failed attempts, then the TB101 report (the box recorded by the fake presenter).
void tb101After50(benchmark::State &state, const QString &dataPath)
{
    Platform::JetReaderProcess reader(readerProgram);
    for (auto _ : state) {
        Host::UnreachableHostLog log;
        Testing::FakeMessagePresenter messages;
        Host::RetryFields retry;
        retry.intRetryLimit = 50;
        Startup::RetryCountFetch(reader, log, messages).fetch(dataPath, retry);
        if (retry.intRetryCounter != 50 || messages.shown.size() != 1)
            state.SkipWithError("expected 50 failed attempts and one box");
    }
}

void BM_TB101_after50Attempts_missingFile(benchmark::State &state)
{
    DataFolder data;
    tb101After50(state, data.dir.path());
}
BENCHMARK(BM_TB101_after50Attempts_missingFile)->Unit(benchmark::kMillisecond);

// A table definition that makes the library crash: the reader runs once, the answer is kept.
void BM_TB101_after50Attempts_crashingFile(benchmark::State &state)
{
    DataFolder data;
    QByteArray bytes = Testing::JetFixtureWriter::keys(QStringLiteral("tundra"), Testing::JetType::Text, {}).bytes();
    bytes[5 * Testing::JetFixtureWriter::pageSize + 0x37] = char(253);
    QFile file(data.database());
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    tb101After50(state, data.dir.path());
}
BENCHMARK(BM_TB101_after50Attempts_crashingFile)->Unit(benchmark::kMillisecond);

// A reader that never answers: how long one read takes to give up, against its 300 ms limit.
void BM_HangingReader_timeLimit(benchmark::State &state)
{
    DataFolder data;
    Testing::JetFixtureWriter::keys(QStringLiteral("tundra"), Testing::JetType::Text, {}).save(data.database());
    const QString hanging = data.dir.filePath(QStringLiteral("hang"));
    QFile script(hanging);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nexec sleep 30\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const Platform::JetKeyQuery query = Startup::RetryCountFetch::query(data.dir.path());
    for (auto _ : state) {
        Platform::JetReaderProcess reader(hanging, 300);
        if (reader.readKey(query).outcome != Platform::JetKeyRead::Outcome::Failed)
            state.SkipWithError("the hanging reader gave an answer");
    }
}
BENCHMARK(BM_HangingReader_timeLimit)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
