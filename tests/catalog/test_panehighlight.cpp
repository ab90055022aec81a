// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// Selecting a text in the details pane, in both renderers: the native browser with a real
// reference page, and the web renderer (from its plugin) with a user's page, asked while it
// still loads. This test links WebEngine itself to read the web renderer's find results.
#include "platform/browserpane.h"
#include "testfiles.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextTable>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineView>

using Voruvar::Platform::BrowserPane;

class TestPaneHighlight : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<BrowserPane> m_pane;

private Q_SLOTS:
    void initTestCase()
    {
        m_pane = std::make_unique<BrowserPane>(qEnvironmentVariable("VORUVAR_BIN_DIR"));
        m_pane->resize(700, 500);
        m_pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pane.get()));
    }

    void native_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("kind"); // the second cell of the selection's row
        // 0.2570 is the letter F's diameter in the letter table, then in the table in size order.
        QTest::newRow("first") << QStringLiteral("0.2570") << 0 << QStringLiteral("0.2570") << QStringLiteral("0.2570");
        QTest::newRow("second") << QStringLiteral("0.2570") << 1 << QStringLiteral("0.2570")
                                << QStringLiteral("Letter drill");
        QTest::newRow("past the last: the last")
            << QStringLiteral("0.2570") << 5 << QStringLiteral("0.2570") << QStringLiteral("Letter drill");
        QTest::newRow("letter case ignored") << QStringLiteral("TAP DRILL 5/16-18") << 0
                                             << QStringLiteral("Tap drill 5/16-18") << QStringLiteral("0.2570");
    }
    void native()
    {
        QFETCH(QString, text);
        QFETCH(int, occurrence);
        QFETCH(QString, selected);
        QFETCH(QString, kind);
        m_pane->navigate(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/DS.DOX"));
        QVERIFY(m_pane->highlight(text, occurrence));
        const QTextCursor cursor = m_pane->nativeView()->textCursor();
        QCOMPARE(cursor.selectedText(), selected);
        const QTextTable *table = cursor.currentTable();
        QVERIFY(table);
        const int row = table->cellAt(cursor).row();
        QCOMPARE(table->cellAt(row, 0).firstCursorPosition().block().text(), QStringLiteral("F"));
        QCOMPARE(table->cellAt(row, 1).firstCursorPosition().block().text(), kind);
        QVERIFY(m_pane->nativeView()->verticalScrollBar()->value() > 0);
    }

    void native_absentText_leavesThePage()
    {
        m_pane->navigate(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/DS.DOX"));
        QVERIFY(!m_pane->highlight(QStringLiteral("zeppelin")));
        QVERIFY(!m_pane->highlight(QString()));
        QVERIFY(!m_pane->nativeView()->textCursor().hasSelection());
        QCOMPARE(m_pane->nativeView()->verticalScrollBar()->value(), 0);
    }

    void web_askedDuringTheLoad_selectsTheOccurrence()
    {
        QByteArray page = "<html><body><p>Gasket one</p>";
        for (int i = 0; i < 80; ++i)
            page += "<p>filler line</p>";
        page += "<p>gasket two</p><p>GASKET three</p></body></html>";
        const QString path = Voruvar::Testing::writeTestFile(m_dir.filePath(QStringLiteral("parts.html")), page);
        m_pane->navigate(path);
        auto *view = qobject_cast<QWebEngineView *>(m_pane->findChild<QWidget *>(QStringLiteral("webView")));
        QVERIFY(view);
        QSignalSpy found(view->page(), &QWebEnginePage::findTextFinished);
        QVERIFY(m_pane->highlight(QStringLiteral("gasket"), 1));
        const auto activeMatch = [&found] {
            return found.isEmpty() ? -1 : found.last().first().value<QWebEngineFindTextResult>().activeMatch();
        };
        QTRY_COMPARE_WITH_TIMEOUT(activeMatch(), 2, 60000);
        QCOMPARE(found.last().first().value<QWebEngineFindTextResult>().numberOfMatches(), 3);
    }

    void cleanupTestCase() { m_pane.reset(); }
};

QTEST_MAIN(TestPaneHighlight)
#include "test_panehighlight.moc"
