// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The category list and the details pane in the main window: start, selection by code, keyboard
// and mouse, refresh.
#include "fakejetdatabase.h"
#include "fakeplatform.h"
#include "testfiles.h"
#include "platform/browserpane.h"
#include "windows/addin.h"
#include "windows/frmmain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

using namespace Voruvar;

namespace {

struct Session
{
    // The host's database answers with no Retry_Count row, so the start reads its default quietly.
    explicit Session(const QString &directory) : addin({messages, instances, screen, process, shell}, directory)
    {
        addin.setDatabase(std::make_unique<Testing::FakeJetDatabase>());
    }
    Testing::FakeMessagePresenter messages;
    Testing::FakeInstanceProbe instances;
    Testing::FakeScreenMetrics screen{1280, 1024, 15.0};
    Testing::FakeProcessControl process;
    Testing::FakeShell shell;
    Windows::Addin addin;

    QListWidget *list() { return addin.mainWindow().List1(); }
    QStringList entries() { return addin.listEntries(); }
    QString shownText() { return addin.detailsPane().nativeView()->toPlainText(); }
    QString location() { return addin.detailsPane().locationURL(); }
    void start(const QString &alert = QString())
    {
        addin.context().strAlertRef = alert;
        addin.mainWindow();
        addin.deferredStart().onTick();
    }
};

class RecordingPane final : public Platform::DocumentPane
{
public:
    void navigate(const QString &address) override { sent.append(address); }
    QString locationURL() const override { return sent.value(sent.size() - 1); }
    void print(QPrinter *, std::function<void(bool)> finished) override { finished(false); }
    QStringList sent;
};

} // namespace

class TestCatalogWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString url(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)).toString(); }
    void writeUserFile(const QByteArray &content)
    {
        Testing::writeTestFile(m_dir.filePath(QStringLiteral("USER.ADD")), content);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QDir fixtures(qEnvironmentVariable("VORUVAR_SOURCE_DIR") + QStringLiteral("/tests/catalog/fixtures"));
        for (const QString &name : fixtures.entryList({QStringLiteral("*.DOX")}, QDir::Files))
            QVERIFY(QFile::copy(fixtures.filePath(name), m_dir.filePath(name)));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("docs")));
        QVERIFY(
            QFile::copy(fixtures.filePath(QStringLiteral("Cn.DOX")), m_dir.filePath(QStringLiteral("docs/mine.DOX"))));
    }

    void init()
    {
        writeUserFile("mine||docs\\mine.DOX\r\nzebra||nowhere.htm\r\n");
        QFile::remove(m_dir.filePath(QStringLiteral("DARUD.DCT")));
    }

    void start_listsBuiltInsAndUserEntries_showsFirst()
    {
        Session session(m_dir.path());
        session.addin.context().strSitePath = QStringLiteral("/site");
        session.addin.context().strSiteName = QStringLiteral("North Plant");
        session.start();
        QCOMPARE(session.entries().size(), 44);
        QCOMPARE(session.entries().first(), QStringLiteral("AREA"));
        QCOMPARE(session.entries().last(), QStringLiteral("ZEBRA"));
        QCOMPARE(session.addin.mainWindow().Label3()->text(), QStringLiteral("44 Categories Available."));
        QCOMPARE(session.addin.mainWindow().windowTitle(), QStringLiteral(u"RURARO™ Voruvar - North Plant"));
        QCOMPARE(session.list()->currentRow(), 0);
        QCOMPARE(session.location(), url(QStringLiteral("AP.DOX")));
        QVERIFY(session.shownText().contains(u"the area of common shapes"));
        QVERIFY(session.messages.shown.isEmpty());
    }

    void start_alertNamingALongPage_opensItAtItsTop()
    {
        // A real reference page of the build, with its tables and drawings.
        QFile::remove(m_dir.filePath(QStringLiteral("long.DOX")));
        QVERIFY(QFile::copy(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/MCS.DOX"),
                            m_dir.filePath(QStringLiteral("long.DOX"))));
        writeUserFile("long page||long.DOX\r\n");
        Session session(m_dir.path());
        QSignalSpy painted(&session.addin.detailsPane(), &Voruvar::Platform::BrowserPane::documentPainted);
        session.start(QStringLiteral("LONG PAGE")); // the first entry shows, then the alert's
        QCOMPARE(session.location(), url(QStringLiteral("long.DOX")));
        QVERIFY(QTest::qWaitForWindowExposed(&session.addin.mainWindow()));
        QTRY_VERIFY(!painted.isEmpty() &&
                    painted.last().first().toUrl().toString(QUrl::FullyEncoded) == url(QStringLiteral("long.DOX")));
        QCOMPARE(session.addin.detailsPane().nativeView()->verticalScrollBar()->value(), 0);
    }

    void start_alertNamingAUserEntry_showsItsDocument()
    {
        Session session(m_dir.path());
        session.start(QStringLiteral(" mine "));
        QCOMPARE(session.list()->currentItem()->text(), QStringLiteral("MINE"));
        QCOMPARE(session.location(), url(QStringLiteral("docs/mine.DOX")));
        QVERIFY(session.shownText().contains(u"seven continents"));
        QVERIFY(session.messages.shown.isEmpty());
    }

    void selection_byCodeKeyboardAndMouse_showsTheDocument()
    {
        Session session(m_dir.path());
        session.start();
        QListWidget *list = session.list();

        session.addin.selectEntry(int(session.entries().indexOf(QStringLiteral("TORX BITS"))));
        QCOMPARE(session.location(), url(QStringLiteral("TX.DOX")));

        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("CONTINENTS"));
        QCOMPARE(session.location(), url(QStringLiteral("Cn.DOX")));

        const int zebra = int(session.entries().indexOf(QStringLiteral("ZEBRA")));
        list->scrollToItem(list->item(zebra));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(zebra)).center());
        QCOMPARE(list->currentRow(), zebra);
        QCOMPARE(session.location(), url(QStringLiteral("nowhere.htm")));
        QVERIFY(session.shownText().contains(u"does not exist"));
        QVERIFY(!session.addin.detailsPane().webRendererLoaded());
    }

    void refresh_rebuildsAndSelectsTheFirstEntry()
    {
        Session session(m_dir.path());
        session.start();
        session.addin.selectEntry(session.list()->count() - 1);
        writeUserFile("belts||docs\\mine.DOX\r\n");
        session.addin.settings().bytBypassBuiltIns = 0;
        session.addin.mainWindow().button(QStringLiteral("Command5"))->click();
        QCOMPARE(session.entries().size(), 43);
        QCOMPARE(session.entries().value(1), QStringLiteral("BELTS"));
        QCOMPARE(session.list()->currentRow(), 0);
        QCOMPARE(session.location(), url(QStringLiteral("AP.DOX")));
    }

    void refresh_emptyList_selectsNothingAndKeepsTheDocument()
    {
        Session session(m_dir.path());
        session.start(QStringLiteral("TORX BITS"));
        QFile::remove(m_dir.filePath(QStringLiteral("USER.ADD")));
        session.addin.settings().bytBypassBuiltIns = 1;
        session.addin.refreshCategories();
        QCOMPARE(session.list()->count(), 0);
        QCOMPARE(session.addin.mainWindow().Label3()->text(), QStringLiteral("0 Categories Available."));
        QCOMPARE(session.location(), url(QStringLiteral("TX.DOX")));
        QVERIFY(session.messages.shown.isEmpty());
    }

    void bypassedBuiltIns_stillWinForAUserEntryOfTheSameTitle()
    {
        writeUserFile("area||docs\\mine.DOX\r\n");
        Testing::writeTestFile(m_dir.filePath(QStringLiteral("DARUD.DCT")), "0\r\n0\r\n1\r\n");
        Session session(m_dir.path());
        session.start();
        QCOMPARE(session.entries(), QStringList{QStringLiteral("AREA")});
        QCOMPARE(session.location(), url(QStringLiteral("AP.DOX")));
    }

    void showCategories_replacesEveryEntryAndTheSelection()
    {
        Session session(m_dir.path());
        Windows::frmMain &main = session.addin.mainWindow();
        const QList<QStringList> lists{
            {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
            {QStringLiteral("A"), QStringLiteral("X")},
            {QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")},
            {},
            {QStringLiteral("Q")}};
        for (const QStringList &entries : lists) {
            if (main.List1()->count() > 1)
                main.List1()->setCurrentRow(1);
            main.showCategories(entries, QStringLiteral("n"));
            QCOMPARE(session.entries(), entries);
            QCOMPARE(main.List1()->currentRow(), -1);
            QVERIFY(main.List1()->selectedItems().isEmpty());
        }
    }

    void secondPane_followsTheSelectionWhileVisible()
    {
        Session session(m_dir.path());
        session.start();
        RecordingPane zoom;
        bool visible = true;
        session.addin.documentDisplay().setSecondPane(
            [&]() -> Platform::DocumentPane * { return visible ? &zoom : nullptr; });
        session.addin.selectEntry(int(session.entries().indexOf(QStringLiteral("TORX BITS"))));
        QCOMPARE(zoom.sent, QStringList{m_dir.filePath(QStringLiteral("TX.DOX"))});
        visible = false;
        session.addin.selectEntry(0);
        QCOMPARE(zoom.sent.size(), 1);
        QCOMPARE(session.location(), url(QStringLiteral("AP.DOX")));
    }
};

QTEST_MAIN(TestCatalogWindow)
#include "test_catalogwindow.moc"
