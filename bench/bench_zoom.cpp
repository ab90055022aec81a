// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The zoom window with the built reference documents: from the expand click to the document
// painted in the zoom window, and from a next or previous click to the new page painted in
// both panes. Two neighbouring long charts are used, the drill sizes by letter and by number.
//
// Run: tests/run-under-xvfb build/testing/bench/bench_zoom
#include "fakejetdatabase.h"
#include "fakeplatform.h"
#include "platform/browserpane.h"
#include "windows/addin.h"
#include "windows/frmmain.h"
#include "windows/frmxpand.h"
#include "windows/maincommands.h"

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QToolButton>

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
    Windows::Addin addin{{messages, instances, screen, process, shell},
                         qEnvironmentVariable("VORUVAR_BIN_DIR", QCoreApplication::applicationDirPath() + u"/../bin")};

    Session()
    {
        addin.buildCategoryList();
        addin.mainWindow().List1()->setCurrentRow(addin.listEntries().indexOf(QStringLiteral("DRILL SIZES (LETTERED)")));
        addin.showMainWindow();
    }
};

// Runs events until the pane has painted a newly shown page.
void waitPainted(bool &painted)
{
    while (!painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void BM_Expand_toZoomPainted(benchmark::State &state)
{
    Session session;
    Windows::MainCommands &commands = session.addin.commands();
    for (auto _ : state) {
        commands.expand();
        bool painted = false;
        QObject::connect(commands.zoomWindow()->WB1(), &Platform::BrowserPane::documentPainted,
                         [&painted] { painted = true; });
        waitPainted(painted);
        state.PauseTiming();
        QPointer<Windows::frmXpand> zoom = commands.zoomWindow();
        zoom->close();
        while (zoom)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Expand_toZoomPainted)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ZoomStep_toBothPainted(benchmark::State &state)
{
    Session session;
    Windows::MainCommands &commands = session.addin.commands();
    commands.expand();
    Windows::frmXpand *zoom = commands.zoomWindow();
    bool mainPainted = false;
    bool zoomPainted = false;
    QObject::connect(&session.addin.detailsPane(), &Platform::BrowserPane::documentPainted,
                     [&mainPainted] { mainPainted = true; });
    QObject::connect(zoom->WB1(), &Platform::BrowserPane::documentPainted, [&zoomPainted] { zoomPainted = true; });
    waitPainted(zoomPainted);
    int turn = 0;
    for (auto _ : state) {
        mainPainted = zoomPainted = false;
        ((turn ^= 1) ? zoom->cmdNext() : zoom->cmdPrev())->click();
        waitPainted(mainPainted);
        waitPainted(zoomPainted);
    }
}
BENCHMARK(BM_ZoomStep_toBothPainted)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
