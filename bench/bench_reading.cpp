// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// Finding in the longest built reference page: the first search as typed (every match counted
// and marked), and the step to the next match.
//
// Run: tests/run-under-xvfb build/testing/bench/bench_reading
#include "platform/browserpane.h"
#include "platform/findbar.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>

#include <benchmark/benchmark.h>

using namespace Voruvar;

namespace {

QString longestPage()
{
    const QDir built(qEnvironmentVariable("VORUVAR_BIN_DIR", QCoreApplication::applicationDirPath() + u"/../bin"));
    const QFileInfoList pages = built.entryInfoList({QStringLiteral("*.DOX")}, QDir::Files, QDir::Size);
    return pages.isEmpty() ? QString() : pages.first().absoluteFilePath();
}

struct Reader
{
    Platform::BrowserPane pane{QString()};
    Reader(benchmark::State &state)
    {
        const QString page = longestPage();
        QSignalSpy painted(&pane, &Platform::BrowserPane::documentPainted);
        pane.resize(900, 700);
        pane.show();
        pane.navigate(page);
        if (page.isEmpty() || (painted.isEmpty() && !painted.wait(10000)))
            state.SkipWithError("no built page to search");
        state.SetLabel(QFileInfo(page).fileName().toStdString());
    }
};

// Typing the search: every match found, counted and marked, the first one selected.
void BM_Find_asTyped(benchmark::State &state)
{
    Reader reader(state);
    reader.pane.openFindBar();
    QLineEdit *field = reader.pane.findBar()->field();
    int turn = 0;
    for (auto _ : state)
        field->setText((turn ^= 1) ? QStringLiteral("1") : QStringLiteral("2"));
    state.counters["matches"] = reader.pane.findBar()->resultText().section(u' ', 2).toDouble();
}
BENCHMARK(BM_Find_asTyped)->Unit(benchmark::kMillisecond);

// F3: the next match selected and scrolled to.
void BM_Find_next(benchmark::State &state)
{
    Reader reader(state);
    reader.pane.openFindBar();
    reader.pane.findBar()->field()->setText(QStringLiteral("1"));
    for (auto _ : state)
        reader.pane.findNext();
}
BENCHMARK(BM_Find_next)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
