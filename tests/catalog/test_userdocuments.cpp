// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "catalog/userdocuments.h"

#include "testfiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Voruvar::Catalog::UserDocuments;

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
        QTest::newRow("Windows-1252 text")
            << QByteArray("caf\xe9 \x80||doc \x99.htm") << QStringList{QStringLiteral(u"CAFÉ €")}
            << QStringList{QStringLiteral(u"doc ™.htm")} << QStringList{QStringLiteral(u"CAFÉ €")};
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
        QByteArray binary(256 * 1024, Qt::Uninitialized);
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 7919 + i / 13) & 0xFF);
        QTest::newRow("binary") << binary << -1;
        QTest::newRow("UTF-8 read as Windows-1252") << QByteArray("m\xc3\xa9tal||x") << 1;
        QTest::newRow("megabyte line") << (QByteArray("BIG||") + QByteArray(4 * 1024 * 1024, 'x')) << 1;
        QTest::newRow("megabyte line without separator") << QByteArray(3 * 1024 * 1024, 'y') << 0;
        QTest::newRow("NUL bytes") << QByteArray("A\0B||c\0d\r\n", 10) << 1;
    }

    void badInput_noCrashNoHang()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, entries);
        UserDocuments documents;
        QElapsedTimer timer;
        timer.start();
        const QStringList listed = documents.load(write(content));
        QVERIFY2(timer.elapsed() < 5000, "reading must not hang");
        if (entries >= 0)
            QCOMPARE(listed.size(), entries);
        QCOMPARE(documents.strUserTitles().size(), documents.strUserLocations().size());
        QVERIFY(documents.highestIndex() >= listed.size());
    }

    void utf8ReadAsWindows1252_keepsEveryByte()
    {
        UserDocuments documents;
        documents.load(write("m\xc3\xa9tal||x"));
        QCOMPARE(documents.strUserTitles().value(1), QStringLiteral(u"MÃ©TAL").toUpper());
    }
};

QTEST_GUILESS_MAIN(TestUserDocuments)
#include "test_userdocuments.moc"
