// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The reference documents kept for the native pane: a file changed on disk is read again, the
// kept documents stay within their number without ever dropping the one on show, and SVG
// drawings come at the size they are shown, not at the size embedded for paper.
#include "platform/nativedocuments.h"

#include <QFile>
#include <QFont>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using Voruvar::Platform::NativeDocuments;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Looks the file up and, as the pane does, fills a new document with its text.
QTextDocument *show(NativeDocuments &documents, const QString &path, bool *wasNew = nullptr, qreal ratio = 1)
{
    bool needsContent = false;
    QString error;
    QTextDocument *document = documents.document(path, QFont(), ratio, &needsContent, &error);
    if (document && needsContent)
        document->setHtml(documents.html(document));
    if (wasNew)
        *wasNew = needsContent;
    if (document)
        documents.trim(document);
    return document;
}

} // namespace

class TestNativeDocuments : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void keptDocument_comesBackUntilTheFileChanges()
    {
        NativeDocuments documents(4);
        QVERIFY(writeFile(path(QStringLiteral("A.DOX")), "<html><body><p>first text</p></body></html>"));
        QVERIFY(writeFile(path(QStringLiteral("B.DOX")), "<html><body><p>other</p></body></html>"));
        bool wasNew = false;
        QTextDocument *first = show(documents, path(QStringLiteral("A.DOX")), &wasNew);
        QVERIFY(first && wasNew);
        QVERIFY(show(documents, path(QStringLiteral("B.DOX"))));
        QCOMPARE(show(documents, path(QStringLiteral("A.DOX")), &wasNew), first);
        QVERIFY(!wasNew);
        QCOMPARE(first->toPlainText(), QStringLiteral("first text"));

        // Same size, later time: read again.
        QVERIFY(writeFile(path(QStringLiteral("A.DOX")), "<html><body><p>later text</p></body></html>"));
        QFile file(path(QStringLiteral("A.DOX")));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        file.close();
        QTextDocument *later = show(documents, path(QStringLiteral("A.DOX")), &wasNew);
        QVERIFY(later && wasNew);
        QCOMPARE(later->toPlainText(), QStringLiteral("later text"));
    }

    void missingFile_noDocumentAndTheReason()
    {
        NativeDocuments documents(4);
        bool needsContent = true;
        QString error;
        QVERIFY(!documents.document(path(QStringLiteral("NONE.DOX")), QFont(), 1, &needsContent, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!needsContent);
    }

    void keptDocuments_stayWithinTheirNumber_neverDroppingTheOneOnShow()
    {
        NativeDocuments documents(3);
        QList<QTextDocument *> shown;
        for (int i = 0; i < 6; ++i) {
            const QString name = QStringLiteral("D%1.DOX").arg(i);
            QVERIFY(writeFile(path(name), "<p>document " + QByteArray::number(i) + "</p>"));
            shown << show(documents, path(name));
            QVERIFY(documents.size() <= 3);
            QCOMPARE(shown.last()->toPlainText(), QStringLiteral("document %1").arg(i));
        }
        // The least recently used went first; a return to a kept one moves it to the back.
        bool wasNew = false;
        QCOMPARE(show(documents, path(QStringLiteral("D3.DOX")), &wasNew), shown.at(3));
        QVERIFY(!wasNew);
        QVERIFY(show(documents, path(QStringLiteral("D0.DOX")), &wasNew));
        QVERIFY(wasNew);
        QCOMPARE(show(documents, path(QStringLiteral("D3.DOX")), &wasNew), shown.at(3));
        QVERIFY(!wasNew);

        // A replaced document on show survives until something else is shown.
        NativeDocuments one(1);
        QTextDocument *before = show(one, path(QStringLiteral("D1.DOX")));
        QVERIFY(writeFile(path(QStringLiteral("D1.DOX")), "<p>document one, changed at length</p>"));
        bool needsContent = false;
        QString error;
        QTextDocument *after = one.document(path(QStringLiteral("D1.DOX")), QFont(), 1, &needsContent, &error);
        QVERIFY(after && after != before && needsContent);
        one.trim(before);
        QCOMPARE(before->toPlainText(), QStringLiteral("document 1")); // still alive
        QCOMPARE(one.html(after), QStringLiteral("<p>document one, changed at length</p>"));
        one.trim(after);
        QCOMPARE(one.html(before), QString());
    }

    void svgDrawing_comesAtTheShownSize_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ratio 1") << qreal(1);
        QTest::newRow("ratio 2") << qreal(2);
    }

    void svgDrawing_comesAtTheShownSize()
    {
        QFETCH(qreal, ratio);
        // Embedded at three times the size it is shown at, as the documents do.
        const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"90\" height=\"60\" "
                               "viewBox=\"0 0 3 2\"><rect width=\"3\" height=\"2\" fill=\"#000\"/></svg>";
        const QByteArray source = "data:image/svg+xml;base64," + svg.toBase64();
        QVERIFY(writeFile(path(QStringLiteral("F.DOX")),
                          "<html><body><p><img src=\"" + source + "\" width=\"30\" height=\"20\"/></p></body></html>"));
        NativeDocuments documents(2);
        QTextDocument *document = show(documents, path(QStringLiteral("F.DOX")), nullptr, ratio);
        QVERIFY(document);
        const QVariant resource =
            document->resource(QTextDocument::ImageResource, QUrl::fromEncoded(source));
        QCOMPARE(resource.userType(), QMetaType::QPixmap);
        const QPixmap drawing = resource.value<QPixmap>();
        QCOMPARE(drawing.size(), QSize(30, 20) * ratio);
        QCOMPARE(drawing.devicePixelRatio(), ratio);
        QCOMPARE(QColor(drawing.toImage().pixel(drawing.width() / 2, drawing.height() / 2)), QColor(Qt::black));

        // Printing reads the document afresh, where the drawing keeps its full embedded size.
        QTextDocument paper;
        paper.setHtml(documents.html(document));
        const QVariant embedded = paper.resource(QTextDocument::ImageResource, QUrl::fromEncoded(source));
        const QPixmap full = embedded.value<QPixmap>();
        QCOMPARE(full.size(), QSize(90, 60));
    }
};

QTEST_MAIN(TestNativeDocuments)
#include "test_nativedocuments.moc"
