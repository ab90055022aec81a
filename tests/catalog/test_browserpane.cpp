// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The details pane with both real renderers. The order matters: the first cases show only
// reference documents and error pages and check that WebEngine was never loaded.
#include "platform/browserpane.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using Voruvar::Platform::BrowserPane;

namespace {

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/maps");
    return maps.readAll().contains("libQt6WebEngineCore");
}

// Answers every request on loopback with one small page.
class LoopbackServer final : public QTcpServer
{
public:
    LoopbackServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    const QByteArray body = "<html><head><title>Loopback page</title></head>"
                                            "<body><h1>Served on loopback</h1></body></html>";
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
};

} // namespace

class TestBrowserPane : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<BrowserPane> m_pane;
    LoopbackServer m_server;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString fileUrl(const QString &name) const { return QUrl::fromLocalFile(path(name)).toString(); }
    QString nativeText() const { return m_pane->nativeView()->toPlainText(); }

    // Navigates and waits until the pane reports the document shown.
    bool showAndWait(const QString &address, bool expectOk = true, int timeout = 30000)
    {
        QSignalSpy shown(m_pane.get(), &BrowserPane::documentShown);
        m_pane->navigate(address);
        if (shown.isEmpty() && !shown.wait(timeout))
            return false;
        return shown.last().at(1).toBool() == expectOk;
    }

    QWidget *webView() const { return m_pane->findChild<QWidget *>(QStringLiteral("webView")); }

private Q_SLOTS:
    void initTestCase()
    {
        const QDir fixtures(qEnvironmentVariable("VORUVAR_SOURCE_DIR") + QStringLiteral("/tests/catalog/fixtures"));
        for (const QString &name : fixtures.entryList(QDir::Files))
            QVERIFY(QFile::copy(fixtures.filePath(name), path(name)));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        m_pane = std::make_unique<BrowserPane>(qEnvironmentVariable("VORUVAR_BIN_DIR"));
        m_pane->resize(800, 600);
        m_pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pane.get()));
    }

    void referenceDocument_showsAsPage()
    {
        QVERIFY(showAndWait(path(QStringLiteral("TX.DOX"))));
        QVERIFY(nativeText().contains(u"Fixture page: T10 2.74 mm"));
        QVERIFY(!nativeText().contains(u"<h1>"));
        QCOMPARE(m_pane->nativeView()->documentTitle(), QStringLiteral("Torx bits"));
        QCOMPARE(m_pane->locationURL(), fileUrl(QStringLiteral("TX.DOX")));
        QVERIFY(!m_pane->showingWebRenderer());
    }

    void referenceDocument_locationRoundTrips()
    {
        QVERIFY(showAndWait(path(QStringLiteral("AP.DOX"))));
        const QString location = m_pane->locationURL();
        QVERIFY(showAndWait(path(QStringLiteral("Cn.DOX"))));
        QVERIFY(showAndWait(location));
        QCOMPARE(m_pane->locationURL(), location);
        QVERIFY(nativeText().contains(u"the area of common shapes"));
    }

    void referenceDocument_oddFileName_roundTrips()
    {
        const QString name = QStringLiteral(u"odd #1 café?.DOX");
        QVERIFY(QFile::copy(path(QStringLiteral("TX.DOX")), path(name)));
        QVERIFY(showAndWait(path(name)));
        const QString location = m_pane->locationURL();
        QVERIFY(showAndWait(path(QStringLiteral("Cn.DOX"))));
        QVERIFY(showAndWait(location));
        QCOMPARE(m_pane->locationURL(), location);
        QCOMPARE(QUrl(location).toLocalFile(), path(name));
        QVERIFY(nativeText().contains(u"Torx bits"));
    }

    void nativeLinks_followedInThePane()
    {
        QVERIFY(showAndWait(path(QStringLiteral("TX.DOX"))));
        QSignalSpy shown(m_pane.get(), &BrowserPane::documentShown);
        Q_EMIT m_pane->nativeView()->anchorClicked(QUrl(QStringLiteral("AP.DOX")));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(m_pane->locationURL(), fileUrl(QStringLiteral("AP.DOX")));
    }

    void unshowableFiles_errorPage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing reference document")
            << QStringLiteral("MISSING.DOX") << QStringLiteral("does not exist");
        QTest::newRow("missing user document") << QStringLiteral("missing.html") << QStringLiteral("does not exist");
    }

    void unshowableFiles_errorPage()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(showAndWait(path(name), false));
        QVERIFY2(nativeText().contains(reason), qPrintable(nativeText()));
        QVERIFY(!m_pane->showingWebRenderer());
    }

    // Documents shown before are kept for a quick return; an error page in between must not
    // write over them, and a file changed since must show its new text.
    void returnToADocument_afterAnErrorPageAndAChange()
    {
        const QString name = QStringLiteral("KEPT.DOX");
        QVERIFY(QFile::copy(path(QStringLiteral("TX.DOX")), path(name)));
        QVERIFY(showAndWait(path(name)));
        QVERIFY(showAndWait(path(QStringLiteral("MISSING.DOX")), false));
        QVERIFY(showAndWait(path(name)));
        QVERIFY(nativeText().contains(u"Fixture page: T10 2.74 mm"));
        QCOMPARE(m_pane->nativeView()->documentTitle(), QStringLiteral("Torx bits"));

        QVERIFY(showAndWait(path(QStringLiteral("Cn.DOX"))));
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<html><head><title>Changed</title></head><body><p>Changed on disk</p></body></html>");
        file.close();
        QVERIFY(showAndWait(path(name)));
        QCOMPARE(nativeText(), QStringLiteral("Changed on disk"));
    }

    void refusedAddress_leavesThePaneAsItWas()
    {
        QVERIFY(showAndWait(path(QStringLiteral("TX.DOX"))));
        QSignalSpy shown(m_pane.get(), &BrowserPane::documentShown);
        m_pane->navigate(QString());
        m_pane->navigate(QStringLiteral("   "));
        QCOMPARE(shown.size(), 0);
        QCOMPARE(m_pane->locationURL(), fileUrl(QStringLiteral("TX.DOX")));
    }

    void referenceDocumentsOnly_neverLoadWebEngine()
    {
        QVERIFY(!m_pane->webRendererLoaded());
        QVERIFY(!webEngineMapped());
    }

    void userHtml_showsInWebEngine()
    {
        QVERIFY(showAndWait(path(QStringLiteral("mine.html"))));
        QVERIFY(m_pane->webRendererLoaded());
        QVERIFY(m_pane->showingWebRenderer());
        QVERIFY(webEngineMapped());
        QCOMPARE(webView()->property("title").toString(), QStringLiteral("Mine shaft formulas"));
        QCOMPARE(m_pane->locationURL(), fileUrl(QStringLiteral("mine.html")));
        // The keyboard focus goes to the renderer on show.
        QCOMPARE(m_pane->focusProxy(), webView());
        QVERIFY(showAndWait(path(QStringLiteral("TX.DOX"))));
        QCOMPARE(m_pane->focusProxy(), static_cast<QWidget *>(m_pane->nativeView()));
    }

    void webLocation_roundTripsAcrossRenderers()
    {
        const QString web = fileUrl(QStringLiteral("mine.html"));
        QVERIFY(showAndWait(path(QStringLiteral("TX.DOX"))));
        QVERIFY(!m_pane->showingWebRenderer());
        const QString native = m_pane->locationURL();
        QVERIFY(showAndWait(web));
        QVERIFY(m_pane->showingWebRenderer());
        QCOMPARE(m_pane->locationURL(), web);
        QVERIFY(showAndWait(native));
        QVERIFY(!m_pane->showingWebRenderer());
        QVERIFY(nativeText().contains(u"Torx bits"));
    }

    void loopbackPage_showsInWebEngine()
    {
        const QString address = QStringLiteral("http://127.0.0.1:%1/page.html").arg(m_server.serverPort());
        QVERIFY(showAndWait(address));
        QVERIFY(m_pane->showingWebRenderer());
        QCOMPARE(webView()->property("title").toString(), QStringLiteral("Loopback page"));
        QCOMPARE(m_pane->locationURL(), address);
        QVERIFY(showAndWait(path(QStringLiteral("AP.DOX"))));
        QVERIFY(showAndWait(address));
        QCOMPARE(webView()->property("title").toString(), QStringLiteral("Loopback page"));
    }

    void twoNavigationsInARow_theLastStays()
    {
        // As when two user entries share a title: a web page, then at once a reference document.
        QSignalSpy shown(m_pane.get(), &BrowserPane::documentShown);
        m_pane->navigate(QStringLiteral("http://127.0.0.1:%1/first").arg(m_server.serverPort()));
        m_pane->navigate(path(QStringLiteral("Cn.DOX")));
        QCOMPARE(m_pane->locationURL(), fileUrl(QStringLiteral("Cn.DOX")));
        QVERIFY(!m_pane->showingWebRenderer());
        // A later web load reports after anything the first one still had to say.
        const QString later = QStringLiteral("http://127.0.0.1:%1/later").arg(m_server.serverPort());
        m_pane->navigate(later);
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 2, 30000);
        QCOMPARE(shown.first().first().toUrl().toString(), fileUrl(QStringLiteral("Cn.DOX")));
        QCOMPARE(shown.last().first().toUrl().toString(), later);
    }

    void webAddress_anyLetterCase()
    {
        const QString address = QStringLiteral("HTTP://127.0.0.1:%1/Upper").arg(m_server.serverPort());
        QVERIFY(showAndWait(address));
        QCOMPARE(webView()->property("title").toString(), QStringLiteral("Loopback page"));
    }

    void unreachableAddress_errorPageNoCrash()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(port);
        QVERIFY(showAndWait(address, false));
        // The pane's own page names the address and the reason.
        QTRY_VERIFY_WITH_TIMEOUT(!m_pane->showingWebRenderer(), 10000);
        QVERIFY2(nativeText().contains(address) && nativeText().contains(u"cannot be shown"), qPrintable(nativeText()));
    }

    void referenceDocumentReachedFromAWebPage_showsNatively()
    {
        QSignalSpy shown(m_pane.get(), &BrowserPane::documentShown);
        m_pane->navigate(path(QStringLiteral("redirect.html")));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_pane->locationURL() == fileUrl(QStringLiteral("TX.DOX")) && !m_pane->showingWebRenderer(), 30000);
        QVERIFY(nativeText().contains(u"Torx bits"));
    }

    void print_toPdf_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("web");
        QTest::newRow("reference document") << QStringLiteral("TX.DOX") << false;
        QTest::newRow("user document") << QStringLiteral("mine.html") << true;
    }

    void print_toPdf()
    {
        QFETCH(QString, document);
        QFETCH(bool, web);
        QVERIFY(showAndWait(path(document)));
        QCOMPARE(m_pane->showingWebRenderer(), web);
        const QString pdf = path(document + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        int calls = 0;
        bool ok = false;
        m_pane->print(&printer, [&](bool result) {
            ++calls;
            ok = result;
        });
        QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 30000);
        QVERIFY(ok);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QVERIFY(file.size() > 500);
    }

    void cleanupTestCase() { m_pane.reset(); }
};

QTEST_MAIN(TestBrowserPane)
#include "test_browserpane.moc"
