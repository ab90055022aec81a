// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The category list and the document display: building the list with every built-in and a full
// USER.ADD, a selection to the Navigate call, a selection to a built-in document painted.
// Run: tests/run-under-xvfb build/testing/bench/bench_catalog   (or QT_QPA_PLATFORM=offscreen)
#include "benchdocument.h"
#include "catalog/builtincategory.h"
#include "catalog/categorylist.h"
#include "catalog/userdocuments.h"
#include "fakeplatform.h"
#include "platform/browserpane.h"
#include "platform/documentpane.h"
#include "windows/addin.h"
#include "windows/frmmain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace Voruvar;

namespace {

// A folder like the program's: reference documents (the real ones when built, else stand-ins of
// realistic size) and a USER.ADD of 32,767 entries in random order.
struct Installation
{
    QTemporaryDir dir;
    Installation()
    {
        const QDir source(qEnvironmentVariable("VORUVAR_BIN_DIR", QCoreApplication::applicationDirPath() + u"/../bin"));
        for (const QString &name : source.entryList({QStringLiteral("*.DOX")}, QDir::Files))
            QFile::copy(source.filePath(name), dir.filePath(name));
        // Long charts for AREA and TORX BITS, short pages for CONTINENTS and DENSITY.
        for (const auto &[name, rows] : {std::pair{"AP.DOX", 80}, {"TX.DOX", 80}, {"Cn.DOX", 10}, {"DD.DOX", 10}}) {
            QFile document(dir.filePath(QLatin1String(name)));
            if (!document.exists() && document.open(QIODevice::WriteOnly))
                document.write(benchDocument(name, rows));
        }
        QByteArray user;
        QRandomGenerator random(42);
        for (int i = 0; i < Catalog::UserDocuments::maxLines; ++i)
            user += "user entry " + QByteArray::number(random.bounded(1000000)) + "||docs\\entry" +
                    QByteArray::number(i) + ".html\r\n";
        QFile file(dir.filePath(QStringLiteral("USER.ADD")));
        if (file.open(QIODevice::WriteOnly))
            file.write(user);
    }
};

Installation &installation()
{
    static Installation instance;
    return instance;
}

struct Session
{
    Testing::FakeMessagePresenter messages;
    Testing::FakeInstanceProbe instances;
    Testing::FakeScreenMetrics screen{1280, 1024, 15.0};
    Testing::FakeProcessControl process;
    Testing::FakeShell shell;
    Windows::Addin addin{{messages, instances, screen, process, shell}, installation().dir.path()};
};

class CountingPane final : public Platform::DocumentPane
{
public:
    void navigate(const QString &address) override
    {
        ++calls;
        benchmark::DoNotOptimize(address.data());
    }
    QString locationURL() const override { return {}; }
    void print(QPrinter *, std::function<void(bool)>) override {}
    int calls = 0;
};

void BM_UserDocuments_load(benchmark::State &state)
{
    const QString userFile = Catalog::UserDocuments::filePath(installation().dir.path());
    Catalog::UserDocuments documents;
    for (auto _ : state)
        benchmark::DoNotOptimize(documents.load(userFile).size());
}
BENCHMARK(BM_UserDocuments_load)->Unit(benchmark::kMillisecond);

void BM_CategoryList_build(benchmark::State &state)
{
    const QString userFile = Catalog::UserDocuments::filePath(installation().dir.path());
    Catalog::UserDocuments documents;
    for (auto _ : state) {
        const Catalog::CategoryList list =
            Catalog::CategoryList::build({QStringLiteral("/site"), QStringLiteral("North"), 0, userFile}, documents);
        if (list.entries.size() != 42 + Catalog::UserDocuments::maxLines)
            state.SkipWithError("wrong entry count");
    }
}
BENCHMARK(BM_CategoryList_build)->Unit(benchmark::kMillisecond);

// The same, filling List1, its count line and the caption of the main window: into an empty list
// (argument 0, as at a start) and over the same entries again (argument 1, a refresh).
void BM_BuildCategoryList_withList1(benchmark::State &state)
{
    const bool rebuild = state.range(0) != 0;
    std::unique_ptr<Session> session;
    for (auto _ : state) {
        if (!rebuild || !session) {
            state.PauseTiming();
            session = std::make_unique<Session>();
            session->addin.mainWindow().show();
            if (rebuild)
                session->addin.buildCategoryList();
            state.ResumeTiming();
        }
        session->addin.buildCategoryList();
        if (session->addin.mainWindow().List1()->count() != 42 + Catalog::UserDocuments::maxLines)
            state.SkipWithError("wrong entry count");
        if (!rebuild) {
            state.PauseTiming();
            session.reset();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_BuildCategoryList_withList1)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// From setting the list's selection to the Navigate call (a user entry: the last slot matches).
void BM_Selection_toNavigate(benchmark::State &state)
{
    Session session;
    session.addin.buildCategoryList();
    CountingPane pane;
    session.addin.documentDisplay().setMainPane(&pane);
    QListWidget *list = session.addin.mainWindow().List1();
    const int rows[2] = {int(state.range(0)), int(state.range(0)) + 1};
    int turn = 0;
    for (auto _ : state)
        list->setCurrentRow(rows[turn ^= 1]);
    if (pane.calls < int(state.iterations()))
        state.SkipWithError("Navigate not called");
}
BENCHMARK(BM_Selection_toNavigate)->Arg(0)->Arg(20000)->Unit(benchmark::kMicrosecond);

// From setting the selection to the built-in document painted in the visible main window.
void BM_Selection_toBuiltInPainted(benchmark::State &state)
{
    Session session;
    session.addin.settings().bytBypassBuiltIns = 0;
    QFile::rename(installation().dir.filePath(QStringLiteral("USER.ADD")),
                  installation().dir.filePath(QStringLiteral("USER.OFF")));
    session.addin.buildCategoryList();
    Windows::frmMain &main = session.addin.mainWindow();
    main.show();
    Platform::BrowserPane &pane = session.addin.detailsPane();
    bool painted = false;
    QObject::connect(&pane, &Platform::BrowserPane::documentPainted, [&painted] { painted = true; });
    QListWidget *list = main.List1();
    const bool longCharts = state.range(0) != 0;
    const int first = int(session.addin.listEntries().indexOf(longCharts ? u"AREA"_qs : u"CONTINENTS"_qs));
    const int second = int(session.addin.listEntries().indexOf(longCharts ? u"TORX BITS"_qs : u"DENSITY"_qs));
    int turn = 0;
    for (auto _ : state) {
        painted = false;
        list->setCurrentRow((turn ^= 1) ? first : second);
        while (!painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    QFile::rename(installation().dir.filePath(QStringLiteral("USER.OFF")),
                  installation().dir.filePath(QStringLiteral("USER.ADD")));
    state.counters["document_chars"] = double(pane.nativeView()->toPlainText().size());
}
// Argument 1: two long charts (80 rows); 0: two short pages (10 rows).
BENCHMARK(BM_Selection_toBuiltInPainted)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The same for every real reference document that has been built, one after the other, so that
// no document is shown twice in a row. One iteration is one pass over all of them; the time is
// the mean per document, with the median and worst document (the medians over the passes) as
// counters and every document's own figure on standard error.
void BM_Selection_toBuiltInPainted_realDocuments(benchmark::State &state)
{
    const QDir built(qEnvironmentVariable("VORUVAR_BIN_DIR", QCoreApplication::applicationDirPath() + u"/../bin"));
    const QStringList files = built.entryList({QStringLiteral("*.DOX")}, QDir::Files);
    Session session;
    session.addin.settings().bytBypassBuiltIns = 0;
    QFile::rename(installation().dir.filePath(QStringLiteral("USER.ADD")),
                  installation().dir.filePath(QStringLiteral("USER.OFF")));
    session.addin.buildCategoryList();
    Windows::frmMain &main = session.addin.mainWindow();
    main.show();
    QListWidget *list = main.List1();
    struct Document
    {
        QString file;
        int row;
        std::vector<double> milliseconds;
    };
    std::vector<Document> documents;
    for (const Catalog::BuiltInCategory &category : Catalog::BuiltInCategory::all()) {
        const QString file = category.document.mid(1).toString();
        if (files.contains(file))
            documents.push_back({file, int(session.addin.listEntries().indexOf(category.title.toString())), {}});
    }
    if (documents.size() < 2) {
        state.SkipWithError("fewer than two real documents built (build the docs target)");
        return;
    }
    Platform::BrowserPane &pane = session.addin.detailsPane();
    bool painted = false;
    QObject::connect(&pane, &Platform::BrowserPane::documentPainted, [&painted] { painted = true; });
    const auto show = [&](const Document &document) {
        painted = false;
        const auto start = std::chrono::steady_clock::now();
        list->setCurrentRow(document.row);
        while (!painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    // One pass first, untimed: fonts, image plugins and the like are loaded once per process.
    for (const Document &document : documents)
        show(document);
    for (auto _ : state) {
        double total = 0;
        for (Document &document : documents) {
            const double milliseconds = show(document);
            document.milliseconds.push_back(milliseconds);
            total += milliseconds;
        }
        state.SetIterationTime(total / 1000.0 / double(documents.size()));
    }
    QFile::rename(installation().dir.filePath(QStringLiteral("USER.OFF")),
                  installation().dir.filePath(QStringLiteral("USER.ADD")));

    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        const size_t middle = values.size() / 2;
        return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    };
    std::vector<double> medians;
    QString worst;
    for (const Document &document : documents) {
        medians.push_back(median(document.milliseconds));
        if (medians.back() >= *std::max_element(medians.begin(), medians.end()))
            worst = document.file;
        std::fprintf(stderr, "  %-10s %7.1f ms\n", qPrintable(document.file), medians.back());
    }
    state.counters["median_ms"] = median(medians);
    state.counters["worst_ms"] = *std::max_element(medians.begin(), medians.end());
    state.counters["documents"] = double(documents.size());
    // The process's peak memory after the passes (with every kept document and drawing).
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                state.counters["peak_MiB"] = line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
        }
    }
    state.SetLabel("worst " + worst.toStdString());
}
BENCHMARK(BM_Selection_toBuiltInPainted_realDocuments)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
