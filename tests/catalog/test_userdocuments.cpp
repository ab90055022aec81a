// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "catalog/documentaddress.h"
#include "catalog/userdocuments.h"

#include "testfiles.h"

#include <QRegularExpression>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Voruvar::Catalog::UserDocuments;
Q_DECLARE_METATYPE(Voruvar::Testing::NotAFile)
using namespace Qt::Literals::StringLiterals;

class TestUserDocuments : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray &content)
    {
        return Voruvar::Testing::writeTestFile(m_dir.filePath(QStringLiteral("USER.ADD")), content);
    }

private Q_SLOTS:
    void filePath_besideTheExecutable()
    {
        QCOMPARE(UserDocuments::filePath(QStringLiteral("/opt/voruvar")), QStringLiteral("/opt/voruvar/USER.ADD"));
        QCOMPARE(UserDocuments::filePath(QStringLiteral("/")), QStringLiteral("/USER.ADD"));
    }

    void lines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("titles");    // slots 1..
        QTest::addColumn<QStringList>("locations"); // slots 1..
        QTest::addColumn<QStringList>("listed");

        const QStringList mf{QStringLiteral("MATH FORMULAS")};
        const QStringList mfLocation{QStringLiteral("formulas\\mf.html")};
        QTest::newRow("plain") << QByteArray("MATH FORMULAS||formulas\\mf.html") << mf << mfLocation << mf;
        QTest::newRow("blanks trimmed, title upper-cased")
            << QByteArray("  math formulas  ||  formulas\\mf.html  \r\n") << mf << mfLocation << mf;
        QTest::newRow("first separator splits")
            << QByteArray("X||Y||Z\r\nX|||Y\r\n") << QStringList{QStringLiteral("X"), QStringLiteral("X")}
            << QStringList{QStringLiteral("Y||Z"), QStringLiteral("|Y")}
            << QStringList{QStringLiteral("X"), QStringLiteral("X")};
        QTest::newRow("blank title is listed") << QByteArray("||a.htm\r\n") << QStringList{QString()}
                                               << QStringList{QStringLiteral("a.htm")} << QStringList{QString()};
        QTest::newRow("empty location") << QByteArray("A||\r\n") << QStringList{QStringLiteral("A")}
                                        << QStringList{QString()} << QStringList{QStringLiteral("A")};
        // The empty line gets its empty slot and ends the reading.
        QTest::newRow("blank line in the middle")
            << QByteArray("A||a\r\n\r\nB||b\r\n") << QStringList{QStringLiteral("A"), QString()}
            << QStringList{QStringLiteral("a"), QString()} << QStringList{QStringLiteral("A")};
        QTest::newRow("extra empty line at the end")
            << QByteArray("A||a\r\nB||b\r\n\r\n") << QStringList{QStringLiteral("A"), QStringLiteral("B"), QString()}
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), QString()}
            << QStringList{QStringLiteral("A"), QStringLiteral("B")};
        QTest::newRow("line without separator stops")
            << QByteArray("A||a\rjunk\rB||b") << QStringList{QStringLiteral("A"), QString()}
            << QStringList{QStringLiteral("a"), QString()} << QStringList{QStringLiteral("A")};
        QTest::newRow("CR alone and CR LF both end lines")
            << QByteArray("A||a\rB||b\r\nC||c")
            << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}
            << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        QTest::newRow("LF-only file is one line")
            << QByteArray("a||one.htm\nb||two.htm\n") << QStringList{QStringLiteral("A")}
            << QStringList{QStringLiteral("one.htm\nb||two.htm\n")} << QStringList{QStringLiteral("A")};
        QTest::newRow("tab before the separator stays")
            << QByteArray("AREA\t||x.htm") << QStringList{QStringLiteral("AREA\t")}
            << QStringList{QStringLiteral("x.htm")} << QStringList{QStringLiteral("AREA\t")};
        QTest::newRow("only separators") << QByteArray("||||||\r\n||\r\n") << QStringList{QString(), QString()}
                                         << QStringList{QStringLiteral("||||"), QString()}
                                         << QStringList{QString(), QString()};
        QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{} << QStringList{};
    }

    void lines()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, locations);
        QFETCH(QStringList, listed);
        UserDocuments documents;
        QCOMPARE(documents.load(write(content)), listed);
        QCOMPARE(documents.strUserTitles(), QStringList{QString()} + titles);
        QCOMPARE(documents.strUserLocations(), QStringList{QString()} + locations);
        QCOMPARE(documents.highestIndex(), titles.size());
    }

    void everyReading_startsAfresh()
    {
        UserDocuments documents;
        documents.load(write("A||a\r\nB||b\r\n"));
        QCOMPARE(documents.highestIndex(), 2);
        QVERIFY(documents.load(m_dir.filePath(QStringLiteral("missing.add"))).isEmpty());
        QCOMPARE(documents.strUserTitles(), QStringList{QString()});
        QCOMPARE(documents.strUserLocations(), QStringList{QString()});
    }

    void notARegularFile_noEntries()
    {
        UserDocuments documents;
        QVERIFY(documents.load(m_dir.path()).isEmpty());
        QCOMPARE(documents.highestIndex(), 0);
    }

    // Whatever stands in place of the file gives no entries at once: no wait for a writer, no
    // endless read.
    void notAFileInItsPlace_noEntriesAtOnce_data()
    {
        using Voruvar::Testing::NotAFile;
        QTest::addColumn<NotAFile>("kind");
        QTest::newRow("folder") << NotAFile::Folder;
        QTest::newRow("pipe") << NotAFile::Pipe;
        QTest::newRow("link to /dev/zero") << NotAFile::LinkToDevZero;
        QTest::newRow("link to itself") << NotAFile::LinkToItself;
        QTest::newRow("dangling link") << NotAFile::DanglingLink;
    }
    void notAFileInItsPlace_noEntriesAtOnce()
    {
        QFETCH(Voruvar::Testing::NotAFile, kind);
        QTemporaryDir dir;
        const QString path = UserDocuments::filePath(dir.path());
        QVERIFY(Voruvar::Testing::makeNotAFile(path, kind));
        const qint64 readBefore = Voruvar::Testing::bytesReadSoFar();
        UserDocuments documents;
        QVERIFY(documents.load(path).isEmpty());
        QCOMPARE(documents.highestIndex(), 0);
        QVERIFY(Voruvar::Testing::bytesReadSoFar() - readBefore < 4096);
    }

    // A gigabyte file (sparse: its tail is zero bytes) is read up to 64 MiB, which the log says.
    void gigabyteFile_onlyTheFirst64MiBRead()
    {
        QTemporaryDir dir;
        const QString path = UserDocuments::filePath(dir.path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("A||a\r\nB||b\r\n"), 12);
        QVERIFY(file.resize(qint64(1) << 30));
        file.close();

        QTest::ignoreMessage(QtWarningMsg, qPrintable(u"Only the first 64 MiB of '%1' are read"_s.arg(path)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("line 3 has no")));
        const qint64 readBefore = Voruvar::Testing::bytesReadSoFar();
        UserDocuments documents;
        QCOMPARE(documents.load(path), (QStringList{u"A"_s, u"B"_s}));
        const qint64 read = Voruvar::Testing::bytesReadSoFar() - readBefore;
        QVERIFY2(read >= 64 << 20 && read <= (65 << 20), qPrintable(QString::number(read)));
    }

    void lineEndSplitAcrossBlocks_isOneLineEnd()
    {
        // The reader takes 64 KiB blocks: a CR LF whose LF opens the next block is one line end.
        QByteArray content = "A||" + QByteArray(64 * 1024 - 4, 'a') + "\r\nB||b";
        QCOMPARE(content.indexOf('\n'), 64 * 1024);
        UserDocuments documents;
        QCOMPARE(documents.load(write(content)), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        QCOMPARE(documents.strUserLocations().value(2), QStringLiteral("b"));
    }

    void moreLinesThanTheCounter_stopsAfterTheLast()
    {
        QByteArray content;
        for (int i = 1; i <= 40000; ++i)
            content += "T" + QByteArray::number(i) + "||l\r\n";
        UserDocuments documents;
        const QStringList listed = documents.load(write(content));
        QCOMPARE(listed.size(), UserDocuments::maxLines);
        QCOMPARE(documents.highestIndex(), UserDocuments::maxLines);
        QCOMPARE(listed.last(), QStringLiteral("T32767"));
    }

    void badInput_noCrashNoHang_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("entries");
        // Every byte value but CR and "|": one long line without a separator.
        QByteArray binary;
        for (int i = 0; i < 256 * 1024; ++i) {
            const char byte = char((i * 7919 + i / 13) & 0xFF);
            if (byte != '\r' && byte != '|')
                binary += byte;
        }
        QTest::newRow("binary") << binary << 0;
        QTest::newRow("binary entries") << (binary + "||" + binary + '\r' + binary + "||\r||" + binary) << 3;
        QTest::newRow("megabyte line") << (QByteArray("BIG||") + QByteArray(4 * 1024 * 1024, 'x')) << 1;
        QTest::newRow("megabyte line without separator") << QByteArray(3 * 1024 * 1024, 'y') << 0;
        QTest::newRow("NUL bytes") << QByteArray("A\0B||c\0d\r\n", 10) << 1;
    }

    void badInput_noCrashNoHang()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, entries);
        UserDocuments documents;
        if (entries == 0) // the one line is not an entry, and is named in the log
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("line 1 has no")));
        const QStringList listed = documents.load(write(content));
        QCOMPARE(listed.size(), entries);
        QCOMPARE(documents.strUserTitles().size(), documents.strUserLocations().size());
        QVERIFY(documents.highestIndex() >= listed.size());
    }

    // Editors here save UTF-8, those on Windows the Western code page: the bytes tell which.
    void encoding_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("location");
        QTest::newRow("UTF-8") << QByteArray("m\xc3\xa9tal||Handb\xc3\xbc" "cher/\xc3\xb6l.html\r\n") << u"MÉTAL"_s
                               << u"Handbücher/öl.html"_s;
        QTest::newRow("UTF-8 mark dropped") << QByteArray("\xef\xbb\xbf" "area||a.htm") << u"AREA"_s << u"a.htm"_s;
        QTest::newRow("UTF-8 mark and text") << QByteArray("\xef\xbb\xbf\xe2\x82\xac||\xe2\x84\xa2") << u"€"_s << u"™"_s;
        QTest::newRow("Windows-1252") << QByteArray("caf\xe9 \x80||doc \x99.htm") << u"CAFÉ €"_s << u"doc ™.htm"_s;
        QTest::newRow("one byte not UTF-8 makes it Windows-1252")
            << QByteArray("m\xc3\xa9tal||x\r\nB||\xe9") << u"MÃ©TAL"_s << u"x"_s;
        QTest::newRow("ASCII") << QByteArray("plain||p.htm") << u"PLAIN"_s << u"p.htm"_s;
    }

    void encoding()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, title);
        QFETCH(QString, location);
        UserDocuments documents;
        QCOMPARE(documents.load(write(content)).value(0), title);
        QCOMPARE(documents.strUserLocations().value(1), location);
    }

    // A location naming a file with non-ASCII characters leads to that file.
    void utf8Location_namesTheFileOnDisk()
    {
        const QString name = u"Prüfprotokoll ÄÖÜ.html"_s;
        QVERIFY(Voruvar::Testing::writeTestFile(m_dir.filePath(name), "<p>x</p>").endsWith(name));
        UserDocuments documents;
        documents.load(write(u"PRÜFUNG||"_s.toUtf8() + name.toUtf8() + "\r\n"));
        QCOMPARE(documents.strUserTitles().value(1), u"PRÜFUNG"_s);
        QVERIFY(QFile::exists(Voruvar::Catalog::DocumentAddress::forUserLocation(m_dir.path(),
                                                                                 documents.strUserLocations().value(1))));
    }

    void stopAtALineWithoutSeparator_isLogged_anEmptyLastLineIsNot()
    {
        UserDocuments documents;
        const QString path = write("A||a\r\n\r\nB||b\r\n");
        QTest::ignoreMessage(QtWarningMsg, qPrintable(u"'%1' line 2 has no \"||\": it and the lines after it are not listed"_s.arg(path)));
        QCOMPARE(documents.load(path), QStringList{u"A"_s});
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QCOMPARE(documents.load(write("A||a\r\n\r\n")), QStringList{u"A"_s});
    }
};

QTEST_GUILESS_MAIN(TestUserDocuments)
#include "test_userdocuments.moc"
