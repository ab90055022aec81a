// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The search across all documents through the real windows, over the reference pages of the
// build: opened by its shortcuts from the main window and the zoom window, driven by the
// keyboard and the mouse, and a chosen hit shown in the list and the page.
#include "catalog/searchindex.h"
#include "fakejetdatabase.h"
#include "fakeplatform.h"
#include "platform/browserpane.h"
#include "windows/addin.h"
#include "windows/frmmain.h"
#include "windows/frmxpand.h"
#include "windows/maincommands.h"
#include "windows/searchcommand.h"
#include "windows/searchdialog.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextTable>

using namespace Voruvar;

namespace {

// Reading the pages runs beside other builds on a busy machine: allow it time.
constexpr int readingTimeout = 30000;

struct Session
{
    // Runs the start sequence at once unless told not to.
    explicit Session(const QString &directory, bool start = true)
        : addin({messages, instances, screen, process, shell}, directory)
    {
        addin.setDatabase(std::make_unique<Testing::FakeJetDatabase>());
        addin.mainWindow();
        if (start)
            addin.deferredStart().onTick();
    }
    Testing::FakeMessagePresenter messages;
    Testing::FakeInstanceProbe instances;
    Testing::FakeScreenMetrics screen{1280, 1024, 15.0};
    Testing::FakeProcessControl process;
    Testing::FakeShell shell;
    Windows::Addin addin;

    QListWidget *list() { return addin.mainWindow().List1(); }
    QString selectedTitle() { return list()->currentItem() ? list()->currentItem()->text() : QString(); }

    // Opens the search with the keys over the window and types the query.
    Windows::SearchDialog *search(QWidget *window, QKeyCombination keys, const QString &query)
    {
        // The window shown last may take over from one shown before it: wait until it is the
        // active one.
        window->activateWindow();
        if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            return nullptr;
        QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
        Windows::SearchDialog *dialog = addin.search().dialog();
        if (!dialog || !QTest::qWaitFor([dialog] { return QApplication::focusWidget() == dialog->txtSearch(); }))
            return nullptr;
        QTest::keyClicks(dialog->txtSearch(), query);
        return dialog;
    }
};

// The first cell's text of the table row that holds the cursor.
QString rowKey(const QTextCursor &cursor)
{
    const QTextTable *table = cursor.currentTable();
    if (!table)
        return QStringLiteral("<not in a table>");
    const QTextTableCell cell = table->cellAt(cursor);
    return table->cellAt(cell.row(), 0).firstCursorPosition().block().text();
}

} // namespace

class TestSearchWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        const QDir built(qEnvironmentVariable("VORUVAR_BIN_DIR"));
        for (const QString &name : built.entryList({QStringLiteral("*.DOX")}, QDir::Files))
            QVERIFY(QFile::copy(built.filePath(name), m_dir.filePath(name)));
        QVERIFY(QFileInfo::exists(m_dir.filePath(QStringLiteral("DS.DOX"))));
    }

    void start_readsTheDocumentsAfterTheFirstPage()
    {
        Session session(m_dir.path(), false);
        const Catalog::SearchIndex &index = session.addin.search().index();
        bool readingAtTheEnd = true;
        connect(&session.addin, &Windows::Addin::startFinished, this,
                [&] { readingAtTheEnd = index.isReading() || index.isReady(); });
        QSignalSpy finished(&session.addin, &Windows::Addin::startFinished);
        session.addin.requestStart();
        QVERIFY(finished.wait(readingTimeout));
        QVERIFY(!readingAtTheEnd);
        QTRY_VERIFY_WITH_TIMEOUT(index.isReady(), readingTimeout);
        // Every listed category: the built-in pages that exist now and those still to come.
        QCOMPARE(index.sources().size(), 42);
        QVERIFY(!index.search(QStringLiteral("0.2570")).isEmpty());
    }

    void valueInATableCell_chosenByKeyboard_selectsCategoryAndMatch()
    {
        Session session(m_dir.path());
        QCOMPARE(session.selectedTitle(), QStringLiteral("AREA"));
        QPointer<Windows::SearchDialog> dialog =
            session.search(&session.addin.mainWindow(), Qt::CTRL | Qt::Key_K, QStringLiteral("0.2570"));
        QVERIFY(dialog); // open, with the keyboard in its field
        QVERIFY(!dialog->txtSearch()->accessibleName().isEmpty());
        QVERIFY(!dialog->lstResults()->accessibleName().isEmpty());

        // In both tables of the lettered drills first: the letter table, then the table in size
        // order; the tap chart's rows follow.
        QTRY_VERIFY_WITH_TIMEOUT(dialog->lstResults()->count() >= 2, readingTimeout);
        QTest::keyClick(dialog->txtSearch(), Qt::Key_Down);
        QCOMPARE(dialog->lstResults()->currentRow(), 1);
        QTest::keyClick(dialog->txtSearch(), Qt::Key_Return);
        QTRY_VERIFY(!dialog);

        QCOMPARE(session.selectedTitle(), QStringLiteral("DRILL SIZES (LETTERED)"));
        Platform::BrowserPane &pane = session.addin.detailsPane();
        QCOMPARE(pane.locationURL(), QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("DS.DOX"))).toString());
        const QTextCursor selection = pane.nativeView()->textCursor();
        QCOMPARE(selection.selectedText(), QStringLiteral("0.2570"));
        QCOMPARE(rowKey(selection), QStringLiteral("F"));
        const QTextTable *table = selection.currentTable();
        QCOMPARE(table->cellAt(table->cellAt(selection).row(), 1).firstCursorPosition().block().text(),
                 QStringLiteral("Letter drill"));
        QVERIFY(pane.nativeView()->verticalScrollBar()->value() > 0);
    }

    void fromTheZoomWindow_chosenByDoubleClick_bothPanesFollow()
    {
        Session session(m_dir.path());
        session.addin.commands().expand();
        QPointer<Windows::frmXpand> zoom = session.addin.commands().zoomWindow();
        QVERIFY(zoom);
        QPointer<Windows::SearchDialog> dialog =
            session.search(zoom, Qt::CTRL | Qt::SHIFT | Qt::Key_F, QStringLiteral("#7"));
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), zoom.data());
        QTRY_VERIFY_WITH_TIMEOUT(dialog->lstResults()->count() > 1, readingTimeout);
        QListWidget *results = dialog->lstResults();
        const QPoint first = results->visualItemRect(results->item(0)).center();
        // Qt Test makes a double-click of a second press only: a click first, as a hand would.
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, first);
        QTRY_VERIFY(!dialog);

        const QString title = QStringLiteral("DRILL SIZES (NUMBERED)");
        QCOMPARE(session.selectedTitle(), title);
        QCOMPARE(zoom->lblItem()->text(), title);
        for (const Platform::BrowserPane *pane : {&session.addin.detailsPane(), zoom->WB1()}) {
            const QTextCursor selection = pane->nativeView()->textCursor();
            QCOMPARE(selection.selectedText(), QStringLiteral("#7"));
            QCOMPARE(rowKey(selection), QStringLiteral("#7"));
        }
    }

    void escape_closesWithoutAChoice_tabReachesTheHits()
    {
        Session session(m_dir.path());
        QPointer<Windows::SearchDialog> dialog =
            session.search(&session.addin.mainWindow(), Qt::CTRL | Qt::Key_K, QStringLiteral("M10"));
        QVERIFY(dialog);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->lstResults()->count() > 0, readingTimeout);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog->lstResults());
        QTest::keyClick(dialog->lstResults(), Qt::Key_Escape);
        QTRY_VERIFY(!dialog);
        QCOMPARE(session.selectedTitle(), QStringLiteral("AREA"));
        QVERIFY(!session.addin.detailsPane().nativeView()->textCursor().hasSelection());
    }
};

QTEST_MAIN(TestSearchWindow)
#include "test_searchwindow.moc"
