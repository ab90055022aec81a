// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// Start-up against a bare window, in one run: from process start to the first reference document
// painted, and the peak memory (VmHWM) of the whole process tree at that moment, for the real
// `voruvar` (a copy in a folder of its own, with its plugin and the document) and for a bare Qt
// window with one QTextBrowser showing the same document. Rounds alternate the two programs.
// Also checks that the add-in has not loaded WebEngine.
// Run: tests/run-under-xvfb build/testing/bench/bench_startup [rounds]
#include "benchdocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

struct Sample
{
    double milliseconds = 0;
    double peakKiB = 0;
    bool webEngine = false;
    bool ok = false;
};

QList<qint64> processTree(qint64 root)
{
    QList<qint64> tree{root};
    for (qsizetype i = 0; i < tree.size(); ++i) {
        for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            bool numeric = false;
            const qint64 pid = entry.toLongLong(&numeric);
            if (!numeric)
                continue;
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray text = stat.readAll();
            const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && fields[1].toLongLong() == tree[i])
                tree.append(pid);
        }
    }
    return tree;
}

double peakKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

bool mapsWebEngine(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}

Sample measure(const QString &program, const QStringList &arguments, const QByteArray &marker)
{
    Sample sample;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("voruvar.platform.browserpane.info=true"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QByteArray output;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return sample;
    while (!output.contains(marker) && timer.elapsed() < 30000) {
        process.waitForReadyRead(std::max(1, 30000 - int(timer.elapsed())));
        output += process.readAll();
    }
    sample.milliseconds = double(timer.nsecsElapsed()) / 1e6;
    sample.ok = output.contains(marker);
    for (const qint64 pid : processTree(process.processId())) {
        sample.peakKiB += peakKiB(pid);
        sample.webEngine = sample.webEngine || mapsWebEngine(pid);
    }
    process.kill();
    process.waitForFinished(5000);
    return sample;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const QString bin = qEnvironmentVariable("VORUVAR_BIN_DIR", QCoreApplication::applicationDirPath() + u"/../bin");
    const QString benchDir = QCoreApplication::applicationDirPath();

    // The add-in in a folder of its own, with the first document of the list.
    QTemporaryDir dir;
    for (const char *name : {"voruvar", "voruvar-jetread", "libvoruvar_webengine.so"}) {
        if (!QFile::copy(bin + u'/' + QLatin1String(name), dir.filePath(QLatin1String(name)))) {
            std::fprintf(stderr, "cannot copy %s from %s\n", name, qPrintable(bin));
            return 1;
        }
    }
    for (const char *name : {"voruvar", "voruvar-jetread"})
        QFile::setPermissions(dir.filePath(QLatin1String(name)), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The host's database where the add-in on its own looks for it, so the start reads its retry
    // count as at a site instead of stopping at the retrieval error box.
    if (!QFile::copy(QStringLiteral(EXAMPLE_DATABASE), dir.filePath(QStringLiteral("z_udez.mdb")))) {
        std::fprintf(stderr, "cannot copy %s\n", EXAMPLE_DATABASE);
        return 1;
    }
    // The first entry of the list is AREA: its document, or a stand-in of realistic size.
    const QString document = bin + QStringLiteral("/AP.DOX");
    const bool realDocument = QFile::copy(document, dir.filePath(QStringLiteral("AP.DOX")));
    if (!realDocument) {
        QFile standIn(dir.filePath(QStringLiteral("AP.DOX")));
        if (!standIn.open(QIODevice::WriteOnly) || standIn.write(benchDocument("Area")) <= 0)
            return 1;
    }
    const QString documentCopy = dir.filePath(QStringLiteral("AP.DOX"));

    QList<double> addinTimes, bareTimes, addinPeaks, barePeaks;
    bool webEngineSeen = false;
    for (int round = 0; round < rounds; ++round) {
        Sample addin, bare;
        const auto runAddin = [&] {
            addin = measure(dir.filePath(QStringLiteral("voruvar")), {}, QByteArray("Painted"));
        };
        const auto runBare = [&] {
            bare = measure(benchDir + QStringLiteral("/bench_barewindow"), {documentCopy}, QByteArray("Painted"));
        };
        if (round % 2 == 0) {
            runAddin();
            runBare();
        } else {
            runBare();
            runAddin();
        }
        if (!addin.ok || !bare.ok) {
            std::fprintf(stderr, "round %d: a program did not report its document painted\n", round + 1);
            return 1;
        }
        webEngineSeen = webEngineSeen || addin.webEngine;
        addinTimes << addin.milliseconds;
        bareTimes << bare.milliseconds;
        addinPeaks << addin.peakKiB;
        barePeaks << bare.peakKiB;
        std::printf("round %2d: voruvar %7.1f ms %8.0f KiB | bare window %7.1f ms %8.0f KiB\n", round + 1,
                    addin.milliseconds, addin.peakKiB, bare.milliseconds, bare.peakKiB);
    }
    const double t = median(addinTimes), tb = median(bareTimes), m = median(addinPeaks), mb = median(barePeaks);
    std::printf("\ndocument: %s\n", realDocument ? qPrintable(document) : "stand-in of realistic size");
    std::printf("median start to first document painted: voruvar %.1f ms, bare window %.1f ms, ratio %.2f\n", t, tb,
                t / tb);
    std::printf("median peak memory of the process tree: voruvar %.0f KiB, bare window %.0f KiB, ratio %.2f\n", m, mb,
                m / mb);
    std::printf("WebEngine loaded by voruvar: %s\n", webEngineSeen ? "YES" : "no");
    return webEngineSeen ? 1 : 0;
}
