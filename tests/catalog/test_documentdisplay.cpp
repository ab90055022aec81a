// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "catalog/documentdisplay.h"
#include "catalog/userdocuments.h"
#include "platform/documentpane.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Voruvar;
using Catalog::DocumentDisplay;
using Catalog::UserDocuments;

namespace {

// Records every address it is sent.
class RecordingPane final : public Platform::DocumentPane
{
public:
    void navigate(const QString &address) override { sent.append(address); }
    QString locationURL() const override { return sent.value(sent.size() - 1); }
    void print(QPrinter *, std::function<void(bool)> finished) override { finished(false); }
    QStringList sent;
};

const QString exeDir = QStringLiteral("/opt/voruvar");

} // namespace

class TestDocumentDisplay : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    UserDocuments m_documents;

    void loadUserFile(const QByteArray &content)
    {
        const QString path = m_dir.filePath(QStringLiteral("USER.ADD"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(content);
        file.close();
        m_documents.load(path);
    }

private Q_SLOTS:
    void addresses_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("addresses");

        const QByteArray user = "MATH||formulas\\math.htm\r\n"
                                "AREA||mine.htm\r\n"
                                "WEB1||http://example.org/a?b=1\r\n"
                                "WEB2||HTTPS://EXAMPLE.ORG/B\r\n"
                                "WEB3||HtTp://example.org/c\r\n"
                                "SHORT||htm\r\n"
                                "EMPTY||\r\n"
                                "ABS||/srv/docs/a.html\r\n"
                                "ABSWIN||/srv\\docs\\b.html\r\n"
                                "DRIVE||F:\\DOCUMENTS\\MF.HTML\r\n"
                                "NOSCHEME||www.example.org\r\n"
                                "HTTPDOCS||httpdocs/x.htm\r\n"
                                "TWICE||first.htm\r\n"
                                "TWICE||second.htm\r\n";
        QTest::newRow("built-in") << user << QStringLiteral("TORX BITS") << QStringList{exeDir + u"/TX.DOX"};
        QTest::newRow("built-in, selected text upper-cased")
            << user << QStringLiteral("torx bits") << QStringList{exeDir + u"/TX.DOX"};
        QTest::newRow("built-in wins over user AREA")
            << user << QStringLiteral("AREA") << QStringList{exeDir + u"/AP.DOX"};
        QTest::newRow("relative location, backslashes")
            << user << QStringLiteral("MATH") << QStringList{exeDir + u"/formulas/math.htm"};
        QTest::newRow("selected text trimmed")
            << user << QStringLiteral("  MATH ") << QStringList{exeDir + u"/formulas/math.htm"};
        QTest::newRow("user titles compared case-sensitively") << user << QStringLiteral("math") << QStringList{};
        QTest::newRow("http") << user << QStringLiteral("WEB1")
                              << QStringList{QStringLiteral("http://example.org/a?b=1")};
        QTest::newRow("HTTPS in capitals")
            << user << QStringLiteral("WEB2") << QStringList{QStringLiteral("HTTPS://EXAMPLE.ORG/B")};
        QTest::newRow("mixed case") << user << QStringLiteral("WEB3")
                                    << QStringList{QStringLiteral("HtTp://example.org/c")};
        QTest::newRow("short location joined") << user << QStringLiteral("SHORT") << QStringList{exeDir + u"/htm"};
        QTest::newRow("empty location is the directory")
            << user << QStringLiteral("EMPTY") << QStringList{exeDir + u"/"};
        QTest::newRow("absolute location as it stands")
            << user << QStringLiteral("ABS") << QStringList{QStringLiteral("/srv/docs/a.html")};
        QTest::newRow("absolute location with backslashes")
            << user << QStringLiteral("ABSWIN") << QStringList{QStringLiteral("/srv/docs/b.html")};
        QTest::newRow("drive letter joined")
            << user << QStringLiteral("DRIVE") << QStringList{exeDir + u"/F:/DOCUMENTS/MF.HTML"};
        QTest::newRow("web address without scheme joined")
            << user << QStringLiteral("NOSCHEME") << QStringList{exeDir + u"/www.example.org"};
        QTest::newRow("HTTP prefix counts as web")
            << user << QStringLiteral("HTTPDOCS") << QStringList{QStringLiteral("httpdocs/x.htm")};
        QTest::newRow("same title twice, in file order")
            << user << QStringLiteral("TWICE") << QStringList{exeDir + u"/first.htm", exeDir + u"/second.htm"};
        QTest::newRow("no match") << user << QStringLiteral("NOTHING") << QStringList{};
        QTest::newRow("empty text, no blank slot") << user << QString() << QStringList{};
        // A line without separator leaves an empty slot, which an empty selection matches.
        QTest::newRow("empty text matches the empty slot")
            << QByteArray("A||a\r\nstop\r\n") << QString() << QStringList{exeDir + u"/"};
        QTest::newRow("built-ins win with no user file")
            << QByteArray() << QStringLiteral("CONTINENTS") << QStringList{exeDir + u"/Cn.DOX"};
    }

    void addresses()
    {
        QFETCH(QByteArray, user);
        QFETCH(QString, selected);
        QFETCH(QStringList, addresses);
        loadUserFile(user);
        DocumentDisplay display(m_documents, exeDir);
        QCOMPARE(display.addressesFor(selected), addresses);
    }

    // A backslash in the program's own folder is part of a name there, not a separator.
    void addresses_folderWithABackslash_keptAsItStands()
    {
        loadUserFile("MATH||formulas\\math.htm\r\nABS||/srv\\docs\\b.html\r\n");
        const QString folder = QStringLiteral("/opt/we\\ird");
        DocumentDisplay display(m_documents, folder);
        QCOMPARE(display.addressesFor(QStringLiteral("TORX BITS")), QStringList{folder + u"/TX.DOX"});
        QCOMPARE(display.addressesFor(QStringLiteral("MATH")), QStringList{folder + u"/formulas/math.htm"});
        QCOMPARE(display.addressesFor(QStringLiteral("ABS")), QStringList{QStringLiteral("/srv/docs/b.html")});
    }

    void show_navigatesTheSecondPaneOnlyWhileVisible()
    {
        loadUserFile("TWICE||first.htm\r\nTWICE||second.htm\r\n");
        DocumentDisplay display(m_documents, exeDir);
        RecordingPane main;
        RecordingPane zoom;
        bool zoomVisible = false;
        int asked = 0;
        display.setMainPane(&main);
        display.setSecondPane([&]() -> Platform::DocumentPane * {
            ++asked;
            return zoomVisible ? &zoom : nullptr;
        });

        display.show(QStringLiteral("TORX BITS"));
        QCOMPARE(main.sent, QStringList{exeDir + u"/TX.DOX"});
        QVERIFY(zoom.sent.isEmpty());
        QCOMPARE(asked, 1);

        zoomVisible = true;
        display.show(QStringLiteral("TWICE"));
        const QStringList both{exeDir + u"/first.htm", exeDir + u"/second.htm"};
        QCOMPARE(main.sent.mid(1), both);
        QCOMPARE(zoom.sent, both);
        QCOMPARE(main.locationURL(), exeDir + u"/second.htm");

        display.show(QStringLiteral("NOTHING"));
        QCOMPARE(main.sent.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestDocumentDisplay)
#include "test_documentdisplay.moc"
