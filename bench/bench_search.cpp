// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The search across all documents over the reference pages of the build: reading them for the
// index (CPU time of one whole reading), one query over the index, a key press in the search
// window to its hits painted, and the check for changed files a search makes first. Argument 2
// reads every page twice under other names, for a catalog as large as the full one.
// Run: tests/run-under-xvfb build/testing/bench/bench_search   (or QT_QPA_PLATFORM=offscreen)
#include "catalog/builtincategory.h"
#include "catalog/searchindex.h"
#include "windows/searchdialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Voruvar;

namespace {

const char *const queries[] = {"torque", "M10", "0.2570", "1/4-20", "tap drill", "e"};

// The built pages, each `copies` times (the copies in a folder of their own).
QList<Catalog::SearchSource> pages(int copies)
{
    static QTemporaryDir copiesDir;
    const QString built = qEnvironmentVariable("VORUVAR_BIN_DIR", QCoreApplication::applicationDirPath() + u"/../bin");
    QList<Catalog::SearchSource> sources;
    for (int copy = 0; copy < copies; ++copy) {
        for (const Catalog::BuiltInCategory &row : Catalog::BuiltInCategory::all()) {
            const QString path = row.documentPath(built);
            if (!QFileInfo::exists(path))
                continue;
            QString title = row.title.toString();
            QString copyPath = path;
            if (copy > 0) {
                title += u" " + QString::number(copy);
                copyPath = copiesDir.filePath(QString::number(copy) + u"-" + QFileInfo(path).fileName());
                QFile::copy(path, copyPath);
            }
            sources.append({title, copyPath, true});
        }
    }
    return sources;
}

void BM_SearchIndex_read(benchmark::State &state)
{
    const QList<Catalog::SearchSource> sources = pages(int(state.range(0)));
    qsizetype characters = 0;
    for (auto _ : state) {
        const Catalog::SearchIndex::Documents documents = Catalog::SearchIndex::read(sources, {});
        characters = 0;
        for (const auto &document : documents)
            characters += document->text.size();
    }
    state.counters["documents"] = double(sources.size());
    state.counters["text_kchars"] = double(characters) / 1000;
}
BENCHMARK(BM_SearchIndex_read)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SearchQuery_run(benchmark::State &state)
{
    static const Catalog::SearchIndex::Documents documents = Catalog::SearchIndex::read(pages(2), {});
    const QString query = QString::fromUtf8(queries[state.range(0)]);
    qsizetype hits = 0;
    for (auto _ : state)
        hits = Catalog::SearchQuery(query).run(documents, 100).size();
    state.SetLabel(queries[state.range(0)]);
    state.counters["hits"] = double(hits);
}
BENCHMARK(BM_SearchQuery_run)->DenseRange(0, std::size(queries) - 1)->Unit(benchmark::kMicrosecond);

// The last key of a query typed into the search window, to its hits listed and painted.
void BM_SearchDialog_lastKeyToHitsPainted(benchmark::State &state)
{
    Catalog::SearchIndex index;
    QSignalSpy updated(&index, &Catalog::SearchIndex::updated);
    index.setSources(pages(2));
    if (!updated.wait(60000)) {
        state.SkipWithError("the index was not read");
        return;
    }
    Windows::SearchDialog dialog(index);
    dialog.show();
    const QString query = QString::fromUtf8(queries[state.range(0)]);
    int turn = 0;
    for (auto _ : state) {
        // Every other round from the query less its last letter, so each round is one key.
        dialog.txtSearch()->setText((turn ^= 1) ? query : query.chopped(1));
        dialog.lstResults()->repaint();
    }
    dialog.txtSearch()->setText(query);
    state.SetLabel(queries[state.range(0)]);
    state.counters["hits"] = double(dialog.hits().size());
}
BENCHMARK(BM_SearchDialog_lastKeyToHitsPainted)->DenseRange(0, std::size(queries) - 1)->Unit(benchmark::kMillisecond);

// The check for changed files each search makes, with nothing changed.
void BM_SearchIndex_refreshChanged(benchmark::State &state)
{
    Catalog::SearchIndex index;
    QSignalSpy updated(&index, &Catalog::SearchIndex::updated);
    index.setSources(pages(2));
    if (!updated.wait(60000)) {
        state.SkipWithError("the index was not read");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(index.refreshChanged());
}
BENCHMARK(BM_SearchIndex_refreshChanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
