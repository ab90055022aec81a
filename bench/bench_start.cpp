// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// How long the host waits in M_Execute (server side), and how long the start sequence takes from
// the timer tick to the main window shown.
#include "fakeplatform.h"
#include "host/clsmain.h"
#include "windows/addin.h"
#include "windows/frmmain.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

using namespace Voruvar;

namespace {

struct Session
{
    Testing::FakeMessagePresenter messages;
    Testing::FakeInstanceProbe instances;
    Testing::FakeScreenMetrics screen{1280, 1024, 15.0};
    Testing::FakeProcessControl process;
    Testing::FakeShell shell;
    Windows::Addin addin{{messages, instances, screen, process, shell}, QCoreApplication::applicationDirPath()};
    Host::clsMain automation{addin.context(), addin};
};

void BM_M_Execute_serverTime(benchmark::State &state)
{
    Session session;
    for (auto _ : state) {
        session.automation.M_Execute();
        state.PauseTiming();
        QCoreApplication::processEvents(); // what the event loop does after the reply went out
        session.addin.disableTimer();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_M_Execute_serverTime)->Unit(benchmark::kMicrosecond);

// One whole start, tick to visible main window, on a main window already loaded by M_Execute.
void BM_StartSequence_tickToVisible(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<Session>();
        session->automation.M_Execute();
        QCoreApplication::processEvents(); // loads frmMain hidden and arms Timer1
        state.ResumeTiming();

        session->addin.deferredStart().onTick();
        if (!session->addin.mainWindow().isVisible())
            state.SkipWithError("main window not shown");

        state.PauseTiming();
        session.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartSequence_tickToVisible)->Unit(benchmark::kMillisecond)->Iterations(20);

// A second execute while the window is open runs the whole start again.
void BM_StartSequence_repeated(benchmark::State &state)
{
    Session session;
    session.automation.M_Execute();
    QCoreApplication::processEvents();
    session.addin.deferredStart().onTick();
    for (auto _ : state) {
        session.addin.deferredStart().onTick();
        benchmark::DoNotOptimize(session.addin.mainWindow().isVisible());
    }
}
BENCHMARK(BM_StartSequence_repeated)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
