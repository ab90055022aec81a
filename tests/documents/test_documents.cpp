// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// Checks every generated reference document: named as its title says, well-formed,
// self-contained, titled, sourced, rendered as rich-text tables with repeating headers, and
// installed beside the executable.

#include "catalog/builtincategory.h"
#include "documentpage.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

using namespace Voruvar::Tests;

namespace {

QString binDir()
{
    return qEnvironmentVariable("VORUVAR_BIN_DIR");
}

// The file name of a built-in document as it lies beside the executable ("Cn.DOX").
QString fileName(const Voruvar::Catalog::BuiltInCategory &category)
{
    return category.document.mid(1).toString();
}

// The documents to check: every row of the catalog's built-in table, with the title the list
// shows for it, plus any .DOX the build made that the table does not know (which then fails
// the naming check).
void addDocumentRows()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QStringList known;
    for (const Voruvar::Catalog::BuiltInCategory &category : Voruvar::Catalog::BuiltInCategory::all()) {
        QTest::newRow(qPrintable(fileName(category))) << fileName(category) << category.title.toString();
        known << fileName(category);
    }
    const QStringList built = QDir(binDir()).entryList({QStringLiteral("*.DOX")}, QDir::Files);
    for (const QString &file : built) {
        if (!known.contains(file))
            QTest::newRow(qPrintable(file)) << file << QString();
    }
}

// Loads the document of the current row; a document the build did not make fails.
#define LOAD_PAGE(page)                                                                                                \
    QFETCH(QString, file);                                                                                             \
    QFETCH(QString, title);                                                                                            \
    DocumentPage page;                                                                                                 \
    {                                                                                                                  \
        QString loadError;                                                                                             \
        QVERIFY2(page.load(QDir(binDir()).filePath(file), &loadError), qPrintable(loadError));                         \
    }

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void document_isNamedAndTitledAsListed_data() { addDocumentRows(); }
    void document_isNamedAndTitledAsListed()
    {
        LOAD_PAGE(page);
        QVERIFY2(!title.isEmpty(), qPrintable(file + QStringLiteral(" is not a listed document name")));
        QCOMPARE(page.heading(), title);
        QCOMPARE(page.title(), title);
    }

    void document_isSelfContained_data() { addDocumentRows(); }
    void document_isSelfContained()
    {
        LOAD_PAGE(page);
        QVERIFY(page.html().startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(page.html().contains(QStringLiteral("<meta charset=\"utf-8\"/>")));
        for (const QString &reference : page.references())
            QVERIFY2(reference.startsWith(QStringLiteral("data:")) || reference.startsWith(u'#'),
                     qPrintable(QStringLiteral("reference leaves the page: ") + reference.left(80)));
        for (const char *forbidden : {"script", "iframe", "object", "embed", "link", "svg", "form", "input"})
            QVERIFY2(!page.elements().contains(QString::fromLatin1(forbidden)),
                     qPrintable(QStringLiteral("<%1> in the page").arg(QString::fromLatin1(forbidden))));
        // No address or file path in the text or the styles either.
        static const QRegularExpression address(QStringLiteral("(https?|ftp|file)://|url\\(|@import"),
                                                QRegularExpression::CaseInsensitiveOption);
        QString withoutData = page.html();
        withoutData.remove(QRegularExpression(QStringLiteral("data:[^\"]*")));
        QVERIFY2(!address.match(withoutData).hasMatch(), qPrintable(address.match(withoutData).captured(0)));
    }

    void document_hasSourcesFooterAsLastParagraph_data() { addDocumentRows(); }
    void document_hasSourcesFooterAsLastParagraph()
    {
        LOAD_PAGE(page);
        QVERIFY(page.classes().contains(QStringLiteral("sources")));
        const QString text = page.text().trimmed();
        const qsizetype at = text.lastIndexOf(QStringLiteral("Sources:"));
        QVERIFY2(at >= 0, "no 'Sources:' line");
        // The footer names editions or years: at least one four-digit year in it.
        static const QRegularExpression year(QStringLiteral("\\b(1[89]|20)\\d\\d\\b"));
        QVERIFY2(year.match(text.mid(at)).hasMatch(), qPrintable(text.mid(at)));
        QVERIFY2(!text.mid(at).contains(u'\t'), "a table follows the Sources footer");
    }

    void document_tablesAreWholeAndLabelled_data() { addDocumentRows(); }
    void document_tablesAreWholeAndLabelled()
    {
        LOAD_PAGE(page);
        for (const DocumentPage::Table &table : page.tables()) {
            QVERIFY2(!table.header.isEmpty(), qPrintable(QStringLiteral("table without header: ") + table.caption));
            for (const QString &heading : table.header)
                QVERIFY2(!heading.isEmpty() || table.header.size() > 1,
                         qPrintable(QStringLiteral("empty header in ") + table.caption));
            for (const auto &row : table.rows)
                QCOMPARE(row.size(), table.header.size());
        }
    }

    // The pane and the printout use Qt's rich-text engine: the page must come out as real
    // tables there, each with its header row marked to repeat on every printed page.
    void document_rendersAsRichTextTables_data() { addDocumentRows(); }
    void document_rendersAsRichTextTables()
    {
        LOAD_PAGE(page);
        QTextDocument document;
        document.setHtml(page.html());
        QList<QTextTable *> tables;
        QList<QTextFrame *> frames{document.rootFrame()};
        while (!frames.isEmpty()) {
            QTextFrame *frame = frames.takeFirst();
            if (auto *table = qobject_cast<QTextTable *>(frame))
                tables << table;
            frames << frame->childFrames();
        }
        QCOMPARE(tables.size(), page.tables().size());
        for (qsizetype i = 0; i < tables.size(); ++i) {
            // The column headings, and the caption row above them where there is a caption.
            const int headerRows = page.tables().at(i).caption.isEmpty() ? 1 : 2;
            QCOMPARE(tables.at(i)->format().headerRowCount(), headerRows);
            QCOMPARE(tables.at(i)->columns(), page.tables().at(i).header.size());
            QCOMPARE(tables.at(i)->rows(), page.tables().at(i).rows.size() + headerRows);
        }
        QVERIFY(document.toPlainText().contains(title.isEmpty() ? page.heading() : title));
    }

    // Whatever is in the build folder must also be what installation puts beside the program.
    void install_placesEveryDocumentBesideTheExecutable()
    {
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QProcess install;
        install.start(QStringLiteral(VORUVAR_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(VORUVAR_BUILD_DIR), QStringLiteral("--component"),
                       QStringLiteral("documents"), QStringLiteral("--prefix"), prefix.path()});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());

        QStringList missing;
        for (const Voruvar::Catalog::BuiltInCategory &category : Voruvar::Catalog::BuiltInCategory::all()) {
            const QString file = fileName(category);
            const bool built = QFile::exists(QDir(binDir()).filePath(file));
            const bool installed = QFile::exists(QDir(prefix.path()).filePath(file));
            if (!built)
                missing << file + QStringLiteral(" (not built)");
            else if (!installed)
                missing << file + QStringLiteral(" (built, not installed)");
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestDocuments)
#include "test_documents.moc"
