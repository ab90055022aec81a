// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// What a reader does with the details pane, through both real renderers: find in the page,
// text size, copy, the renderer's process ending, and a folder's listing.
#include "platform/browserpane.h"
#include "platform/findbar.h"
#include "platform/panepages.h"
#include "platform/textzoom.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <csignal>

using Voruvar::Platform::BrowserPane;
using Voruvar::Platform::PanePages;

class TestReadingFeatures : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QWidget m_window;
    BrowserPane *m_pane = nullptr;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString text() const { return m_pane->nativeView()->toPlainText(); }
    bool show(const QString &address, bool ok = true)
    {
        QSignalSpy shown(m_pane, &BrowserPane::documentShown);
        m_pane->navigate(address);
        return (!shown.isEmpty() || shown.wait(30000)) && shown.last().at(1).toBool() == ok;
    }
    QString findResult() const { return m_pane->findBar()->resultText(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QFile::copy(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/DS.DOX"), path(QStringLiteral("DS.DOX"))));
        QVERIFY(QFile::copy(qEnvironmentVariable("VORUVAR_SOURCE_DIR") + QStringLiteral("/tests/catalog/fixtures/mine.html"),
                            path(QStringLiteral("mine.html"))));
        m_pane = new BrowserPane(qEnvironmentVariable("VORUVAR_BIN_DIR"));
        auto *layout = new QVBoxLayout(&m_window);
        layout->addWidget(m_pane);
        m_window.resize(800, 600);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
        m_window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }

    void init()
    {
        m_pane->findBar()->dismiss();
        m_pane->textZoom()->reset();
        m_window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }

    // Ctrl+F opens the bar; matches are counted as typed; F3 and Shift+F3 step and wrap.
    void find_referencePage_countsStepsAndWraps()
    {
        QVERIFY(show(path(QStringLiteral("DS.DOX"))));
        const qsizetype total = text().count(QStringLiteral("0.25"));
        QVERIFY(total >= 2);
        QTest::keySequence(&m_window, QKeySequence::Find);
        QVERIFY(m_pane->findBar()->isOpen());
        QTRY_VERIFY(m_pane->findBar()->field()->hasFocus());
        QTest::keyClicks(m_pane->findBar()->field(), QStringLiteral("0.25"));
        QCOMPARE(findResult(), QStringLiteral("1 of %1").arg(total));
        QCOMPARE(m_pane->nativeView()->textCursor().selectedText(), QStringLiteral("0.25"));
        QTest::keyClick(&m_window, Qt::Key_F3);
        QCOMPARE(findResult(), QStringLiteral("2 of %1").arg(total));
        QTest::keyClick(&m_window, Qt::Key_F3, Qt::ShiftModifier);
        QTest::keyClick(&m_window, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(findResult(), QStringLiteral("%1 of %1").arg(total));
        QTest::keyClicks(m_pane->findBar()->field(), QStringLiteral("zzz"));
        QCOMPARE(findResult(), QStringLiteral("No matches"));
        QTest::keyClick(m_pane->findBar()->field(), Qt::Key_Escape);
        QVERIFY(!m_pane->findBar()->isOpen());
        QVERIFY(m_pane->nativeView()->extraSelections().isEmpty());
    }

    void find_webDocument_throughTheEngine()
    {
        QVERIFY(show(path(QStringLiteral("mine.html"))));
        QVERIFY(m_pane->showingWebRenderer());
        QSignalSpy found(m_pane, &BrowserPane::findFinished);
        m_pane->openFindBar();
        QTest::keyClicks(m_pane->findBar()->field(), QStringLiteral("FIXTURE"));
        QTRY_VERIFY_WITH_TIMEOUT(!found.isEmpty() && found.last().at(1).toInt() == 1, 10000);
        QCOMPARE(findResult(), QStringLiteral("1 of 1"));
    }

    // The size chosen with the keys, while the page has the keyboard, holds for the next page in
    // the other renderer.
    void textSize_survivesANavigation()
    {
        QVERIFY(show(path(QStringLiteral("DS.DOX"))));
        const qreal normal = m_pane->nativeView()->document()->defaultFont().pointSizeF();
        QVERIFY(show(path(QStringLiteral("mine.html"))));
        m_pane->setFocus();
        QTRY_VERIFY(m_pane->hasFocus());
        QTest::keySequence(&m_window, QKeySequence::ZoomIn);
        QTest::keySequence(&m_window, QKeySequence::ZoomIn);
        QVERIFY(qFuzzyCompare(m_pane->textZoom()->factor(), 1.21));
        QTRY_VERIFY(qFuzzyCompare(m_pane->webView()->property("zoomFactor").toDouble(), 1.21));
        QVERIFY(show(path(QStringLiteral("DS.DOX"))));
        QVERIFY(qFuzzyCompare(m_pane->nativeView()->document()->defaultFont().pointSizeF(), normal * 1.21));
        QTest::keySequence(&m_window, QKeySequence(Qt::CTRL | Qt::Key_0));
        QVERIFY(qFuzzyCompare(m_pane->nativeView()->document()->defaultFont().pointSizeF(), normal));
    }

    void copy_selectedTextToTheClipboard()
    {
        QVERIFY(show(path(QStringLiteral("DS.DOX"))));
        QTextCursor cursor = m_pane->nativeView()->document()->find(QStringLiteral("0.2570"));
        QVERIFY(!cursor.isNull());
        m_pane->nativeView()->setTextCursor(cursor);
        m_pane->nativeView()->setFocus();
        QApplication::clipboard()->clear();
        QTest::keySequence(m_pane->nativeView(), QKeySequence::Copy);
        QTRY_COMPARE(QApplication::clipboard()->text(), QStringLiteral("0.2570"));
    }

    // The renderer's process killed: the pane stays, says so, and loads the page again.
    void rendererKilled_recoveryPage_reloadRestores()
    {
        QVERIFY(show(path(QStringLiteral("mine.html"))));
        QTRY_VERIFY_WITH_TIMEOUT(m_pane->webRendererProcess() > 0, 10000);
        QCOMPARE(::kill(pid_t(m_pane->webRendererProcess()), SIGKILL), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!m_pane->showingWebRenderer(), 10000);
        QVERIFY2(text().contains(u"This page stopped working."), qPrintable(text()));
        QVERIFY(text().contains(u"Reload"));
        QSignalSpy shown(m_pane, &BrowserPane::documentShown);
        Q_EMIT m_pane->nativeView()->anchorClicked(PanePages::reloadLink());
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty() && shown.last().at(1).toBool(), 30000);
        QVERIFY(m_pane->showingWebRenderer());
        QCOMPARE(m_pane->webView()->property("title").toString(), QStringLiteral("Mine shaft formulas"));
    }

    // A folder shows its listing; a PDF in it opens in the pane.
    void folder_listsItsFiles_aPdfOpensInThePane()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("manuals/pumps")));
        const QString pdf = path(QStringLiteral("manuals/Pump manual.pdf"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QTextDocument manual(QStringLiteral("Pump manual"));
        manual.print(&printer);
        QVERIFY(show(path(QStringLiteral("manuals"))));
        QVERIFY(!m_pane->showingWebRenderer());
        const QString listing = text();
        QVERIFY2(listing.indexOf(u"pumps/") < listing.indexOf(u"Pump manual.pdf"), qPrintable(listing)); // folders first
        QVERIFY(listing.contains(u"Parent folder"));
        QSignalSpy shown(m_pane, &BrowserPane::documentShown);
        Q_EMIT m_pane->nativeView()->anchorClicked(QUrl::fromLocalFile(pdf));
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 30000);
        QVERIFY(m_pane->showingWebRenderer());
        QCOMPARE(QUrl(m_pane->locationURL()).toLocalFile(), pdf);
    }
};

QTEST_MAIN(TestReadingFeatures)
#include "test_readingfeatures.moc"
