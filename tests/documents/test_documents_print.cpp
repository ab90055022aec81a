// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// Prints every generated reference document to PDF on portrait Letter and A4 the way the
// document pane prints (Qt's rich-text engine through QPrinter), then checks the paper:
// pages come out, no table row is cut by a page break, a table that runs onto a further page
// shows its header row there again, and the paper stays light (no dark backgrounds).

#include "catalog/builtincategory.h"
#include "documentpage.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>

using namespace Voruvar::Tests;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Lays the document out on the printer's pages as QTextDocument::print does (2 cm margins,
// page body the size of the printer's page), for the row and header checks.
struct PrintedLayout
{
    qreal pageHeight = 0;
    struct Row
    {
        int firstPage = 0;   // page of the row's top
        int lastPage = 0;    // page of the row's bottom
        bool oneLine = true; // every cell holds a single line
    };
    // Per table, its body rows.
    QList<QList<Row>> rowPages;
};

PrintedLayout layOut(const QString &html, QPrinter *printer)
{
    QTextDocument document;
    document.setHtml(html);
    document.documentLayout()->setPaintDevice(printer);
    // Margins are given at the screen's resolution, whole pixels, as QTextDocument::print sets
    // them (a fraction more or less moves rows near a page end); the layout scales them to the printer.
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    const qreal margin = int((2 / 2.54) * dpi);
    QTextFrameFormat format = document.rootFrame()->frameFormat();
    format.setMargin(margin);
    document.rootFrame()->setFrameFormat(format);
    document.setPageSize(QSizeF(printer->width(), printer->height()));

    PrintedLayout result;
    result.pageHeight = document.pageSize().height();
    QList<QTextFrame *> frames{document.rootFrame()};
    QList<QTextTable *> tables;
    while (!frames.isEmpty()) {
        QTextFrame *frame = frames.takeFirst();
        if (auto *table = qobject_cast<QTextTable *>(frame))
            tables << table;
        frames << frame->childFrames();
    }
    for (QTextTable *table : tables) {
        QList<PrintedLayout::Row> rows;
        for (int r = table->format().headerRowCount(); r < table->rows(); ++r) {
            qreal top = 1e12;
            qreal bottom = -1;
            bool oneLine = true;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                int lines = 0;
                for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
                    const QTextBlock block = it.currentBlock();
                    if (!block.isValid())
                        continue;
                    lines += block.layout()->lineCount();
                    const QRectF rect = document.documentLayout()->blockBoundingRect(block);
                    top = std::min(top, rect.top());
                    bottom = std::max(bottom, rect.bottom());
                }
                oneLine = oneLine && lines <= 1;
            }
            rows << PrintedLayout::Row{int(top / result.pageHeight), int((bottom - 0.5) / result.pageHeight), oneLine};
        }
        result.rowPages << rows;
    }
    return result;
}

int pdfPageCount(const QString &pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    for (const QString &line : info.split(u'\n')) {
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QString pdfPageText(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    // Compatibility normalisation undoes the typographic ligatures the PDF carries ("ﬁ" in "Prefix").
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                             QStringLiteral("-layout"), pdf, QStringLiteral("-")})
        .normalized(QString::NormalizationForm_KC);
}

// The darkest half-inch square of a page rendered at low resolution, as the share of its
// pixels that are clearly dark. Text, rules and grey header cells stay far below the limit;
// one dark header row already passes 0.6, a dark fill comes near 1.
double darkestPatch(const QString &pdf, int page, const QString &workDir)
{
    const QString stem = QDir(workDir).filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("24"), QStringLiteral("-gray"), QStringLiteral("-singlefile"),
         QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf, stem});
    const QImage image(stem + QStringLiteral(".pgm"));
    if (image.isNull())
        return 1.0;
    const int patch = 12; // pixels at 24 dpi: half an inch
    double darkest = 0;
    for (int top = 0; top + patch <= image.height(); top += patch / 2) {
        for (int left = 0; left + patch <= image.width(); left += patch / 2) {
            int dark = 0;
            for (int y = top; y < top + patch; ++y)
                for (int x = left; x < left + patch; ++x)
                    dark += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
            darkest = std::max(darkest, double(dark) / (patch * patch));
        }
    }
    return darkest;
}

} // namespace

class TestDocumentsPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void print_letterAndA4_comeOutClean_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("pageSize");
        // Every built-in document of the catalog (a missing one fails), and any other the build made.
        QStringList files;
        for (const Voruvar::Catalog::BuiltInCategory &category : Voruvar::Catalog::BuiltInCategory::all())
            files << category.document.mid(1).toString();
        const QString binDir = qEnvironmentVariable("VORUVAR_BIN_DIR");
        for (const QString &file : QDir(binDir).entryList({QStringLiteral("*.DOX")}, QDir::Files)) {
            if (!files.contains(file))
                files << file;
        }
        for (const QString &file : files) {
            QTest::newRow(qPrintable(file + QStringLiteral(" Letter"))) << file << int(QPageSize::Letter);
            QTest::newRow(qPrintable(file + QStringLiteral(" A4"))) << file << int(QPageSize::A4);
        }
    }
    void print_letterAndA4_comeOutClean()
    {
        QFETCH(QString, file);
        QFETCH(int, pageSize);
        DocumentPage page;
        QString error;
        QVERIFY2(page.load(QDir(qEnvironmentVariable("VORUVAR_BIN_DIR")).filePath(file), &error), qPrintable(error));

        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString sizeName = pageSize == QPageSize::Letter ? QStringLiteral("letter") : QStringLiteral("a4");
        // Keep the PDFs where asked, for looking at them (previews for the documentation).
        const QString keepDir = qEnvironmentVariable("VORUVAR_KEEP_PRINTS");
        const QString pdf =
            QDir(keepDir.isEmpty() ? work.path() : keepDir)
                .filePath(QFileInfo(file).completeBaseName() + u'-' + sizeName + QStringLiteral(".pdf"));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(pageSize)));
        printer.setPageOrientation(QPageLayout::Portrait);
        QTextDocument document;
        document.setHtml(page.html());
        document.print(&printer);

        const int pages = pdfPageCount(pdf);
        QVERIFY2(pages > 0, "no printed pages");

        // No data row cut by a page break; and where a table goes on over a break, its header
        // comes again on the next page. Qt's engine breaks a row of several lines between its
        // lines when it meets the page end (it keeps a row whole only while each of its cells
        // is one line), so the row check covers one-line rows: the numeric tables.
        const PrintedLayout layout = layOut(page.html(), &printer);
        QCOMPARE(layout.rowPages.size(), page.tables().size());
        for (qsizetype t = 0; t < layout.rowPages.size(); ++t) {
            const DocumentPage::Table &table = page.tables().at(t);
            const auto &rows = layout.rowPages.at(t);
            for (qsizetype r = 0; r < rows.size(); ++r) {
                QVERIFY2(!rows.at(r).oneLine || rows.at(r).firstPage == rows.at(r).lastPage,
                         qPrintable(QStringLiteral("table '%1', row '%2' is split across pages")
                                        .arg(table.caption, table.rows.at(r).first().text)));
            }
            if (rows.isEmpty())
                continue;
            for (int p = rows.first().firstPage + 1; p <= rows.last().lastPage; ++p) {
                QVERIFY2(p < pages, "layout and PDF disagree on the number of pages");
                const QString text = pdfPageText(pdf, p + 1);
                for (const QString &heading : table.header) {
                    const QString word = heading.section(u' ', 0, 0).normalized(QString::NormalizationForm_KC);
                    QVERIFY2(text.contains(word),
                             qPrintable(QStringLiteral("table '%1' continues on page %2 without its header '%3'")
                                            .arg(table.caption)
                                            .arg(p + 1)
                                            .arg(word)));
                }
            }
        }

        for (int p = 1; p <= pages; ++p) {
            const double share = darkestPatch(pdf, p, work.path());
            QVERIFY2(
                share < 0.5,
                qPrintable(QStringLiteral("page %1 has a dark area (%2 % dark)").arg(p).arg(share * 100, 0, 'f', 0)));
        }
    }
};

QTEST_MAIN(TestDocumentsPrint)
#include "test_documents_print.moc"
